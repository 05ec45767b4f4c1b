// Frames on change, held to the display's rate and to a window that can be seen; pass timing.
#include "frames.h"
#include "fresh.h"
#include "idle.h"
#include "ki.h"
#include "rules.h"
#include "state.h"
#include "view.h"
#include "platform/platform.h"

int frameRequests;
bool windowShown = true;
bool passChanged;
bool seaMoved;
bool onlySeaMoved;
static bool sceneChanged; // a change other than the sea's since the last frame asked for

void resetFrames() {
    frameRequests = 0;
    windowShown = true;
    passChanged = false;
    seaMoved = false;
    onlySeaMoved = sceneChanged = false;
}

[[maybe_unused]] static const bool started = ownsState(resetFrames);

void wantFrame() {
    frameRequests++;
    sceneChanged = true;
    onlySeaMoved = false;
}

void wantSeaFrame() {
    seaMoved = true;
    frameRequests++;
}

bool seaWaits() {
    return seaMoved && windowShown;
}

void showWindow(bool shown) {
    if (shown && !windowShown) {
        frameDueUs = 0;
        wantFrame();
    }
    windowShown = shown;
}

static bool frameWaiting() {
    return frameRequests > 0 && windowShown;
}

// The frames keep the beat of the display period: a frame a little late still aims at the
// next beat, one more than a period late starts a new beat from now.
static bool takeFrameBeat(long long nowUs) {
    if (framePeriodUs <= 0) return true;
    if (nowUs < frameDueUs) return false;
    if (nowUs - frameDueUs >= framePeriodUs) frameDueUs = nowUs;
    frameDueUs += framePeriodUs;
    return true;
}

void endPass(int t, bool changed) {
    passChanged = changed;
    if (changed) wantFrame();
    if (!frameWaiting() || !takeFrameBeat(t * 1000LL)) return;
    frameRequests = 0;
    onlySeaMoved = !sceneChanged;
    seaMoved = sceneChanged = false;
    countFrame(t);
    platform.postRedisplay();
}

// The computer's pause runs kiWait1 or kiWait2 from kiTime, as its step requires; the pass
// wakes at the end of each that is still ahead, and a step without a pause has gone at once.
static long long computerDueMs(int t) {
    const int shorter = kiWait1 < kiWait2 ? kiWait1 : kiWait2;
    const int longer = kiWait1 < kiWait2 ? kiWait2 : kiWait1;
    if (kiTime + shorter > t) return kiTime + shorter;
    if (kiTime + longer > t) return kiTime + longer;
    return t;
}

int timeToNextPass(int t) {
    if (passChanged || workWaiting()) return 0;
    long long dueUs = seaWaits() ? 1LL << 60 : waveCount * 1000LL;
    if (frameWaiting()) {
        const long long frameAtUs = framePeriodUs > 0 ? frameDueUs : 0;
        if (frameAtUs < dueUs) dueUs = frameAtUs;
    }
    if (kiTurn > 0 && computerDueMs(t) * 1000 < dueUs) dueUs = computerDueMs(t) * 1000;
    const long long nowUs = t * 1000LL;
    if (dueUs <= nowUs) return 0;
    // Whole milliseconds, as the pass clock counts them: a shorter rest finds the clock unmoved.
    const long long restMs = (dueUs - nowUs + 999) / 1000;
    return restMs > 1000000 ? 1000000000 : (int)(restMs * 1000);
}
