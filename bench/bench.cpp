// Timings of a started game on a real window: frame, pick pass, piece refresh, peak memory.
#include <GL/freeglut.h>
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "app/shell.h"
#include "game/board.h"
#include "game/rules.h"
#include "game/state.h"
#include "input/input.h"

namespace {

const int kWidth = 1280, kHeight = 1024;
long peakAfterStartKb;

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
void openWindow(int* argc, char** argv) {
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

// Settlements and cities for players 1-4 on spots that keep the distance rule, each with
// roads leading away from it: about 30 pieces.
void placePieces() {
    int buildings = 0, roads = 0;
    for (int s = 0; s < NUM_SPOTS && buildings < 12; s += 4) {
        if (!spotIsFree(s)) continue;
        const int p = 1 + buildings % 4;
        houses[s][SPOT_LEVEL] = buildings % 3 == 2 ? 2 : 1;
        houses[s][SPOT_OWNER] = p;
        buildings++;
        for (int i = 3; i <= 5; i++) {
            const int e = availableCheck1[s][i];
            if (e >= 0 && streets[e] == 0 && roads < 18) {
                streets[e] = p;
                roads++;
            }
        }
    }
    for (int p = 1; p <= 4; p++) resources[p][0] = 2;
    std::printf("placed %d buildings and %d roads\n", buildings, roads);
}

void startBenchGame() {
    winPoints = 10;
    init();
    resize(kWidth, kHeight);
    playersPicked = 4;
    for (int q = 1; q <= 4; q++) playerKI[q] = false;
    startGame();
    placePieces();
    refreshPieces();
    showBuildOffers();
    glutDisplayFunc(display);
    glutReshapeFunc(resize);
    for (int i = 0; i < 10; i++) glutMainLoopEvent();
    peakAfterStartKb = peakResidentKb();
}

// Times every iteration itself and reports the median, which shrugs off the odd slow frame.
template <typename Body> void timeMedian(benchmark::State& state, Body body) {
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
    state.counters["median_ms"] = median;
    if (median > 0) state.counters["per_s"] = 1000 / median;
    state.counters["peak_rss_MB"] = peakAfterStartKb / 1024.0;
}

void BM_StartViewFrame(benchmark::State& state) {
    timeMedian(state, [] { display(); });
}

void BM_BareClearSwap(benchmark::State& state) {
    timeMedian(state, [] {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glutSwapBuffers();
    });
}

// A press over settlement spot 22 at the start view and its release: the whole selection pass.
void BM_Pick(benchmark::State& state) {
    const int x = 720, y = 489;
    timeMedian(state, [] {
        mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, x, y);
        mouse(GLUT_LEFT_BUTTON, GLUT_UP, x, y);
    });
    state.counters["picked"] = picked;
}

void BM_RefreshPieces(benchmark::State& state) {
    timeMedian(state, [] {
        refreshPieces();
        showBuildOffers();
    });
}

} // namespace

BENCHMARK(BM_BareClearSwap)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_StartViewFrame)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_Pick)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_RefreshPieces)->Unit(benchmark::kMillisecond)->MinTime(2.0);

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
    benchmark::Initialize(&argc, argv);
    openWindow(&argc, argv);
    installWindowHooks();
    startBenchGame();
    benchmark::RunSpecifiedBenchmarks();
    std::printf("peak resident memory after Start: %.1f MB\n", peakAfterStartKb / 1024.0);
    benchmark::Shutdown();
    return 0;
}
