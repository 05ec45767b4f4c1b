// Mouse buttons: a person's presses for the pass, the computer's pace and the drag anchors.
#include "input.h"

#include "game/fresh.h"
#include "game/idle.h"
#include "game/ki.h"
#include "game/frames.h"
#include "game/state.h"
#include "game/view.h"

bool rButtonDown, mButtonDown;
int x1, y01, z1;
float x2, y2, z2;

void resetInput() {
    rButtonDown = mButtonDown = false;
    x1 = y01 = z1 = 0;
    x2 = y2 = z2 = 0;
}

[[maybe_unused]] static const bool started = ownsState(resetInput);

// The pace shows as the speed marks of a computer turn.
static void setPace(bool fast) {
    if (fastForward != fast) wantFrame();
    holdPace(fast);
}

// A person's press is queued with its pick rather than left in the press flags, so a tap
// whose release arrives before the next pass still counts. The flags then read as a press
// already handled, and the pass never takes it a second time while the button is held.
static bool leftButton(int state) {
    if (state == MOUSE_RELEASE) {
        // Whoever is on turn when the button comes up, the computer plays at its own pace.
        setPace(false);
        if (kiTurn == 0) {
            lButtonDown = false;
            lButtonOneTime = false;
        }
        return false;
    }
    // A computer turn is only sped up; its own click flags stay as it set them.
    if (kiTurn != 0) {
        setPace(true);
        return false;
    }
    lButtonDown = true;
    lButtonOneTime = true;
    return true;
}

bool mouseButton(int button, int state, int x, int y) {
    switch (button) {
    case MOUSE_LEFT:
        return leftButton(state);
    case MOUSE_MIDDLE:
        if (state == MOUSE_PRESS) {
            z2 = zoom;
            z1 = y;
        }
        mButtonDown = state == MOUSE_PRESS;
        return false;
    case MOUSE_RIGHT:
        if (state == MOUSE_PRESS) {
            x2 = rX;
            y2 = rY;
            x1 = x;
            y01 = y;
        }
        rButtonDown = state == MOUSE_PRESS;
        return false;
    default:
        return false;
    }
}
