// Noise, mesh primitives, shape painting and the bitmap font of the asset generator.
#include "kit.h"

#include <cstring>

uint32_t hash3(int x, int y, uint32_t seed) {
    uint32_t h = seed * 0x27d4eb2du;
    h ^= (uint32_t)x * 0x85ebca6bu;
    h = (h << 13) | (h >> 19);
    h ^= (uint32_t)y * 0xc2b2ae35u;
    h *= 0x165667b1u;
    h ^= h >> 15;
    h *= 0x2c1b3c6du;
    h ^= h >> 12;
    return h;
}

static float lattice(int x, int y, uint32_t seed, int period) {
    if (period > 0) {
        x = ((x % period) + period) % period;
        y = ((y % period) + period) % period;
    }
    return (hash3(x, y, seed) >> 8) * (1.0f / 16777216.0f);
}

float valueNoise(float x, float y, uint32_t seed, int period) {
    float fx = std::floor(x), fy = std::floor(y);
    int ix = (int)fx, iy = (int)fy;
    float tx = x - fx, ty = y - fy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    float a = lattice(ix, iy, seed, period), b = lattice(ix + 1, iy, seed, period);
    float c = lattice(ix, iy + 1, seed, period), d = lattice(ix + 1, iy + 1, seed, period);
    float top = a + (b - a) * tx, bot = c + (d - c) * tx;
    return top + (bot - top) * ty;
}

float fbm(float x, float y, uint32_t seed, int octaves, int period) {
    float sum = 0, weight = 0.5f, total = 0;
    for (int o = 0; o < octaves; o++) {
        sum += weight * valueNoise(x, y, seed + o * 101, period);
        total += weight;
        x *= 2;
        y *= 2;
        if (period > 0) period *= 2;
        weight *= 0.5f;
    }
    return sum / total;
}

Rect atlasCell(int col, int row, int n, int texSize, int spanCols, int spanRows) {
    float cell = 1.0f / n, m = 4.0f / texSize;
    return {col * cell + m, row * cell + m, (col + spanCols) * cell - m,
            (row + spanRows) * cell - m};
}

void Mesh::append(const Mesh& m) {
    int base = (int)v.size();
    v.insert(v.end(), m.v.begin(), m.v.end());
    for (int i : m.t) t.push_back(base + i);
}

void Mesh::place(int first, float deg, float dx, float dy, float dz) {
    float c = std::cos(deg * PI_F / 180), s = std::sin(deg * PI_F / 180);
    for (size_t i = first; i < v.size(); i++) {
        float x = v[i].x, y = v[i].y;
        v[i].x = c * x - s * y + dx;
        v[i].y = s * x + c * y + dy;
        v[i].z += dz;
    }
}

void Mesh::scale(int first, float sx, float sy, float sz) {
    for (size_t i = first; i < v.size(); i++) {
        v[i].x *= sx;
        v[i].y *= sy;
        v[i].z *= sz;
    }
}

void addQuad(Mesh& m, const float* a, const float* b, const float* c, const float* d,
             const Rect& r) {
    int i0 = m.add(a[0], a[1], a[2], r.u0, r.v0);
    int i1 = m.add(b[0], b[1], b[2], r.u1, r.v0);
    int i2 = m.add(c[0], c[1], c[2], r.u1, r.v1);
    int i3 = m.add(d[0], d[1], d[2], r.u0, r.v1);
    m.quad(i0, i1, i2, i3);
}

void addTri(Mesh& m, const float* a, const float* b, const float* c, const Rect& r) {
    int i0 = m.add(a[0], a[1], a[2], r.u0, r.v0);
    int i1 = m.add(b[0], b[1], b[2], r.u1, r.v0);
    int i2 = m.add(c[0], c[1], c[2], r.u(0.5f), r.v1);
    m.tri(i0, i1, i2);
}

void addBox(Mesh& m, float x0, float y0, float z0, float x1, float y1, float z1, const Rect& side,
            const Rect& top, bool bottom) {
    float p[8][3] = {{x0, y0, z0}, {x1, y0, z0}, {x1, y1, z0}, {x0, y1, z0},
                     {x0, y0, z1}, {x1, y0, z1}, {x1, y1, z1}, {x0, y1, z1}};
    addQuad(m, p[0], p[1], p[5], p[4], side); // -y
    addQuad(m, p[1], p[2], p[6], p[5], side); // +x
    addQuad(m, p[2], p[3], p[7], p[6], side); // +y
    addQuad(m, p[3], p[0], p[4], p[7], side); // -x
    addQuad(m, p[4], p[5], p[6], p[7], top);
    if (bottom) addQuad(m, p[3], p[2], p[1], p[0], side);
}

void addFrustum(Mesh& m, float cx, float cy, float z0, float z1, float r0, float r1, int n,
                const Rect& side, const Rect& cap, float turn) {
    for (int k = 0; k < n; k++) {
        float a0 = 2 * PI_F * k / n + turn, a1 = 2 * PI_F * (k + 1) / n + turn;
        float c0 = std::cos(a0), s0 = std::sin(a0), c1 = std::cos(a1), s1 = std::sin(a1);
        float su0 = side.u((float)k / n), su1 = side.u((float)(k + 1) / n);
        int b0 = m.add(cx + r0 * c0, cy + r0 * s0, z0, su0, side.v0);
        int b1 = m.add(cx + r0 * c1, cy + r0 * s1, z0, su1, side.v0);
        if (r1 <= 0) {
            int tp = m.add(cx, cy, z1, (su0 + su1) / 2, side.v1);
            m.tri(b0, b1, tp);
        } else {
            int t1 = m.add(cx + r1 * c1, cy + r1 * s1, z1, su1, side.v1);
            int t0 = m.add(cx + r1 * c0, cy + r1 * s0, z1, su0, side.v1);
            m.quad(b0, b1, t1, t0);
        }
    }
    if (r1 > 0) {
        int c = m.add(cx, cy, z1, cap.u(0.5f), cap.v(0.5f));
        for (int k = 0; k < n; k++) {
            float a0 = 2 * PI_F * k / n + turn, a1 = 2 * PI_F * (k + 1) / n + turn;
            int i0 = m.add(cx + r1 * std::cos(a0), cy + r1 * std::sin(a0), z1,
                           cap.u(0.5f + 0.5f * std::cos(a0)), cap.v(0.5f + 0.5f * std::sin(a0)));
            int i1 = m.add(cx + r1 * std::cos(a1), cy + r1 * std::sin(a1), z1,
                           cap.u(0.5f + 0.5f * std::cos(a1)), cap.v(0.5f + 0.5f * std::sin(a1)));
            m.tri(c, i0, i1);
        }
    }
}

void addEllipsoid(Mesh& m, float cx, float cy, float cz, float rx, float ry, float rz, int nLon,
                  int nLat, const Rect& r) {
    int base = (int)m.v.size();
    for (int j = 0; j <= nLat; j++) {
        float th = PI_F * j / nLat - PI_F / 2;
        for (int i = 0; i <= nLon; i++) {
            float ph = 2 * PI_F * i / nLon;
            m.add(cx + rx * std::cos(th) * std::cos(ph), cy + ry * std::cos(th) * std::sin(ph),
                  cz + rz * std::sin(th), r.u((float)i / nLon), r.v((float)j / nLat));
        }
    }
    int row = nLon + 1;
    for (int j = 0; j < nLat; j++)
        for (int i = 0; i < nLon; i++) {
            int a = base + j * row + i, b = a + 1, c = a + row + 1, d = a + row;
            if (j > 0) m.tri(a, b, c);
            if (j < nLat - 1) m.tri(a, c, d);
        }
}

float sdCircle(float x, float y, float cx, float cy, float r) {
    return std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy)) - r;
}

float sdRoundBox(float x, float y, float cx, float cy, float hw, float hh, float rad) {
    float qx = std::fabs(x - cx) - hw + rad, qy = std::fabs(y - cy) - hh + rad;
    float ox = qx > 0 ? qx : 0, oy = qy > 0 ? qy : 0;
    float in = qx > qy ? qx : qy;
    return std::sqrt(ox * ox + oy * oy) + (in < 0 ? in : 0) - rad;
}

float sdSegment(float x, float y, float ax, float ay, float bx, float by, float r) {
    float px = x - ax, py = y - ay, dx = bx - ax, dy = by - ay;
    float len2 = dx * dx + dy * dy;
    float h = len2 > 0 ? clampf((px * dx + py * dy) / len2, 0, 1) : 0;
    float ex = px - dx * h, ey = py - dy * h;
    return std::sqrt(ex * ex + ey * ey) - r;
}

float sdPolygon(float x, float y, const float* p, int n) {
    float d = (x - p[0]) * (x - p[0]) + (y - p[1]) * (y - p[1]);
    float s = 1;
    for (int i = 0, j = n - 1; i < n; j = i, i++) {
        float ex = p[2 * j] - p[2 * i], ey = p[2 * j + 1] - p[2 * i + 1];
        float wx = x - p[2 * i], wy = y - p[2 * i + 1];
        float h = clampf((wx * ex + wy * ey) / (ex * ex + ey * ey), 0, 1);
        float bx = wx - ex * h, by = wy - ey * h;
        float dd = bx * bx + by * by;
        if (dd < d) d = dd;
        bool c1 = y >= p[2 * i + 1], c2 = y<p[2 * j + 1], c3 = ex * wy> ey * wx;
        if ((c1 && c2 && c3) || (!c1 && !c2 && !c3)) s = -s;
    }
    return s * std::sqrt(d);
}

void fillCircle(Image& img, float cx, float cy, float r, Col c, float alpha) {
    paint(
        img, cx - r, cy - r, cx + r, cy + r, c,
        [=](float x, float y) { return sdCircle(x, y, cx, cy, r); }, alpha);
}

void fillRoundBox(Image& img, float cx, float cy, float hw, float hh, float rad, Col c,
                  float alpha) {
    paint(
        img, cx - hw, cy - hh, cx + hw, cy + hh, c,
        [=](float x, float y) { return sdRoundBox(x, y, cx, cy, hw, hh, rad); }, alpha);
}

void drawLine(Image& img, float ax, float ay, float bx, float by, float width, Col c, float alpha) {
    float r = width / 2;
    paint(
        img, std::fmin(ax, bx) - r, std::fmin(ay, by) - r, std::fmax(ax, bx) + r,
        std::fmax(ay, by) + r, c,
        [=](float x, float y) { return sdSegment(x, y, ax, ay, bx, by, r); }, alpha);
}

void fillPolygon(Image& img, const float* pts, int n, Col c, float alpha) {
    float x0 = pts[0], x1 = pts[0], y0 = pts[1], y1 = pts[1];
    for (int i = 1; i < n; i++) {
        x0 = std::fmin(x0, pts[2 * i]);
        x1 = std::fmax(x1, pts[2 * i]);
        y0 = std::fmin(y0, pts[2 * i + 1]);
        y1 = std::fmax(y1, pts[2 * i + 1]);
    }
    paint(
        img, x0, y0, x1, y1, c, [=](float x, float y) { return sdPolygon(x, y, pts, n); }, alpha);
}

void grain(Image& img, int x0, int y0, int x1, int y1, float amount, float scale, uint32_t seed,
           int period) {
    for (int y = y0; y < y1; y++)
        for (int x = x0; x < x1; x++) {
            float n = fbm(x / scale, y / scale, seed, 3, period);
            img.at(x, y) = mulc(img.at(x, y), 1 + amount * (n - 0.5f));
        }
}

// Glyphs 5 wide and 7 high, top row first: digits, the letters of every language the
// textures are made in (letters with accents drawn as their plain letter) and a few signs.
struct Glyph {
    char c;
    const char* rows[7];
};

static const Glyph glyphs[] = {
    {'0', {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."}},
    {'1', {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'2', {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"}},
    {'3', {"####.", "....#", "....#", ".###.", "....#", "....#", "####."}},
    {'4', {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."}},
    {'5', {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."}},
    {'6', {"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."}},
    {'7', {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."}},
    {'8', {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."}},
    {'9', {".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."}},
    {':', {".....", "..#..", "..#..", ".....", "..#..", "..#..", "....."}},
    {'?', {".###.", "#...#", "....#", "..##.", "..#..", ".....", "..#.."}},
    {'+', {".....", "..#..", "..#..", "#####", "..#..", "..#..", "....."}},
    {'-', {".....", ".....", ".....", "#####", ".....", ".....", "....."}},
    {'.', {".....", ".....", ".....", ".....", ".....", ".##..", ".##.."}},
    {',', {".....", ".....", ".....", ".....", ".##..", "..#..", ".#..."}},
    {'\'', {"..#..", "..#..", ".#...", ".....", ".....", ".....", "....."}},
    {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'B', {"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."}},
    {'C', {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."}},
    {'D', {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."}},
    {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {'F', {"#####", "#....", "#....", "####.", "#....", "#....", "#...."}},
    {'G', {".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".####"}},
    {'H', {"#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'I', {".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'J', {"..###", "...#.", "...#.", "...#.", "...#.", "#..#.", ".##.."}},
    {'K', {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"}},
    {'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
    {'M', {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
    {'N', {"#...#", "#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#"}},
    {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'P', {"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."}},
    {'Q', {".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"}},
    {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
    {'S', {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
    {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    {'U', {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'V', {"#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."}},
    {'W', {"#...#", "#...#", "#...#", "#.#.#", "#.#.#", "#.#.#", ".#.#."}},
    {'X', {"#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"}},
    {'Y', {"#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."}},
    {'Z', {"#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"}},
    {'a', {".....", ".....", ".###.", "....#", ".####", "#...#", ".####"}},
    {'b', {"#....", "#....", "#.##.", "##..#", "#...#", "#...#", "####."}},
    {'c', {".....", ".....", ".###.", "#....", "#....", "#...#", ".###."}},
    {'d', {"....#", "....#", ".##.#", "#..##", "#...#", "#...#", ".####"}},
    {'e', {".....", ".....", ".###.", "#...#", "#####", "#....", ".###."}},
    {'f', {"..##.", ".#..#", ".#...", "###..", ".#...", ".#...", ".#..."}},
    {'g', {".....", ".####", "#...#", "#...#", ".####", "....#", ".###."}},
    {'h', {"#....", "#....", "#.##.", "##..#", "#...#", "#...#", "#...#"}},
    {'i', {"..#..", ".....", ".##..", "..#..", "..#..", "..#..", ".###."}},
    {'j', {"...#.", ".....", "..##.", "...#.", "...#.", "#..#.", ".##.."}},
    {'k', {"#....", "#....", "#..#.", "#.#..", "##...", "#.#..", "#..#."}},
    {'l', {".##..", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'m', {".....", ".....", "##.#.", "#.#.#", "#.#.#", "#...#", "#...#"}},
    {'n', {".....", ".....", "####.", "#...#", "#...#", "#...#", "#...#"}},
    {'o', {".....", ".....", ".###.", "#...#", "#...#", "#...#", ".###."}},
    {'p', {".....", ".....", "####.", "#...#", "####.", "#....", "#...."}},
    {'q', {".....", ".....", ".##.#", "#..##", ".####", "....#", "....#"}},
    {'r', {".....", ".....", "#.##.", "##..#", "#....", "#....", "#...."}},
    {'s', {".....", ".....", ".####", "#....", ".###.", "....#", "####."}},
    {'t', {".#...", ".#...", "####.", ".#...", ".#...", ".#..#", "..##."}},
    {'u', {".....", ".....", "#...#", "#...#", "#...#", "#..##", ".##.#"}},
    {'v', {".....", ".....", "#...#", "#...#", "#...#", ".#.#.", "..#.."}},
    {'w', {".....", ".....", "#...#", "#...#", "#.#.#", "#.#.#", ".#.#."}},
    {'x', {".....", ".....", "#...#", ".#.#.", "..#..", ".#.#.", "#...#"}},
    {'y', {".....", ".....", "#...#", "#...#", ".####", "....#", ".###."}},
    {'z', {".....", ".....", "#####", "...#.", "..#..", ".#...", "#####"}},
};

static const Glyph* findGlyph(char c) {
    for (const Glyph& g : glyphs)
        if (g.c == c) return &g;
    return nullptr;
}

float textWidth(float scale, const char* text) {
    size_t n = std::strlen(text);
    return n == 0 ? 0 : (n * 6 - 1) * scale;
}

float drawText(Image& img, float x, float y, float scale, const char* text, Col c) {
    float pen = x;
    for (const char* p = text; *p; p++, pen += 6 * scale) {
        const Glyph* g = findGlyph(*p);
        if (!g) continue;
        for (int row = 0; row < 7; row++)
            for (int col = 0; col < 5; col++) {
                if (g->rows[row][col] != '#') continue;
                float cx = pen + (col + 0.5f) * scale, cy = y + (6 - row + 0.5f) * scale;
                float hw = scale * 0.55f;
                fillRoundBox(img, cx, cy, hw, hw, scale * 0.3f, c);
            }
    }
    return pen - x - scale;
}
