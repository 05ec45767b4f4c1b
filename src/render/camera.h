// The camera as numbers: the board frame's matrix and where each tile's number stands in it.
#pragma once

// The board frame as the camera shows it, from rX, rY, zoom, trans1 and trans2: translate by
// the shifts and the distance, turn rX about x and rY about y, then -90 about x and 30 about
// z. Column-major, as OpenGL takes it; the drawing and the selection pass multiply it on.
void boardToEye(float m[16]);

// Where tile k's number stands in the board frame: on the tile's centre. The number is drawn
// centred on this point, facing the viewer.
void tileNumberAnchor(int k, float at[3]);

// The number is drawn this much nearer the eye along its lines of sight, so that no model of
// its own tile (all within reach of the anchor) stands in front of it; the picture stays the
// same. Returned is the factor by which to scale eye space about the eye for it.
float tileNumberPull(const float boardToEye[16], int k);

// Board units between a tile number's centre and its farthest stroke (two digits wide), and
// the reach of a tile's models around the number's anchor that the pull clears.
extern const float numberHalfSize, numberPullDistance;
