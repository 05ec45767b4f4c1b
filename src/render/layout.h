// The constant placement tables of the board frame and of the interface panels.
#pragma once
#include "assets/catalogue.h"

// Board frame: z up, the land in the z = 0 plane, tile centres 51.9 units apart.
extern const float positionM[29][4]; // tile slots: x, y, z, turn about z in degrees
extern const float positionH[54][3]; // settlement spots: x, y, z
extern const float positionS[72][4]; // road edges: x, y, z, turn about z in degrees
extern const float positionW[9][3];  // harbour signs: x, y, z
extern const float positionP[20][3]; // roll markers: 0-18 above their tiles, 19 below the beach

// Eye space: panels at z -4 (backgrounds) or -3.9999 (everything that sits on them).
extern const float positionI[NUM_INTERFACE_SLOTS][3];

// The width of the tile numbers' stroke lines, in pixels, in every display mode (their places
// are camera.h's).
extern const float numberLineWidth;

// Light GL_LIGHT1 is fixed to the board; with the black specular colour the shininess
// shows no highlight.
extern const float light_position[4];
extern const float mat_shininess[1];
