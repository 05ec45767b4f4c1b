// Drawing of one frame: scene, pieces, interface panels and overlay texts.
#pragma once

// Draws the whole frame; mode is GL_RENDER or GL_SELECT. Reads the game state and writes
// nothing of it: besides its own text buffer s (overlay.h) it only keeps a display list for
// every mesh geometry it has drawn. The picture is drawn nearest first, the selection pass in
// the order that decides its ties; both pass over meshes outside the clip volume.
void draw(unsigned int mode);

// Redraws over the last frame, kept in the colour and depth buffers, what a step of the sea
// changes: the sky and the sea, the shore and the harbours' feet the waves move over, and
// the texts on top. The picture equals a whole frame's when nothing but the sea moved since.
void drawSeaAgain();
// Whether the sea alone can be redrawn in the current display mode: not in wire frame, where
// the old lines would stay, nor while the frame rate shows, whose text changes on its own.
bool seaAloneRedrawable();

// Forgets the meshes' display lists, which stay with the GL context they were made in: a new
// window's makes them again as it draws.
void forgetMeshLists();

// Multiplies the frame's perspective onto the current matrix: the aspect of the virtual
// 1280 x 1024 screen, near 2, far roomDistance. The drawing and the selection pass both
// take it from here, so a click hits what is seen.
void applyFrustum();
