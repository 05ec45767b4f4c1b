// The frame sequence: camera, lighting switches, the draw order of every family, pick names.
#include <GL/freeglut.h>

#include "assets/catalogue.h"
#include "draw.h"
#include "draw_local.h"
#include "game/state.h"
#include "layout.h"
#include "meshdraw.h"

bool selecting;

void loadName(unsigned int name) {
    if (selecting) glLoadName(name);
}

void bindSlot(const obj_type& obj, unsigned int name) {
    glBindTexture(GL_TEXTURE_2D, (GLuint)obj.texture_id);
    loadName(name);
}

static void emitVertex(const obj_type& obj, int v, bool normals) {
    if (normals) glNormal3fv(&obj.normals[v].x);
    glTexCoord2fv(&obj.mapping[v].u);
    glVertex3fv(&obj.vertices[v].x);
}

static void emitTriangle(const obj_type& obj, int p, bool normals) {
    if (!triangleDrawable(obj, p)) return;
    emitVertex(obj, obj.polygons[p].a, normals);
    emitVertex(obj, obj.polygons[p].b, normals);
    emitVertex(obj, obj.polygons[p].c, normals);
}

void drawMesh(const obj_type& obj) {
    const int n = drawableTriangles(obj);
    glBegin(GL_TRIANGLES);
    for (int p = 0; p < n; p++) emitTriangle(obj, p, light);
    glEnd();
}

void drawFlat(const obj_type& obj, int triangles) {
    glBegin(GL_TRIANGLES);
    for (int p = 0; p < triangles; p++) emitTriangle(obj, p, false);
    glEnd();
}

void billboardTurn() {
    glRotatef(-30, 0, 0, 1);
    glRotatef(90, 1, 0, 0);
    glRotatef(-rY, 0, 1, 0);
    glRotatef(-rX, 1, 0, 0);
}

// Leaves the board frame: z up, the land in its z = 0 plane, turned 30 degrees for display.
static void applyCamera() {
    glTranslatef(trans1, trans2, zoom);
    glRotatef(rX, 1, 0, 0);
    glRotatef(rY, 0, 1, 0);
    glRotatef(-90, 1, 0, 0);
    glRotatef(30, 0, 0, 1);
}

void draw(unsigned int mode) {
    selecting = mode == GL_SELECT;
    if (selecting) {
        glInitNames();
        glPushName(0);
    }

    glPushMatrix();
    applyCamera();
    if (light) {
        // Set in the board frame, so the light stays fixed to the board as it turns.
        glLightfv(GL_LIGHT1, GL_POSITION, light_position);
        glMaterialfv(GL_FRONT, GL_SHININESS, mat_shininess);
        glDisable(GL_LIGHTING);
    }
    drawSkyBox();
    drawWater();
    if (light) glEnable(GL_LIGHTING);
    drawTiles();
    drawSpots();
    drawEdges();
    loadName(0);
    if (light) glDisable(GL_LIGHTING);
    if (portSign && !playersChoice) drawHarbourSigns();
    drawRollMarkers();
    if (numberShow && !playersChoice) drawTileNumbers();
    glPopMatrix();

    glPushMatrix();
    drawPanels();
    glPopMatrix();

    drawTexts();
    if (light) glEnable(GL_LIGHTING);
}
