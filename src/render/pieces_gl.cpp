// The pieces and markers on the board: settlement spots, road edges, harbour signs, roll markers.
#include <GL/freeglut.h>

#include "assets/catalogue.h"
#include "draw_local.h"
#include "game/picks.h"
#include "game/state.h"
#include "camera.h"
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

// The rings lie on their tiles. The last marker, which no roll shows, lies under the sea.
void drawRollMarkers() {
    for (int i = 0; i < NUM_TILES; i++) {
        glPushMatrix();
        glTranslatef(positionM[i][0], positionM[i][1], positionM[i][2]);
        glBindTexture(GL_TEXTURE_2D, (GLuint)paidV[i].texture_id);
        drawMesh(paidV[i]);
        glPopMatrix();
    }
    drawBillboard(positionP[NUM_TILES], pointerV[NUM_TILES], 1);
}

// Board units from a number's middle to just above its digits, where a marker's tip points.
static const float markerTip = 3.5f;

// Each tile's marker points down at its number from just above it, placed and pulled nearer
// the eye as the number is (camera.h). Hung high above the tile instead, a marker stood over
// the tile behind its own once the board was tilted.
void drawRollPointers() {
    float camera[16];
    boardToEye(camera);
    for (int i = 0; i < NUM_TILES; i++) {
        if (pointerV[i].polygon_count == 0) continue;
        glPushMatrix();
        faceFromTileNumber(camera, i);
        glTranslatef(0, markerTip, 0);
        glBindTexture(GL_TEXTURE_2D, (GLuint)pointerV[i].texture_id);
        drawFlat(pointerV[i], 1);
        glPopMatrix();
    }
}
