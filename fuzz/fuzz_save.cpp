// Fuzz target: reading a kept game, showing it, and playing on from it for a while.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "game/idle.h"
#include "game/rules.h"
#include "game/save.h"
#include "game/state.h"
#include "platform/platform.h"

static int fuzzClock;
static int fuzzMilliseconds() {
    return fuzzClock;
}
static void stay(int) {}

// A game that reads is one the rules can play on: the passes must not read out of range.
static void readAndPlay(const uint8_t* data, size_t size) {
    fuzzClock = 1000;
    char why[600];
    if (!readGame(data, (int)size, fuzzClock, why, sizeof why)) return;
    showGame();
    for (int i = 0; i < 400 && !win; i++, fuzzClock += 250) idle();
    resetGame();
}

// Each input is read as it is, and once more with its checksum made right, so that changes
// inside a kept game reach the checks of the game itself.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    platform.milliseconds = fuzzMilliseconds;
    platform.quit = stay;
    readAndPlay(data, size);
    static unsigned char copy[KEPT_GAME_ROOM];
    if (size > sizeof copy) return 0;
    std::memcpy(copy, data, size);
    resealGame(copy, (int)size);
    readAndPlay(copy, size);
    return 0;
}
