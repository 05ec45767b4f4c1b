// Keyboard and mouse drags: camera steps and limits, display switches, quitting.
#include "input.h"

#include "platform/platform.h"
#include "game/view.h"
#include "game/frames.h"
#include "game/state.h"
#include "game/switches.h"

// Each step is tested before it is taken, so the keys stop exactly on the limits.
void key(unsigned char c, int, int) {
    switch (c) {
    case 27:
        platform.quit(0);
        return;
    case 'c':
        if (rX <= yAngle - rspeed) rX += rspeed;
        break;
    case 'd':
        if (rX >= yBorder + rspeed) rX -= rspeed;
        break;
    case 'x':
        rY += rspeed;
        break;
    case 's':
        rY -= rspeed;
        break;
    case 'a':
        if (zoom >= zDistance + zoomFactor) zoom -= zoomFactor;
        break;
    case 'y':
        if (zoom <= zBorder - zoomFactor) zoom += zoomFactor;
        break;
    case 'm':
        centerView();
        break;
    case 'n':
        toggleNumbers();
        break;
    case 'b':
        togglePortSigns();
        break;
    default:
        break;
    }
    wantFrame();
}

void key2(int code, int, int) {
    switch (code) {
    case SPECIAL_F2:
        toggleFps();
        break;
    case SPECIAL_F3:
        toggleWire();
        break;
    case SPECIAL_F4:
        toggleLight();
        break;
    case SPECIAL_F11:
        platform.switchScreen();
        break;
    case SPECIAL_LEFT:
        if (trans1 > -transLimit) trans1 -= transSpeed;
        break;
    case SPECIAL_RIGHT:
        if (trans1 < transLimit) trans1 += transSpeed;
        break;
    default:
        break;
    }
    wantFrame();
}

// Drags are absolute: the value at the press plus the whole way moved since.
void mouseMotion(int x, int y) {
    if (rButtonDown) {
        if (rX >= yBorder && rX <= yAngle) rX = x2 + (y - y01) / yLimit;
        if (rX > yAngle) rX = yAngle;
        if (rX < yBorder) rX = yBorder;
        rY = y2 + (x - x1) / xLimit;
    }
    if (mButtonDown) {
        if (zoom >= zDistance && zoom <= zBorder) zoom = z2 + (y - z1) / zLimit;
        if (zoom < zDistance) zoom = zDistance;
        if (zoom > zBorder) zoom = zBorder;
    }
    if (rButtonDown || mButtonDown) wantFrame();
}
