// The pieces and markers on the board: settlement spots, road edges, harbour signs, roll markers.
#include <GL/freeglut.h>

#include "assets/catalogue.h"
#include "draw_local.h"
#include "game/picks.h"
#include "layout.h"

void drawSpots() {
    for (int i = 0; i < 54; i++) {
        const float* at = positionH[i];
        glTranslatef(at[0], at[1], at[2]);
        bindSlot(housesV[i], spotPick(i));
        drawMesh(housesV[i]);
        glTranslatef(-at[0], -at[1], -at[2]);
    }
}

void drawEdges() {
    for (int i = 0; i < 72; i++) {
        const float* at = positionS[i];
        glTranslatef(at[0], at[1], at[2]);
        glRotatef(at[3], 0, 0, 1);
        bindSlot(streetsV[i], edgePick(i));
        drawMesh(streetsV[i]);
        glRotatef(-at[3], 0, 0, 1);
        glTranslatef(-at[0], -at[1], -at[2]);
    }
}

// Signs and markers are drawn under the name 0 that follows the last edge.
static void drawBillboard(const float* at, const obj_type& obj, int triangles) {
    glTranslatef(at[0], at[1], at[2]);
    glPushMatrix();
    billboardTurn();
    glBindTexture(GL_TEXTURE_2D, (GLuint)obj.texture_id);
    drawFlat(obj, triangles);
    glPopMatrix();
    glTranslatef(-at[0], -at[1], -at[2]);
}

void drawHarbourSigns() {
    for (int i = 0; i < 9; i++) drawBillboard(positionW[i], portV[i], 2);
}

void drawRollMarkers() {
    for (int i = 0; i < 20; i++) drawBillboard(positionP[i], pointerV[i], 1);
}
