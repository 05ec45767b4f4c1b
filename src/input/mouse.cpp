// Mouse buttons: the click handshake, the computer's pace and the drag anchors.
#include "input.h"

#include "game/state.h"

// The release that follows takes the branch of the turn it lands in, not of the press.
static bool leftButton(int state) {
    if (kiTurn == 0) {
        if (state == MOUSE_PRESS) {
            lButtonDown = true;
            return true;
        }
        lButtonDown = false;
        lButtonOneTime = false;
        return false;
    }
    // A computer turn is only sped up; its own click flags stay as it set them.
    const bool held = state == MOUSE_PRESS;
    kiWait1 = held ? 500 : 1500;
    kiWait2 = held ? 1000 : 3000;
    fastForward = held;
    return false;
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
