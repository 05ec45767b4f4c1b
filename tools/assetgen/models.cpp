// The game's meshes: the six land tiles, the beach base, the harbour and the three pieces.
#include "assetgen.h"
#include "atlas.h"

#include <functional>

// Distance from (x, y) inwards to the hexagon's outline (negative outside), in the hexagon
// metric; corners point along +-x.
static float hexInside(float x, float y) {
    float ax = std::fabs(x), ay = std::fabs(y);
    float m = ay > 0.8660254f * ax + 0.5f * ay ? ay : 0.8660254f * ax + 0.5f * ay;
    return hexInradius - m;
}

static void hexCorner(int k, float& x, float& y) {
    x = hexRadius * std::cos(k * PI_F / 3);
    y = hexRadius * std::sin(k * PI_F / 3);
}

typedef std::function<float(float, float)> HeightFn;
typedef std::function<void(float, float, float, float&, float&)> UvFn;

// The top surface: a triangle lattice of n steps from the centre to each corner, counter-clockwise
// from above. The rim stays exactly at z = 0 so neighbouring tiles meet; the heights come from h.
static void hexSurface(Mesh& m, int n, uint32_t seed, const HeightFn& h, const UvFn& uv) {
    int side = 2 * n + 1;
    std::vector<int> index(side * side, -1);
    float step = hexRadius / n;
    for (int j = -n; j <= n; j++)
        for (int i = -n; i <= n; i++) {
            int k = std::abs(i) > std::abs(j) ? std::abs(i) : std::abs(j);
            if (std::abs(i + j) > k) k = std::abs(i + j);
            if (k > n) continue;
            float x = (i + 0.5f * j) * step, y = 0.8660254f * j * step, z = 0;
            if (k < n) {
                // a little irregularity inside keeps the lattice from showing
                x += (valueNoise(i * 3.1f, j * 3.7f, seed) - 0.5f) * step * 0.35f;
                y += (valueNoise(i * 2.3f, j * 4.1f, seed + 7) - 0.5f) * step * 0.35f;
                z = h(x, y);
            }
            float u, v;
            uv(x, y, z, u, v);
            index[(j + n) * side + (i + n)] = m.add(x, y, z, u, v);
        }
    auto at = [&](int i, int j) {
        if (i < -n || i > n || j < -n || j > n) return -1;
        return index[(j + n) * side + (i + n)];
    };
    for (int j = -n; j <= n; j++)
        for (int i = -n; i <= n; i++) {
            int a = at(i, j), b = at(i + 1, j), c = at(i, j + 1), d = at(i + 1, j + 1);
            if (a >= 0 && b >= 0 && c >= 0) m.tri(a, b, c);
            if (b >= 0 && d >= 0 && c >= 0) m.tri(b, d, c);
        }
}

// The tile's edge: six walls hanging from the rim, so the raised land shows a side over the beach.
static void hexSkirt(Mesh& m, float depth, const Rect& r) {
    for (int k = 0; k < 6; k++) {
        float x0, y0, x1, y1;
        hexCorner(k, x0, y0);
        hexCorner(k + 1, x1, y1);
        float a[3] = {x0, y0, -depth}, b[3] = {x1, y1, -depth}, c[3] = {x1, y1, 0},
              d[3] = {x0, y0, 0};
        addQuad(m, a, b, c, d, r);
    }
}

// Planar mapping of the ground region from above, the same scale along x and y.
static void groundUv(float x, float y, float, float& u, float& v) {
    Rect g = tileGround();
    u = g.u((x + hexRadius) / (2 * hexRadius));
    v = g.v((y + hexRadius) / (2 * hexRadius));
}

// Positions for features: inside the tile by at least minEdge, away from the centre (where the
// number floats) by minCentre, and apart from each other by minGap.
static std::vector<std::pair<float, float>> scatter(Rng& rng, int count, float minEdge,
                                                    float minCentre, float minGap) {
    std::vector<std::pair<float, float>> pts;
    for (int tries = 0; tries < 4000 && (int)pts.size() < count; tries++) {
        float x = rng.range(-hexRadius, hexRadius), y = rng.range(-hexInradius, hexInradius);
        if (hexInside(x, y) < minEdge || x * x + y * y < minCentre * minCentre) continue;
        bool ok = true;
        // settlements stand on the corners and roads across the side middles
        for (int k = 0; k < 6; k++) {
            float cx, cy;
            hexCorner(k, cx, cy);
            float mx = hexInradius * std::cos((k + 0.5f) * PI_F / 3);
            float my = hexInradius * std::sin((k + 0.5f) * PI_F / 3);
            if (std::hypot(x - cx, y - cy) < 12 || std::hypot(x - mx, y - my) < 10) ok = false;
        }
        for (auto& p : pts)
            if ((p.first - x) * (p.first - x) + (p.second - y) * (p.second - y) < minGap * minGap)
                ok = false;
        if (ok) pts.push_back({x, y});
    }
    return pts;
}

static float rimFalloff(float x, float y, float width) {
    return smoothstep(0, width, hexInside(x, y));
}

static void addPine(Mesh& m, float x, float y, float z, float s, float turn) {
    addFrustum(m, x, y, z - 0.5f, z + 2.4f * s, 0.75f * s, 0.55f * s, 5, tileCell(FOREST_BARK),
               tileCell(FOREST_BARK), turn);
    addFrustum(m, x, y, z + 1.6f * s, z + 6.6f * s, 3.6f * s, 0, 7, tileCell(FOREST_NEEDLES),
               tileCell(FOREST_NEEDLES), turn);
    addFrustum(m, x, y, z + 4.2f * s, z + 9.6f * s, 2.6f * s, 0, 7, tileCell(FOREST_NEEDLES),
               tileCell(FOREST_NEEDLES), turn + 0.4f);
}

static void addLeafTree(Mesh& m, float x, float y, float z, float s) {
    addFrustum(m, x, y, z - 0.5f, z + 3.6f * s, 0.7f * s, 0.5f * s, 5, tileCell(FOREST_BARK),
               tileCell(FOREST_BARK));
    addEllipsoid(m, x, y, z + 5.6f * s, 3.3f * s, 3.3f * s, 2.9f * s, 7, 4,
                 tileCell(FOREST_LEAVES));
}

static float forestHeight(float x, float y) {
    return 1.8f * (fbm(x / 16, y / 16, 11, 3) - 0.45f) * rimFalloff(x, y, 7);
}

static Mesh forestTile() {
    Mesh m;
    hexSurface(m, 6, 101, forestHeight, groundUv);
    Rng rng(0x5eed01);
    for (auto& p : scatter(rng, 16, 7.5f, 9, 7.2f)) {
        float s = rng.range(0.78f, 1.0f), z = forestHeight(p.first, p.second);
        if (rng.uni() < 0.7f)
            addPine(m, p.first, p.second, z, s, rng.range(0, 1));
        else
            addLeafTree(m, p.first, p.second, z, s * 0.95f);
    }
    hexSkirt(m, 9, tileCell(CELL_SKIRT));
    return m;
}

static void addSheep(Mesh& m, float x, float y, float z, float turn, float s) {
    int first = (int)m.v.size();
    Rect wool = tileCell(PASTURE_WOOL), dark = tileCell(PASTURE_DARK);
    addEllipsoid(m, 0, 0, 2.3f, 2.5f, 1.6f, 1.4f, 8, 4, wool);
    addEllipsoid(m, 2.6f, 0, 2.9f, 1.0f, 0.7f, 0.75f, 6, 3, dark);
    const float legs[4][2] = {{1.4f, 0.8f}, {1.4f, -0.8f}, {-1.4f, 0.8f}, {-1.4f, -0.8f}};
    for (auto& l : legs)
        addBox(m, l[0] - 0.28f, l[1] - 0.28f, -0.4f, l[0] + 0.28f, l[1] + 0.28f, 1.4f, dark, dark);
    m.scale(first, s, s, s);
    m.place(first, turn, x, y, z);
}

static float pastureHeight(float x, float y) {
    return 2.2f * (fbm(x / 20 + 3, y / 20, 21, 3) - 0.4f) * rimFalloff(x, y, 9);
}

static Mesh pastureTile() {
    Mesh m;
    hexSurface(m, 6, 202, pastureHeight, groundUv);
    Rng rng(0x5eed02);
    auto spots = scatter(rng, 8, 7, 8, 8);
    for (size_t i = 0; i < spots.size(); i++) {
        float x = spots[i].first, y = spots[i].second, z = pastureHeight(x, y);
        if (i < 5)
            addSheep(m, x, y, z, rng.range(0, 360), rng.range(0.95f, 1.15f));
        else
            addEllipsoid(m, x, y, z + 1.0f, 2.4f, 2.1f, 1.8f, 7, 4, tileCell(PASTURE_BUSH));
    }
    // a short fence of posts and a rail near the far edge
    Rect wood = tileCell(PASTURE_FENCE);
    for (int k = 0; k < 4; k++) {
        float px = -9 + k * 4.5f, py = 14.5f - k * 0.6f, z = pastureHeight(px, py);
        addBox(m, px - 0.3f, py - 0.3f, z - 0.4f, px + 0.3f, py + 0.3f, z + 2.6f, wood, wood);
    }
    for (int k = 0; k < 3; k++) {
        float px = -9 + k * 4.5f, py = 14.5f - k * 0.6f, z = pastureHeight(px + 2.2f, py);
        int first = (int)m.v.size();
        addBox(m, 0, -0.18f, -0.25f, 4.5f, 0.18f, 0.25f, wood, wood);
        m.place(first, -7.6f, px, py, z + 1.8f);
    }
    hexSkirt(m, 9, tileCell(CELL_SKIRT));
    return m;
}

// Range of t along the line (ox, oy) + t (dx, dy) that stays inside the tile by at least margin.
static bool lineInHex(float ox, float oy, float dx, float dy, float margin, float& t0, float& t1) {
    t0 = -1e9f;
    t1 = 1e9f;
    const float nx[3] = {0.8660254f, 0, -0.8660254f}, ny[3] = {0.5f, 1, 0.5f};
    float lim = hexInradius - margin;
    for (int k = 0; k < 3; k++) {
        float p = ox * nx[k] + oy * ny[k], q = dx * nx[k] + dy * ny[k];
        if (std::fabs(q) < 1e-6f) {
            if (std::fabs(p) > lim) return false;
            continue;
        }
        float a = (-lim - p) / q, b = (lim - p) / q;
        if (a > b) std::swap(a, b);
        if (a > t0) t0 = a;
        if (b < t1) t1 = b;
    }
    return t1 > t0;
}

// A ridge of grain along x from x0 to x1 at y: a trapezoid in section with sloped ends.
static void addGrainRow(Mesh& m, float x0, float x1, float y, float halfBase, float halfTop,
                        float height) {
    Rect r = tileCell(FIELD_WHEAT);
    float z0 = -0.3f, e = 1.2f;
    float p[8][3] = {{x0, y - halfBase, z0},        {x1, y - halfBase, z0},
                     {x1, y + halfBase, z0},        {x0, y + halfBase, z0},
                     {x0 + e, y - halfTop, height}, {x1 - e, y - halfTop, height},
                     {x1 - e, y + halfTop, height}, {x0 + e, y + halfTop, height}};
    addQuad(m, p[0], p[1], p[5], p[4], r);
    addQuad(m, p[2], p[3], p[7], p[6], r);
    addQuad(m, p[4], p[5], p[6], p[7], r);
    addQuad(m, p[1], p[2], p[6], p[5], r);
    addQuad(m, p[3], p[0], p[4], p[7], r);
}

static float fieldHeight(float x, float y) {
    return 0.6f * (fbm(x / 18, y / 18, 31, 2) - 0.5f) * rimFalloff(x, y, 6);
}

static Mesh fieldTile() {
    Mesh m;
    hexSurface(m, 4, 303, fieldHeight, groundUv);
    // golden rows over most of the field; a mown strip at the near side holds the bales
    for (int k = 0; k < 9; k++) {
        float y = -9.6f + k * 4.2f, t0, t1;
        if (!lineInHex(0, y, 1, 0, 4.5f, t0, t1)) continue;
        addGrainRow(m, t0, t1, y, 1.65f, 0.55f, 1.4f);
    }
    Rng rng(0x5eed03);
    const float bales[4][2] = {{-9, -16.5f}, {-2.5f, -18}, {4.5f, -16}, {11, -17.5f}};
    for (auto& b : bales) {
        float z = fieldHeight(b[0], b[1]);
        addFrustum(m, b[0], b[1], z - 0.3f, z + 2.0f, 1.7f, 1.5f, 9, tileCell(FIELD_STRAW),
                   tileCell(FIELD_STUBBLE), rng.range(0, 1));
    }
    hexSkirt(m, 9, tileCell(CELL_SKIRT));
    return m;
}

struct Peak {
    float x, y, height, radius;
};
static const Peak peaks[] = {
    {-7, 12, 17, 13}, {11, 7, 13.5f, 11}, {2, -12, 11, 10.5f}, {-13, -4, 8, 8}, {13, -10, 7, 7.5f},
};

static float mountainHeight(float x, float y) {
    float h = 0;
    for (const Peak& p : peaks) {
        float d = std::sqrt((x - p.x) * (x - p.x) + (y - p.y) * (y - p.y)) / p.radius;
        if (d < 1) {
            float b = (1 - d * d) * (1 - d * d);
            if (p.height * b > h) h = h + (p.height * b - h) * 0.85f;
        }
    }
    float rough = fbm(x / 6, y / 6, 41, 3);
    h *= 0.8f + 0.45f * rough;
    float r = std::sqrt(x * x + y * y);
    h *= 0.6f + 0.4f * smoothstep(3, 12, r);
    return h * smoothstep(2, 10, hexInside(x, y)) + 0.6f * (rough - 0.5f) * rimFalloff(x, y, 4);
}

// The mountain's ground is a ramp: low slopes scree and alpine grass, then rock, snow on top.
static void mountainUv(float x, float y, float z, float& u, float& v) {
    Rect g = tileGround();
    u = g.u((x + hexRadius) / (2 * hexRadius));
    v = g.v(clampf(0.82f * z / 15.5f + 0.06f + 0.12f * (y + hexRadius) / (2 * hexRadius), 0, 1));
}

static Mesh mountainTile() {
    Mesh m;
    hexSurface(m, 15, 404, mountainHeight, mountainUv);
    Rng rng(0x5eed04);
    for (auto& p : scatter(rng, 5, 5, 10, 6)) {
        float z = mountainHeight(p.first, p.second);
        if (z > 4) continue;
        addEllipsoid(m, p.first, p.second, z, rng.range(1.2f, 2), rng.range(1, 1.6f),
                     rng.range(0.9f, 1.5f), 6, 3, tileCell(MOUNTAIN_ROCK));
    }
    hexSkirt(m, 9, tileCell(CELL_SKIRT));
    return m;
}

struct Pit {
    float x, y, radius, depth;
};
static const Pit pits[] = {{-9, 8, 8.5f, 3.6f}, {10, 6, 7, 3.0f}, {1, -11, 7.5f, 3.3f}};

static float pitShape(float x, float y, float& influence) {
    float h = 0;
    influence = 0;
    for (const Pit& p : pits) {
        float d = std::sqrt((x - p.x) * (x - p.x) + (y - p.y) * (y - p.y)) / p.radius;
        if (d < 1) {
            float bowl = 1 - d * d, steps = bowl * 3;
            float fl = std::floor(steps);
            h -= p.depth * (fl + smoothstep(0.55f, 1, steps - fl)) / 3;
        }
        h += 0.9f * std::exp(-(d - 1.05f) * (d - 1.05f) * 30);
        float in = clampf((1.35f - d) / 0.45f, 0, 1);
        if (in > influence) influence = in;
    }
    return h;
}

static float clayHeight(float x, float y) {
    float inf;
    float h = pitShape(x, y, inf) + 0.8f * (fbm(x / 15, y / 15, 51, 2) - 0.5f);
    return h * smoothstep(1, 6, hexInside(x, y));
}

// Ramp again: red clay in the pits, dug brown earth on their rims, grass between them.
static void clayUv(float x, float y, float, float& u, float& v) {
    float inf;
    pitShape(x, y, inf);
    Rect g = tileGround();
    u = g.u((x + hexRadius) / (2 * hexRadius));
    v = g.v(0.1f * (y + hexRadius) / (2 * hexRadius) + 0.88f * (1 - inf) + 0.01f);
}

static Mesh clayTile() {
    Mesh m;
    hexSurface(m, 12, 505, clayHeight, clayUv);
    const float stacks[3][3] = {{-13.5f, -6.5f, 20}, {14.5f, -4, -35}, {-3, 16.5f, 75}};
    Rect brick = tileCell(CLAY_BRICK);
    for (auto& s : stacks) {
        float z = clayHeight(s[0], s[1]);
        int first = (int)m.v.size();
        addBox(m, -1.8f, -1.2f, -0.4f, 1.8f, 1.2f, 1.3f, brick, brick);
        addBox(m, -1.3f, -0.9f, 1.3f, 1.3f, 0.9f, 2.4f, brick, brick);
        m.place(first, s[2], s[0], s[1], z);
    }
    // a plank laid down into the largest pit
    int first = (int)m.v.size();
    addBox(m, -4, -0.5f, -0.2f, 4, 0.5f, 0.2f, tileCell(CLAY_WOOD), tileCell(CLAY_WOOD));
    for (size_t i = first; i < m.v.size(); i++) m.v[i].z += m.v[i].x * 0.3f;
    m.place(first, 30, -9.5f, 7.5f, -1.2f);
    hexSkirt(m, 9, tileCell(CELL_SKIRT));
    return m;
}

static float desertHeight(float x, float y) {
    float warp = 3.5f * (fbm(x / 14, y / 14, 61, 2) - 0.5f);
    float s = (x * 0.42f + y * 0.91f + warp * 3) / 10.5f + 0.3f;
    float f = s - std::floor(s);
    float ridge = f < 0.72f ? smoothstep(0, 0.72f, f) : 1 - smoothstep(0.72f, 1, f);
    float amp = 0.55f + 0.45f * fbm(x / 20 + 5, y / 20, 62, 2);
    float r = std::sqrt(x * x + y * y);
    return 4.2f * ridge * amp * smoothstep(1, 9, hexInside(x, y)) *
           (0.5f + 0.5f * smoothstep(4, 12, r));
}

static void addCactus(Mesh& m, float x, float y, float z, float s, float turn) {
    Rect g = tileCell(DESERT_CACTUS);
    int first = (int)m.v.size();
    addFrustum(m, 0, 0, -0.4f, 6.5f, 0.8f, 0.7f, 6, g, g);
    addFrustum(m, 1.6f, 0, 2.6f, 5.2f, 0.5f, 0.45f, 6, g, g);
    addBox(m, 0.6f, -0.35f, 2.3f, 1.6f, 0.35f, 3.0f, g, g);
    addFrustum(m, -1.5f, 0, 3.4f, 5.6f, 0.45f, 0.4f, 6, g, g);
    addBox(m, -1.5f, -0.3f, 3.1f, -0.6f, 0.3f, 3.7f, g, g);
    m.scale(first, s, s, s);
    m.place(first, turn, x, y, z);
}

static Mesh desertTile() {
    Mesh m;
    hexSurface(m, 12, 606, desertHeight, groundUv);
    const float cacti[2][4] = {{-12, -8, 1.0f, 20}, {12.5f, 11, 0.85f, 110}};
    for (auto& c : cacti) addCactus(m, c[0], c[1], desertHeight(c[0], c[1]), c[2], c[3]);
    Rng rng(0x5eed06);
    for (auto& p : scatter(rng, 6, 6, 10, 7)) {
        float z = desertHeight(p.first, p.second);
        addEllipsoid(m, p.first, p.second, z, rng.range(1.3f, 2.2f), rng.range(1, 1.7f),
                     rng.range(0.7f, 1.3f), 6, 3, tileCell(DESERT_STONE));
    }
    // a bleached bone half buried in the sand
    float bz = desertHeight(4, -16);
    int first = (int)m.v.size();
    addBox(m, -1.6f, -0.22f, -0.1f, 1.6f, 0.22f, 0.35f, tileCell(DESERT_BONE),
           tileCell(DESERT_BONE));
    addEllipsoid(m, -1.7f, 0, 0.15f, 0.45f, 0.55f, 0.4f, 5, 3, tileCell(DESERT_BONE));
    addEllipsoid(m, 1.7f, 0, 0.15f, 0.45f, 0.55f, 0.4f, 5, 3, tileCell(DESERT_BONE));
    m.place(first, 25, 4, -16, bz);
    hexSkirt(m, 9, tileCell(CELL_SKIRT));
    return m;
}

Mesh landTile(int terrain) {
    switch (terrain) {
    case T_FOREST:
        return forestTile();
    case T_PASTURE:
        return pastureTile();
    case T_FIELD:
        return fieldTile();
    case T_MOUNTAIN:
        return mountainTile();
    case T_CLAY:
        return clayTile();
    default:
        return desertTile();
    }
}

// Centres of the 19 land tiles on the board.
static const float tileCentres[19][2] = {
    {0, 0},          {44.9f, 25.9f},  {44.9f, -25.9f}, {0, -51.9f},      {-44.9f, -25.9f},
    {-44.9f, 25.9f}, {0, 51.9f},      {44.9f, 77.8f},  {89.8f, 51.9f},   {89.8f, 0},
    {89.8f, -51.9f}, {44.9f, -77.8f}, {0, -103.8f},    {-44.9f, -77.8f}, {-89.8f, -51.9f},
    {-89.8f, 0},     {-89.8f, 51.9f}, {-44.9f, 77.8f}, {0, 103.8f},
};

// Euclidean distance from a point to one hexagon (negative inside).
static float hexDistance(float x, float y) {
    float in = hexInside(x, y);
    if (in >= 0) return -in;
    float best = 1e9f;
    for (int k = 0; k < 6; k++) {
        float ax, ay, bx, by;
        hexCorner(k, ax, ay);
        hexCorner(k + 1, bx, by);
        float d = sdSegment(x, y, ax, ay, bx, by, 0);
        if (d < best) best = d;
    }
    return best;
}

// Distance to the land, with the notches between the outer tiles rounded off.
static float landDistance(float x, float y) {
    float d = 1e9f;
    const float k = 12;
    for (auto& c : tileCentres) {
        float e = hexDistance(x - c[0], y - c[1]);
        float h = clampf(k - std::fabs(d - e), 0, k) / k;
        d = (d < e ? d : e) - h * h * k / 4;
    }
    return d;
}

// The sand lies 2 below the tiles along the coast and 8 below them further in (clear of the
// pits and hollows of the tiles), falls to the waterline (local -3, the middle of the waves)
// 30 units out and on into deeper water.
float beachHeight(float x, float y) {
    float land = landDistance(x, y);
    if (land < -4) return 8 - 6 * smoothstep(-4, -9, land);
    float d = land - 5.0f * (fbm(x / 45 + 7, y / 45, 71, 3) - 0.5f);
    if (d <= 0) return 8;
    if (d <= 30) return 8 - 11 * std::pow(d / 30, 1.25f);
    float z = -3 - 0.5f * (d - 30);
    return z < -16 ? -16 : z;
}

// The waves reach down to 4 below the waterline, which lies at local -3 in the beach's frame.
static const float lowestWave = -4;

static void triAboveWaves(Mesh& m, int a, int b, int c) {
    if (m.v[a].z >= lowestWave || m.v[b].z >= lowestWave || m.v[c].z >= lowestWave) m.tri(a, b, c);
}

Mesh beachBase() {
    Mesh m;
    const int segments = 96;
    static const float rings[] = {0,   70,  100, 108, 114, 120, 126, 132, 138, 144, 150,
                                  156, 162, 168, 174, 180, 186, 192, 198, 206, 214, 224};
    const int nRings = sizeof(rings) / sizeof(rings[0]);
    std::vector<int> index(nRings * (segments + 1));
    for (int r = 0; r < nRings; r++)
        for (int s = 0; s <= segments; s++) {
            float a = 2 * PI_F * s / segments;
            float x = rings[r] * std::cos(a), y = rings[r] * std::sin(a);
            float z = beachHeight(x, y);
            // u runs around the island (the seam column repeats at a whole number), v follows
            // the height, so the dry, wet and drowned bands of the sand follow the shore
            float u = 28.0f * s / segments, v = clampf((z + 13) / 22, 0.02f, 0.98f);
            index[r * (segments + 1) + s] = m.add(x, y, z, u, v);
        }
    for (int r = 0; r + 1 < nRings; r++)
        for (int s = 0; s < segments; s++) {
            int a = index[r * (segments + 1) + s], b = index[r * (segments + 1) + s + 1];
            int c = index[(r + 1) * (segments + 1) + s + 1],
                d = index[(r + 1) * (segments + 1) + s];
            // s runs counter-clockwise and r outwards, so a d c b faces up; sand wholly below
            // the lowest wave lies under the opaque water and is left out
            triAboveWaves(m, a, d, c);
            if (r > 0) triAboveWaves(m, a, c, b); // ring 0 is the centre: a and b coincide
        }
    return m;
}

// Harbour: a stone quay at the shore and a wooden jetty running out to sea along +y.

// What stands in the sea ends just below the lowest wave (the harbour stands at the board's
// height, the waves reach down to 14 below it): further down the opaque water hides it.
static const float belowWaves = -14.2f;

Mesh harbourPiece() {
    Mesh m;
    const float deck = -4.6f;
    addBox(m, -6.5f, -16, belowWaves, 6.5f, -3.5f, deck, harbour(H_STONE), harbour(H_STONE));
    addBox(m, -3.6f, -3.5f, deck - 0.7f, 3.6f, 19, deck, harbour(H_DECK), harbour(H_DECK));
    addBox(m, -7.5f, 19, deck - 0.7f, 7.5f, 26, deck, harbour(H_DECK), harbour(H_DECK));
    const float postsY[4] = {1, 8, 15, 20.5f};
    for (float y : postsY)
        for (int sx = -1; sx <= 1; sx += 2)
            addFrustum(m, sx * 3.2f, y, belowWaves, deck + 0.9f, 0.5f, 0.45f, 6, harbour(H_POST),
                       harbour(H_POST));
    for (int sx = -1; sx <= 1; sx += 2) {
        addFrustum(m, sx * 7, 25.4f, belowWaves, deck + 1.0f, 0.55f, 0.5f, 6, harbour(H_POST),
                   harbour(H_POST));
        addFrustum(m, sx * 7, 19.6f, belowWaves, deck + 1.0f, 0.55f, 0.5f, 6, harbour(H_POST),
                   harbour(H_POST));
    }
    // cargo on the quay
    addBox(m, -5.4f, -13.5f, deck, -2.8f, -10.9f, deck + 2.6f, harbour(H_CRATE), harbour(H_CRATE));
    addBox(m, -5.0f, -10.2f, deck, -3.2f, -8.4f, deck + 1.8f, harbour(H_CRATE), harbour(H_CRATE));
    addFrustum(m, 3.8f, -11, deck, deck + 2.4f, 1.15f, 1.15f, 8, harbour(H_BARREL),
               harbour(H_BARREL));
    addFrustum(m, 3.0f, -7.6f, deck, deck + 2.4f, 1.15f, 1.15f, 8, harbour(H_BARREL),
               harbour(H_BARREL));
    // a lantern at the end of the jetty
    addFrustum(m, -6.2f, 24.6f, deck, deck + 7.5f, 0.3f, 0.25f, 5, harbour(H_POST),
               harbour(H_POST));
    addBox(m, -6.9f, 23.9f, deck + 7.5f, -5.5f, 25.3f, deck + 9.2f, harbour(H_LAMP),
           harbour(H_LAMP));
    // a boat moored beside the jetty: hull with a pointed bow, mast and sail
    const float bx = 8.6f, by0 = 2, by1 = 13.5f, bow = 17, z0 = -14.2f, z1 = -11.4f, hw = 2.3f;
    float hp[10][3] = {{bx - hw, by0, z1},
                       {bx + hw, by0, z1},
                       {bx + hw, by1, z1},
                       {bx, bow, z1 + 0.4f},
                       {bx - hw, by1, z1},
                       {bx - hw * 0.6f, by0 + 0.8f, z0},
                       {bx + hw * 0.6f, by0 + 0.8f, z0},
                       {bx + hw * 0.6f, by1, z0},
                       {bx, bow - 1.5f, z0},
                       {bx - hw * 0.6f, by1, z0}};
    Rect hull = harbour(H_HULL), boards = harbour(H_BOARDS);
    for (int k = 0; k < 5; k++) {
        int n = (k + 1) % 5;
        addQuad(m, hp[5 + k], hp[5 + n], hp[n], hp[k], hull);
    }
    addTri(m, hp[0], hp[1], hp[2], boards);
    addTri(m, hp[0], hp[2], hp[4], boards);
    addTri(m, hp[4], hp[2], hp[3], boards);
    addFrustum(m, bx, 8, z1, z1 + 11, 0.22f, 0.18f, 5, harbour(H_POST), harbour(H_POST));
    float s0[3] = {bx, 8.4f, z1 + 1.5f}, s1[3] = {bx, 14.5f, z1 + 1.5f},
          s2[3] = {bx, 8.4f, z1 + 10.5f};
    addTri(m, s0, s1, s2, harbour(H_SAIL));
    addTri(m, s1, s0, s2, harbour(H_SAIL));
    return m;
}

// Pieces: built around the origin, standing on z = 0.

// Gable house of half-width hx (x) and half-depth hy (y), walls up to wallTop from base, ridge
// along x at ridgeTop. The front (-y) shows the door, the back and the gable ends windows.
static void addHouse(Mesh& m, float cx, float cy, float hx, float hy, float base, float wallTop,
                     float ridgeTop, float overhang) {
    float x0 = cx - hx, x1 = cx + hx, y0 = cy - hy, y1 = cy + hy;
    float p[8][3] = {{x0, y0, base},    {x1, y0, base},    {x1, y1, base},    {x0, y1, base},
                     {x0, y0, wallTop}, {x1, y0, wallTop}, {x1, y1, wallTop}, {x0, y1, wallTop}};
    addQuad(m, p[0], p[1], p[5], p[4], piece(P_DOOR));
    addQuad(m, p[1], p[2], p[6], p[5], piece(P_WINDOW));
    addQuad(m, p[2], p[3], p[7], p[6], piece(P_WINDOW));
    addQuad(m, p[3], p[0], p[4], p[7], piece(P_WINDOW));
    float gx1[3] = {x1, cy, ridgeTop}, gx0[3] = {x0, cy, ridgeTop};
    addTri(m, p[5], p[6], gx1, piece(P_WALL));
    addTri(m, p[7], p[4], gx0, piece(P_WALL));
    float ex0 = x0 - overhang, ex1 = x1 + overhang, drop = overhang * (ridgeTop - wallTop) / hy;
    float r0[3] = {ex0, y0 - overhang, wallTop - drop},
          r1[3] = {ex1, y0 - overhang, wallTop - drop};
    float r2[3] = {ex1, cy, ridgeTop}, r3[3] = {ex0, cy, ridgeTop};
    float r4[3] = {ex1, y1 + overhang, wallTop - drop},
          r5[3] = {ex0, y1 + overhang, wallTop - drop};
    addQuad(m, r0, r1, r2, r3, piece(P_ROOF));
    addQuad(m, r4, r5, r3, r2, piece(P_ROOF));
    // the roof's underside, seen under the eaves when the view is low
    addQuad(m, r3, r2, r1, r0, piece(P_WOOD));
    addQuad(m, r2, r3, r5, r4, piece(P_WOOD));
}

Mesh settlementPiece() {
    Mesh m;
    addBox(m, -3.8f, -3.1f, -0.4f, 3.8f, 3.1f, 0.7f, piece(P_STONE), piece(P_STONE));
    addHouse(m, 0, 0, 3.4f, 2.7f, 0.7f, 4.8f, 8.2f, 0.5f);
    addBox(m, 1.5f, 0.6f, 6.0f, 2.4f, 1.5f, 9.0f, piece(P_STONE), piece(P_STONE));
    return m;
}

Mesh cityPiece() {
    Mesh m;
    addBox(m, -6.2f, -4.2f, -0.4f, 6.2f, 4.2f, 0.8f, piece(P_STONE), piece(P_STONE));
    addHouse(m, -1.6f, -0.4f, 4.2f, 3.2f, 0.8f, 5.6f, 9.4f, 0.5f);
    // the tower: stone foot, walls with windows, pointed roof, a flag
    float tx = 3.6f, ty = 1.0f, th = 1.9f;
    addBox(m, tx - th - 0.3f, ty - th - 0.3f, 0.8f, tx + th + 0.3f, ty + th + 0.3f, 2.4f,
           piece(P_STONE), piece(P_STONE));
    float p[8][3] = {{tx - th, ty - th, 2.4f},  {tx + th, ty - th, 2.4f},
                     {tx + th, ty + th, 2.4f},  {tx - th, ty + th, 2.4f},
                     {tx - th, ty - th, 13.0f}, {tx + th, ty - th, 13.0f},
                     {tx + th, ty + th, 13.0f}, {tx - th, ty + th, 13.0f}};
    addQuad(m, p[0], p[1], p[5], p[4], piece(P_WINDOW));
    addQuad(m, p[1], p[2], p[6], p[5], piece(P_WINDOW));
    addQuad(m, p[2], p[3], p[7], p[6], piece(P_WINDOW));
    addQuad(m, p[3], p[0], p[4], p[7], piece(P_WINDOW));
    addFrustum(m, tx, ty, 13.0f, 13.6f, th * 1.414f + 0.5f, th * 1.414f + 0.5f, 4, piece(P_STONE),
               piece(P_ROOF), PI_F / 4);
    addFrustum(m, tx, ty, 13.6f, 18.5f, th * 1.414f + 0.3f, 0, 4, piece(P_GOLD), piece(P_GOLD),
               PI_F / 4);
    addFrustum(m, tx, ty, 18.3f, 21.5f, 0.12f, 0.1f, 4, piece(P_WOOD), piece(P_WOOD));
    float f0[3] = {tx, ty, 21.4f}, f1[3] = {tx + 2.4f, ty, 20.6f}, f2[3] = {tx, ty, 19.8f};
    addTri(m, f2, f1, f0, piece(P_FLAG));
    addTri(m, f1, f2, f0, piece(P_FLAG));
    return m;
}

// A flat hexagonal band just inside a tile's edge, floating over the land: the mark of a tile
// the roll paid for. Its corners point along +-x like the tiles'.
Mesh paidRing() {
    Mesh m;
    const float outer = hexRadius - 1.2f, inner = hexRadius - 4.2f, z = 1.5f;
    for (int k = 0; k < 6; k++) {
        const float a0 = k * PI_F / 3, a1 = (k + 1) * PI_F / 3;
        float p[4][3] = {{outer * std::cos(a0), outer * std::sin(a0), z},
                         {outer * std::cos(a1), outer * std::sin(a1), z},
                         {inner * std::cos(a1), inner * std::sin(a1), z},
                         {inner * std::cos(a0), inner * std::sin(a0), z}};
        addQuad(m, p[0], p[1], p[2], p[3], Rect{0, 0, 1, 1});
    }
    return m;
}

// The road lies along local y; the board's turns lay that axis along each hexagon side.
Mesh roadPiece() {
    Mesh m;
    addBox(m, -1.7f, -11, -0.4f, 1.7f, 11, 1.2f, piece(P_WOOD), piece(P_PLANKS));
    addBox(m, -1.2f, -10.4f, 1.2f, 1.2f, 10.4f, 1.9f, piece(P_PLANKS), piece(P_PLANKS));
    return m;
}
