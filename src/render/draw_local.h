// What the drawing files share: the render mode and the routines every family draws with.
#pragma once
#include "assets/mesh.h"

extern bool selecting; // the frame is a selection pass: pick names are loaded

// Replaces the top of the name stack, in a selection pass only.
void loadName(unsigned int name);
// Binds the record's texture and, in a selection pass, loads its pick name.
void bindSlot(const obj_type& obj, unsigned int name);
// The mesh drawing step: every stored triangle, normals only while lighting is on.
void drawMesh(const obj_type& obj);
// The first `triangles` triangles (1 or 2) whatever polygon_count says, without normals.
void drawFlat(const obj_type& obj, int triangles);
// Cancels the camera's turns, so the object's x and y are the screen's right and up.
void billboardTurn();

void drawSkyBox();
void drawWater();
void drawTiles();
void drawTileNumbers();
void drawSpots();
void drawEdges();
void drawHarbourSigns();
void drawRollMarkers();
void drawPanels();
void drawTexts();
