// The windowed shell: display and reshape callbacks, projections, text, GL-backed host hooks.
#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/Xutil.h>

#include "platform/platform.h"
#include "app/shell.h"
#include "assets/catalogue.h"
#include "game/view.h"
#include "game/frames.h"
#include "game/state.h"
#include "render/draw.h"

bool windowed;

static int view[4]; // the viewport: x, y from the bottom left, width, height

// In a window the bars beside the picture are black; the picture itself starts white, the
// colour init sets, as in game mode.
static void clearFrame() {
    if (windowed) {
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        glEnable(GL_SCISSOR_TEST);
        glScissor(view[0], view[1], view[2], view[3]);
        glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    }
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_SCISSOR_TEST);
}

bool buffersKept;

void display() {
    if (onlySeaMoved && seaAloneRedrawable() && lastFrameKept()) {
        drawSeaAgain();
    } else {
        clearFrame();
        draw(GL_RENDER);
    }
    onlySeaMoved = false;
    glFlush();
    glutSwapBuffers();
}

// The largest part of a w x h window with the virtual screen's shape, centred.
static void fitView(int w, int h) {
    view[2] = w, view[3] = h;
    if (w * height > h * width)
        view[2] = h * width / height;
    else
        view[3] = w * height / width;
    view[0] = (w - view[2]) / 2;
    view[1] = (h - view[3]) / 2;
}

// The overlay's bitmap font as the display modes choose it, by the picture's width.
static int fontForWidth(int w) {
    return w >= 1280 ? 5 : w >= 1024 ? 8 : 7;
}

// The smallest window the game plays in: every label still fits its button there. It holds
// for the normal window; one covering the screen takes the screen's size.
static const int minimumWidth = 640, minimumHeight = 512;
static bool sizeHeld;

// The frustum keeps the aspect of the virtual 1280 x 1024 screen; only the viewport follows.
// A window made smaller than the game plays in, where the window manager lets it, is made
// large enough again.
void resize(int w, int h) {
    if (sizeHeld && (w < minimumWidth || h < minimumHeight)) {
        glutReshapeWindow(w < minimumWidth ? minimumWidth : w,
                          h < minimumHeight ? minimumHeight : h);
    }
    if (windowed) {
        fitView(w, h);
        font = fontForWidth(view[2]);
    } else {
        view[0] = view[1] = 0, view[2] = w, view[3] = h;
    }
    glViewport(view[0], view[1], view[2], view[3]);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    applyFrustum();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    wantFrame();
}

// Tells the window manager the smallest size the window may take.
static void holdMinimumSize() {
    Display* display = glXGetCurrentDisplay();
    const GLXDrawable window = glXGetCurrentDrawable();
    if (!display || !window) return;
    XSizeHints* hints = XAllocSizeHints();
    if (!hints) return;
    long supplied = 0;
    XGetWMNormalHints(display, window, hints, &supplied);
    hints->flags |= PMinSize;
    hints->min_width = minimumWidth;
    hints->min_height = minimumHeight;
    XSetWMNormalHints(display, window, hints);
    XFree(hints);
}

void openWindow(bool fullScreen) {
    int sw = glutGet(GLUT_SCREEN_WIDTH), sh = glutGet(GLUT_SCREEN_HEIGHT);
    if (sw <= 0 || sh <= 0) sw = width, sh = height;
    windowed = true;
    if (fullScreen) {
        glutInitWindowPosition(0, 0);
        glutInitWindowSize(sw, sh);
    } else {
        // As large as the virtual screen where the desktop leaves room for it, and never
        // smaller than the game plays in.
        fitView(sw * 9 / 10 < width ? sw * 9 / 10 : width,
                sh * 9 / 10 < height ? sh * 9 / 10 : height);
        glutInitWindowSize(view[2] < minimumWidth ? minimumWidth : view[2],
                           view[3] < minimumHeight ? minimumHeight : view[3]);
    }
    glutCreateWindow("Quelvane");
    sizeHeld = !fullScreen;
    if (sizeHeld) holdMinimumSize();
    if (fullScreen) glutFullScreen();
}

static const GLfloat light_ambient[] = {0.75f, 0.75f, 0.75f, 0.75f};
static const GLfloat light_diffuse[] = {1.0f, 1.0f, 1.0f, 0.0f};
static const GLfloat mat_ambient[] = {0.5f, 0.5f, 0.5f, 0.0f};
static const GLfloat mat_diffuse[] = {1.0f, 1.0f, 1.0f, 0.0f};

static void initGLState() {
    glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
    glLightfv(GL_LIGHT1, GL_AMBIENT, light_ambient);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, light_diffuse);
    glEnable(GL_LIGHT1);
    glEnable(GL_LIGHTING);
    glMaterialfv(GL_FRONT, GL_AMBIENT, mat_ambient);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, mat_diffuse);
    glShadeModel(GL_SMOOTH);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glEnable(GL_DEPTH_TEST);
    glDepthRange(0.0, 1.0);
    glDepthFunc(GL_LESS);
    glEnable(GL_TEXTURE_2D);
}

void init() {
    initGLState();
    initScene();
}

static int glutMilliseconds() {
    return glutGet(GLUT_ELAPSED_TIME);
}

static void glLighting(bool on) {
    if (on)
        glEnable(GL_LIGHTING);
    else
        glDisable(GL_LIGHTING);
}

// Lines are thin; only the tile numbers widen them, for themselves.
static void glWireFrame(bool on) {
    glPolygonMode(GL_FRONT_AND_BACK, on ? GL_LINE : GL_FILL);
}

static void glUploadTexture(int name, int w, int h, const unsigned char* rgba) {
    glBindTexture(GL_TEXTURE_2D, (GLuint)name);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glTexImage2D(GL_TEXTURE_2D, 0, 4, w, h, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    gluBuild2DMipmaps(GL_TEXTURE_2D, 4, w, h, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
}

void installWindowHooks() {
    platform.milliseconds = glutMilliseconds;
    platform.postRedisplay = glutPostRedisplay;
    platform.setLighting = glLighting;
    platform.setWireFrame = glWireFrame;
    platform.uploadTexture = glUploadTexture;
    platform.keepFile = sysKeepFileInBackground;
    platform.keptFileState = sysBackgroundKeepState;
    platform.errorBox = gatherError;
}
