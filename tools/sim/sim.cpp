// quelvane-sim: plays many games between computer seats without a window and sums them up.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <fcntl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "assets/catalogue.h"
#include "sim.h"

#ifndef QUELVANE_RUN_DIR
#define QUELVANE_RUN_DIR "run"
#endif

static const char* usage =
    "usage: quelvane-sim [--games N] [--players P] [--win-points W] [--seed S]\n"
    "                    [--run-dir DIR] [--step MS] [--stall-rounds R] [--max-rounds R]\n"
    "                    [--jobs J] [--verify-replay] [--quiet]\n"
    "Plays N games with P computer seats (1-4) to W points (4-12) on a fake clock.\n"
    "--seed S replays the one game whose clock starts at S; --verify-replay plays every\n"
    "game twice and compares the outcomes; --jobs J plays J games at the same time.\n";

struct Settings {
    SimOptions game = {2, 10, 100, 100, 1000};
    int games = 10;
    int seed = -1;
    const char* runDir = QUELVANE_RUN_DIR;
    int jobs = 1; // games played at the same time
    bool verifyReplay = false;
    bool quiet = false;
};

static bool readInt(const char* text, int low, int high, int* out) {
    char* end = nullptr;
    long v = std::strtol(text, &end, 10);
    if (!*text || *end || v < low || v > high) return false;
    *out = (int)v;
    return true;
}

static bool parse(int argc, char** argv, Settings* s) {
    for (int i = 1; i < argc; i++) {
        const char* a = argv[i];
        const char* v = i + 1 < argc ? argv[i + 1] : nullptr;
        bool ok = true;
        if (!std::strcmp(a, "--verify-replay")) {
            s->verifyReplay = true;
            continue;
        }
        if (!std::strcmp(a, "--quiet")) {
            s->quiet = true;
            continue;
        }
        if (!v) return false;
        if (!std::strcmp(a, "--games"))
            ok = readInt(v, 1, 1000000, &s->games);
        else if (!std::strcmp(a, "--players"))
            ok = readInt(v, 1, 4, &s->game.players);
        else if (!std::strcmp(a, "--win-points"))
            ok = readInt(v, 0, 1000, &s->game.winPoints);
        else if (!std::strcmp(a, "--seed"))
            ok = readInt(v, 0, 1000000000, &s->seed);
        else if (!std::strcmp(a, "--step"))
            ok = readInt(v, 1, 1400, &s->game.step);
        else if (!std::strcmp(a, "--stall-rounds"))
            ok = readInt(v, 1, 100000, &s->game.stallRounds);
        else if (!std::strcmp(a, "--max-rounds"))
            ok = readInt(v, 1, 100000, &s->game.maxRounds);
        else if (!std::strcmp(a, "--jobs"))
            ok = readInt(v, 1, 64, &s->jobs);
        else if (!std::strcmp(a, "--run-dir"))
            s->runDir = v;
        else
            return false;
        if (!ok) return false;
        i++;
    }
    return true;
}

// The loaders trace every 3DS chunk on standard output; the summary must stay readable.
static void loadSceneQuietly() {
    std::fflush(stdout);
    const int saved = dup(1);
    const int null = open("/dev/null", O_WRONLY);
    if (null >= 0) dup2(null, 1);
    initScene();
    std::fflush(stdout);
    if (saved >= 0) dup2(saved, 1);
    if (null >= 0) close(null);
    if (saved >= 0) close(saved);
}

// The computer finds its opening places by the offer textures, so all twelve must differ.
static bool offersDistinct() {
    for (int i = 3; i < 15; i++) {
        if (buildV[i].texture_id < 0) return false;
        for (int j = 3; j < i; j++)
            if (buildV[i].texture_id == buildV[j].texture_id) return false;
    }
    return true;
}

// Each game runs in its own process, so every game starts from the program's start state.
struct Job {
    pid_t pid;
    int fd;
    int index; // into the result table: game i, or games + i for its replay
};

static bool startGame(const SimOptions& o, int seed, int index, Job* job) {
    int fds[2];
    if (pipe(fds) != 0) return false;
    std::fflush(stdout);
    const pid_t pid = fork();
    if (pid < 0) {
        close(fds[0]);
        close(fds[1]);
        return false;
    }
    if (pid == 0) {
        close(fds[0]);
        GameResult result;
        playGame(o, seed, &result);
        const ssize_t n = write(fds[1], &result, sizeof result);
        _exit(n == (ssize_t)sizeof result ? 0 : 1);
    }
    close(fds[1]);
    *job = {pid, fds[0], index};
    return true;
}

// The result fits the pipe's buffer, so it can be read once the process has ended.
static void collect(const Job& job, int status, int seed, GameResult* r) {
    size_t got = 0;
    while (got < sizeof *r) {
        const ssize_t n = read(job.fd, (char*)r + got, sizeof *r - got);
        if (n <= 0) break;
        got += (size_t)n;
    }
    close(job.fd);
    if (got == sizeof *r) return;
    std::memset(r, 0, sizeof *r);
    r->seed = seed;
    r->status = GAME_BROKEN;
    if (WIFSIGNALED(status))
        std::snprintf(r->problem, sizeof r->problem, "crashed with signal %d", WTERMSIG(status));
    else
        std::snprintf(r->problem, sizeof r->problem, "ended without a result");
}

static void printGame(int index, const GameResult& r, int players) {
    std::printf("game %d seed %d: ", index, r.seed);
    if (r.status == GAME_WON)
        std::printf("won by Comp. %d in round %d", r.winner, r.rounds);
    else if (r.status == GAME_STALLED)
        std::printf("stalled in round %d (%s)", r.rounds, r.problem);
    else if (r.status == GAME_LIMIT)
        std::printf("not ended after %d rounds", r.rounds - 1);
    else
        std::printf("BROKEN in round %d: %s", r.rounds, r.problem);
    std::printf(", points");
    for (int p = 1; p <= players; p++) std::printf(" %d", r.points[p]);
    std::printf("\n");
}

int main(int argc, char** argv) {
    Settings s;
    if (!parse(argc, argv, &s)) {
        std::fputs(usage, stderr);
        return 2;
    }
    if (chdir(s.runDir) != 0) {
        std::fprintf(stderr, "quelvane-sim: cannot enter the run folder %s\n", s.runDir);
        return 2;
    }
    loadSceneQuietly();
    if (!offersDistinct()) {
        std::fprintf(stderr,
                     "quelvane-sim: the build-offer textures in %s/texturen are missing "
                     "or not distinct\n",
                     s.runDir);
        return 2;
    }
    const int games = s.seed >= 0 ? 1 : s.games;
    const int runs = s.verifyReplay ? 2 * games : games;
    std::vector<GameResult> results(runs);
    std::vector<Job> running;
    auto seedOf = [&](int run) { return s.seed >= 0 ? s.seed : 10007 + (run % games) * 7919; };
    const auto start = std::chrono::steady_clock::now();
    int started = 0;
    while (started < runs || !running.empty()) {
        while (started < runs && (int)running.size() < s.jobs) {
            Job job;
            if (!startGame(s.game, seedOf(started), started, &job)) {
                std::fprintf(stderr, "quelvane-sim: cannot start a game process\n");
                return 2;
            }
            running.push_back(job);
            started++;
        }
        int status = 0;
        const pid_t done = wait(&status);
        if (done < 0) break;
        for (size_t j = 0; j < running.size(); j++) {
            if (running[j].pid != done) continue;
            const int run = running[j].index;
            collect(running[j], status, seedOf(run), &results[run]);
            running.erase(running.begin() + j);
            break;
        }
    }

    int won = 0, stalled = 0, limited = 0, broken = 0, mismatched = 0;
    std::vector<int> rounds;
    for (int i = 0; i < games; i++) {
        const GameResult& r = results[i];
        if (s.verifyReplay) {
            const GameResult& again = results[games + i];
            if (again.hash != r.hash || again.rounds != r.rounds || again.status != r.status) {
                mismatched++;
                std::printf("game %d seed %d: the replay differs\n", i + 1, r.seed);
            }
        }
        if (r.status == GAME_WON) {
            won++;
            rounds.push_back(r.rounds);
        }
        stalled += r.status == GAME_STALLED;
        limited += r.status == GAME_LIMIT;
        broken += r.status == GAME_BROKEN;
        if (!s.quiet || r.status == GAME_BROKEN) printGame(i + 1, r, s.game.players);
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    rusage usage = {};
    getrusage(RUSAGE_CHILDREN, &usage);
    const double cpu = usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
                       (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    std::sort(rounds.begin(), rounds.end());
    const int median = rounds.empty() ? 0 : rounds[rounds.size() / 2];
    std::printf("%d games, %d players, %d points: %d won (%.1f%%), %d stalled, %d at the round "
                "limit, %d broken; median rounds %d; %.2f games/s (%.2f per CPU second)\n",
                games, s.game.players, s.game.winPoints, won, 100.0 * won / games, stalled, limited,
                broken, median, seconds > 0 ? games / seconds : 0.0, cpu > 0 ? games / cpu : 0.0);
    if (mismatched) std::printf("%d games did not replay the same\n", mismatched);
    return broken || mismatched ? 1 : 0;
}
