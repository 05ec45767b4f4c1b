// The interface textures: resource cards, harbour sign, dice, buttons, bars and panels.
#include "assetgen.h"
#include "textures.h"

static const Col PANEL_DARK = {0.11f, 0.15f, 0.21f};

// Pictures are laid out in a 100 by 100 box placed at (x0, y0) with the given size in pixels.
struct Frame {
    float x0, y0, k;
    float x(float u) const { return x0 + u * k; }
    float y(float v) const { return y0 + v * k; }
    float s(float d) const { return d * k; }
};

static void gradient(Image& img, const Frame& f, float u0, float v0, float u1, float v1, float rad,
                     Col bottom, Col top) {
    float cx = f.x((u0 + u1) / 2), cy = f.y((v0 + v1) / 2), hw = f.s(u1 - u0) / 2,
          hh = f.s(v1 - v0) / 2, r = f.s(rad);
    for (int y = (int)(cy - hh) - 1; y <= (int)(cy + hh) + 1; y++)
        for (int x = (int)(cx - hw) - 1; x <= (int)(cx + hw) + 1; x++) {
            float d = sdRoundBox(x + 0.5f, y + 0.5f, cx, cy, hw, hh, r);
            float t = clampf((y + 0.5f - (cy - hh)) / (2 * hh), 0, 1);
            img.blend(x, y, mixc(bottom, top, t), clampf(0.5f - d, 0, 1));
        }
}

static void ring(Image& img, const Frame& f, float u, float v, float r, float w, Col c) {
    float cx = f.x(u), cy = f.y(v), rr = f.s(r), ww = f.s(w) / 2;
    paint(img, cx - rr - ww, cy - rr - ww, cx + rr + ww, cy + rr + ww, c,
          [=](float x, float y) { return std::fabs(sdCircle(x, y, cx, cy, rr)) - ww; });
}

static void circle(Image& img, const Frame& f, float u, float v, float r, Col c, float a = 1) {
    fillCircle(img, f.x(u), f.y(v), f.s(r), c, a);
}

static void ellipse(Image& img, const Frame& f, float u, float v, float ru, float rv, float deg,
                    Col c) {
    float cx = f.x(u), cy = f.y(v), a = f.s(ru), b = f.s(rv);
    float cs = std::cos(deg * PI_F / 180), sn = std::sin(deg * PI_F / 180), m = a > b ? a : b;
    paint(img, cx - m, cy - m, cx + m, cy + m, c, [=](float x, float y) {
        float px = (x - cx) * cs + (y - cy) * sn, py = -(x - cx) * sn + (y - cy) * cs;
        float q = std::sqrt(px * px / (a * a) + py * py / (b * b));
        return (q - 1) * (a < b ? a : b);
    });
}

static void polygon(Image& img, const Frame& f, const float* uv, int n, Col c) {
    std::vector<float> p(2 * n);
    for (int i = 0; i < n; i++) {
        p[2 * i] = f.x(uv[2 * i]);
        p[2 * i + 1] = f.y(uv[2 * i + 1]);
    }
    fillPolygon(img, p.data(), n, c);
}

static void line(Image& img, const Frame& f, float u0, float v0, float u1, float v1, float w,
                 Col c) {
    drawLine(img, f.x(u0), f.y(v0), f.x(u1), f.y(v1), f.s(w), c);
}

static void box(Image& img, const Frame& f, float u0, float v0, float u1, float v1, float rad,
                Col c) {
    fillRoundBox(img, f.x((u0 + u1) / 2), f.y((v0 + v1) / 2), f.s(u1 - u0) / 2, f.s(v1 - v0) / 2,
                 f.s(rad), c);
}

static void logEnd(Image& img, const Frame& f, float u, float v, float r) {
    circle(img, f, u, v, r, rgb(85, 55, 30));
    circle(img, f, u, v, r - 2.4f, rgb(215, 170, 110));
    ring(img, f, u, v, r * 0.62f, 0.9f, rgb(165, 115, 65));
    ring(img, f, u, v, r * 0.3f, 0.9f, rgb(165, 115, 65));
    circle(img, f, u, v, 1.2f, rgb(140, 95, 55));
}

static void drawWood(Image& img, const Frame& f) {
    // two logs from the side behind the stacked ends
    box(img, f, 20, 68, 80, 80, 5, rgb(105, 70, 40));
    line(img, f, 24, 74, 76, 74, 1, rgb(80, 52, 30));
    logEnd(img, f, 81, 74, 6);
    const float ends[6][2] = {{30, 30}, {52, 30}, {74, 30}, {41, 49}, {63, 49}, {52, 68}};
    for (auto& e : ends) logEnd(img, f, e[0], e[1], 11.5f);
}

static void drawWool(Image& img, const Frame& f) {
    const float legs[4] = {36, 44, 60, 67};
    for (float u : legs) box(img, f, u - 2.6f, 20, u + 2.6f, 40, 1.5f, rgb(50, 42, 40));
    const float puffs[8][3] = {{34, 50, 12}, {48, 46, 13}, {62, 48, 12}, {42, 60, 12},
                               {56, 61, 13}, {68, 57, 10}, {28, 58, 9},  {50, 53, 14}};
    for (auto& p : puffs) circle(img, f, p[0], p[1], p[2] + 1.2f, rgb(175, 170, 160));
    for (auto& p : puffs) circle(img, f, p[0], p[1], p[2], rgb(245, 244, 236));
    for (auto& p : puffs)
        circle(img, f, p[0] - p[2] * 0.3f, p[1] + p[2] * 0.3f, p[2] * 0.4f, rgb(255, 255, 252),
               0.8f);
    ellipse(img, f, 78, 60, 9, 7, -20, rgb(55, 45, 42));
    ellipse(img, f, 73, 68, 4.5f, 2.2f, 30, rgb(55, 45, 42));
    circle(img, f, 81, 62, 1.6f, rgb(250, 250, 240));
}

static void drawGrain(Image& img, const Frame& f) {
    const float tips[7][2] = {{24, 80}, {34, 86}, {44, 90}, {54, 90}, {64, 87}, {74, 81}, {82, 72}};
    for (auto& t : tips) line(img, f, 52, 14, t[0], t[1] - 8, 2.2f, rgb(175, 140, 50));
    for (auto& t : tips) {
        float du = (t[0] - 52) / 80.0f, dv = (t[1] - 14) / 80.0f;
        float ang = std::atan2(dv, du) * 180 / PI_F;
        for (int k = 0; k < 4; k++) {
            float u = t[0] - du * k * 7, v = t[1] - 3 - dv * k * 7;
            ellipse(img, f, u - 2.3f, v, 3.4f, 1.8f, ang + 35, rgb(200, 150, 45));
            ellipse(img, f, u + 2.3f, v, 3.4f, 1.8f, ang - 35, rgb(235, 195, 80));
        }
    }
    box(img, f, 42, 36, 62, 43, 2, rgb(140, 70, 40));
}

static void drawOre(Image& img, const Frame& f) {
    const float rockA[12] = {14, 22, 48, 18, 56, 40, 44, 58, 24, 56, 12, 38};
    const float rockB[12] = {46, 20, 84, 24, 88, 46, 74, 62, 52, 60, 44, 40};
    const float rockC[10] = {30, 50, 58, 48, 66, 70, 50, 84, 32, 74};
    polygon(img, f, rockA, 6, rgb(105, 105, 112));
    polygon(img, f, rockB, 6, rgb(120, 120, 128));
    polygon(img, f, rockC, 5, rgb(140, 140, 148));
    const float facetA[6] = {14, 22, 48, 18, 34, 34};
    const float facetB[6] = {84, 24, 88, 46, 70, 38};
    const float facetC[6] = {50, 84, 66, 70, 52, 66};
    polygon(img, f, facetA, 3, rgb(80, 80, 88));
    polygon(img, f, facetB, 3, rgb(90, 90, 100));
    polygon(img, f, facetC, 3, rgb(175, 178, 188));
    const float glints[6][2] = {{30, 38}, {64, 40}, {74, 50}, {46, 64}, {56, 76}, {22, 44}};
    for (auto& g : glints) {
        line(img, f, g[0] - 4, g[1], g[0] + 4, g[1], 1.2f, rgb(200, 220, 245));
        line(img, f, g[0], g[1] - 4, g[0], g[1] + 4, 1.2f, rgb(200, 220, 245));
        circle(img, f, g[0], g[1], 1.6f, rgb(235, 245, 255));
    }
}

static void brick(Image& img, const Frame& f, float u, float v) {
    box(img, f, u - 13.5f, v - 6, u + 13.5f, v + 6, 1.5f, rgb(120, 45, 30));
    box(img, f, u - 12.5f, v - 5, u + 12.5f, v + 5, 1.2f, rgb(185, 75, 50));
    box(img, f, u - 11.5f, v + 1.5f, u + 11.5f, v + 4, 1, rgb(210, 105, 75));
}

static void drawClay(Image& img, const Frame& f) {
    const float bricks[6][2] = {{22, 26}, {50, 26}, {78, 26}, {36, 40}, {64, 40}, {50, 54}};
    for (auto& b : bricks) brick(img, f, b[0], b[1]);
    ellipse(img, f, 50, 74, 18, 9, 0, rgb(150, 70, 45));
    ellipse(img, f, 47, 77, 10, 4, 0, rgb(190, 100, 65));
}

static void drawResource(Image& img, const Frame& f, int kind) {
    switch (kind) {
    case 1:
        drawWood(img, f);
        break;
    case 2:
        drawWool(img, f);
        break;
    case 3:
        drawGrain(img, f);
        break;
    case 4:
        drawOre(img, f);
        break;
    default:
        drawClay(img, f);
        break;
    }
}

static void resourceBackground(int kind, Col& bottom, Col& top) {
    switch (kind) {
    case 1:
        bottom = rgb(45, 95, 40), top = rgb(110, 160, 75);
        break;
    case 2:
        bottom = rgb(110, 175, 80), top = rgb(175, 215, 235);
        break;
    case 3:
        bottom = rgb(220, 190, 100), top = rgb(130, 180, 230);
        break;
    case 4:
        bottom = rgb(50, 55, 70), top = rgb(110, 115, 135);
        break;
    default:
        bottom = rgb(175, 125, 80), top = rgb(230, 195, 145);
        break;
    }
}

// A playing card in a box of size pixels: cream border, picture on its own background.
static void card(Image& img, float x0, float y0, float size, int kind) {
    Frame f = {x0, y0, size / 100};
    box(img, f, 2, 2, 98, 98, 12, rgb(70, 55, 40));
    box(img, f, 3.5f, 3.5f, 96.5f, 96.5f, 11, rgb(238, 228, 198));
    Col b, t;
    resourceBackground(kind, b, t);
    gradient(img, f, 10, 10, 90, 90, 7, b, t);
    Frame inner = {f.x(10), f.y(10), f.k * 0.8f};
    drawResource(img, inner, kind);
}

Image cardTexture(int resource) {
    Image img(128, 128, PANEL_DARK);
    card(img, 0, 0, 128, resource);
    return img;
}

Image anyCardTexture() {
    Image img(128, 128, PANEL_DARK);
    Frame f = {0, 0, 1.28f};
    box(img, f, 2, 2, 98, 98, 12, rgb(70, 55, 40));
    box(img, f, 3.5f, 3.5f, 96.5f, 96.5f, 11, rgb(238, 228, 198));
    gradient(img, f, 10, 10, 90, 90, 7, rgb(30, 90, 140), rgb(110, 175, 215));
    const char* ratio = "3:1";
    float s = 5, w = textWidth(s, ratio);
    drawText(img, 64 - w / 2 + 2, 76 - 2, s, ratio, rgb(20, 40, 60));
    drawText(img, 64 - w / 2, 76, s, ratio, rgb(255, 250, 230));
    circle(img, f, 50, 33, 19, rgb(20, 50, 80));
    circle(img, f, 50, 33, 17.5f, rgb(250, 245, 225));
    float qw = textWidth(4, "?");
    drawText(img, 64 - qw / 2 + 1, 42 - 14, 4, "?", rgb(30, 70, 120));
    return img;
}

Image dieTexture(int pips) {
    Image img(64, 64, PANEL_DARK);
    Frame f = {0, 0, 0.64f};
    gradient(img, f, 3, 3, 97, 97, 16, rgb(200, 195, 180), rgb(235, 230, 215));
    gradient(img, f, 8, 8, 92, 92, 13, rgb(240, 236, 222), rgb(252, 250, 242));
    const float c = 50, o = 25;
    float spots[7][2];
    int n = 0;
    auto add = [&](float u, float v) {
        spots[n][0] = u;
        spots[n][1] = v;
        n++;
    };
    if (pips % 2 == 1) add(c, c);
    if (pips >= 2) add(c - o, c + o), add(c + o, c - o);
    if (pips >= 4) add(c + o, c + o), add(c - o, c - o);
    if (pips == 6) add(c - o, c), add(c + o, c);
    for (int i = 0; i < n; i++) {
        bool one = pips == 1;
        circle(img, f, spots[i][0], spots[i][1] - 1, one ? 13 : 9.5f, rgb(255, 255, 255));
        circle(img, f, spots[i][0], spots[i][1], one ? 12 : 8.5f,
               one ? rgb(190, 30, 30) : rgb(25, 25, 30));
    }
    return img;
}

static Image roundButton(Col base, bool plus) {
    Image img(64, 64, PANEL_DARK);
    Frame f = {0, 0, 0.64f};
    circle(img, f, 50, 50, 46, mulc(base, 0.55f));
    gradient(img, f, 8, 8, 92, 92, 42, mulc(base, 0.85f), mixc(base, rgb(255, 255, 255), 0.25f));
    line(img, f, 28, 50, 72, 50, 12, rgb(255, 255, 255));
    if (plus) line(img, f, 50, 28, 50, 72, 12, rgb(255, 255, 255));
    return img;
}

Image minusTexture() {
    return roundButton(rgb(190, 50, 40), false);
}
Image plusTexture() {
    return roundButton(rgb(50, 150, 60), true);
}
Image whiteTexture() {
    return Image(64, 64, rgb(255, 255, 255));
}

// A dark panel with a gold frame; the game writes white and yellow texts over it.
static Image panel(int w, int h, Col bottom, Col top, uint32_t seed) {
    Image img(w, h, PANEL_DARK);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) img.at(x, y) = mixc(bottom, top, (float)y / h);
    grain(img, 0, 0, w, h, 0.12f, 6, seed);
    float m = 5;
    paint(img, 0, 0, (float)w, (float)h, rgb(190, 155, 80), [=](float x, float y) {
        return std::fabs(sdRoundBox(x, y, w / 2.0f, h / 2.0f, w / 2.0f - m, h / 2.0f - m, 6)) -
               2.2f;
    });
    paint(img, 0, 0, (float)w, (float)h, rgb(120, 95, 50), [=](float x, float y) {
        return std::fabs(
                   sdRoundBox(x, y, w / 2.0f, h / 2.0f, w / 2.0f - m - 6, h / 2.0f - m - 6, 4)) -
               0.7f;
    });
    const float corners[4][2] = {{1, 1}, {-1, 1}, {1, -1}, {-1, -1}};
    for (auto& c : corners) {
        float cx = w / 2.0f + c[0] * (w / 2.0f - 16), cy = h / 2.0f + c[1] * (h / 2.0f - 16);
        float d[8] = {cx, cy - 5, cx + 5, cy, cx, cy + 5, cx - 5, cy};
        fillPolygon(img, d, 4, rgb(210, 175, 95));
    }
    return img;
}

Image tradePanelTexture() {
    return panel(256, 512, rgb(24, 32, 50), rgb(42, 55, 80), 2301);
}
Image optionsPanelTexture() {
    return panel(128, 256, rgb(26, 38, 44), rgb(44, 62, 72), 2302);
}
// The image squeezed or stretched to w by h pixels, each pixel the bilinear blend of the four
// source pixels around its centre.
static Image resampled(const Image& src, int w, int h) {
    Image out(w, h);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            float sx = clampf((x + 0.5f) * src.w / w - 0.5f, 0, src.w - 1.001f);
            float sy = clampf((y + 0.5f) * src.h / h - 0.5f, 0, src.h - 1.001f);
            int x0 = (int)sx, y0 = (int)sy;
            float fx = sx - x0, fy = sy - y0;
            Col bottom = mixc(src.at(x0, y0), src.at(x0 + 1, y0), fx);
            Col top = mixc(src.at(x0, y0 + 1), src.at(x0 + 1, y0 + 1), fx);
            out.at(x, y) = mixc(bottom, top, fy);
        }
    return out;
}

// The panels added later: the message strip, the scoreboard and the end screen. Each is drawn
// in the shape of its place on the screen, so that its frame comes out even there, and then
// brought to a size of powers of two as every texture of the game has.
static Image addedPanel(int w, int h, int potW, int potH, uint32_t seed) {
    return resampled(panel(w, h, rgb(24, 32, 50), rgb(42, 55, 80), seed), potW, potH);
}
Image messageStripTexture() {
    return addedPanel(810, 90, 512, 64, 2304);
}
Image scoreboardTexture() {
    return addedPanel(256, 160, 256, 128, 2305);
}
Image endScreenTexture() {
    return addedPanel(540, 360, 512, 256, 2306);
}
Image settingsTexture() {
    return addedPanel(308, 128, 256, 128, 2307);
}

// A dark wood, so that white labels and the seats' colours in their brighter shades read on it.
Image buttonTexture() {
    Image img(128, 64, PANEL_DARK);
    paint(img, 0, 0, 128, 64, rgb(48, 36, 22),
          [](float x, float y) { return sdRoundBox(x, y, 64, 32, 63, 31, 10); });
    for (int y = 0; y < 64; y++)
        for (int x = 0; x < 128; x++) {
            float d = sdRoundBox(x + 0.5f, y + 0.5f, 64, 32, 60, 28, 8);
            if (d > 0.5f) continue;
            float t = y / 63.0f;
            Col c = mixc(rgb(74, 57, 38), rgb(108, 86, 60), t);
            if (d > -3) c = mixc(c, rgb(185, 155, 105), 0.5f * t);
            img.blend(x, y, c, clampf(0.5f - d, 0, 1));
        }
    grain(img, 4, 4, 124, 60, 0.1f, 5, 2303);
    return img;
}

// The main bar along the bottom of the screen, 1280 by 102 screen pixels. Recesses sit behind
// the buttons, the player's name, points and cards, and the dice.
Image barTexture() {
    const int w = 1024, h = 128;
    Image img(w, h);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++)
            img.at(x, y) = mixc(rgb(26, 34, 48), rgb(50, 62, 84), (float)y / h);
    grain(img, 0, 0, w, h, 0.1f, 5, 2401);
    auto sx = [](float px) { return px * 1024 / 1280; };
    auto sy = [](float py) { return (1024 - py) * 128 / 102; };
    const float recess[4][4] = {
        {4, 930, 124, 1021}, {127, 927, 486, 1021}, {520, 932, 810, 1016}, {832, 932, 1276, 1016}};
    for (auto& r : recess) {
        float x0 = sx(r[0]), x1 = sx(r[2]), y0 = sy(r[3]), y1 = sy(r[1]);
        float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2, hw = (x1 - x0) / 2, hh = (y1 - y0) / 2;
        fillRoundBox(img, cx, cy - 1, hw, hh, 6, rgb(70, 85, 110));
        fillRoundBox(img, cx, cy, hw, hh, 6, rgb(16, 22, 32));
        fillRoundBox(img, cx, cy, hw - 1.5f, hh - 1.5f, 5, rgb(22, 30, 44));
    }
    // a plate under the player's name, which is written in a bright shade of the player's own
    // colour: dark, so that every seat's shade reads on it
    float px0 = sx(130), px1 = sx(224), py0 = sy(963), py1 = sy(932);
    fillRoundBox(img, (px0 + px1) / 2, (py0 + py1) / 2, (px1 - px0) / 2, (py1 - py0) / 2, 4,
                 rgb(90, 72, 40));
    for (int y = (int)py0 + 1; y < (int)py1 - 1; y++)
        for (int x = (int)px0 + 1; x < (int)px1 - 1; x++)
            img.at(x, y) = mixc(rgb(14, 18, 26), rgb(24, 30, 42), (y - py0) / (py1 - py0));
    for (int x = 0; x < w; x++) {
        img.at(x, h - 1) = rgb(90, 70, 35);
        img.at(x, h - 2) = rgb(215, 180, 95);
        img.at(x, h - 3) = rgb(190, 155, 80);
        img.at(x, h - 4) = rgb(20, 26, 36);
    }
    return img;
}

// The building-costs card.

static void houseIcon(Image& img, const Frame& f, float u, float v, float s, bool city) {
    Col wall = rgb(200, 185, 150), roof = rgb(150, 60, 45), dark = rgb(60, 45, 35);
    Frame g = {f.x(u), f.y(v), f.k * s};
    if (city) {
        box(img, g, 52, 0, 82, 78, 1, dark);
        box(img, g, 55, 0, 79, 75, 1, wall);
        const float spire[6] = {50, 76, 84, 76, 67, 100};
        polygon(img, g, spire, 3, roof);
        box(img, g, 63, 52, 71, 64, 1, dark);
    }
    float x0 = city ? 4 : 14, x1 = city ? 56 : 86;
    box(img, g, x0, 0, x1, 46, 1, dark);
    box(img, g, x0 + 3, 0, x1 - 3, 43, 1, wall);
    const float r[6] = {x0 - 6, 42, x1 + 6, 42, (x0 + x1) / 2, city ? 70.0f : 78.0f};
    polygon(img, g, r, 3, roof);
    float mid = (x0 + x1) / 2;
    box(img, g, mid - 7, 0, mid + 7, 24, 2, dark);
}

static void roadIcon(Image& img, const Frame& f, float u, float v, float s) {
    Frame g = {f.x(u), f.y(v), f.k * s};
    const float plank[8] = {4, 22, 84, 62, 96, 44, 16, 4};
    polygon(img, g, plank, 4, rgb(60, 45, 35));
    const float top[8] = {8, 22, 84, 58, 92, 45, 16, 9};
    polygon(img, g, top, 4, rgb(170, 120, 75));
    for (int k = 1; k < 6; k++) {
        float t = k / 6.0f;
        line(img, g, 8 + 76 * t + 2, 22 + 36 * t - 1, 16 + 76 * t - 2, 9 + 36 * t + 1, 1.2f,
             rgb(110, 75, 45));
    }
}

static void miniCard(Image& img, float x, float y, int kind) {
    Frame f = {x, y, 1};
    box(img, f, 0, 0, 32, 42, 4, rgb(70, 55, 40));
    box(img, f, 1, 1, 31, 41, 3.5f, rgb(238, 228, 198));
    Col b, t;
    resourceBackground(kind, b, t);
    gradient(img, f, 3, 3, 29, 39, 2.5f, b, t);
    Frame pic = {x + 3, y + 8, 0.26f};
    drawResource(img, pic, kind);
}

// The scale at which a text fits the width, at most `scale`.
static float fitted(float scale, float width, const char* text) {
    const float wide = textWidth(scale, text);
    return wide > width ? scale * width / wide : scale;
}

Image costsTexture(const CostsWords& words) {
    const int n = 256;
    Image img(n, n);
    for (int y = 0; y < n; y++)
        for (int x = 0; x < n; x++)
            img.at(x, y) =
                mixc(rgb(225, 208, 165), rgb(242, 230, 195), fbm(x / 30.0f, y / 30.0f, 2501, 4));
    paint(img, 0, 0, n, n, rgb(95, 65, 35), [=](float x, float y) {
        return std::fabs(sdRoundBox(x, y, n / 2.0f, n / 2.0f, n / 2.0f - 4, n / 2.0f - 4, 8)) - 3;
    });
    Col ink = rgb(60, 40, 25);
    const char* title = words.title.c_str();
    const float titleScale = fitted(3, n - 28, title);
    drawText(img, (n - textWidth(titleScale, title)) / 2, 222, titleScale, title, ink);
    drawLine(img, 20, 216, 236, 216, 2, rgb(140, 100, 60));
    struct Row {
        const char* name;
        float labelY, cardY;
        int kinds[5];
        int count;
    };
    const Row rows[3] = {{words.road.c_str(), 196, 150, {1, 5}, 2},
                         {words.settlement.c_str(), 128, 82, {1, 2, 3, 5}, 4},
                         {words.city.c_str(), 60, 14, {3, 3, 4, 4, 4}, 5}};
    Frame whole = {0, 0, 1};
    for (int r = 0; r < 3; r++) {
        drawText(img, 14, rows[r].labelY, fitted(2, n - 28, rows[r].name), rows[r].name, ink);
        if (r == 0)
            roadIcon(img, whole, 12, rows[r].cardY + 4, 0.44f);
        else
            houseIcon(img, whole, 12, rows[r].cardY + 2, 0.44f, r == 2);
        for (int k = 0; k < rows[r].count; k++)
            miniCard(img, 66 + k * 36.0f, rows[r].cardY, rows[r].kinds[k]);
        if (r < 2)
            drawLine(img, 20, rows[r].cardY - 6, 236, rows[r].cardY - 6, 1.2f, rgb(170, 135, 90));
    }
    return img;
}
