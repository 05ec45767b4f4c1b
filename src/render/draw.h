// Drawing of one frame: scene, pieces, interface panels and overlay texts.
#pragma once

// Draws the whole frame; mode is GL_RENDER or GL_SELECT. Reads the game state only.
void draw(unsigned int mode);
