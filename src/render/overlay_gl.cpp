// The interface in front of the scene: the panel slots in eye space and the overlay texts.
#include <GL/freeglut.h>

#include "assets/catalogue.h"
#include "draw_local.h"
#include "game/picks.h"
#include "game/view.h"
#include "layout.h"
#include "overlay.h"

// Panels ignore the camera. The depth test stays on: background panels at depth 4 lie a
// hair behind the buttons at 3.9999, so a button always covers its panel.
void drawPanels() {
    for (int i = 0; i < NUM_SLOTS; i++) {
        const float* at = positionI[i];
        glTranslatef(at[0], at[1], at[2]);
        bindSlot(interfaceV[i], panelPick(i));
        drawFlat(interfaceV[i], 2);
        glTranslatef(-at[0], -at[1], -at[2]);
    }
}

static void glColour(float r, float g, float b) {
    glColor3f(r, g, b);
}

static void glText(float x, float y, const char* text) {
    renderBitmapString(x, y, glutFontFor(font), text);
}

// The smaller font goes with the picture's size as the overlay font does: Helvetica 18 where
// that is Times Roman 24, 12 where it is Helvetica 18, 10 where it is Helvetica 12.
static void* smallFont() {
    return font == 8   ? GLUT_BITMAP_HELVETICA_12
           : font == 7 ? GLUT_BITMAP_HELVETICA_10
                       : GLUT_BITMAP_HELVETICA_18;
}

// Canvas units per pixel of the picture: glyphs come in pixels, the overlay spans 1280 units.
static float unitsPerPixel;

static float glWidth(const char* text) {
    return glutBitmapLength(glutFontFor(font), (const unsigned char*)text) * unitsPerPixel;
}

static void glSmallText(float x, float y, const char* text) {
    renderBitmapString(x, y, smallFont(), text);
}

static float glSmallWidth(const char* text) {
    return glutBitmapLength(smallFont(), (const unsigned char*)text) * unitsPerPixel;
}

static float glSmallLine() {
    return glutBitmapHeight(smallFont()) * unitsPerPixel;
}

// The texts go last and under name 0: in a selection pass the orthographic projection drops
// the pick matrix, so every text records a hit nearer than anything else.
void drawTexts() {
    glPushMatrix();
    setOrthographicProjection();
    glLoadIdentity();
    loadName(0);
    GLint view[4];
    glGetIntegerv(GL_VIEWPORT, view);
    unitsPerPixel = view[2] > 0 ? (float)width / view[2] : 1;
    overlayOutput = {glColour, glText, glWidth, glSmallText, glSmallWidth, glSmallLine};
    drawOverlayTexts();
    resetPerspectiveProjection();
    glPopMatrix();
}
