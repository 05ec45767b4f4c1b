// The windowed shell: display and reshape callbacks, projections, text, GL-backed host hooks.
#include <GL/freeglut.h>

#include "platform/platform.h"
#include "app/shell.h"
#include "assets/catalogue.h"
#include "game/state.h"
#include "render/draw.h"

void display() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    draw(GL_RENDER);
    glFlush();
    glutSwapBuffers();
}

// The frustum keeps the aspect of the virtual 1280 x 1024 screen; only the viewport follows.
void resize(int w, int h) {
    glViewport(0, 0, w, h);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    applyFrustum();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
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

static void glWireFrame(bool on) {
    glPolygonMode(GL_FRONT_AND_BACK, on ? GL_LINE : GL_FILL);
    glLineWidth(on ? 1.0f : 3.0f);
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
}
