// The pieces and markers on the board: settlement spots, road edges, harbour signs, roll markers.
#include <GL/freeglut.h>

#include "assets/catalogue.h"
#include "draw_local.h"
#include "game/picks.h"
#include "game/state.h"
#include "layout.h"

void drawSpots() {
    for (int i = 0; i < 54; i++) {
        const float* at = positionH[i];
        glPushMatrix();
        glTranslatef(at[0], at[1], at[2]);
        bindSlot(housesV[i], spotPick(i));
        drawMesh(housesV[i]);
        glPopMatrix();
    }
}

void drawEdges() {
    for (int i = 0; i < 72; i++) {
        const float* at = positionS[i];
        glPushMatrix();
        glTranslatef(at[0], at[1], at[2]);
        glRotatef(at[3], 0, 0, 1);
        bindSlot(streetsV[i], edgePick(i));
        drawMesh(streetsV[i]);
        glPopMatrix();
    }
}

// Signs and markers are drawn under the name 0 that follows the last edge.
static void drawBillboard(const float* at, const obj_type& obj, int triangles) {
    glPushMatrix();
    glTranslatef(at[0], at[1], at[2]);
    billboardTurn();
    glBindTexture(GL_TEXTURE_2D, (GLuint)obj.texture_id);
    drawFlat(obj, triangles);
    glPopMatrix();
}

void drawHarbourSigns() {
    for (int i = 0; i < 9; i++) drawBillboard(positionW[i], portV[i], 2);
}

// The rings lie on their tiles, the markers hang above them.
void drawRollMarkers() {
    for (int i = 0; i < NUM_TILES; i++) {
        glPushMatrix();
        glTranslatef(positionM[i][0], positionM[i][1], positionM[i][2]);
        glBindTexture(GL_TEXTURE_2D, (GLuint)paidV[i].texture_id);
        drawMesh(paidV[i]);
        glPopMatrix();
    }
    for (int i = 0; i < 20; i++) drawBillboard(positionP[i], pointerV[i], 1);
}
