// The projections of a frame and the text routines: perspective, overlay, bitmap and stroke text.
#include <GL/freeglut.h>

#include "draw.h"
#include "draw_local.h"
#include "game/view.h"

// The aspect is the virtual screen's whatever the window's, so the board keeps its shape.
void applyFrustum() {
    const float r = (float)width / (float)height;
    glFrustum(-r, r, -1.0, 1.0, 2.0, roomDistance);
}

void* glutFontFor(int handle) {
    switch (handle) {
    case 0:
        return GLUT_STROKE_ROMAN;
    case 7:
        return GLUT_BITMAP_HELVETICA_12;
    case 8:
        return GLUT_BITMAP_HELVETICA_18;
    default:
        return GLUT_BITMAP_TIMES_ROMAN_24;
    }
}

void setOrthographicProjection() {
    glMatrixMode(GL_PROJECTION);
    glDisable(GL_TEXTURE_2D);
    glPushMatrix();
    glLoadIdentity();
    gluOrtho2D(0, width, 0, height);
    glScalef(1, -1, 1);
    glTranslatef(0, -(float)height, 0);
    glMatrixMode(GL_MODELVIEW);
}

void resetPerspectiveProjection() {
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glEnable(GL_TEXTURE_2D);
    glMatrixMode(GL_MODELVIEW);
}

void renderBitmapString(float x, float y, void* font, const char* string) {
    glRasterPos2f(x, y);
    for (const char* c = string; *c != '\0'; c++) glutBitmapCharacter(font, (signed char)*c);
}

void renderStrokeCharacter(float x, float y, float z, void* font, const char* string) {
    glPushMatrix();
    glTranslatef(x, y, z);
    for (const char* c = string; *c != '\0'; c++) glutStrokeCharacter(font, (signed char)*c);
    glPopMatrix();
}
