// The message box: a caption, the text and "OK", on a panel in the game's window or in one of
// its own, and the loaders' reports gathered into one box at start.
#include <GL/freeglut.h>

#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <cstring>

#include "app/shell.h"

namespace {

// Pixels of the window; the box takes the font of the largest overlay, which reads at any
// size the game plays in.
void* const font = GLUT_BITMAP_HELVETICA_18;
const int MOST_WIDTH = 720, PAD = 20, LINE = 24, BUTTON_W = 100, BUTTON_H = 34;
const float navy[3] = {0.16f, 0.19f, 0.27f}, gold[3] = {0.85f, 0.7f, 0.35f};
const float button[3] = {0.55f, 0.38f, 0.2f}, white[3] = {1, 1, 1}, caption[3] = {1, 1, 0.3f};

char text[4096];
bool closed;
bool ownWindow;       // the box has a window of its own, which it fills
int buttonX, buttonY; // the button's top left in window pixels, y down

int widthOf(const char* s, int n) {
    int w = 0;
    for (int i = 0; i < n; i++) w += glutBitmapWidth(font, (unsigned char)s[i]);
    return w;
}

// Calls line(start, length, row) for each line of the text broken to `width` pixels at blanks,
// and at its own line breaks; returns the number of lines.
template <typename Line> int layOut(int width, Line line) {
    int row = 0;
    for (const char* at = text; *at;) {
        const char* end = at;
        const char* lastFit = nullptr;
        while (*end && *end != '\n') {
            const char* word = end;
            while (*word == ' ') word++;
            while (*word && *word != ' ' && *word != '\n') word++;
            if (lastFit && widthOf(at, (int)(word - at)) > width) break;
            lastFit = end = word;
        }
        line(at, (int)(end - at), row++);
        at = end;
        while (*at == ' ') at++;
        if (*at == '\n') at++;
    }
    return row;
}

int boxWidth(int windowWidth) {
    if (ownWindow) return windowWidth - 6;
    return windowWidth - 40 < MOST_WIDTH ? windowWidth - 40 : MOST_WIDTH;
}

int boxHeight(int width) {
    const int rows = layOut(width - 2 * PAD, [](const char*, int, int) {});
    return PAD + LINE + rows * LINE + PAD + BUTTON_H + PAD;
}

void rect(int x, int y, int w, int h, const float* colour) {
    glColor3fv(colour);
    glRecti(x, y, x + w, y + h);
}

void write(int x, int y, const char* s, int n, const float* colour) {
    glColor3fv(colour);
    glRasterPos2i(x, y);
    for (int i = 0; i < n; i++) glutBitmapCharacter(font, (unsigned char)s[i]);
}

// Drawn over whatever the window holds, in pixels with y down; the GL state of the game is
// left as it was.
void drawBox() {
    const int w = glutGet(GLUT_WINDOW_WIDTH), h = glutGet(GLUT_WINDOW_HEIGHT);
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glViewport(0, 0, w, h);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluOrtho2D(0, w, h, 0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    static const GLenum off[] = {GL_LIGHTING, GL_DEPTH_TEST, GL_TEXTURE_2D, GL_CULL_FACE,
                                 GL_SCISSOR_TEST};
    for (GLenum capability : off) glDisable(capability);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    const int bw = boxWidth(w), bh = boxHeight(bw), x = (w - bw) / 2, y = (h - bh) / 2;
    rect(x - 3, y - 3, bw + 6, bh + 6, gold);
    rect(x, y, bw, bh, navy);
    write(x + PAD, y + PAD + 17, "Quelvane", 8, caption);
    layOut(bw - 2 * PAD, [&](const char* s, int n, int row) {
        write(x + PAD, y + PAD + LINE + row * LINE + 17, s, n, white);
    });
    buttonX = x + (bw - BUTTON_W) / 2, buttonY = y + bh - PAD - BUTTON_H;
    rect(buttonX, buttonY, BUTTON_W, BUTTON_H, button);
    write(buttonX + (BUTTON_W - widthOf("OK", 2)) / 2, buttonY + 23, "OK", 2, white);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopAttrib();
    glutSwapBuffers();
}

void clickBox(int b, int state, int x, int y) {
    if (b == GLUT_LEFT_BUTTON && state == GLUT_UP && x >= buttonX && x < buttonX + BUTTON_W &&
        y >= buttonY && y < buttonY + BUTTON_H)
        closed = true;
}

void keyBox(unsigned char key, int, int) {
    if (key == '\r' || key == '\n' || key == ' ' || key == 27) closed = true;
}

void resized(int, int) {
    glutPostRedisplay();
}

void closeBox() {
    closed = true;
}

// The current window answers to the box alone until it is closed; the caller then hands the
// window its own callbacks again.
void waitForOK() {
    glutDisplayFunc(drawBox);
    glutReshapeFunc(resized);
    glutMouseFunc(clickBox);
    glutKeyboardFunc(keyBox);
    glutSpecialFunc(nullptr);
    glutMotionFunc(nullptr);
    glutIdleFunc(nullptr);
    glutPostRedisplay();
    closed = false;
    while (!closed) {
        glutMainLoopEvent();
        if (!closed) usleep(10000);
    }
}

} // namespace

void showMessageBox(const char* message) {
    std::snprintf(text, sizeof text, "%s", message);
    text[0] = (char)std::toupper((unsigned char)text[0]);
    ownWindow = glutGetWindow() == 0;
    if (!ownWindow) return waitForOK();
    // Before the game's window: a window of the box's size in the middle of the screen. Closing
    // it is as good as "OK".
    const int sw = glutGet(GLUT_SCREEN_WIDTH), sh = glutGet(GLUT_SCREEN_HEIGHT);
    const int ww = sw > 0 && sw < MOST_WIDTH ? sw : MOST_WIDTH, wh = boxHeight(ww - 6) + 6;
    glutInitWindowSize(ww, wh);
    glutInitWindowPosition(sw > ww ? (sw - ww) / 2 : 0, sh > wh ? (sh - wh) / 2 : 0);
    glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_CONTINUE_EXECUTION);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE);
    const int window = glutCreateWindow("Quelvane");
    nameWindow();
    glutCloseFunc(closeBox);
    waitForOK();
    glutCloseFunc(nullptr);
    if (glutGetWindow() == window) glutDestroyWindow(window);
    glutMainLoopEvent();
    glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_EXIT);
}

// The loaders report every file that failed; a start without models shows one box, not a
// hundred.
namespace {
enum { MOST_SHOWN = 12 };
char gathered[MOST_SHOWN][200];
int gatheredCount;
} // namespace

void gatherError(const char* line) {
    if (gatheredCount < MOST_SHOWN)
        std::snprintf(gathered[gatheredCount], sizeof gathered[0], "%s", line);
    gatheredCount++;
}

void showGatheredErrors() {
    if (gatheredCount == 0) return;
    char all[4096];
    int used = std::snprintf(all, sizeof all, "%s",
                             "Files of the game are missing or damaged; it goes on without them:");
    for (int i = 0; i < gatheredCount && i < MOST_SHOWN && used < (int)sizeof all; i++)
        used += std::snprintf(all + used, sizeof all - used, "\n%s", gathered[i]);
    if (gatheredCount > MOST_SHOWN && used < (int)sizeof all)
        std::snprintf(all + used, sizeof all - used, "\nand %d more (on standard error)",
                      gatheredCount - MOST_SHOWN);
    gatheredCount = 0;
    showMessageBox(all);
}
