// Building blocks of the asset generator: meshes with texture coordinates, images, noise.
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

const float PI_F = 3.14159265f;

// Random numbers and noise: own integer mixing, so every run and every libc agree.

// xorshift32; one generator per asset with a fixed seed.
struct Rng {
    uint32_t s;
    explicit Rng(uint32_t seed) : s(seed ? seed : 0x9e3779b9u) {}
    uint32_t next() {
        s ^= s << 13;
        s ^= s >> 17;
        s ^= s << 5;
        return s;
    }
    float uni() { return (next() >> 8) * (1.0f / 16777216.0f); } // [0, 1)
    float range(float a, float b) { return a + (b - a) * uni(); }
};

uint32_t hash3(int x, int y, uint32_t seed);
// Value noise in [0, 1]; a period > 0 makes it repeat every period units in x and y.
float valueNoise(float x, float y, uint32_t seed, int period = 0);
// Sum of octaves, each twice the frequency and half the weight; result in [0, 1].
float fbm(float x, float y, uint32_t seed, int octaves, int period = 0);

struct Vtx {
    float x, y, z, u, v;
};

// A region of a texture, in texture coordinates (v = 0 is the first row of the file).
struct Rect {
    float u0, v0, u1, v1;
    float u(float s) const { return u0 + (u1 - u0) * s; }
    float v(float t) const { return v0 + (v1 - v0) * t; }
};

// Cell (col, row) of an n by n atlas, shrunk by a margin of a few texels against mip-map bleed.
Rect atlasCell(int col, int row, int n, int texSize, int spanCols = 1, int spanRows = 1);

struct Mesh {
    std::vector<Vtx> v;
    std::vector<int> t; // three indices per triangle, counter-clockwise seen from outside

    int add(float x, float y, float z, float u, float vv) {
        v.push_back({x, y, z, u, vv});
        return (int)v.size() - 1;
    }
    void tri(int a, int b, int c) {
        t.push_back(a);
        t.push_back(b);
        t.push_back(c);
    }
    // Quad a b c d counter-clockwise seen from its front.
    void quad(int a, int b, int c, int d) {
        tri(a, b, c);
        tri(a, c, d);
    }
    int triangles() const { return (int)t.size() / 3; }
    void append(const Mesh& m);
    // Turns the vertices from index first on about z by deg degrees, then moves them.
    void place(int first, float deg, float dx, float dy, float dz);
    void scale(int first, float sx, float sy, float sz);
};

// Closed primitives (bottoms left open where they stand on something; bottom = true adds it).
// Axis-aligned box; each face maps the whole of its region.
void addBox(Mesh& m, float x0, float y0, float z0, float x1, float y1, float z1, const Rect& side,
            const Rect& top, bool bottom = false);
// Upright n-sided frustum from radius r0 at z0 to r1 at z1 (r1 = 0 gives a cone), with a top cap.
void addFrustum(Mesh& m, float cx, float cy, float z0, float z1, float r0, float r1, int n,
                const Rect& side, const Rect& cap, float turn = 0);
// Ellipsoid of radii rx, ry, rz, low-poly (nLon by nLat).
void addEllipsoid(Mesh& m, float cx, float cy, float cz, float rx, float ry, float rz, int nLon,
                  int nLat, const Rect& r);
// Quad from four corners counter-clockwise seen from the front, mapping the whole region.
void addQuad(Mesh& m, const float* a, const float* b, const float* c, const float* d,
             const Rect& r);
void addTri(Mesh& m, const float* a, const float* b, const float* c, const Rect& r);

struct Col {
    float r, g, b;
};
inline Col rgb(int r, int g, int b) {
    return {r / 255.0f, g / 255.0f, b / 255.0f};
}
inline Col mixc(Col a, Col b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
inline Col mulc(Col a, float k) {
    return {a.r * k, a.g * k, a.b * k};
}
inline float clampf(float x, float a, float b) {
    return x < a ? a : (x > b ? b : x);
}
inline float smoothstep(float a, float b, float x) {
    float t = clampf((x - a) / (b - a), 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}

// RGB image, row 0 at the bottom (the first row of the BMP file, texture v = 0).
struct Image {
    int w = 0, h = 0;
    std::vector<Col> px;
    Image(int width, int height, Col fill = {0, 0, 0})
        : w(width), h(height), px(width * height, fill) {}
    Col& at(int x, int y) { return px[y * w + x]; }
    const Col& at(int x, int y) const { return px[y * w + x]; }
    void blend(int x, int y, Col c, float a) {
        if (x < 0 || y < 0 || x >= w || y >= h || a <= 0) return;
        Col& p = at(x, y);
        p = mixc(p, c, a > 1 ? 1 : a);
    }
};

// Paints a shape given by its signed distance in pixels (negative inside) with a one-pixel soft
// edge, over the pixel box [x0, x1) by [y0, y1). Pixel centres sit at (x + 0.5, y + 0.5).
template <class Sdf>
void paint(Image& img, float x0, float y0, float x1, float y1, Col c, Sdf sdf, float alpha = 1) {
    int ix0 = (int)std::floor(x0) - 1, iy0 = (int)std::floor(y0) - 1;
    int ix1 = (int)std::ceil(x1) + 1, iy1 = (int)std::ceil(y1) + 1;
    if (ix0 < 0) ix0 = 0;
    if (iy0 < 0) iy0 = 0;
    if (ix1 > img.w) ix1 = img.w;
    if (iy1 > img.h) iy1 = img.h;
    for (int y = iy0; y < iy1; y++)
        for (int x = ix0; x < ix1; x++) {
            float d = sdf(x + 0.5f, y + 0.5f);
            float a = clampf(0.5f - d, 0, 1);
            if (a > 0) img.blend(x, y, c, a * alpha);
        }
}

float sdCircle(float x, float y, float cx, float cy, float r);
float sdRoundBox(float x, float y, float cx, float cy, float hw, float hh, float rad);
float sdSegment(float x, float y, float ax, float ay, float bx, float by, float r);
// Polygon given as n points (x, y); any simple polygon.
float sdPolygon(float x, float y, const float* pts, int n);

void fillCircle(Image& img, float cx, float cy, float r, Col c, float alpha = 1);
void fillRoundBox(Image& img, float cx, float cy, float hw, float hh, float rad, Col c,
                  float alpha = 1);
void drawLine(Image& img, float ax, float ay, float bx, float by, float width, Col c,
              float alpha = 1);
void fillPolygon(Image& img, const float* pts, int n, Col c, float alpha = 1);

// Multiplies every pixel of the box by a brightness 1 + amount * (noise - 0.5).
void grain(Image& img, int x0, int y0, int x1, int y1, float amount, float scale, uint32_t seed,
           int period = 0);

// The game's own small bitmap font: 5 by 7 cells drawn as rounded dots of size `scale` pixels.
// (x, y) is the bottom left of the first glyph; returns the width drawn.
float drawText(Image& img, float x, float y, float scale, const char* text, Col c);
float textWidth(float scale, const char* text);
