// What the drawing files share: the render mode and the routines every family draws with.
#pragma once
#include "assets/mesh.h"

extern bool selecting; // the frame is a selection pass: pick names are loaded

// Replaces the top of the name stack, in a selection pass only.
void loadName(unsigned int name);
// Binds the record's texture and, in a selection pass, loads its pick name.
void bindSlot(const obj_type& obj, unsigned int name);
// Reads the projection of the pass about to be drawn, for the view tests of drawMesh.
void beginViewTests();
// The mesh drawing step: every stored triangle, unless none of them can reach the clip
// volume. A record with a serial is drawn from a display list made the first time its
// geometry is drawn; one without is sent vertex by vertex, normals only while lighting is on.
void drawMesh(const obj_type& obj);
// Only the triangles of the mesh that reach into the heights low to high, in its own frame,
// exactly as drawMesh draws them (lit, always with normals). A record without a serial has
// none.
void drawMeshBand(const obj_type& obj, float low, float high);
// The first `triangles` triangles (1 or 2) whatever polygon_count says, without normals.
void drawFlat(const obj_type& obj, int triangles);
// Cancels the camera's turns, so the object's x and y are the screen's right and up.
void billboardTurn();

// Maps the small integer font handles (0 stroke Roman, 5 Times Roman 24, 7 Helvetica 12,
// 8 Helvetica 18) to GLUT font pointers; unknown handles give Times Roman 24 (bitmap).
void* glutFontFor(int handle);

// Switches the projection to the 1280 x 1024 overlay (origin top left, y down) with texturing
// off; always paired with a later resetPerspectiveProjection, which restores both.
void setOrthographicProjection();
void resetPerspectiveProjection();

// Draws a NUL-terminated string: bitmap font at raster position (x, y); stroke font at
// (x, y, z) in the current modelview, each glyph advancing the matrix.
void renderBitmapString(float x, float y, void* font, const char* string);
void renderStrokeCharacter(float x, float y, float z, void* font, const char* string);

// The whole box, or only what the water cannot hide from the camera.
void drawSkyBox(bool wholeBox);
void drawWater();
void drawTiles();
// The parts of the tile slots that reach into the heights the waves move through: the shore
// of the beach and the harbours' feet.
void drawTilesInWaves();
void drawTileNumbers();
// From eye space to tile k's number as the camera given shows it, facing the viewer and pulled
// nearer the eye (camera.h); x right and y up on the screen, in board units.
void faceFromTileNumber(const float camera[16], int k);
void drawSpots();
void drawEdges();
void drawHarbourSigns();
// The rings of the tiles a roll paid (board frame).
void drawRollMarkers();
// The markers over those tiles' numbers, drawn from eye space as the numbers are.
void drawRollPointers();
void drawPanels();
void drawTexts();
