// The asset generator: every model and texture file of the game, built in memory.
#pragma once

#include "kit.h"

#include <string>
#include <vector>

// One file of the run folder: its relative path ("models/wald.3ds") and its bytes.
struct AssetFile {
    std::string path;
    std::vector<unsigned char> bytes;
};

// All model and texture files the game loads, the same bytes on every call.
std::vector<AssetFile> buildAllAssets();

// One entry of a gettext catalogue or its template: the German text and its translation.
struct CatalogueEntry {
    std::string id, str;
    bool fuzzy = false, cFormat = false;
};
// The entries of a catalogue (.po) or template (.pot), without the header and the obsolete
// ones; false where the file cannot be read.
bool readCatalogue(const std::string& path, std::vector<CatalogueEntry>& entries);
// UTF-8 text in the letters of the textures' font: accents dropped, other characters left out.
std::string plainLetters(const std::string& utf8);

// The textures whose pictures carry words, in the language of the catalogue given, under
// texturen/<language>/: the game takes them in place of the German ones.
std::vector<AssetFile> buildLanguageAssets(const std::string& language,
                                           const std::vector<CatalogueEntry>& catalogue);

// C++ source of the window's icon: the desktop icon at the sizes a window manager shows,
// as the _NET_WM_ICON property holds them (width, height, then ARGB pixels row by row from
// the top), in the array windowIcon of windowIconLength values.
std::string windowIconSource();

// A 3DS file holding one object with one triangular mesh (vertices, mapping, faces).
std::vector<unsigned char> encode3DS(const Mesh& m, const char* name);
// An uncompressed 24-bit BMP; the image width must be a multiple of 4.
std::vector<unsigned char> encodeBMP(const Image& img);

// Board geometry the land tiles are built for: the hexagon's circumradius (corners along +-x)
// and its inradius, from the 51.9 units between neighbouring tile centres.
const float hexRadius = 51.9f / 1.7320508f;
const float hexInradius = 51.9f / 2;

// The meshes, exposed for the tests.
enum Terrain { T_FOREST = 1, T_PASTURE, T_FIELD, T_MOUNTAIN, T_CLAY, T_DESERT };
Mesh landTile(int terrain);
Mesh beachBase();
Mesh harbourPiece();
Mesh settlementPiece();
Mesh cityPiece();
Mesh roadPiece();
Mesh paidRing();
// Local height of the beach base's top surface at board position (x, y).
float beachHeight(float x, float y);

// An 8-bit RGBA PNG in stored deflate blocks; alpha holds one coverage in [0, 1] per pixel.
std::vector<unsigned char> encodePNG(const Image& img, const std::vector<float>& alpha);
// The desktop icon at size by size pixels: the island on its sea, transparent around it.
Image iconImage(int size, std::vector<float>& alpha);
// The icon files by their path in the icon theme ("hicolor/256x256/apps/quelvane.png"), every
// size from 16 to 256 pixels and the scalable SVG.
std::vector<AssetFile> buildIcons();
