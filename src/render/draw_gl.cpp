// The frame sequence: camera, lighting switches, the draw order of every family, pick names.
#include <GL/freeglut.h>

#include "assets/catalogue.h"
#include "camera.h"
#include "draw.h"
#include "draw_local.h"
#include "game/state.h"
#include "game/view.h"
#include "layout.h"

bool selecting;

void loadName(unsigned int name) {
    if (selecting) glLoadName(name);
}

void bindSlot(const obj_type& obj, unsigned int name) {
    glBindTexture(GL_TEXTURE_2D, (GLuint)obj.texture_id);
    loadName(name);
}

void billboardTurn() {
    glRotatef(-30, 0, 0, 1);
    glRotatef(90, 1, 0, 0);
    glRotatef(-rY, 0, 1, 0);
    glRotatef(-rX, 1, 0, 0);
}

// Leaves the board frame: z up, the land in its z = 0 plane, turned 30 degrees for display.
static void applyCamera() {
    float m[16];
    boardToEye(m);
    glMultMatrixf(m);
}

// Set in the board frame, so the light stays fixed to the board as it turns.
static void placeLight() {
    if (!light) return;
    glLightfv(GL_LIGHT1, GL_POSITION, light_position);
    glMaterialfv(GL_FRONT, GL_SHININESS, mat_shininess);
}

// Harbour signs and roll markers: unlit, facing the camera.
static void drawSigns() {
    if (portSign && !playersChoice) drawHarbourSigns();
    drawRollMarkers();
}

// The tile numbers and the markers over them place themselves from eye space; unlit like the
// signs. The markers show whether or not the numbers do.
static void drawNumbers() {
    glPushMatrix();
    drawRollPointers();
    if (numberShow && !playersChoice) drawTileNumbers();
    glPopMatrix();
}

// The selection pass keeps the order its hits have always come in, as the nearest record
// wins ties by coming first.
static void drawForPick() {
    glInitNames();
    glPushName(0);

    glPushMatrix();
    applyCamera();
    placeLight();
    if (light) glDisable(GL_LIGHTING);
    drawSkyBox(true);
    drawWater();
    if (light) glEnable(GL_LIGHTING);
    drawTiles();
    drawSpots();
    drawEdges();
    loadName(0);
    if (light) glDisable(GL_LIGHTING);
    drawSigns();
    glPopMatrix();
    drawNumbers();

    glPushMatrix();
    drawPanels();
    glPopMatrix();
}

// Unlit, the scene is white, so the texture alone gives the colour: replacing instead of
// modulating spares the rasteriser a colour it would multiply by one.
static void drawLit(bool on) {
    if (light) {
        if (on)
            glEnable(GL_LIGHTING);
        else
            glDisable(GL_LIGHTING);
    }
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, on && light ? GL_MODULATE : GL_REPLACE);
}

// Last in a frame, behind everything else: the sky, then the sea over it. Neither writes
// depth, so the depth buffer keeps only what stands before them, and the sea can be drawn
// again over a kept frame. They pass equal depths as well, and so win the ties they won
// when they were drawn first. In wire frame the whole box shows, its foot and lower edges.
static void drawSkyAndSea() {
    glDepthFunc(GL_LEQUAL);
    glDepthMask(GL_FALSE);
    drawSkyBox(wire);
    drawWater();
    glDepthMask(GL_TRUE);
    glDepthFunc(GL_LESS);
}

// Nearest first, so that the depth test turns away what lies behind before it is shaded:
// panels, the unlit numbers, signs and markers, pieces, land, then sky and sea.
static void drawFrontToBack() {
    drawLit(false);
    glPushMatrix();
    drawPanels();
    glPopMatrix();
    drawNumbers();

    glPushMatrix();
    applyCamera();
    drawSigns();
    glPopMatrix();

    glPushMatrix();
    applyCamera();
    placeLight();
    drawLit(true);
    drawSpots();
    drawEdges();
    drawTiles();
    drawLit(false);
    drawSkyAndSea();
    glPopMatrix();
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
}

void drawSeaAgain() {
    selecting = false;
    beginViewTests();
    glPushMatrix();
    applyCamera();
    placeLight();
    drawLit(true);
    // Drawn again exactly where they were, at the depths they left.
    glDepthFunc(GL_LEQUAL);
    drawTilesInWaves();
    drawLit(false);
    drawSkyAndSea();
    glPopMatrix();
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    drawTexts();
    if (light) glEnable(GL_LIGHTING);
}

bool seaAloneRedrawable() {
    return !wire && !fps;
}

void draw(unsigned int mode) {
    selecting = mode == GL_SELECT;
    beginViewTests();
    if (selecting)
        drawForPick();
    else
        drawFrontToBack();
    drawTexts();
    if (light) glEnable(GL_LIGHTING);
}
