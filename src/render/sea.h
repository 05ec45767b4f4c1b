// The sea as drawn: the water strip in pieces that widen away from the island.
#pragma once

// Near the island each piece spans 4 of the strip's rows, further out 8, far out 32; the
// heights between a piece's corners lie on a straight line, within 0.04 and 0.15 units of
// the waves near the island (a fraction of a pixel at the closest zoom) and of a wave's
// height far out, where the waves are smaller than a pixel. Pieces of different width meet
// on shared corners only, so no crack opens between them. What lies beyond the sky box's
// walls is left out, hidden behind them. Positions are in the strip's own frame (water,
// catalogue.h): x along its rows, y across.
enum { MAX_SEA_VERTICES = 2048, MAX_SEA_TRIANGLES = 2048 };

// Under the middle of the island the sand stays above the highest wave, so the sea there is
// drawn only while no island stands (before a deal): from row 340 to row 376 of the strip
// (board x -100.5 to 101.1), board y -100 to 100. The assets' tests hold the sand to it.
enum { SEA_HOLE_FIRST_ROW = 340, SEA_HOLE_LAST_ROW = 376 };
const float seaHoleHalfY = 100;

extern float seaVertices[MAX_SEA_VERTICES][3];
extern float seaTexCoords[MAX_SEA_VERTICES][2]; // the strip's: s = row / 11, t = 80 across
extern unsigned short seaTriangles[MAX_SEA_TRIANGLES][3]; // clockwise in x, y, as the strip
extern int seaVertexCount, seaTriangleCount;
extern int seaOpenTriangleCount; // the first ones, outside the hole; the hole's follow them

// Lays out the pieces, once; the heights follow with raiseSea.
void buildSea();
// Gives every corner the height of the water at its row and place across the strip.
void raiseSea();
