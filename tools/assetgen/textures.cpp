// The game's textures: terrain atlases, pieces, harbour, sky box, water, cards and panels.
#include "assetgen.h"
#include "atlas.h"
#include "textures.h"

#include <initializer_list>

static void fillBox(Image& img, int x0, int y0, int x1, int y1, Col c) {
    for (int y = y0; y < y1; y++)
        for (int x = x0; x < x1; x++) img.at(x, y) = c;
}

// Fills a box with a colour varied by fractal noise between dark and light.
static void noiseBox(Image& img, int x0, int y0, int x1, int y1, Col dark, Col light, float scale,
                     uint32_t seed, int octaves = 4) {
    for (int y = y0; y < y1; y++)
        for (int x = x0; x < x1; x++)
            img.at(x, y) = mixc(dark, light, fbm(x / scale, y / scale, seed, octaves));
}

// Board position of a pixel of a tile texture's ground region (the inverse of its mapping).
static void groundToBoard(int px, int py, float& x, float& y) {
    Rect g = tileGround();
    float u = (px + 0.5f) / TILE_TEX, v = (py + 0.5f) / TILE_TEX;
    x = (u - g.u0) / (g.u1 - g.u0) * 2 * hexRadius - hexRadius;
    y = (v - g.v0) / (g.v1 - g.v0) * 2 * hexRadius - hexRadius;
}

static void cellBox(int k, int& x0, int& y0, int& x1, int& y1) {
    tileCellBox(k, x0, y0);
    x1 = x0 + 128;
    y1 = y0 + 128;
}

static void noiseCell(Image& img, int k, Col dark, Col light, float scale, uint32_t seed) {
    int x0, y0, x1, y1;
    cellBox(k, x0, y0, x1, y1);
    noiseBox(img, x0, y0, x1, y1, dark, light, scale, seed);
}

// The same noise in several atlas cells, each cell with the next seed.
static void noiseCells(Image& img, std::initializer_list<int> cells, Col dark, Col light,
                       float scale, uint32_t seed) {
    for (int k : cells) noiseCell(img, k, dark, light, scale, seed++);
}

// The tile's edge below the rim: a band of the terrain's top colour, then layered earth.
static void skirtCell(Image& img, Col top, Col earth, uint32_t seed) {
    int x0, y0, x1, y1;
    cellBox(CELL_SKIRT, x0, y0, x1, y1);
    for (int y = y0; y < y1; y++)
        for (int x = x0; x < x1; x++) {
            float t = (float)(y - y0) / 128;
            float n = fbm(x / 10.0f, y / 6.0f, seed, 3);
            Col c = mulc(earth, 0.75f + 0.45f * n + 0.15f * std::sin(t * 40 + n * 4));
            float band = smoothstep(0.80f, 0.86f, t + 0.05f * (n - 0.5f));
            img.at(x, y) = mixc(c, mulc(top, 0.85f + 0.3f * n), band);
        }
    Rng rng(seed);
    for (int k = 0; k < 14; k++)
        fillCircle(img, rng.range(x0 + 6, x1 - 6), rng.range(y0 + 6, y0 + 95), rng.range(2, 5),
                   mulc(earth, rng.range(1.1f, 1.4f)), 0.8f);
}

static Image forestTexture() {
    Image img(TILE_TEX, TILE_TEX);
    for (int py = 0; py < 384; py++)
        for (int px = 0; px < 384; px++) {
            float n = fbm(px / 40.0f, py / 40.0f, 1101, 5), f = fbm(px / 6.0f, py / 6.0f, 1102, 2);
            Col moss = mixc(rgb(38, 70, 30), rgb(70, 110, 42), n);
            Col litter = mixc(rgb(80, 62, 36), rgb(110, 88, 52), f);
            img.at(px, py) = mixc(moss, litter, smoothstep(0.55f, 0.7f, n * 0.7f + f * 0.4f));
        }
    Rng rng(1103);
    for (int k = 0; k < 260; k++)
        fillCircle(img, rng.range(4, 380), rng.range(4, 380), rng.range(0.8f, 2.2f),
                   rng.uni() < 0.5f ? rgb(95, 140, 55) : rgb(60, 45, 28), 0.7f);
    int x0, y0, x1, y1;
    cellBox(FOREST_BARK, x0, y0, x1, y1);
    for (int y = y0; y < y1; y++)
        for (int x = x0; x < x1; x++) {
            float n = fbm(x / 3.0f, y / 22.0f, 1104, 3);
            img.at(x, y) = mixc(rgb(62, 40, 24), rgb(120, 84, 52), n);
        }
    cellBox(FOREST_NEEDLES, x0, y0, x1, y1);
    for (int y = y0; y < y1; y++)
        for (int x = x0; x < x1; x++) {
            float t = (float)(y - y0) / 128, n = fbm(x / 5.0f, y / 4.0f, 1105, 3);
            float tiers = 0.5f + 0.5f * std::sin(t * 30 + n * 3);
            Col c = mixc(rgb(20, 58, 32), rgb(58, 118, 56), 0.35f * t + 0.45f * n + 0.2f * tiers);
            img.at(x, y) = c;
        }
    cellBox(FOREST_LEAVES, x0, y0, x1, y1);
    noiseBox(img, x0, y0, x1, y1, rgb(45, 100, 35), rgb(130, 180, 60), 7, 1106);
    rng = Rng(1107);
    for (int k = 0; k < 30; k++)
        fillCircle(img, rng.range(x0 + 8, x1 - 8), rng.range(y0 + 8, y1 - 8), rng.range(3, 7),
                   rgb(150, 195, 70), 0.35f);
    noiseCell(img, FOREST_MOSS, rgb(40, 80, 30), rgb(80, 120, 40), 9, 1108);
    noiseCells(img, {5, 6}, rgb(40, 80, 30), rgb(80, 120, 40), 9, 1109);
    skirtCell(img, rgb(55, 95, 38), rgb(96, 70, 44), 1111);
    return img;
}

static Image pastureTexture() {
    Image img(TILE_TEX, TILE_TEX);
    for (int py = 0; py < 384; py++)
        for (int px = 0; px < 384; px++) {
            float n = fbm(px / 50.0f, py / 50.0f, 1201, 5), f = fbm(px / 3.0f, py / 3.0f, 1202, 2);
            Col c = mixc(rgb(88, 150, 48), rgb(150, 200, 80), n);
            img.at(px, py) = mulc(c, 0.88f + 0.22f * f);
        }
    Rng rng(1203);
    for (int k = 0; k < 320; k++) {
        float r = rng.uni();
        Col c =
            r < 0.4f ? rgb(250, 250, 240) : (r < 0.75f ? rgb(250, 220, 60) : rgb(200, 120, 200));
        fillCircle(img, rng.range(4, 380), rng.range(4, 380), rng.range(0.9f, 1.6f), c, 0.85f);
    }
    int x0, y0, x1, y1;
    cellBox(PASTURE_WOOL, x0, y0, x1, y1);
    for (int y = y0; y < y1; y++)
        for (int x = x0; x < x1; x++) {
            float n = valueNoise(x / 2.5f, y / 2.5f, 1204), m = fbm(x / 9.0f, y / 9.0f, 1205, 2);
            img.at(x, y) = mixc(rgb(205, 200, 185), rgb(250, 248, 240), 0.6f * n + 0.4f * m);
        }
    noiseCell(img, PASTURE_DARK, rgb(30, 26, 24), rgb(70, 60, 55), 6, 1206);
    noiseCell(img, PASTURE_BUSH, rgb(40, 95, 35), rgb(95, 150, 55), 5, 1207);
    cellBox(PASTURE_FENCE, x0, y0, x1, y1);
    for (int y = y0; y < y1; y++)
        for (int x = x0; x < x1; x++)
            img.at(x, y) =
                mixc(rgb(110, 80, 50), rgb(160, 125, 85), fbm(x / 20.0f, y / 2.5f, 1208, 3));
    noiseCells(img, {5, 6}, rgb(88, 150, 48), rgb(150, 200, 80), 9, 1209);
    skirtCell(img, rgb(100, 160, 60), rgb(110, 80, 50), 1211);
    return img;
}

static Image fieldTexture() {
    Image img(TILE_TEX, TILE_TEX);
    for (int py = 0; py < 384; py++)
        for (int px = 0; px < 384; px++) {
            float x, y;
            groundToBoard(px, py, x, y);
            float n = fbm(px / 30.0f, py / 30.0f, 1301, 4), f = fbm(px / 2.0f, py / 9.0f, 1302, 2);
            Col soil = mixc(rgb(120, 88, 48), rgb(150, 115, 62), n);
            // golden furrows between the rows, stubble in the mown strip
            float row = 0.5f + 0.5f * std::cos((y + 9.6f) / 4.2f * 2 * PI_F);
            Col gold = mixc(rgb(200, 160, 55), rgb(235, 200, 90), f);
            Col c = mixc(soil, gold, 0.55f * row + 0.2f);
            if (y < -12.2f) c = mixc(rgb(175, 150, 80), rgb(215, 190, 110), 0.5f * n + 0.5f * f);
            img.at(px, py) = c;
        }
    int x0, y0, x1, y1;
    cellBox(FIELD_WHEAT, x0, y0, x1, y1);
    for (int y = y0; y < y1; y++)
        for (int x = x0; x < x1; x++) {
            float t = (float)(y - y0) / 128;
            float stalk =
                0.5f + 0.5f * std::sin(x * 1.9f + 2.5f * fbm(x / 6.0f, y / 12.0f, 1303, 2));
            float ears = smoothstep(0.55f, 0.95f, t) * valueNoise(x / 1.5f, y / 2.5f, 1304);
            Col c = mixc(rgb(185, 140, 40), rgb(240, 205, 90), 0.5f * stalk + 0.2f * t);
            img.at(x, y) = mixc(c, rgb(250, 225, 130), ears * 0.6f);
        }
    cellBox(FIELD_STRAW, x0, y0, x1, y1);
    for (int y = y0; y < y1; y++)
        for (int x = x0; x < x1; x++)
            img.at(x, y) =
                mixc(rgb(180, 145, 70), rgb(235, 205, 120), fbm(x / 14.0f, y / 2.0f, 1305, 3));
    cellBox(FIELD_STUBBLE, x0, y0, x1, y1);
    for (int y = y0; y < y1; y++)
        for (int x = x0; x < x1; x++) {
            float r = std::sqrt((x - x0 - 64.0f) * (x - x0 - 64.0f) +
                                (y - y0 - 64.0f) * (y - y0 - 64.0f));
            float ring = 0.5f + 0.5f * std::sin(r * 0.9f);
            img.at(x, y) = mixc(rgb(175, 140, 65), rgb(230, 200, 115), ring);
        }
    noiseCells(img, {4, 5, 6}, rgb(120, 88, 48), rgb(150, 115, 62), 9, 1306);
    skirtCell(img, rgb(200, 165, 70), rgb(115, 85, 50), 1309);
    return img;
}

static Image mountainTexture() {
    Image img(TILE_TEX, TILE_TEX);
    Rect g = tileGround();
    for (int py = 0; py < 384; py++)
        for (int px = 0; px < 384; px++) {
            float v = ((py + 0.5f) / TILE_TEX - g.v0) / (g.v1 - g.v0);
            float n = fbm(px / 18.0f, py / 18.0f, 1401, 5), f = fbm(px / 4.0f, py / 2.0f, 1402, 3);
            Col meadow = mixc(rgb(85, 115, 60), rgb(140, 150, 100), n);
            float strata = 0.5f + 0.5f * std::sin(py * 0.45f + n * 6);
            Col rock =
                mixc(rgb(88, 86, 84), rgb(150, 146, 140), 0.6f * n + 0.32f * f + 0.08f * strata);
            Col snow = mixc(rgb(200, 210, 225), rgb(250, 252, 255), n);
            float toRock = smoothstep(0.12f, 0.22f, v + 0.08f * (n - 0.5f));
            float toSnow = smoothstep(0.66f, 0.72f, v + 0.12f * (n - 0.5f));
            img.at(px, py) = mixc(mixc(meadow, rock, toRock), snow, toSnow);
        }
    int x0, y0, x1, y1;
    cellBox(MOUNTAIN_ROCK, x0, y0, x1, y1);
    noiseBox(img, x0, y0, x1, y1, rgb(80, 78, 76), rgb(150, 145, 138), 8, 1403);
    noiseCell(img, MOUNTAIN_SNOW, rgb(210, 220, 235), rgb(250, 252, 255), 10, 1404);
    noiseCells(img, {2, 4, 5, 6}, rgb(80, 78, 76), rgb(150, 145, 138), 8, 1405);
    skirtCell(img, rgb(100, 120, 70), rgb(105, 100, 95), 1409);
    return img;
}

static Image clayTexture() {
    Image img(TILE_TEX, TILE_TEX);
    Rect g = tileGround();
    for (int py = 0; py < 384; py++)
        for (int px = 0; px < 384; px++) {
            float v = ((py + 0.5f) / TILE_TEX - g.v0) / (g.v1 - g.v0);
            float n = fbm(px / 20.0f, py / 20.0f, 1501, 5), f = fbm(px / 3.0f, py / 3.0f, 1502, 2);
            float streak = 0.5f + 0.5f * std::sin(py * 0.6f + px * 0.05f + n * 5);
            Col clay = mixc(rgb(150, 60, 35), rgb(200, 95, 55), 0.8f * n + 0.2f * streak);
            Col earth = mixc(rgb(120, 80, 50), rgb(165, 115, 70), n);
            Col grass = mulc(mixc(rgb(95, 130, 55), rgb(140, 160, 80), n), 0.85f + 0.3f * f);
            float a = smoothstep(0.42f, 0.52f, v + 0.06f * (n - 0.5f));
            float b = smoothstep(0.62f, 0.72f, v + 0.08f * (n - 0.5f));
            img.at(px, py) = mixc(mixc(clay, earth, a), grass, b);
        }
    int x0, y0, x1, y1;
    cellBox(CLAY_BRICK, x0, y0, x1, y1);
    for (int y = y0; y < y1; y++)
        for (int x = x0; x < x1; x++) {
            int row = (y - y0) / 16, off = (row % 2) * 16;
            bool mortar = (y - y0) % 16 < 2 || (x - x0 + off) % 32 < 2;
            float n = fbm(x / 5.0f, y / 5.0f, 1503, 2);
            img.at(x, y) =
                mortar ? rgb(200, 190, 170) : mixc(rgb(150, 55, 35), rgb(195, 85, 55), n);
        }
    cellBox(CLAY_WOOD, x0, y0, x1, y1);
    for (int y = y0; y < y1; y++)
        for (int x = x0; x < x1; x++)
            img.at(x, y) =
                mixc(rgb(105, 75, 45), rgb(150, 115, 75), fbm(x / 20.0f, y / 2.5f, 1504, 3));
    noiseCell(img, CLAY_WET, rgb(120, 50, 30), rgb(170, 80, 50), 7, 1505);
    noiseCells(img, {4, 5, 6}, rgb(120, 80, 50), rgb(165, 115, 70), 9, 1506);
    skirtCell(img, rgb(110, 140, 60), rgb(150, 70, 42), 1509);
    return img;
}

static Image desertTexture() {
    Image img(TILE_TEX, TILE_TEX);
    for (int py = 0; py < 384; py++)
        for (int px = 0; px < 384; px++) {
            float x, y;
            groundToBoard(px, py, x, y);
            float n = fbm(px / 40.0f, py / 40.0f, 1601, 4);
            float ripple = 0.5f + 0.5f * std::sin((x * 0.42f + y * 0.91f) * 2.2f + n * 9);
            Col c = mixc(rgb(196, 128, 62), rgb(236, 178, 100), 0.5f * n + 0.5f * ripple);
            img.at(px, py) = c;
        }
    int x0, y0, x1, y1;
    cellBox(DESERT_CACTUS, x0, y0, x1, y1);
    for (int y = y0; y < y1; y++)
        for (int x = x0; x < x1; x++) {
            float rib = 0.5f + 0.5f * std::cos((x - x0) * 2 * PI_F / 128 * 6);
            Col c = mixc(rgb(45, 95, 45), rgb(95, 150, 75),
                         0.7f * rib + 0.3f * fbm(x / 4.0f, y / 4.0f, 1602, 2));
            img.at(x, y) = c;
        }
    Rng rng(1603);
    for (int k = 0; k < 60; k++)
        fillCircle(img, rng.range(x0 + 4, x1 - 4), rng.range(y0 + 4, y1 - 4), 0.8f,
                   rgb(235, 230, 190), 0.8f);
    cellBox(DESERT_STONE, x0, y0, x1, y1);
    for (int y = y0; y < y1; y++)
        for (int x = x0; x < x1; x++) {
            float n = fbm(x / 8.0f, y / 8.0f, 1604, 3);
            float layer = 0.5f + 0.5f * std::sin(y * 0.5f + n * 4);
            img.at(x, y) = mixc(rgb(150, 100, 70), rgb(200, 150, 105), 0.5f * n + 0.5f * layer);
        }
    noiseCell(img, DESERT_BONE, rgb(215, 205, 180), rgb(245, 240, 225), 6, 1605);
    noiseCells(img, {4, 5, 6}, rgb(196, 128, 62), rgb(236, 178, 100), 9, 1606);
    skirtCell(img, rgb(220, 160, 90), rgb(170, 110, 65), 1609);
    return img;
}

Image tileTexture(int terrain) {
    switch (terrain) {
    case T_FOREST:
        return forestTexture();
    case T_PASTURE:
        return pastureTexture();
    case T_FIELD:
        return fieldTexture();
    case T_MOUNTAIN:
        return mountainTexture();
    case T_CLAY:
        return clayTexture();
    default:
        return desertTexture();
    }
}

// Beach: u runs around the island and repeats, v is the height band from drowned to dry.
Image sandTexture() {
    Image img(256, 256);
    for (int y = 0; y < 256; y++)
        for (int x = 0; x < 256; x++) {
            float v = (y + 0.5f) / 256;
            float n = fbm(x / 32.0f, y / 32.0f, 1701, 4, 8),
                  f = fbm(x / 4.0f, y / 4.0f, 1702, 2, 64);
            Col dry = mulc(mixc(rgb(222, 205, 160), rgb(246, 234, 196), n), 0.93f + 0.14f * f);
            Col wet = mixc(rgb(165, 140, 95), rgb(190, 165, 115), n);
            Col drowned = mixc(rgb(70, 120, 115), rgb(110, 150, 130), n);
            float shore = v + 0.03f * (n - 0.5f);
            Col c = mixc(drowned, wet, smoothstep(0.36f, 0.44f, shore));
            c = mixc(c, dry, smoothstep(0.5f, 0.58f, shore));
            float foam = std::exp(-(shore - 0.455f) * (shore - 0.455f) * 4000) * (0.5f + 0.5f * f);
            img.at(x, y) = mixc(c, rgb(245, 248, 245), foam * 0.8f);
        }
    return img;
}

Col playerColour(int p) {
    switch (p) {
    case 1:
        return rgb(205, 35, 30);
    case 2:
        return rgb(35, 75, 205);
    case 3:
        return rgb(35, 150, 45);
    default:
        return rgb(165, 45, 180);
    }
}

static void pieceBox(int k, int& x0, int& y0) {
    x0 = (k % 4) * 64;
    y0 = (k / 4) * 64;
}

static void wallCell(Image& img, int k, Col wall, uint32_t seed) {
    int x0, y0;
    pieceBox(k, x0, y0);
    for (int y = y0; y < y0 + 64; y++)
        for (int x = x0; x < x0 + 64; x++) {
            float n = fbm(x / 6.0f, y / 6.0f, seed, 3);
            float edge = (x - x0 < 5 || x - x0 >= 59 || y - y0 < 5 || y - y0 >= 59) ? 0.7f : 1.0f;
            img.at(x, y) = mulc(wall, (0.88f + 0.22f * n) * edge);
        }
}

static void windowAt(Image& img, float cx, float cy, float hw, float hh) {
    fillRoundBox(img, cx, cy, hw + 2, hh + 2, 1, rgb(245, 240, 225));
    fillRoundBox(img, cx, cy, hw, hh, 0.5f, rgb(40, 55, 80));
    fillRoundBox(img, cx - hw * 0.4f, cy + hh * 0.35f, hw * 0.35f, hh * 0.3f, 0.5f,
                 rgb(120, 150, 190));
    drawLine(img, cx, cy - hh, cx, cy + hh, 1.6f, rgb(245, 240, 225));
    drawLine(img, cx - hw, cy, cx + hw, cy, 1.6f, rgb(245, 240, 225));
}

Image pieceTexture(int p) {
    Image img(PIECE_TEX, PIECE_TEX, rgb(128, 128, 128));
    Col pc = playerColour(p), wall = mixc(pc, rgb(250, 245, 235), 0.35f);
    int x0, y0;
    wallCell(img, P_WALL, wall, 1801);
    wallCell(img, P_WINDOW, wall, 1802);
    pieceBox(P_WINDOW, x0, y0);
    windowAt(img, x0 + 32, y0 + 32, 9, 11);
    wallCell(img, P_DOOR, wall, 1803);
    pieceBox(P_DOOR, x0, y0);
    fillRoundBox(img, x0 + 32, y0 + 18, 8, 16, 3, rgb(90, 55, 30));
    drawLine(img, x0 + 32, y0 + 4, x0 + 32, y0 + 32, 1.2f, rgb(60, 35, 20));
    fillCircle(img, x0 + 37, y0 + 17, 1.3f, rgb(230, 200, 90));
    windowAt(img, x0 + 14, y0 + 40, 5, 6);
    windowAt(img, x0 + 50, y0 + 40, 5, 6);
    pieceBox(P_ROOF, x0, y0);
    Col roof = mulc(pc, 0.72f);
    for (int y = y0; y < y0 + 64; y++)
        for (int x = x0; x < x0 + 64; x++) {
            int row = (y - y0) / 8, off = (row % 2) * 4;
            float shade = 0.8f + 0.25f * ((y - y0) % 8) / 8.0f;
            if ((x - x0 + off) % 8 == 0) shade *= 0.75f;
            img.at(x, y) = mulc(roof, shade * (0.9f + 0.2f * valueNoise(x / 3.0f, y / 3.0f, 1804)));
        }
    pieceBox(P_STONE, x0, y0);
    for (int y = y0; y < y0 + 64; y++)
        for (int x = x0; x < x0 + 64; x++) {
            int row = (y - y0) / 12, off = (row % 2) * 9;
            bool joint = (y - y0) % 12 < 1 || (x - x0 + off) % 18 < 1;
            float n = fbm(x / 4.0f, y / 4.0f, 1805, 2);
            img.at(x, y) =
                joint ? rgb(90, 88, 85) : mixc(rgb(130, 128, 122), rgb(175, 172, 165), n);
        }
    pieceBox(P_WOOD, x0, y0);
    for (int y = y0; y < y0 + 64; y++)
        for (int x = x0; x < x0 + 64; x++)
            img.at(x, y) = mixc(mulc(pc, 0.45f), mulc(pc, 0.7f), fbm(x / 12.0f, y / 2.0f, 1806, 3));
    pieceBox(P_PLANKS, x0, y0);
    for (int y = y0; y < y0 + 64; y++)
        for (int x = x0; x < x0 + 64; x++) {
            bool gap = (y - y0) % 8 == 0;
            float n = fbm(x / 2.0f, y / 10.0f, 1807, 3);
            img.at(x, y) = gap ? mulc(pc, 0.45f) : mulc(pc, 0.85f + 0.3f * n);
        }
    pieceBox(P_FLAG, x0, y0);
    fillBox(img, x0, y0, x0 + 64, y0 + 64, mixc(pc, rgb(255, 255, 255), 0.1f));
    // gilded tiles, for the city's tower: what tells a city from a settlement from above
    pieceBox(P_GOLD, x0, y0);
    for (int y = y0; y < y0 + 64; y++)
        for (int x = x0; x < x0 + 64; x++) {
            int row = (y - y0) / 8, off = (row % 2) * 4;
            float shade = 0.8f + 0.3f * ((y - y0) % 8) / 8.0f;
            if ((x - x0 + off) % 8 == 0) shade *= 0.7f;
            img.at(x, y) = mulc(rgb(240, 196, 60), shade);
        }
    return img;
}

// Build offers are pale and striped in the player colour, unlike any piece built: diagonal
// stripes that repeat across the texture, so any texture coordinate shows the same pattern.
Image plainPlayerTexture(int p) {
    Col pc = playerColour(p), pale = mixc(pc, rgb(255, 255, 255), 0.62f);
    Image img(64, 64, pale);
    for (int y = 0; y < 64; y++)
        for (int x = 0; x < 64; x++)
            if ((x + y) % 16 < 6) img.at(x, y) = pc;
    grain(img, 0, 0, 64, 64, 0.06f, 8, 1900 + p, 8);
    return img;
}

// The ring round a tile the roll paid for: a bright gold that reads on every terrain.
Image paidRingTexture() {
    Image img(64, 64);
    for (int y = 0; y < 64; y++)
        for (int x = 0; x < 64; x++)
            img.at(x, y) = mixc(rgb(255, 215, 60), rgb(255, 245, 170), y / 63.0f);
    return img;
}

Image harbourTexture() {
    Image img(HARBOUR_TEX, HARBOUR_TEX, rgb(120, 100, 80));
    int x0, y0;
    auto box = [&](int k) {
        x0 = (k % 4) * 64;
        y0 = (k / 4) * 64;
    };
    box(H_DECK);
    for (int y = y0; y < y0 + 64; y++)
        for (int x = x0; x < x0 + 64; x++) {
            bool gap = (y - y0) % 9 == 0;
            float n = fbm(x / 14.0f, y / 2.0f, 2001, 3);
            img.at(x, y) = gap ? rgb(60, 42, 28) : mixc(rgb(125, 90, 58), rgb(170, 130, 88), n);
        }
    box(H_POST);
    noiseBox(img, x0, y0, x0 + 64, y0 + 64, rgb(55, 40, 28), rgb(95, 70, 48), 5, 2002);
    box(H_STONE);
    for (int y = y0; y < y0 + 64; y++)
        for (int x = x0; x < x0 + 64; x++) {
            int row = (y - y0) / 10, off = (row % 2) * 8;
            bool joint = (y - y0) % 10 < 1 || (x - x0 + off) % 16 < 1;
            float n = fbm(x / 4.0f, y / 4.0f, 2003, 2);
            img.at(x, y) =
                joint ? rgb(85, 82, 78) : mixc(rgb(125, 122, 115), rgb(170, 165, 155), n);
        }
    box(H_HULL);
    for (int y = y0; y < y0 + 64; y++)
        for (int x = x0; x < x0 + 64; x++) {
            float t = (y - y0) / 64.0f, n = fbm(x / 10.0f, y / 3.0f, 2004, 2);
            Col c =
                t > 0.78f ? rgb(235, 230, 215) : (t > 0.66f ? rgb(180, 45, 35) : rgb(40, 70, 120));
            img.at(x, y) = mulc(c, 0.85f + 0.25f * n);
        }
    box(H_SAIL);
    for (int y = y0; y < y0 + 64; y++)
        for (int x = x0; x < x0 + 64; x++) {
            float seam = ((x - x0) % 16 == 0) ? 0.85f : 1.0f;
            img.at(x, y) = mulc(rgb(240, 232, 210),
                                seam * (0.95f + 0.08f * valueNoise(x / 4.0f, y / 4.0f, 2005)));
        }
    box(H_CRATE);
    noiseBox(img, x0, y0, x0 + 64, y0 + 64, rgb(140, 100, 60), rgb(185, 145, 95), 6, 2006);
    drawLine(img, x0 + 6, y0 + 6, x0 + 58, y0 + 58, 5, rgb(110, 75, 45));
    drawLine(img, x0 + 6, y0 + 58, x0 + 58, y0 + 6, 5, rgb(110, 75, 45));
    for (int y = y0; y < y0 + 64; y++)
        for (int x = x0; x < x0 + 64; x++)
            if (x - x0 < 5 || x - x0 >= 59 || y - y0 < 5 || y - y0 >= 59)
                img.at(x, y) = rgb(95, 65, 40);
    box(H_BARREL);
    for (int y = y0; y < y0 + 64; y++)
        for (int x = x0; x < x0 + 64; x++) {
            float t = (y - y0) / 64.0f;
            bool band = std::fabs(t - 0.2f) < 0.05f || std::fabs(t - 0.8f) < 0.05f;
            bool stave = (x - x0) % 8 == 0;
            float n = fbm(x / 3.0f, y / 12.0f, 2007, 2);
            img.at(x, y) =
                band ? rgb(70, 70, 75)
                     : (stave ? rgb(80, 55, 35) : mixc(rgb(130, 90, 55), rgb(165, 120, 75), n));
        }
    box(H_LAMP);
    for (int y = y0; y < y0 + 64; y++)
        for (int x = x0; x < x0 + 64; x++) {
            float d = std::sqrt((x - x0 - 32.0f) * (x - x0 - 32.0f) +
                                (y - y0 - 32.0f) * (y - y0 - 32.0f));
            img.at(x, y) = mixc(rgb(255, 240, 170), rgb(200, 140, 40), clampf(d / 40, 0, 1));
        }
    box(H_BOARDS);
    for (int y = y0; y < y0 + 64; y++)
        for (int x = x0; x < x0 + 64; x++) {
            bool gap = (x - x0) % 10 == 0;
            img.at(x, y) =
                gap ? rgb(70, 50, 32)
                    : mixc(rgb(120, 85, 55), rgb(160, 120, 80), fbm(x / 2.0f, y / 14.0f, 2008, 3));
        }
    return img;
}

// Colour of the sky seen along direction (dx, dy, dz) from the board's centre.
static Col skyColour(float dx, float dy, float dz) {
    float len = std::sqrt(dx * dx + dy * dy + dz * dz);
    dx /= len;
    dy /= len;
    dz /= len;
    Col horizon = rgb(205, 222, 240), zenith = rgb(70, 125, 205);
    if (dz < 0) return mixc(rgb(150, 180, 200), rgb(25, 70, 105), smoothstep(0, 0.08f, -dz));
    Col c = mixc(horizon, zenith, std::pow(dz, 0.55f));
    // the sun stands where the game's light comes from
    const float lx = -0.3714f, ly = -0.7428f, lz = 0.5571f;
    float sd = dx * lx + dy * ly + dz * lz;
    c = mixc(c, rgb(255, 248, 225), 0.55f * std::pow(clampf(sd, 0, 1), 40.0f));
    if (sd > 0.9992f) c = rgb(255, 252, 240);
    // a layer of clouds over the sea, thinning out into the haze at the horizon
    if (dz > 0.015f) {
        float px = dx / dz * 900, py = dy / dz * 900;
        float n = fbm(px / 700 + 50, py / 700 + 50, 2101, 6);
        float dens = smoothstep(0.52f, 0.72f, n) * smoothstep(0.015f, 0.12f, dz);
        float shade = fbm(px / 300 + 9, py / 300, 2102, 3);
        Col cloud = mixc(rgb(200, 205, 215), rgb(255, 255, 255), 0.4f + 0.6f * shade);
        c = mixc(c, cloud, dens * 0.92f);
    }
    float haze = 1 - smoothstep(0, 0.06f, dz);
    return mixc(c, horizon, haze * 0.7f);
}

// Face k of the sky box: 0 top, 1 bottom, 2..5 sides 1..4. (s, t) on the face to a direction,
// following the corners the scene gives each face.
static void skyDirection(int face, float s, float t, float& x, float& y, float& z) {
    float a = 2 * s - 1, b = 2 * t - 1;
    switch (face) {
    case 0:
        x = -a, y = b, z = 1;
        break;
    case 1:
        x = -a, y = -b, z = -1;
        break;
    case 2:
        x = 1, y = -a, z = b;
        break; // side 1, x = +P
    case 3:
        x = -a, y = -1, z = b;
        break; // side 2, y = -P
    case 4:
        x = -1, y = a, z = b;
        break; // side 3, x = -P
    default:
        x = a, y = 1, z = b;
        break; // side 4, y = +P
    }
}

Image skyTexture(int face) {
    const int n = 512;
    Image img(n, n);
    for (int j = 0; j < n; j++)
        for (int i = 0; i < n; i++) {
            Col sum = {0, 0, 0};
            for (int sy = 0; sy < 2; sy++)
                for (int sx = 0; sx < 2; sx++) {
                    float x, y, z;
                    skyDirection(face, (i + 0.25f + 0.5f * sx) / n, (j + 0.25f + 0.5f * sy) / n, x,
                                 y, z);
                    Col c = skyColour(x, y, z);
                    sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
                }
            img.at(i, j) = mulc(sum, 0.25f);
        }
    return img;
}

// Repeats seamlessly in both directions.
Image waterTexture() {
    Image img(256, 256);
    for (int y = 0; y < 256; y++)
        for (int x = 0; x < 256; x++) {
            // only small-scale detail, so the 80 repeats across the sea do not show as a grid
            float n = fbm(x / 16.0f, y / 16.0f, 2201, 3, 16);
            float w = fbm(x / 8.0f, y / 4.0f, 2202, 3, 32);
            Col c = mixc(rgb(30, 88, 128), rgb(44, 112, 148), 0.5f * n + 0.5f * w);
            float glint = smoothstep(0.74f, 0.82f, fbm(x / 8.0f, y / 4.0f, 2203, 2, 32));
            img.at(x, y) = mixc(c, rgb(170, 210, 230), glint * 0.35f);
        }
    return img;
}
