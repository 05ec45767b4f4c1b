// The board's surroundings and land: sky box, water strip, tile slots and tile numbers.
#include <GL/freeglut.h>

#include <cstdio>

#include "assets/catalogue.h"
#include "draw_local.h"
#include "game/state.h"
#include "layout.h"
#include "overlay.h"

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

// The box is centred on the board origin and drawn unlit, white modulating the textures.
void drawSkyBox() {
    const float S = sizeTex;
    const float P = sizeTex - skyCorection;
    for (const auto& face : skyFace) {
        glBindTexture(GL_TEXTURE_2D, (GLuint)sky[face.texture]);
        glBegin(GL_QUADS);
        for (const auto& c : face.corner) {
            float v[3];
            int f = 2;
            for (int a = 0; a < 3; a++) v[a] = a == face.axis ? face.side * P : c[f++] * S;
            glTexCoord2f(c[0], c[1]);
            glVertex3fv(v);
        }
        glEnd();
    }
}

// The half turn lands grid point (x, y, z) at (x - 2000, 2000 - y, -13 - z), 12 to 14 units
// below the tiles, and turns the quads' fronts upwards. The texture repeats 80 times across
// the strip and once every 11 rows along it.
void drawWater() {
    glTranslatef(-2000, 2000, -13);
    glRotatef(180, 1, 0, 0);
    glBindTexture(GL_TEXTURE_2D, (GLuint)sky[0]);
    glBegin(GL_QUADS);
    const int j = 0;
    const float t0 = j / 0.0125f, t1 = (j + 1) / 0.0125f;
    for (int i = 0; i < 719; i++) {
        const float s0 = i / 11.0f, s1 = (i + 1) / 11.0f;
        glTexCoord2f(s0, t0);
        glVertex3fv(water[i][j]);
        glTexCoord2f(s0, t1);
        glVertex3fv(water[i][j + 1]);
        glTexCoord2f(s1, t1);
        glVertex3fv(water[i + 1][j + 1]);
        glTexCoord2f(s1, t0);
        glVertex3fv(water[i + 1][j]);
    }
    glEnd();
    glRotatef(-180, 1, 0, 0);
    glTranslatef(2000, -2000, 13);
}

// Tiles carry the name 0 that the frame starts with.
void drawTiles() {
    for (int k = 0; k < 29; k++) {
        const float* at = positionM[k];
        glTranslatef(at[0], at[1], at[2]);
        glRotatef(at[3], 0, 0, 1);
        glBindTexture(GL_TEXTURE_2D, (GLuint)modelV[k].texture_id);
        drawMesh(modelV[k]);
        glRotatef(-at[3], 0, 0, 1);
        glTranslatef(-at[0], -at[1], -at[2]);
    }
}

// Stroke text in the label frame, turned back against the camera so each number stands
// upright and faces the viewer. The label frame is left in place; the caller's pop ends it.
void drawTileNumbers() {
    glRotatef(-30, 0, 0, 1);
    glRotatef(90, 1, 0, 0);
    glScalef(0.05f, 0.05f, 0.05f);
    void* stroke = glutFontFor(font3D);
    for (int k = 0; k < 19; k++) {
        const float* at = numberAnchor[k];
        glTranslatef(at[0], at[1], at[2]);
        glPushMatrix();
        glRotatef(-rY, 0, 1, 0);
        glRotatef(-rX, 1, 0, 0);
        snprintf(s, sizeof s, "%u", (unsigned)number[k]);
        renderStrokeCharacter(-100, 0, 0, stroke, s);
        glPopMatrix();
        glTranslatef(-at[0], -at[1], -at[2]);
    }
}
