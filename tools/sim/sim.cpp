// quelvane-sim: plays many games between computer seats without a window and sums them up.
#include <sys/mman.h>
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
#include "game/ki.h"
#include "game/rules.h"
#include "game/state.h"

#ifndef QUELVANE_RUN_DIR
#define QUELVANE_RUN_DIR "run"
#endif

static const char* usage =
    "usage: quelvane-sim [--games N] [--players P] [--win-points W] [--seed S]\n"
    "                    [--run-dir DIR] [--step MS] [--stall-rounds R] [--max-rounds R]\n"
    "                    [--jobs J] [--verify-replay] [--quiet] [--strength S1,S2,...]\n"
    "                    [--weight NAME=VALUE]...\n"
    "Plays N games with P computer seats (1-4) to W points (4-12) on a fake clock.\n"
    "--strength gives each seat's computer: 1 the table (the default), 2 the strong one;\n"
    "--weight changes one weight of the strong computer's value of a position.\n"
    "--seed S replays the one game whose clock starts at S; --verify-replay plays every\n"
    "game twice and compares the outcomes; --jobs J plays J games at the same time.\n"
    "Exits 1 when a game breaks, stalls, reaches the round limit or replays differently;\n"
    "a game whose target is out of reach under the rules is counted apart.\n";

enum { MAX_JOBS = 64 };

struct Settings {
    SimOptions game = {2, 10, 100, 100, 1000, {0, KI_TABLE, KI_TABLE, KI_TABLE, KI_TABLE}};
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

// "1,2,1,1": one strength per seat from seat 1, as many as given.
static bool readStrengths(const char* text, int* strength) {
    int q = 1;
    for (const char* c = text; *c; c++) {
        if (*c == ',') continue;
        if (q > 4 || (*c != '1' && *c != '2') || (c[1] && c[1] != ',')) return false;
        strength[q++] = *c == '1' ? KI_TABLE : KI_STRONG;
    }
    return q > 1;
}

// "NAME=VALUE" for the strong computer's weights.
static bool readWeight(const char* text) {
    char name[32];
    const char* eq = std::strchr(text, '=');
    if (!eq || eq - text >= (long)sizeof name) return false;
    std::snprintf(name, sizeof name, "%.*s", (int)(eq - text), text);
    char* end = nullptr;
    const float value = std::strtof(eq + 1, &end);
    return eq[1] && !*end && setStrongWeight(name, value);
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
        else if (!std::strcmp(a, "--win-points")) {
            // Held to what the game plays, so the summary names the target the games had.
            ok = readInt(v, 0, 1000, &s->game.winPoints);
            s->game.winPoints = clampWinPoints(s->game.winPoints);
        } else if (!std::strcmp(a, "--seed"))
            ok = readInt(v, 0, 1000000000, &s->seed);
        else if (!std::strcmp(a, "--step"))
            ok = readInt(v, 1, 1400, &s->game.step);
        else if (!std::strcmp(a, "--stall-rounds"))
            ok = readInt(v, 1, 100000, &s->game.stallRounds);
        else if (!std::strcmp(a, "--max-rounds"))
            ok = readInt(v, 1, 100000, &s->game.maxRounds);
        else if (!std::strcmp(a, "--jobs"))
            ok = readInt(v, 1, MAX_JOBS, &s->jobs);
        else if (!std::strcmp(a, "--strength"))
            ok = readStrengths(v, s->game.strength);
        else if (!std::strcmp(a, "--weight"))
            ok = readWeight(v);
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

// The games are shared out to --jobs worker processes, each playing one game after another
// from the start state (playGame resets it). They take the next game from a counter in
// shared memory and leave their results there; a worker that dies takes only the game it
// was playing with it, and a new one carries on with the rest.
struct Shared {
    int* nextRun;
    int* playing; // per worker, the run it is playing, -1 none
    int* seeds;   // per run
    int* done;    // per run, 1 once its result is in place
    GameResult* results;
    int runs;
};

static bool share(int runs, Shared* sh) {
    const size_t counters = sizeof(int) * (1 + MAX_JOBS + 2 * runs);
    const size_t offset =
        (counters + alignof(GameResult) - 1) / alignof(GameResult) * alignof(GameResult);
    const size_t size = offset + sizeof(GameResult) * runs;
    void* mem = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (mem == MAP_FAILED) return false;
    sh->nextRun = (int*)mem;
    sh->playing = sh->nextRun + 1;
    sh->seeds = sh->playing + MAX_JOBS;
    sh->done = sh->seeds + runs;
    sh->results = (GameResult*)((char*)mem + offset);
    sh->runs = runs;
    for (int w = 0; w < MAX_JOBS; w++) sh->playing[w] = -1;
    return true;
}

[[noreturn]] static void work(const SimOptions& o, const Shared& sh, int w) {
    while (true) {
        const int run = __atomic_fetch_add(sh.nextRun, 1, __ATOMIC_SEQ_CST);
        if (run >= sh.runs) _exit(0);
        __atomic_store_n(&sh.playing[w], run, __ATOMIC_SEQ_CST);
        playGame(o, sh.seeds[run], &sh.results[run]);
        __atomic_store_n(&sh.done[run], 1, __ATOMIC_SEQ_CST);
        __atomic_store_n(&sh.playing[w], -1, __ATOMIC_SEQ_CST);
    }
}

static pid_t startWorker(const SimOptions& o, const Shared& sh, int w) {
    std::fflush(stdout);
    const pid_t pid = fork();
    if (pid == 0) work(o, sh, w);
    return pid;
}

// The game a dead worker was playing, marked broken with the cause.
static void lostGame(const Shared& sh, int w, int status) {
    const int run = sh.playing[w];
    if (run < 0 || sh.done[run]) return;
    GameResult* r = &sh.results[run];
    std::memset(r, 0, sizeof *r);
    r->seed = sh.seeds[run];
    r->status = GAME_BROKEN;
    if (WIFSIGNALED(status))
        std::snprintf(r->problem, sizeof r->problem, "crashed with signal %d", WTERMSIG(status));
    else
        std::snprintf(r->problem, sizeof r->problem, "ended without a result");
    sh.done[run] = 1;
    sh.playing[w] = -1;
}

static double cpuSeconds(int who) {
    rusage usage = {};
    if (getrusage(who, &usage) != 0) return 0;
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Seats are named as the game names them: "Comp. n" or, played by the strong computer,
// "Profi n".
static const char* seatName(const SimOptions& o, int q) {
    return q >= 1 && q <= 4 && o.strength[q] == KI_STRONG ? "Profi" : "Comp.";
}

static void printGame(int index, const GameResult& r, const SimOptions& o) {
    const int players = o.players;
    std::printf("game %d seed %d: ", index, r.seed);
    if (r.status == GAME_WON)
        std::printf("won by %s %d in round %d", seatName(o, r.winner), r.winner, r.rounds);
    else if (r.status == GAME_UNREACHABLE)
        std::printf("unreachable in round %d (%s)", r.rounds, r.problem);
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

// Wins by strength, with the seats each plays: "; wins by strength: table 120 in 3 seats,
// strong 280 in 1 seat".
static void printStrengths(const SimOptions& o, const int* wins) {
    int seats[3] = {}, won[3] = {};
    for (int q = 1; q <= o.players; q++) {
        seats[o.strength[q]]++;
        won[o.strength[q]] += wins[q];
    }
    std::printf("; wins by strength: table %d in %d seat%s, strong %d in %d seat%s", won[KI_TABLE],
                seats[KI_TABLE], seats[KI_TABLE] == 1 ? "" : "s", won[KI_STRONG], seats[KI_STRONG],
                seats[KI_STRONG] == 1 ? "" : "s");
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
    Shared sh;
    if (!share(runs, &sh)) {
        std::fprintf(stderr, "quelvane-sim: cannot share the result table\n");
        return 2;
    }
    for (int run = 0; run < runs; run++)
        sh.seeds[run] = s.seed >= 0 ? s.seed : 10007 + (run % games) * 7919;
    keepStartScene();
    const auto start = std::chrono::steady_clock::now();
    const int workers = std::min(s.jobs, runs);
    std::vector<pid_t> pids(workers, -1);
    int alive = 0;
    for (int w = 0; w < workers; w++) {
        pids[w] = startWorker(s.game, sh, w);
        if (pids[w] < 0) {
            std::fprintf(stderr, "quelvane-sim: cannot start a game process\n");
            return 2;
        }
        alive++;
    }
    while (alive > 0) {
        int status = 0;
        const pid_t done = wait(&status);
        if (done < 0) break;
        for (int w = 0; w < workers; w++) {
            if (pids[w] != done) continue;
            alive--;
            pids[w] = -1;
            lostGame(sh, w, status);
            if (__atomic_load_n(sh.nextRun, __ATOMIC_SEQ_CST) < runs) {
                pids[w] = startWorker(s.game, sh, w);
                if (pids[w] >= 0) alive++;
            }
            break;
        }
    }
    const GameResult* results = sh.results;
    for (int run = 0; run < runs; run++) {
        if (sh.done[run]) continue;
        std::fprintf(stderr, "quelvane-sim: game processes ended early\n");
        return 2;
    }

    int won = 0, unreachable = 0, stalled = 0, limited = 0, broken = 0, mismatched = 0;
    int wins[5] = {};
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
            if (r.winner >= 1 && r.winner <= 4) wins[r.winner]++;
            rounds.push_back(r.rounds);
        }
        unreachable += r.status == GAME_UNREACHABLE;
        stalled += r.status == GAME_STALLED;
        limited += r.status == GAME_LIMIT;
        broken += r.status == GAME_BROKEN;
        if (!s.quiet || r.status != GAME_WON) printGame(i + 1, r, s.game);
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // The whole run as time(1) counts it: this process, scene loading included, and every
    // worker, all of them waited for by now.
    const double cpu = cpuSeconds(RUSAGE_SELF) + cpuSeconds(RUSAGE_CHILDREN);
    std::sort(rounds.begin(), rounds.end());
    const int median = rounds.empty() ? 0 : rounds[rounds.size() / 2];
    std::printf("%d games, %d players, %d points: %d won (%.1f%%), %d unreachable, %d stalled, "
                "%d at the round limit, %d broken; median rounds %d; wins by seat",
                games, s.game.players, s.game.winPoints, won, 100.0 * won / games, unreachable,
                stalled, limited, broken, median);
    for (int p = 1; p <= s.game.players; p++) std::printf(" %d", wins[p]);
    printStrengths(s.game, wins);
    std::printf("; %.2f games/s (%.2f per CPU second)\n", seconds > 0 ? runs / seconds : 0.0,
                cpu > 0 ? runs / cpu : 0.0);
    if (mismatched) std::printf("%d games did not replay the same\n", mismatched);
    // A game whose target is out of reach ended by the rules; every other end without a
    // winner is the computer's failure.
    return broken || mismatched || stalled || limited ? 1 : 0;
}
