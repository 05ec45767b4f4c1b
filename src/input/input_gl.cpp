// The mouse callback with its selection pass: what lies under the cursor at a left press.
#include <GL/freeglut.h>

#include "input.h"

#include "game/idle.h"
#include "game/state.h"
#include "render/draw.h"

static_assert(MOUSE_LEFT == GLUT_LEFT_BUTTON && MOUSE_MIDDLE == GLUT_MIDDLE_BUTTON &&
                  MOUSE_RIGHT == GLUT_RIGHT_BUTTON,
              "mouse button codes");
static_assert(MOUSE_PRESS == GLUT_DOWN && MOUSE_RELEASE == GLUT_UP, "mouse button states");
static_assert(SPECIAL_F2 == GLUT_KEY_F2 && SPECIAL_F3 == GLUT_KEY_F3 && SPECIAL_F4 == GLUT_KEY_F4 &&
                  SPECIAL_F11 == GLUT_KEY_F11 && SPECIAL_LEFT == GLUT_KEY_LEFT &&
                  SPECIAL_RIGHT == GLUT_KEY_RIGHT,
              "special key codes");

// Where the press being picked came.
static int pointerX, pointerY;

// Draws the frame once more in selection mode behind a pick matrix of side x side pixels around
// the pointer, in front of the frame's own frustum. Polygons are filled whatever the display
// mode: in wire frame a selection pass records only the outlines.
static int selectAround(int side, unsigned int* buffer) {
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glSelectBuffer(PICK_BUFFER_WORDS, buffer);
    glRenderMode(GL_SELECT);

    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    // Window y counts from the top, GL's from the bottom of the window (not of the viewport,
    // which in a window lies between bars).
    const int windowHeight = glutGet(GLUT_WINDOW_HEIGHT);
    gluPickMatrix((GLdouble)pointerX, (GLdouble)(windowHeight - pointerY), side, side, viewport);
    applyFrustum();
    glMatrixMode(GL_MODELVIEW);
    glPushAttrib(GL_POLYGON_BIT);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    draw(GL_SELECT);
    glPopAttrib();

    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glFlush();

    return glRenderMode(GL_RENDER);
}

void mouse(int button, int state, int x, int y) {
    if (!mouseButton(button, state, x, y)) return;
    pointerX = x, pointerY = y;
    pickPress(selectAround);
    queuePress(picked);
}
