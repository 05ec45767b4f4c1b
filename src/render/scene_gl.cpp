// The board's surroundings and land: sky box, water strip, tile slots and tile numbers.
#include <GL/freeglut.h>

#include <cstdio>

#include "assets/catalogue.h"
#include "camera.h"
#include "draw_local.h"
#include "game/state.h"
#include "game/view.h"
#include "layout.h"
#include "overlay.h"
#include "sea.h"

// The sky faces in drawing order. Each face lies in the plane `side` * P across `axis` (0 x,
// 1 y, 2 z), P being skyCorection inside the box edge, while its corners reach out to the edge
// at +-S in the other two coordinates (in x, y, z order), so neighbouring faces cross a little
// beyond their common edge and no seam opens. The corner order makes every face front-facing
// towards the inside, as back faces are culled.
static const struct {
    int texture; // entry of sky
    int axis, side;
    float corner[4][4]; // s, t, then the signs of the two free coordinates
} skyFace[6] = {
    {3, 0, -1, {{0, 0, -1, -1}, {1, 0, 1, -1}, {1, 1, 1, 1}, {0, 1, -1, 1}}}, // side 3
    {1, 2, -1, {{1, 0, -1, 1}, {1, 1, -1, -1}, {0, 1, 1, -1}, {0, 0, 1, 1}}}, // bottom
    {4, 1, 1, {{1, 0, 1, -1}, {1, 1, 1, 1}, {0, 1, -1, 1}, {0, 0, -1, -1}}},  // side 4
    {2, 2, 1, {{1, 1, -1, 1}, {0, 1, 1, 1}, {0, 0, 1, -1}, {1, 0, -1, -1}}},  // top
    {5, 1, -1, {{1, 0, -1, -1}, {1, 1, -1, 1}, {0, 1, 1, 1}, {0, 0, 1, -1}}}, // side 2
    {6, 0, 1, {{1, 0, -1, -1}, {1, 1, -1, 1}, {0, 1, 1, 1}, {0, 0, 1, -1}}},  // side 1
};

// The water's highest and lowest points, in the board frame.
static const float waterTop = -12, waterBottom = -14;

// The camera's place in the board frame, from the modelview the board is drawn with.
static void cameraInBoard(float* at) {
    float m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    for (int k = 0; k < 3; k++)
        at[k] = -(m[k * 4] * m[12] + m[k * 4 + 1] * m[13] + m[k * 4 + 2] * m[14]);
}

// Seen from above the water and within the strip, every way down to the sky below the
// lowest wave crosses the water first: the bottom face and the walls under the water are
// hidden. The camera keeps well clear of the waves, so the water never meets the near plane
// (its corners lie under 3 units from the camera).
static bool waterHidesBelow() {
    float at[3];
    cameraInBoard(at);
    const float inside = sizeTex - skyCorection;
    return at[2] > waterTop + 4 && at[0] > -inside && at[0] < inside && at[1] > -inside &&
           at[1] < inside;
}

// The box is centred on the board origin and drawn unlit, white modulating the textures.
// Unless the whole box is asked for, the hidden parts are left out: a wall is cut where the
// lowest wave meets it, its texture coordinates taken in proportion.
void drawSkyBox(bool wholeBox) {
    const float S = sizeTex;
    const float P = sizeTex - skyCorection;
    const bool cut = !wholeBox && waterHidesBelow();
    const float lowest = (waterBottom + S) / (2 * S); // the cut's place from -S to +S
    for (const auto& face : skyFace) {
        if (cut && face.axis == 2 && face.side < 0) continue;
        glBindTexture(GL_TEXTURE_2D, (GLuint)sky[face.texture]);
        glBegin(GL_QUADS);
        for (const auto& c : face.corner) {
            float v[3], st[2] = {c[0], c[1]};
            int f = 2;
            for (int a = 0; a < 3; a++) v[a] = a == face.axis ? face.side * P : c[f++] * S;
            if (cut && face.axis != 2 && c[3] < 0) {
                // The corner above this one shares its first free coordinate.
                for (const auto& up : face.corner)
                    if (up[2] == c[2] && up[3] > 0)
                        for (int k = 0; k < 2; k++) st[k] = c[k] + lowest * (up[k] - c[k]);
                v[2] = waterBottom;
            }
            glTexCoord2fv(st);
            glVertex3fv(v);
        }
        glEnd();
    }
}

// The half turn lands grid point (x, y, z) at (x - 2000, 2000 - y, -13 - z), 12 to 14 units
// below the tiles, and turns the pieces' fronts upwards.
void drawWater() {
    static const bool built = (buildSea(), true);
    (void)built;
    raiseSea();
    glPushMatrix();
    glTranslatef(-2000, 2000, -13);
    glRotatef(180, 1, 0, 0);
    glBindTexture(GL_TEXTURE_2D, (GLuint)sky[0]);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, seaVertices);
    glTexCoordPointer(2, GL_FLOAT, 0, seaTexCoords);
    const bool island = modelV[28].polygon_count > 0; // the beach, from the deal on
    glDrawElements(GL_TRIANGLES, (island ? seaOpenTriangleCount : seaTriangleCount) * 3,
                   GL_UNSIGNED_SHORT, seaTriangles);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    glPopMatrix();
}

// Pushes the matrix of tile slot k and binds its texture; the caller pops it.
static const float* placeTile(int k) {
    const float* at = positionM[k];
    glPushMatrix();
    glTranslatef(at[0], at[1], at[2]);
    glRotatef(at[3], 0, 0, 1);
    glBindTexture(GL_TEXTURE_2D, (GLuint)modelV[k].texture_id);
    return at;
}

// Tiles carry the name 0 that the frame starts with.
void drawTiles() {
    for (int k = 0; k < 29; k++) {
        placeTile(k);
        drawMesh(modelV[k]);
        glPopMatrix();
    }
}

void drawTilesInWaves() {
    for (int k = 0; k < 29; k++) {
        const float* at = placeTile(k);
        drawMeshBand(modelV[k], waterBottom - at[2], waterTop - at[2]);
        glPopMatrix();
    }
}

// Stroke units of the font to one board unit, and from a digit's baseline to its middle.
static const float strokeUnits = 20, digitMiddle = 50;
// The desert's number, as dealt, in grey and struck through: the desert never pays.
static const float desertNumber[3] = {0.3f, 0.3f, 0.3f};

void faceFromTileNumber(const float camera[16], int k) {
    const float pull = tileNumberPull(camera, k);
    float at[3];
    tileNumberAnchor(k, at);
    glScalef(pull, pull, pull);
    glMultMatrixf(camera);
    glTranslatef(at[0], at[1], at[2]);
    billboardTurn();
}

// Each number centred on its anchor, turned back against the camera so that it stands upright
// and faces the viewer, and drawn nearer the eye along its lines of sight (camera.h), so that
// its own tile's models never hide it. Drawn from eye space, untextured in the current
// colour; the numbers are stroke lines drawn thick, whatever wire frame drew before them, and
// wire frame's own lines stay thin.
void drawTileNumbers() {
    float camera[16];
    boardToEye(camera);
    glLineWidth(numberLineWidth);
    glDisable(GL_TEXTURE_2D);
    void* stroke = glutFontFor(font3D);
    for (int k = 0; k < NUM_TILES; k++) {
        snprintf(s, sizeof s, "%u", (unsigned)number[k]);
        const bool desert = model[k] == DESERT;
        glPushMatrix();
        faceFromTileNumber(camera, k);
        glScalef(1 / strokeUnits, 1 / strokeUnits, 1 / strokeUnits);
        const float width = glutStrokeLength(stroke, (const unsigned char*)s);
        glColor3fv(desert ? desertNumber : colourWhite);
        renderStrokeCharacter(-width / 2, -digitMiddle, 0, stroke, s);
        if (desert) {
            glBegin(GL_LINES);
            glVertex2f(-width / 2 - 15, 0);
            glVertex2f(width / 2 + 15, 0);
            glEnd();
        }
        glPopMatrix();
    }
    glColor3fv(colourWhite);
    glEnable(GL_TEXTURE_2D);
    glLineWidth(1.0f);
}
