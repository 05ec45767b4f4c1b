// Drawing of one frame: scene, pieces, interface panels and overlay texts.
#pragma once

// Draws the whole frame; mode is GL_RENDER or GL_SELECT. Reads the game state and writes
// nothing of it: besides its own text buffer s (overlay.h) it only keeps a display list for
// every mesh geometry it has drawn. The picture is drawn nearest first, the selection pass in
// the order that decides its ties; both pass over meshes outside the clip volume.
void draw(unsigned int mode);

// Multiplies the frame's perspective onto the current matrix: the aspect of the virtual
// 1280 x 1024 screen, near 2, far roomDistance. The drawing and the selection pass both
// take it from here, so a click hits what is seen.
void applyFrustum();
