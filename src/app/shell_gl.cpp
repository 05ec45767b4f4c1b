// The windowed shell: display and reshape callbacks, the window and its switch to full screen
// and back, GL state, GL-backed host hooks.
#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <unistd.h>

#include <cstdio>
#include <vector>

#include "platform/platform.h"
#include "app/modes.h"
#include "app/shell.h"
#include "assets/catalogue.h"
#include "game/view.h"
#include "game/frames.h"
#include "game/state.h"
#include "input/input.h"
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

static void screenSize(int* sw, int* sh) {
    *sw = glutGet(GLUT_SCREEN_WIDTH), *sh = glutGet(GLUT_SCREEN_HEIGHT);
    if (*sw <= 0 || *sh <= 0) *sw = width, *sh = height;
}

// As large as the virtual screen where the desktop leaves room for it, and never smaller
// than the game plays in. The viewport stays the window's until the window's size changes.
static void normalWindowSize(int* w, int* h) {
    int sw, sh;
    screenSize(&sw, &sh);
    const int shown[4] = {view[0], view[1], view[2], view[3]};
    fitView(sw * 9 / 10 < width ? sw * 9 / 10 : width, sh * 9 / 10 < height ? sh * 9 / 10 : height);
    *w = view[2] < minimumWidth ? minimumWidth : view[2];
    *h = view[3] < minimumHeight ? minimumHeight : view[3];
    for (int i = 0; i < 4; i++) view[i] = shown[i];
}

// The window covers the screen, without game mode.
static bool coversScreen;

void openWindow(bool fullScreen) {
    int w, h;
    windowed = true;
    if (fullScreen) {
        screenSize(&w, &h);
        glutInitWindowPosition(0, 0);
    } else {
        normalWindowSize(&w, &h);
    }
    glutInitWindowSize(w, h);
    glutCreateWindow("Quelvane");
    nameWindow();
    sizeHeld = !fullScreen;
    coversScreen = fullScreen;
    if (sizeHeld) holdMinimumSize();
    if (fullScreen) glutFullScreen();
}

// Game mode takes the mode's font, or the one the game starts with where the mode names none.
bool enterGameMode(std::string* tried) {
    static const int startFont = font;
    for (const DisplayMode* m = modeLadder(resolution); m->mode; ++m) {
        glutGameModeString(m->mode);
        if (glutGameModeGet(GLUT_GAME_MODE_POSSIBLE)) {
            font = m->font >= 0 ? m->font : startFont;
            glutEnterGameMode();
            windowed = sizeHeld = coversScreen = false;
            nameWindow();
            // For the log: which mode a player's screen took is the first question asked.
            std::printf("Quelvane: display mode %s\n", m->mode);
            return true;
        }
        *tried += tried->empty() ? "" : ", ";
        *tried += m->mode;
    }
    return false;
}

static Atom atom(Display* display, const char* name) {
    return XInternAtom(display, name, False);
}

// WM_CLIENT_MACHINE goes with _NET_WM_PID: the number names a process on that machine.
static void nameProcess(Display* display, Window window) {
    char host[256] = "";
    gethostname(host, sizeof host - 1);
    char* names[1] = {host};
    XTextProperty machine;
    if (host[0] && XStringListToTextProperty(names, 1, &machine)) {
        XSetWMClientMachine(display, window, &machine);
        XFree(machine.value);
    }
    const unsigned long pid = (unsigned long)getpid();
    XChangeProperty(display, window, atom(display, "_NET_WM_PID"), XA_CARDINAL, 32, PropModeReplace,
                    (const unsigned char*)&pid, 1);
}

void nameWindow() {
    glutSetWindowTitle("Quelvane");
    glutSetIconTitle("Quelvane");
    Display* display = glXGetCurrentDisplay();
    const Window window = glXGetCurrentDrawable();
    if (!display || !window) return;
    char name[] = "quelvane", type[] = "Quelvane";
    XClassHint hint = {name, type};
    XSetClassHint(display, window, &hint);
    const Atom utf8 = atom(display, "UTF8_STRING");
    for (const char* property : {"_NET_WM_NAME", "_NET_WM_ICON_NAME"})
        XChangeProperty(display, window, atom(display, property), utf8, 8, PropModeReplace,
                        (const unsigned char*)type, 8);
    nameProcess(display, window);
    XChangeProperty(display, window, atom(display, "_NET_WM_ICON"), XA_CARDINAL, 32,
                    PropModeReplace, (const unsigned char*)windowIcon, windowIconLength);
    XFlush(display);
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

void handCallbacks() {
    glutMouseFunc(mouse);
    glutReshapeFunc(resize);
    // A message box may have taken the window's first reshape.
    resize(glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT));
    glutDisplayFunc(display);
    glutMotionFunc(mouseMotion);
    glutSpecialFunc(key2);
    glutKeyboardFunc(key);
    glutWindowStatusFunc(windowStatus);
    glutIdleFunc(passWhenDue);
}

static bool screenSwitchAsked;

static void askScreenSwitch() {
    screenSwitchAsked = true;
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

static void uploadTexture(int name, int w, int h, const unsigned char* rgba) {
    glBindTexture(GL_TEXTURE_2D, (GLuint)name);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glTexImage2D(GL_TEXTURE_2D, 0, 4, w, h, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    gluBuild2DMipmaps(GL_TEXTURE_2D, 4, w, h, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
}

// Every texture as it was uploaded, for the context of a new window: game mode and a window
// each have their own. Made once at start, while the scene loads.
struct KeptTexture {
    int name, w, h;
    std::vector<unsigned char> rgba;
};
static std::vector<KeptTexture> keptTextures;

static void glUploadTexture(int name, int w, int h, const unsigned char* rgba) {
    uploadTexture(name, w, h, rgba);
    keptTextures.push_back({name, w, h, std::vector<unsigned char>(rgba, rgba + 4 * w * h)});
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
    platform.switchScreen = askScreenSwitch;
}

// The new window's context holds nothing of the old one's: the GL state, the textures and the
// meshes' lists are made again, and the frames paced for it. Its first frame is drawn whole.
static void takeOverWindow() {
    initGLState();
    for (const KeptTexture& t : keptTextures) uploadTexture(t.name, t.w, t.h, t.rgba.data());
    forgetMeshLists();
    startFramePacing();
    handCallbacks();
    showWindow(true);
    wantFrame();
}

// A window left says nothing more of being hidden: the game's own shows.
static void leaveWindow() {
    glutWindowStatusFunc(nullptr);
}

// The window made last takes over from the old one, which goes.
static void replaceWindow(int old) {
    const int made = glutGetWindow();
    takeOverWindow();
    glutSetWindow(old);
    leaveWindow();
    glutDestroyWindow(old);
    glutSetWindow(made);
}

void switchScreenWhenAsked() {
    if (!screenSwitchAsked) return;
    screenSwitchAsked = false;
    if (glutGameModeGet(GLUT_GAME_MODE_ACTIVE)) {
        leaveWindow();
        glutLeaveGameMode();
        openWindow(false);
        takeOverWindow();
        return;
    }
    // Where the display offers no game mode a window covering the screen and a normal one take
    // turns; each is made anew, as a window that once covered the screen cannot leave that
    // size on a display without a window manager.
    const int old = glutGetWindow();
    std::string tried;
    if (!enterGameMode(&tried)) openWindow(!coversScreen);
    replaceWindow(old);
}
