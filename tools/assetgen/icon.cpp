// The desktop icon: seven land tiles on their beach in a hexagon of sea, with a red settlement
// and its road, in the colours the game's textures show on screen.
#include "assetgen.h"
#include "textures.h"

#include <algorithm>
#include <string>

static void hexagon(float* pts, float cx, float cy, float r) {
    for (int i = 0; i < 6; i++) {
        float a = 60 * i * PI_F / 180;
        pts[2 * i] = cx + r * std::cos(a);
        pts[2 * i + 1] = cy + r * std::sin(a);
    }
}

Image iconImage(int size, std::vector<float>& alpha) {
    // drawn on a 256 grid scaled to the size, so every size shows the same picture
    const float k = size / 256.0f, c = size / 2.0f, tileR = 31 * k;
    Image img(size, size);
    alpha.assign((size_t)size * size, 0);

    // the sea alone decides the coverage: its corners are rounded by pulling the hexagon in and
    // growing it back by the rounding
    const float round = 14 * k;
    float sea[12];
    hexagon(sea, c, c, 124 * k - round * 1.1547f);
    for (int y = 0; y < size; y++)
        for (int x = 0; x < size; x++) {
            float px = x + 0.5f, py = y + 0.5f;
            float d = sdPolygon(px, py, sea, 6) - round;
            alpha[(size_t)y * size + x] = clampf(0.5f - d, 0, 1);
            float n = fbm(px / (12 * k), py / (12 * k), 3101, 3);
            Col water = mixc(rgb(30, 88, 128), rgb(50, 120, 156), n);
            img.at(x, y) = mixc(water, rgb(18, 58, 92), smoothstep(-16 * k, 0, d));
        }

    // centre first, then counter-clockwise from the top; the land colours are the tiles' mean
    // colours in the game
    const Col land[7] = {rgb(216, 153, 81),  rgb(64, 85, 39),   rgb(115, 170, 63), rgb(157, 94, 52),
                         rgb(118, 124, 100), rgb(190, 152, 63), rgb(115, 170, 63)};
    float centre[7][2] = {{c, c}};
    for (int i = 1; i < 7; i++) {
        float a = (90 + 60 * (i - 1)) * PI_F / 180, r = 1.7320508f * tileR;
        centre[i][0] = c + r * std::cos(a);
        centre[i][1] = c + r * std::sin(a);
    }
    float tiles[7][12];
    for (int i = 0; i < 7; i++) hexagon(tiles[i], centre[i][0], centre[i][1], tileR);
    auto island = [&](float x, float y) {
        float d = 1e9f;
        for (const float* t : tiles) d = std::min(d, sdPolygon(x, y, t, 6));
        return d;
    };
    paint(
        img, 0, 0, size, size, rgb(90, 140, 130),
        [&](float x, float y) { return island(x, y) - 19 * k; }, 0.8f);
    paint(img, 0, 0, size, size, rgb(232, 216, 170),
          [&](float x, float y) { return island(x, y) - 11 * k; });

    // each tile a little lighter towards its top, with a grain of its own
    const float inset = 2 * k;
    for (int i = 0; i < 7; i++) {
        float shape[12];
        hexagon(shape, centre[i][0], centre[i][1], tileR - inset);
        for (int y = 0; y < size; y++)
            for (int x = 0; x < size; x++) {
                float px = x + 0.5f, py = y + 0.5f;
                float cover = clampf(0.5f - sdPolygon(px, py, shape, 6), 0, 1);
                if (cover <= 0) continue;
                float n = fbm(px / (6 * k), py / (6 * k), 3110 + i, 3);
                float lift = 0.1f * (py - centre[i][1]) / tileR;
                img.blend(x, y, mulc(land[i], 0.9f + 0.2f * n + lift), cover);
            }
    }

    // the road along the centre tile's upper right edge, the settlement on its upper corner
    const Col red = playerColour(1), outline = rgb(40, 20, 16);
    float ax = c + tileR, ay = c, bx = c + tileR * 0.5f, by = c + tileR * 0.8660254f;
    drawLine(img, ax, ay, bx, by, 10 * k, outline);
    drawLine(img, ax, ay, bx, by, 6 * k, red);
    auto house = [&](float grow, Col col) {
        float w = 11 * k + grow, base = by - 9 * k - grow, eaves = by + 5 * k, ridge = by + 15 * k;
        float pts[10] = {bx - w, base, bx + w, base, bx + w, eaves, bx, ridge + grow * 1.4f,
                         bx - w, eaves};
        fillPolygon(img, pts, 5, col);
    };
    house(2.5f * k, outline);
    house(0, red);
    return img;
}

std::vector<AssetFile> buildIcons() {
    std::vector<AssetFile> out;
    for (int size : {256, 64}) {
        std::vector<float> alpha;
        Image img = iconImage(size, alpha);
        std::string dir = std::to_string(size) + "x" + std::to_string(size);
        out.push_back({"hicolor/" + dir + "/apps/quelvane.png", encodePNG(img, alpha)});
    }
    return out;
}
