// Timings of a started game on a real window: frames of three views, the pick pass, the piece
// refresh, the game's own processor time while a person thinks and while its window is hidden,
// computer-only games per CPU second, the strong computer's decisions; each beside its goal and
// the bare frame.
#include <GL/freeglut.h>
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "app/shell.h"
#include "game/frames.h"
#include "game/idle.h"
#include "game/ki.h"
#include "game/picks.h"
#include "game/rules.h"
#include "game/save.h"
#include "platform/platform.h"
#include "game/state.h"
#include "game/view.h"
#include "game/switches.h"
#include "input/input.h"
#include "platform/platform.h"
#include "positions.h"

namespace {

const int kWidth = 1280, kHeight = 1024;
long peakAfterStartKb;
int buildings, roads;
float startView[3]; // rX, rY, zoom of the start

// The figures of the summary, in its order: median milliseconds or, for the simulator, games
// per CPU second.
enum {
    BARE,
    START_VIEW,
    TOP_VIEW,
    CLOSE_VIEW,
    PICK,
    REFRESH,
    KEEP,
    KEEP_DISK,
    KEPT_BYTES,
    IDLE,
    HIDDEN,
    SIM_GAMES,
    DECISION_MEDIAN,
    DECISION_WORST,
    DECISION_WALL_WORST,
    FIGURES
};
int decisions; // passes timed for the decision figures
double figure[FIGURES];
double idleFramesPerSecond, showingMs; // beside the idle figures

// Peak resident set size of this process (VmHWM), in kB.
long peakResidentKb() {
    FILE* f = std::fopen("/proc/self/status", "r");
    if (!f) return -1;
    char line[256];
    long kb = -1;
    while (std::fgets(line, sizeof line, f))
        if (std::strncmp(line, "VmHWM:", 6) == 0) kb = std::strtol(line + 6, nullptr, 10);
    std::fclose(f);
    return kb;
}

// The game-mode window the game itself would use, or a plain window of the same size.
void openBenchWindow(int* argc, char** argv) {
    glutInit(argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    for (const char* mode : {"1280x1024:32@100", "1280x1024:32@85", "1280x1024:32@60"}) {
        glutGameModeString(mode);
        if (glutGameModeGet(GLUT_GAME_MODE_POSSIBLE)) {
            glutEnterGameMode();
            std::printf("window: game mode %s\n", mode);
            return;
        }
    }
    glutInitWindowSize(kWidth, kHeight);
    glutCreateWindow("quelvane-bench");
    std::printf("window: plain %dx%d (no game mode possible)\n", kWidth, kHeight);
}

int displayed; // frames the main loop drew
void countedDisplay() {
    displayed++;
    display();
}

void startBenchGame() {
    winPoints = 10;
    init();
    resize(kWidth, kHeight);
    startPosition();
    buildings = placePieces(18, &roads);
    refreshPieces();
    showBuildOffers();
    startView[0] = rX, startView[1] = rY, startView[2] = zoom;
    glutDisplayFunc(countedDisplay);
    glutReshapeFunc(resize);
    glutWindowStatusFunc(windowStatus);
    for (int i = 0; i < 10; i++) glutMainLoopEvent();
    peakAfterStartKb = peakResidentKb();
}

void lookFromStart() {
    rX = startView[0], rY = startView[1], zoom = startView[2];
}

// Times every iteration itself and keeps the median, which shrugs off the odd slow frame.
template <typename Body> void timeMedian(benchmark::State& state, int slot, Body body) {
    std::vector<double> ms;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        body();
        glFinish();
        const auto t1 = std::chrono::steady_clock::now();
        ms.push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
    }
    std::sort(ms.begin(), ms.end());
    const double median = ms.empty() ? 0 : ms[ms.size() / 2];
    figure[slot] = median;
    state.counters["median_ms"] = median;
    state.counters["peak_rss_MB"] = peakAfterStartKb / 1024.0;
}

void BM_BareClearSwap(benchmark::State& state) {
    timeMedian(state, BARE, [] {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glutSwapBuffers();
    });
}

void BM_StartViewFrame(benchmark::State& state) {
    lookFromStart();
    timeMedian(state, START_VIEW, [] { display(); });
}

// "Center": straight down on the whole board.
void BM_TopViewFrame(benchmark::State& state) {
    centerView();
    timeMedian(state, TOP_VIEW, [] { display(); });
    lookFromStart();
}

// The start view's angles at the closest the camera may come.
void BM_ClosestViewFrame(benchmark::State& state) {
    lookFromStart();
    zoom = zBorder;
    timeMedian(state, CLOSE_VIEW, [] { display(); });
    lookFromStart();
}

// A press over settlement spot 22 at the start view and its release: the whole selection pass.
void BM_Pick(benchmark::State& state) {
    const int x = 720, y = 489;
    lookFromStart();
    timeMedian(state, PICK, [] {
        mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, x, y);
        mouse(GLUT_LEFT_BUTTON, GLUT_UP, x, y);
    });
    state.counters["picked"] = picked;
}

void BM_RefreshPieces(benchmark::State& state) {
    timeMedian(state, REFRESH, [] {
        refreshPieces();
        showBuildOffers();
    });
}

// The pass's share of keeping a game that changed: written into bytes and handed to the writer
// in the background, in a scratch folder.
void keepInScratch() {
    static char folder[] = "/tmp/quelvane-bench.XXXXXX";
    static bool made = mkdtemp(folder) != nullptr;
    std::snprintf(keptGamePath, sizeof keptGamePath, "%s/quelvane.sav", made ? folder : "/tmp");
    keeping = true;
}

void BM_KeepChangedGame(benchmark::State& state) {
    keepInScratch();
    timeMedian(state, KEEP, [] {
        resources[1][WOOD] ^= 1;
        keepGame(platform.milliseconds());
    });
}

// What the writer in the background does for each: a temporary file flushed to disk and
// renamed over the kept one.
void BM_KeptFileOnDisk(benchmark::State& state) {
    keepInScratch();
    static unsigned char bytes[KEPT_GAME_ROOM];
    static const int size = writeGame(bytes, 0);
    state.counters["bytes"] = size;
    figure[KEPT_BYTES] = size;
    timeMedian(state, KEEP_DISK, [] {
        char why[600];
        sysReplaceFile(keptGamePath, bytes, size, why, sizeof why);
    });
}

double wallSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Processor time of the whole process, every thread (the rasteriser's too), in seconds.
double cpuSeconds() {
    rusage used;
    getrusage(RUSAGE_SELF, &used);
    return used.ru_utime.tv_sec + used.ru_stime.tv_sec +
           (used.ru_utime.tv_usec + used.ru_stime.tv_usec) / 1e6;
}

// The game's own main loop for a while: the events and the frames asked for, then the pass.
void runGameLoop(double seconds) {
    const double end = wallSeconds() + seconds;
    while (wallSeconds() < end) {
        glutMainLoopEvent();
        passWhenDue();
    }
}

// Cores the game keeps busy while it runs its own loop for `seconds`, with nothing but the
// sea moving: processor time over wall time. The sea is put on its time first, as in a game
// whose loop has been running; the frame benchmarks before held no passes.
double idleCores(double seconds, double* framesPerSecond) {
    lookFromStart();
    waveCount = glutGet(GLUT_ELAPSED_TIME);
    runGameLoop(0.5);
    const int drawn = displayed;
    const double wall = wallSeconds(), cpu = cpuSeconds();
    runGameLoop(seconds);
    *framesPerSecond = (displayed - drawn) / (wallSeconds() - wall);
    return (cpuSeconds() - cpu) / (wallSeconds() - wall);
}

// A person's turn in the opening: the offers are up, only the sea moves.
void measureIdleTurn() {
    figure[IDLE] = idleCores(10, &idleFramesPerSecond);
}

// The window unmapped, then shown again: the first frame after showing, in milliseconds.
void measureHiddenWindow() {
    double framesPerSecond;
    glutHideWindow();
    for (double end = wallSeconds() + 2; windowShown && wallSeconds() < end;) runGameLoop(0.05);
    if (windowShown) {
        std::printf("the window could not be hidden\n");
        return;
    }
    figure[HIDDEN] = idleCores(10, &framesPerSecond);
    const int drawn = displayed;
    const double shown = wallSeconds();
    glutShowWindow();
    while (displayed == drawn && wallSeconds() < shown + 2) runGameLoop(0.001);
    showingMs = (wallSeconds() - shown) * 1000;
}

// The strong computer decides in the pass in which its turn machine's wait has run out in a
// deciding step: the opening's placements, and in a regular turn every step from the
// decision after the roll to the building clicks.
bool strongDecidesNow(int t) {
    if (kiTurn <= 0 || !strongSeat()) return false;
    if (firstTime <= 4 * playersPicked)
        return (kiTurn == KI_OPENING_SETTLEMENT || kiTurn == KI_OPENING_ROAD) &&
               t >= kiTime + kiWait1;
    if (kiTurn == KI_DECIDE) return t >= kiTime + kiWait2;
    return kiTurn >= KI_TRADE && kiTurn <= KI_CITY && t >= kiTime + kiWait1;
}

int fakeClock;
int fakeMilliseconds() {
    return fakeClock;
}

// CPU time of this thread in ms: what a pass costs, whatever else the machine runs.
double threadCpuMs() {
    timespec ts;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

// One game of four strong seats on a fake clock, as the simulator plays it, each pass in
// which the strong computer decides timed whole, so that what a frame would wait for is in:
// its CPU time, and the time on the clock, which a busy machine stretches.
void playStrongGame(int seed, std::vector<double>* ms, std::vector<double>* wall) {
    resetGame();
    resetPace();
    fakeClock = seed;
    auto pass = [] {
        idle();
        fakeClock += 100;
    };
    postClick(PICK_PLAYER_COUNT + 4);
    pass();
    for (int q = 1; q <= 4; q++) {
        if (!playerKI[q]) postClick(PICK_SEAT_COMPUTER + q);
        pass();
        kiStrength[q] = KI_STRONG;
    }
    postClick(PICK_START);
    pass();
    for (int i = 0; i < 200000 && !win; i++) {
        if (!strongDecidesNow(fakeClock)) {
            pass();
            continue;
        }
        const double cpu0 = threadCpuMs();
        const auto t0 = std::chrono::steady_clock::now();
        pass();
        const auto t1 = std::chrono::steady_clock::now();
        ms->push_back(threadCpuMs() - cpu0);
        wall->push_back(std::chrono::duration<double, std::milli>(t1 - t0).count());
    }
}

// Whole games of four strong seats: the game state is the bench's no more, so this runs last.
void BM_StrongDecision(benchmark::State& state) {
    const PlatformHooks window = platform;
    const int period = framePeriodUs;
    platform = headlessPlatform;
    platform.milliseconds = fakeMilliseconds;
    framePeriodUs = 0;
    std::vector<double> ms, wall;
    ms.reserve(20000);
    wall.reserve(20000);
    int seed = 10007;
    for (auto _ : state) {
        playStrongGame(seed, &ms, &wall);
        seed += 7919;
    }
    platform = window;
    framePeriodUs = period;
    std::sort(ms.begin(), ms.end());
    std::sort(wall.begin(), wall.end());
    decisions = (int)ms.size();
    figure[DECISION_MEDIAN] = ms.empty() ? 0 : ms[ms.size() / 2];
    figure[DECISION_WORST] = ms.empty() ? 0 : ms.back();
    figure[DECISION_WALL_WORST] = wall.empty() ? 0 : wall.back();
    state.counters["decisions"] = decisions;
    state.counters["median_ms"] = figure[DECISION_MEDIAN];
    state.counters["worst_ms"] = figure[DECISION_WORST];
    state.counters["worst_wall_ms"] = figure[DECISION_WALL_WORST];
}

// The simulator as it is: its games and the CPU time of all its processes, which it waits
// for. Below 0 when it cannot be run or a game breaks.
double simulatorGamesPerCpuSecond() {
    const char* sim = QUELVANE_SIM;
    if (access(sim, X_OK) != 0) return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        if (!std::freopen("/dev/null", "w", stdout)) _exit(127);
        execl(sim, sim, "--games", "100", "--players", "4", "--win-points", "10", "--jobs", "1",
              (char*)nullptr);
        _exit(127);
    }
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        return -1;
    rusage used;
    getrusage(RUSAGE_CHILDREN, &used);
    const double cpu = used.ru_utime.tv_sec + used.ru_stime.tv_sec +
                       (used.ru_utime.tv_usec + used.ru_stime.tv_usec) / 1e6;
    return cpu > 0 ? 100 / cpu : -1;
}

const char* const rule = "|--------------------------------------------------------|---------------"
                         "-------|----------|---------|------|\n";

// A figure that was not measured (a filter left it out) shows as such.
void printRow(const char* what, double value, const char* unit, const char* goal, bool met,
              bool timed) {
    char measured[32] = "not run", ratio[16] = "", verdict[8] = "";
    if (value > 0) {
        std::snprintf(measured, sizeof measured, value < 0.1 ? "%.4f %s" : "%.2f %s", value, unit);
        if (timed && figure[BARE] > 0)
            std::snprintf(ratio, sizeof ratio, "%.1fx", value / figure[BARE]);
        if (goal[0] != '-') std::snprintf(verdict, sizeof verdict, "%s", met ? "yes" : "NO");
    }
    std::printf("| %-54s | %-20s | %-8s | %-7s | %-4s |\n", what, measured, goal, ratio, verdict);
}

void printSummary() {
    char start[64];
    std::snprintf(start, sizeof start, "start view, %d buildings and %d roads", buildings, roads);
    const double* f = figure;
    std::printf("\n| %-54s | %-20s | %-8s | %-7s | %-4s |\n%s", "figure", "measured", "goal",
                "x bare", "met", rule);
    printRow("bare clear + swap (reference)", f[BARE], "ms", "-", true, true);
    printRow(start, f[START_VIEW], "ms", "<= 16.7", f[START_VIEW] <= 16.7, true);
    printRow("top-down view (\"Center\")", f[TOP_VIEW], "ms", "<= 16.7", f[TOP_VIEW] <= 16.7, true);
    printRow("closest zoom, start angles", f[CLOSE_VIEW], "ms", "<= 16.7", f[CLOSE_VIEW] <= 16.7,
             true);
    printRow("one pick (selection pass)", f[PICK], "ms", "<= 5", f[PICK] <= 5, true);
    printRow("piece refresh with build offers", f[REFRESH], "ms", "<= 0.3", f[REFRESH] <= 0.3,
             true);
    printRow("keeping a changed game, in the pass", f[KEEP], "ms", "<= 1", f[KEEP] <= 1, false);
    printRow("kept file to disk, in the background", f[KEEP_DISK], "ms", "-", true, false);
    printRow("kept file's size (this game, about 30 pieces)", f[KEPT_BYTES], "bytes", "-", true,
             false);
    char idle[64], hidden[64];
    std::snprintf(idle, sizeof idle, "person's turn, only the sea moving (%.0f frames/s)",
                  idleFramesPerSecond);
    std::snprintf(hidden, sizeof hidden, "window hidden (shown again: frame in %.0f ms)",
                  showingMs);
    printRow(idle, f[IDLE], "cores", "<= 0.4", f[IDLE] <= 0.4, false);
    printRow(hidden, f[HIDDEN], "cores", "<= 0.05", f[HIDDEN] <= 0.05, false);
    printRow("computer-only games, 4 seats to 10 points", f[SIM_GAMES], "per CPU s", ">= 20",
             f[SIM_GAMES] >= 20, false);
    char median[64];
    std::snprintf(median, sizeof median, "strong decision, median of %d (CPU)", decisions);
    printRow(median, f[DECISION_MEDIAN], "ms", "<= 2", f[DECISION_MEDIAN] <= 2, false);
    printRow("strong decision, worst (CPU)", f[DECISION_WORST], "ms", "<= 20",
             f[DECISION_WORST] <= 20, false);
    printRow("strong decision, worst on the clock", f[DECISION_WALL_WORST], "ms", "-", true, false);
    double load[3] = {};
    if (getloadavg(load, 3) == 3)
        std::printf("load average at the end: %.2f %.2f %.2f\n", load[0], load[1], load[2]);
    std::printf("peak resident memory after Start: %.1f MB\n", peakAfterStartKb / 1024.0);
}

} // namespace

BENCHMARK(BM_BareClearSwap)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_StartViewFrame)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_TopViewFrame)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_ClosestViewFrame)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_Pick)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_RefreshPieces)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_KeepChangedGame)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_KeptFileOnDisk)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_StrongDecision)->Unit(benchmark::kMillisecond)->Iterations(20);

int main(int argc, char** argv) {
    if (!std::getenv("DISPLAY")) {
        std::fprintf(stderr, "quelvane-bench: no X display (DISPLAY is not set)\n");
        return 1;
    }
    if (chdir(QUELVANE_RUN_DIR) != 0) {
        std::fprintf(stderr, "quelvane-bench: cannot enter the run folder %s\n", QUELVANE_RUN_DIR);
        return 1;
    }
    setenv("vblank_mode", "0", 0); // measure drawing, not the display's refresh
    // The simulator takes a while: it runs with the whole set, not with a chosen few.
    bool everything = true;
    for (int i = 1; i < argc; i++)
        if (std::strncmp(argv[i], "--benchmark_filter", 18) == 0) everything = false;
    benchmark::Initialize(&argc, argv);
    openBenchWindow(&argc, argv);
    installWindowHooks();
    startFramePacing();
    startBenchGame();
    std::printf("placed %d buildings and %d roads\n", buildings, roads);
    benchmark::RunSpecifiedBenchmarks();
    if (everything) {
        measureIdleTurn();
        measureHiddenWindow();
        figure[SIM_GAMES] = simulatorGamesPerCpuSecond();
    }
    printSummary();
    benchmark::Shutdown();
    return 0;
}
