// Where the meshes' texture coordinates point: the regions of each texture atlas.
#pragma once

#include "kit.h"

// Land tiles: 512 by 512, four by four cells of 128. The ground covers the lower left three by
// three cells and is mapped from above; the other seven cells hold the features' materials.
const int TILE_TEX = 512;
inline Rect tileGround() {
    return atlasCell(0, 0, 4, TILE_TEX, 3, 3);
}
// Feature cell k = 0..6: (3,0) (3,1) (3,2) (3,3) (0,3) (1,3) (2,3).
inline Rect tileCell(int k) {
    static const int cols[7] = {3, 3, 3, 3, 0, 1, 2}, rows[7] = {0, 1, 2, 3, 3, 3, 3};
    return atlasCell(cols[k], rows[k], 4, TILE_TEX);
}
inline void tileCellBox(int k, int& x0, int& y0) {
    static const int cols[7] = {3, 3, 3, 3, 0, 1, 2}, rows[7] = {0, 1, 2, 3, 3, 3, 3};
    x0 = cols[k] * 128;
    y0 = rows[k] * 128;
}
// The cell the tile edge (the skirt below the rim) shows, the same on every terrain.
const int CELL_SKIRT = 3;

// Feature cells per terrain.
enum { FOREST_BARK = 0, FOREST_NEEDLES = 1, FOREST_LEAVES = 2, FOREST_MOSS = 4 };
enum { PASTURE_WOOL = 0, PASTURE_DARK = 1, PASTURE_BUSH = 2, PASTURE_FENCE = 4 };
enum { FIELD_WHEAT = 0, FIELD_STRAW = 1, FIELD_STUBBLE = 2 };
enum { MOUNTAIN_ROCK = 0, MOUNTAIN_SNOW = 1 };
enum { CLAY_BRICK = 0, CLAY_WOOD = 1, CLAY_WET = 2 };
enum { DESERT_CACTUS = 0, DESERT_STONE = 1, DESERT_BONE = 2 };

// Pieces (settlement, city, road, in every player colour): 256 by 256, four by four cells of 64.
const int PIECE_TEX = 256;
inline Rect pieceCell(int col, int row) {
    return atlasCell(col, row, 4, PIECE_TEX);
}
enum { P_WALL, P_WINDOW, P_DOOR, P_ROOF, P_STONE, P_WOOD, P_PLANKS, P_FLAG, P_GOLD };
inline Rect piece(int k) {
    return pieceCell(k % 4, k / 4);
}

// Harbour: 256 by 256, four by four cells of 64.
const int HARBOUR_TEX = 256;
enum { H_DECK, H_POST, H_STONE, H_HULL, H_SAIL, H_CRATE, H_BARREL, H_LAMP, H_BOARDS };
inline Rect harbour(int k) {
    return atlasCell(k % 4, k / 4, 4, HARBOUR_TEX);
}
