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
#include "game/save.h"
#include "game/state.h"
#include "platform/platform.h"

#ifndef QUELVANE_RUN_DIR
#define QUELVANE_RUN_DIR "run"
#endif

static const char* usage =
    "usage: quelvane-sim [--games N] [--players P] [--win-points W] [--seed S]\n"
    "                    [--run-dir DIR] [--step MS] [--stall-rounds R] [--max-rounds R]\n"
    "                    [--jobs J] [--verify-replay] [--verify-resume] [--check-saves]\n"
    "                    [--keep-before-win FILE] [--quiet] [--strength S1,S2,...]\n"
    "                    [--weight NAME=VALUE]...\n"
    "       quelvane-sim --from FILE [--run-dir DIR] [--step MS] [...]\n"
    "Plays N games with P computer seats (1-4) to W points (4-12) on a fake clock.\n"
    "--strength gives each seat's computer: 1 the table (the default), 2 the strong one, 3\n"
    "the trader, the table's computer that first asks every computer seat for the trades\n"
    "a person could offer towards its wish; the summary counts the offers and answers.\n"
    "--weight changes one weight of the strong computer's value of a position.\n"
    "--seed S replays the one game whose clock starts at S; --verify-replay plays every\n"
    "game twice and compares the outcomes; --jobs J plays J games at the same time.\n"
    "--from FILE plays a kept game (quelvane.sav) to its end, every seat by the computer.\n"
    "--verify-resume keeps every game at one of its passes, plays it on from the file in a\n"
    "fresh process and compares the outcomes; --check-saves writes and reads back the game\n"
    "after every change; --keep-before-win FILE leaves in FILE the game as it stood when\n"
    "the winner reached the points to win, before ending the turn (with --seed).\n"
    "Exits 1 when a game breaks, stalls, reaches the round limit or replays differently;\n"
    "a game whose target is out of reach under the rules is counted apart.\n";

enum { MAX_JOBS = 64 };

struct Settings {
    SimOptions game = {2,     10, 100,   100,     1000,
                       false, 0,  false, nullptr, {0, KI_TABLE, KI_TABLE, KI_TABLE, KI_TABLE}};
    int games = 10;
    int seed = -1;
    const char* runDir = QUELVANE_RUN_DIR;
    int jobs = 1; // games played at the same time
    bool verifyReplay = false;
    bool verifyResume = false;
    const char* from = nullptr;
    bool quiet = false;
};

static bool readInt(const char* text, int low, int high, int* out) {
    char* end = nullptr;
    long v = std::strtol(text, &end, 10);
    if (!*text || *end || v < low || v > high) return false;
    *out = (int)v;
    return true;
}

// "1,2,1,3": one strength per seat from seat 1, as many as given; the digits are the game's
// own numbers of them.
static bool readStrengths(const char* text, int* strength) {
    int q = 1;
    for (const char* c = text; *c; c++) {
        if (*c == ',') continue;
        if (q > 4 || *c < '0' + KI_TABLE || *c > '0' + KI_TRADER || (c[1] && c[1] != ','))
            return false;
        strength[q++] = *c - '0';
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
        if (!std::strcmp(a, "--verify-resume")) {
            s->verifyResume = true;
            continue;
        }
        if (!std::strcmp(a, "--check-saves")) {
            s->game.checkSaves = true;
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
        else if (!std::strcmp(a, "--from"))
            s->from = v;
        else if (!std::strcmp(a, "--keep-before-win")) {
            s->game.keepBeforeWin = true;
            s->game.keepPath = v;
        } else
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

// The resume check: the folder for the kept games, and how the fresh processes are started.
static char resumeDir[64];
static const char* selfPath;
static const char* runDirPath;

// Plays the game of `seed` again up to one of its passes, keeps it in a file there and plays
// it on in a fresh process of this program; marks the result when that game ends otherwise.
static void resumeElsewhere(const SimOptions& o, int seed, int run, GameResult* r) {
    if (r->passes < 1) return;
    char path[128], step[16], stall[16], rounds[16];
    std::snprintf(path, sizeof path, "%s/game-%d.sav", resumeDir, run);
    SimOptions stopping = o;
    stopping.stopAtPass = 1 + (int)((unsigned)seed * 2654435761u % (unsigned)r->passes);
    stopping.keepPath = path;
    GameResult kept;
    playGame(stopping, seed, &kept);
    std::snprintf(step, sizeof step, "%d", o.step);
    std::snprintf(stall, sizeof stall, "%d", o.stallRounds);
    std::snprintf(rounds, sizeof rounds, "%d", o.maxRounds);
    const char* argv[] = {selfPath, "--from",         path,  "--run-dir",    runDirPath, "--step",
                          step,     "--stall-rounds", stall, "--max-rounds", rounds,     "--quiet",
                          nullptr};
    int out[2];
    unsigned hash = 0;
    int status = -1, winner = -1, ended = -1;
    if (kept.status == GAME_KEPT && pipe(out) == 0) {
        std::fflush(stdout);
        const pid_t child = fork();
        if (child == 0) {
            dup2(out[1], 1);
            close(out[0]);
            execv(selfPath, (char* const*)argv);
            _exit(127);
        }
        close(out[1]);
        FILE* lines = fdopen(out[0], "r");
        char line[512];
        while (lines && std::fgets(line, sizeof line, lines))
            std::sscanf(line, "state %x status %d winner %d rounds %d", &hash, &status, &winner,
                        &ended);
        if (lines) std::fclose(lines);
        if (child > 0) waitpid(child, nullptr, 0);
    }
    unlink(path);
    r->resumedOtherwise =
        hash != r->hash || status != r->status || winner != r->winner || ended != r->rounds;
    if (r->resumedOtherwise)
        std::snprintf(r->problem, sizeof r->problem, "kept after pass %d, it ended otherwise",
                      stopping.stopAtPass);
}

[[noreturn]] static void work(const SimOptions& o, const Shared& sh, int w, bool resume) {
    while (true) {
        const int run = __atomic_fetch_add(sh.nextRun, 1, __ATOMIC_SEQ_CST);
        if (run >= sh.runs) _exit(0);
        __atomic_store_n(&sh.playing[w], run, __ATOMIC_SEQ_CST);
        playGame(o, sh.seeds[run], &sh.results[run]);
        if (resume) resumeElsewhere(o, sh.seeds[run], run, &sh.results[run]);
        __atomic_store_n(&sh.done[run], 1, __ATOMIC_SEQ_CST);
        __atomic_store_n(&sh.playing[w], -1, __ATOMIC_SEQ_CST);
    }
}

static pid_t startWorker(const SimOptions& o, const Shared& sh, int w, bool resume) {
    std::fflush(stdout);
    const pid_t pid = fork();
    if (pid == 0) work(o, sh, w, resume);
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

// A path as seen from the folder the program was started in, good after changing folders.
static const char* fromHere(const char* path) {
    if (!path || path[0] == '/') return path;
    static char here[4][4096];
    static int used;
    char cwd[2048];
    if (used == 4 || !getcwd(cwd, sizeof cwd)) return path;
    std::snprintf(here[used], sizeof here[used], "%s/%s", cwd, path);
    return here[used++];
}

// --from: one kept game to its end; the last line tells the resume check how it ended.
static int playFrom(const Settings& s) {
    static unsigned char bytes[KEPT_GAME_ROOM];
    int size = 0;
    char why[600];
    if (sysReadFile(s.from, bytes, sizeof bytes, &size, why, sizeof why) != FILE_READ) {
        std::fprintf(stderr, "quelvane-sim: %s\n", size == 0 && !why[0] ? s.from : why);
        return 2;
    }
    GameResult r;
    playKeptGame(s.game, bytes, size, &r);
    std::printf("kept game %s, ", s.from);
    SimOptions kept = s.game; // seats and strengths as the kept game has them
    kept.players = playersPicked;
    for (int q = 1; q <= 4; q++) kept.strength[q] = kiStrength[q];
    printGame(1, r, kept);
    std::printf("state %08x status %d winner %d rounds %d\n", r.hash, r.status, r.winner, r.rounds);
    return r.status == GAME_WON || r.status == GAME_UNREACHABLE ? 0 : 1;
}

// Wins by strength, with the seats each plays: "; wins by strength: table 120 in 3 seats,
// strong 280 in 1 seat", and the trader where one plays.
static void printStrengths(const SimOptions& o, const int* wins) {
    int seats[4] = {}, won[4] = {};
    for (int q = 1; q <= o.players; q++) {
        seats[o.strength[q]]++;
        won[o.strength[q]] += wins[q];
    }
    std::printf("; wins by strength: table %d in %d seat%s, strong %d in %d seat%s", won[KI_TABLE],
                seats[KI_TABLE], seats[KI_TABLE] == 1 ? "" : "s", won[KI_STRONG], seats[KI_STRONG],
                seats[KI_STRONG] == 1 ? "" : "s");
    if (seats[KI_TRADER])
        std::printf(", trader %d in %d seat%s", won[KI_TRADER], seats[KI_TRADER],
                    seats[KI_TRADER] == 1 ? "" : "s");
}

// The offers the computer seats answered and took, in all and by the judgement of the seat
// asked: a trader answers as the table computer it is.
static void printAnswers(const SimOptions& o, const GameResult* results, int games) {
    int offers[4] = {}, accepted[4] = {};
    for (int i = 0; i < games; i++) {
        for (int q = 1; q <= o.players; q++) {
            const int judge = o.strength[q] == KI_STRONG ? KI_STRONG : KI_TABLE;
            offers[0] += results[i].offers[q], accepted[0] += results[i].accepted[q];
            offers[judge] += results[i].offers[q];
            accepted[judge] += results[i].accepted[q];
        }
    }
    std::printf("; offers %d, accepted %d (table %d of %d, strong %d of %d)", offers[0],
                accepted[0], accepted[KI_TABLE], offers[KI_TABLE], accepted[KI_STRONG],
                offers[KI_STRONG]);
}

int main(int argc, char** argv) {
    Settings s;
    if (!parse(argc, argv, &s)) {
        std::fputs(usage, stderr);
        return 2;
    }
    s.from = fromHere(s.from);
    s.game.keepPath = fromHere(s.game.keepPath);
    runDirPath = fromHere(s.runDir);
    static char self[4096];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    selfPath = length > 0 ? (self[length] = 0, self) : argv[0];
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
    keepStartScene();
    if (s.from) return playFrom(s);
    if (s.game.keepBeforeWin && s.seed < 0) {
        std::fputs("quelvane-sim: --keep-before-win needs --seed\n", stderr);
        return 2;
    }
    std::snprintf(resumeDir, sizeof resumeDir, "/tmp/quelvane-sim.XXXXXX");
    if (s.verifyResume && !mkdtemp(resumeDir)) {
        std::fprintf(stderr, "quelvane-sim: cannot make a folder for kept games\n");
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
    const auto start = std::chrono::steady_clock::now();
    const int workers = std::min(s.jobs, runs);
    std::vector<pid_t> pids(workers, -1);
    int alive = 0;
    for (int w = 0; w < workers; w++) {
        pids[w] = startWorker(s.game, sh, w, s.verifyResume);
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
                pids[w] = startWorker(s.game, sh, w, s.verifyResume);
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
        if (r.resumedOtherwise) {
            mismatched++;
            std::printf("game %d seed %d: %s\n", i + 1, r.seed, r.problem);
        }
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
    bool trader = false;
    for (int q = 1; q <= s.game.players; q++) trader |= s.game.strength[q] == KI_TRADER;
    if (trader) printAnswers(s.game, results, games);
    std::printf("; %.2f games/s (%.2f per CPU second)\n", seconds > 0 ? runs / seconds : 0.0,
                cpu > 0 ? runs / cpu : 0.0);
    if (mismatched) std::printf("%d games did not replay the same\n", mismatched);
    if (s.verifyResume) {
        rmdir(resumeDir);
        std::printf("%d games kept at a pass and played on in a fresh process\n", games);
    }
    // A game whose target is out of reach ended by the rules; every other end without a
    // winner is the computer's failure.
    return broken || mismatched || stalled || limited ? 1 : 0;
}
