// The desktop icons: seven land tiles on their beach in a hexagon of sea, with a red settlement
// and its road, in the colours the game's textures show on screen; PNGs and one scalable SVG.
#include "assetgen.h"
#include "textures.h"

#include <algorithm>
#include <cstdio>
#include <string>

// The picture on a 256 grid with y up, as the images hold it; every size and the SVG scale it.
const float ICON_GRID = 256, ICON_C = 128, TILE_R = 31, SEA_ROUND = 14, TILE_INSET = 2;
const float SEA_R = 124 - SEA_ROUND * 1.1547f; // pulled in so that the rounding grows it back
const float GLOW = 19, BEACH = 11, RIM = 16;   // distances from the tiles' and the sea's edges
const float ROAD_W = 10, ROAD_LINE = 6, HOUSE_OUTLINE = 2.5f;
// centre first, then counter-clockwise from the top; the land colours are the tiles' mean
// colours in the game
const Col landColour[7] = {rgb(216, 153, 81), rgb(64, 85, 39),    rgb(115, 170, 63),
                           rgb(157, 94, 52),  rgb(118, 124, 100), rgb(190, 152, 63),
                           rgb(115, 170, 63)};
const Col rimColour = rgb(18, 58, 92), shallowColour = rgb(90, 140, 130),
          sandColour = rgb(232, 216, 170), outlineColour = rgb(40, 20, 16);

static void hexagon(float* pts, float cx, float cy, float r) {
    for (int i = 0; i < 6; i++) {
        float a = 60 * i * PI_F / 180;
        pts[2 * i] = cx + r * std::cos(a);
        pts[2 * i + 1] = cy + r * std::sin(a);
    }
}

static void tileCentre(int i, float* x, float* y) {
    *x = ICON_C;
    *y = ICON_C;
    if (i == 0) return;
    float a = (90 + 60 * (i - 1)) * PI_F / 180, r = 1.7320508f * TILE_R;
    *x += r * std::cos(a);
    *y += r * std::sin(a);
}

// the road along the centre tile's upper right edge, the settlement on its upper corner
static void roadEnds(float* ax, float* ay, float* bx, float* by) {
    *ax = ICON_C + TILE_R;
    *ay = ICON_C;
    *bx = ICON_C + TILE_R * 0.5f;
    *by = ICON_C + TILE_R * 0.8660254f;
}
static void housePolygon(float* pts, float grow) {
    float ax, ay, bx, by;
    roadEnds(&ax, &ay, &bx, &by);
    float w = 11 + grow, base = by - 9 - grow, eaves = by + 5, ridge = by + 15 + grow * 1.4f;
    const float p[10] = {bx - w, base, bx + w, base, bx + w, eaves, bx, ridge, bx - w, eaves};
    std::copy(p, p + 10, pts);
}

static void scaled(float* pts, int n, float k) {
    for (int i = 0; i < 2 * n; i++) pts[i] *= k;
}

Image iconImage(int size, std::vector<float>& alpha) {
    const float k = size / ICON_GRID, tileR = TILE_R * k;
    Image img(size, size);
    alpha.assign((size_t)size * size, 0);

    // the sea alone decides the coverage
    const float round = SEA_ROUND * k;
    float sea[12];
    hexagon(sea, ICON_C, ICON_C, SEA_R);
    scaled(sea, 6, k);
    for (int y = 0; y < size; y++)
        for (int x = 0; x < size; x++) {
            float px = x + 0.5f, py = y + 0.5f;
            float d = sdPolygon(px, py, sea, 6) - round;
            alpha[(size_t)y * size + x] = clampf(0.5f - d, 0, 1);
            float n = fbm(px / (12 * k), py / (12 * k), 3101, 3);
            Col water = mixc(rgb(30, 88, 128), rgb(50, 120, 156), n);
            img.at(x, y) = mixc(water, rimColour, smoothstep(-RIM * k, 0, d));
        }

    float centre[7][2], tiles[7][12];
    for (int i = 0; i < 7; i++) {
        tileCentre(i, &centre[i][0], &centre[i][1]);
        hexagon(tiles[i], centre[i][0], centre[i][1], TILE_R);
        scaled(centre[i], 1, k);
        scaled(tiles[i], 6, k);
    }
    auto island = [&](float x, float y) {
        float d = 1e9f;
        for (const float* t : tiles) d = std::min(d, sdPolygon(x, y, t, 6));
        return d;
    };
    paint(
        img, 0, 0, size, size, shallowColour,
        [&](float x, float y) { return island(x, y) - GLOW * k; }, 0.8f);
    paint(img, 0, 0, size, size, sandColour,
          [&](float x, float y) { return island(x, y) - BEACH * k; });

    // each tile a little lighter towards its top, with a grain of its own
    for (int i = 0; i < 7; i++) {
        float shape[12];
        hexagon(shape, centre[i][0], centre[i][1], tileR - TILE_INSET * k);
        for (int y = 0; y < size; y++)
            for (int x = 0; x < size; x++) {
                float px = x + 0.5f, py = y + 0.5f;
                float cover = clampf(0.5f - sdPolygon(px, py, shape, 6), 0, 1);
                if (cover <= 0) continue;
                float n = fbm(px / (6 * k), py / (6 * k), 3110 + i, 3);
                float lift = 0.1f * (py - centre[i][1]) / tileR;
                img.blend(x, y, mulc(landColour[i], 0.9f + 0.2f * n + lift), cover);
            }
    }

    const Col red = playerColour(1);
    float ax, ay, bx, by;
    roadEnds(&ax, &ay, &bx, &by);
    drawLine(img, ax * k, ay * k, bx * k, by * k, ROAD_W * k, outlineColour);
    drawLine(img, ax * k, ay * k, bx * k, by * k, ROAD_LINE * k, red);
    float house[10];
    housePolygon(house, HOUSE_OUTLINE);
    scaled(house, 5, k);
    fillPolygon(img, house, 5, outlineColour);
    housePolygon(house, 0);
    scaled(house, 5, k);
    fillPolygon(img, house, 5, red);
    return img;
}

// The SVG draws the same shapes flat: grown outlines are strokes with round joins, the sea's
// darkening rim a few steps inwards, the tiles' light a gradient from top to bottom.
static std::string hexColour(Col c) {
    char s[8];
    std::snprintf(s, sizeof s, "#%02x%02x%02x", (int)(clampf(c.r, 0, 1) * 255 + 0.5f),
                  (int)(clampf(c.g, 0, 1) * 255 + 0.5f), (int)(clampf(c.b, 0, 1) * 255 + 0.5f));
    return s;
}

static std::string svgPoints(const float* pts, int n) {
    std::string s;
    char xy[32];
    for (int i = 0; i < n; i++) {
        std::snprintf(xy, sizeof xy, "%s%.2f,%.2f", i ? " " : "", pts[2 * i],
                      ICON_GRID - pts[2 * i + 1]);
        s += xy;
    }
    return s;
}

// A polygon filled and grown by `grow` units with rounded corners.
static std::string svgPolygon(const float* pts, int n, Col c, float grow = 0) {
    std::string col = hexColour(c),
                s = "<polygon points=\"" + svgPoints(pts, n) + "\" fill=\"" + col;
    if (grow > 0) {
        char w[64];
        std::snprintf(w, sizeof w, "\" stroke=\"%s\" stroke-width=\"%.2f", col.c_str(), 2 * grow);
        s += w;
        s += "\" stroke-linejoin=\"round";
    }
    return s + "\"/>\n";
}

static std::string iconSVG() {
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
                      "viewBox=\"0 0 256 256\">\n<defs>\n";
    char buf[200];
    for (int i = 0; i < 7; i++) {
        std::snprintf(buf, sizeof buf,
                      "<linearGradient id=\"t%d\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">"
                      "<stop offset=\"0\" stop-color=\"%s\"/><stop offset=\"1\" "
                      "stop-color=\"%s\"/></linearGradient>\n",
                      i, hexColour(mulc(landColour[i], 1.1f)).c_str(),
                      hexColour(mulc(landColour[i], 0.9f)).c_str());
        svg += buf;
    }
    svg += "</defs>\n";

    float sea[12];
    hexagon(sea, ICON_C, ICON_C, SEA_R);
    const Col water = rgb(40, 104, 142);
    for (int step = 0; step < 8; step++) {
        float depth = SEA_ROUND * step / 7;
        Col c = mixc(water, rimColour, smoothstep(-RIM, 0, -depth - 1));
        svg += svgPolygon(sea, 6, c, SEA_ROUND - depth);
    }

    float tiles[7][12], centre[7][2];
    for (int i = 0; i < 7; i++) {
        tileCentre(i, &centre[i][0], &centre[i][1]);
        hexagon(tiles[i], centre[i][0], centre[i][1], TILE_R);
    }
    svg += "<g opacity=\"0.8\">\n";
    for (const float* t : tiles) svg += svgPolygon(t, 6, shallowColour, GLOW);
    svg += "</g>\n";
    for (const float* t : tiles) svg += svgPolygon(t, 6, sandColour, BEACH);
    for (int i = 0; i < 7; i++) {
        float shape[12];
        hexagon(shape, centre[i][0], centre[i][1], TILE_R - TILE_INSET);
        std::snprintf(buf, sizeof buf, "<polygon points=\"%s\" fill=\"url(#t%d)\"/>\n",
                      svgPoints(shape, 6).c_str(), i);
        svg += buf;
    }

    float ax, ay, bx, by;
    roadEnds(&ax, &ay, &bx, &by);
    for (int line = 0; line < 2; line++) {
        std::snprintf(buf, sizeof buf,
                      "<line x1=\"%.2f\" y1=\"%.2f\" x2=\"%.2f\" y2=\"%.2f\" stroke=\"%s\" "
                      "stroke-width=\"%.2f\" stroke-linecap=\"round\"/>\n",
                      ax, ICON_GRID - ay, bx, ICON_GRID - by,
                      hexColour(line ? playerColour(1) : outlineColour).c_str(),
                      line ? ROAD_LINE : ROAD_W);
        svg += buf;
    }
    float house[10];
    housePolygon(house, HOUSE_OUTLINE);
    svg += svgPolygon(house, 5, outlineColour);
    housePolygon(house, 0);
    svg += svgPolygon(house, 5, playerColour(1));
    return svg + "</svg>\n";
}

std::vector<AssetFile> buildIcons() {
    std::vector<AssetFile> out;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        std::vector<float> alpha;
        Image img = iconImage(size, alpha);
        std::string dir = std::to_string(size) + "x" + std::to_string(size);
        out.push_back({"hicolor/" + dir + "/apps/quelvane.png", encodePNG(img, alpha)});
    }
    std::string svg = iconSVG();
    out.push_back({"hicolor/scalable/apps/quelvane.svg", {svg.begin(), svg.end()}});
    return out;
}
