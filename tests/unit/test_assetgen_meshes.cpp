// The generated meshes against the board: tiles meeting on the lattice, outward winding,
// clear spots and edges, the beach under the land, harbours facing the sea, piece sizes.
#include "assetgen.h"
#include "assets/mesh.h"
#include "render/sea.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

namespace {

const float tileCentres[19][2] = {
    {0, 0},          {44.9f, 25.9f},  {44.9f, -25.9f}, {0, -51.9f},      {-44.9f, -25.9f},
    {-44.9f, 25.9f}, {0, 51.9f},      {44.9f, 77.8f},  {89.8f, 51.9f},   {89.8f, 0},
    {89.8f, -51.9f}, {44.9f, -77.8f}, {0, -103.8f},    {-44.9f, -77.8f}, {-89.8f, -51.9f},
    {-89.8f, 0},     {-89.8f, 51.9f}, {-44.9f, 77.8f}, {0, 103.8f},
};

// Harbour slots: x, y, turn about z.
const float harbourSlots[9][3] = {
    {91.8f, 105.8f, -60},  {140.7f, 26.9f, -60},   {134.7f, -77.8f, -120},
    {44.9f, -132.7f, 180}, {-44.9f, -132.7f, 180}, {-134.7f, -77.8f, 120},
    {-138.7f, 25.9f, 60},  {-93.8f, 105.8f, 60},   {0, 155.7f, 0},
};

struct Hit {
    float t, nx, ny, nz; // distance along the ray and the unit face normal
};

void faceNormal(const Mesh& m, int i, float* n) {
    const Vtx &a = m.v[m.t[i]], &b = m.v[m.t[i + 1]], &c = m.v[m.t[i + 2]];
    float ux = b.x - a.x, uy = b.y - a.y, uz = b.z - a.z;
    float vx = c.x - a.x, vy = c.y - a.y, vz = c.z - a.z;
    n[0] = uy * vz - uz * vy;
    n[1] = uz * vx - ux * vz;
    n[2] = ux * vy - uy * vx;
    float len = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    for (int k = 0; k < 3; k++) n[k] = len > 0 ? n[k] / len : 0;
}

// All triangles the ray o + t d (t > 0) passes through, nearest first.
std::vector<Hit> castRay(const Mesh& m, const float* o, const float* d) {
    std::vector<Hit> hits;
    for (size_t i = 0; i + 2 < m.t.size(); i += 3) {
        const Vtx &a = m.v[m.t[i]], &b = m.v[m.t[i + 1]], &c = m.v[m.t[i + 2]];
        float e1[3] = {b.x - a.x, b.y - a.y, b.z - a.z}, e2[3] = {c.x - a.x, c.y - a.y, c.z - a.z};
        float p[3] = {d[1] * e2[2] - d[2] * e2[1], d[2] * e2[0] - d[0] * e2[2],
                      d[0] * e2[1] - d[1] * e2[0]};
        float det = e1[0] * p[0] + e1[1] * p[1] + e1[2] * p[2];
        if (std::fabs(det) < 1e-9f) continue;
        float s[3] = {o[0] - a.x, o[1] - a.y, o[2] - a.z};
        float u = (s[0] * p[0] + s[1] * p[1] + s[2] * p[2]) / det;
        if (u < 0 || u > 1) continue;
        float q[3] = {s[1] * e1[2] - s[2] * e1[1], s[2] * e1[0] - s[0] * e1[2],
                      s[0] * e1[1] - s[1] * e1[0]};
        float v = (d[0] * q[0] + d[1] * q[1] + d[2] * q[2]) / det;
        if (v < 0 || u + v > 1) continue;
        float t = (e2[0] * q[0] + e2[1] * q[1] + e2[2] * q[2]) / det;
        if (t <= 0) continue;
        float n[3];
        faceNormal(m, (int)i, n);
        hits.push_back({t, n[0], n[1], n[2]});
    }
    std::sort(hits.begin(), hits.end(), [](const Hit& a, const Hit& b) { return a.t < b.t; });
    return hits;
}

// Height of the first surface seen from above at (x, y), or -1000 where there is none.
float topAt(const Mesh& m, float x, float y) {
    float o[3] = {x, y, 1000}, d[3] = {0, 0, -1};
    std::vector<Hit> h = castRay(m, o, d);
    return h.empty() ? -1000 : 1000 - h[0].t;
}

// The first surface a ray meets must face it (two-sided sheets count if either side does).
int countBackFacingFirstHits(const Mesh& m, const float* o, const float* d) {
    std::vector<Hit> h = castRay(m, o, d);
    if (h.empty()) return 0;
    bool facing = false, grazing = true;
    for (const Hit& x : h) {
        if (x.t > h[0].t + 1e-3f) break;
        float dot = x.nx * d[0] + x.ny * d[1] + x.nz * d[2];
        if (dot < 0) facing = true;
        if (std::fabs(dot) > 0.05f) grazing = false;
    }
    return facing || grazing ? 0 : 1;
}

float hexInsideDistance(float x, float y) {
    float ax = std::fabs(x), ay = std::fabs(y), m = 0.8660254f * ax + 0.5f * ay;
    return hexInradius - (ay > m ? ay : m);
}

void bounds(const Mesh& m, float* lo, float* hi) {
    for (int k = 0; k < 3; k++) lo[k] = 1e9f, hi[k] = -1e9f;
    for (const Vtx& v : m.v) {
        const float p[3] = {v.x, v.y, v.z};
        for (int k = 0; k < 3; k++) lo[k] = std::fmin(lo[k], p[k]), hi[k] = std::fmax(hi[k], p[k]);
    }
}

std::vector<Mesh> allTiles() {
    std::vector<Mesh> tiles;
    for (int t = T_FOREST; t <= T_DESERT; t++) tiles.push_back(landTile(t));
    return tiles;
}

} // namespace

TEST(AssetMeshes, TileRimsLieOnTheLatticeAtZeroAndCloseUp) {
    for (int t = T_FOREST; t <= T_DESERT; t++) {
        SCOPED_TRACE(t);
        Mesh m = landTile(t);
        // every outline vertex above the skirt's foot sits exactly at z = 0
        for (const Vtx& v : m.v)
            if (std::fabs(hexInsideDistance(v.x, v.y)) < 0.01f && v.z > -1) {
                EXPECT_EQ(v.z, 0.0f) << v.x << ", " << v.y;
            }
        // the six corners are there
        for (int k = 0; k < 6; k++) {
            float cx = hexRadius * std::cos(k * 3.14159265f / 3),
                  cy = hexRadius * std::sin(k * 3.14159265f / 3);
            bool found = false;
            for (const Vtx& v : m.v)
                if (std::fabs(v.x - cx) < 0.01f && std::fabs(v.y - cy) < 0.01f && v.z == 0)
                    found = true;
            EXPECT_TRUE(found) << "corner " << k;
        }
        // the top surface covers the whole hexagon out to its rim: no holes, no bite at the edge
        float perimeter = 0;
        for (size_t i = 0; i + 2 < m.t.size(); i += 3)
            for (int e = 0; e < 3; e++) {
                const Vtx &a = m.v[m.t[i + e]], &b = m.v[m.t[i + (e + 1) % 3]];
                if (a.z != 0 || b.z != 0) continue;
                if (std::fabs(hexInsideDistance(a.x, a.y)) > 0.01f ||
                    std::fabs(hexInsideDistance(b.x, b.y)) > 0.01f)
                    continue;
                if (std::fabs(hexInsideDistance((a.x + b.x) / 2, (a.y + b.y) / 2)) > 0.01f)
                    continue;
                float n[3];
                faceNormal(m, (int)i, n);
                if (n[2] > 0.5f) perimeter += std::hypot(a.x - b.x, a.y - b.y);
            }
        EXPECT_NEAR(perimeter, 6 * hexRadius, 0.05f);
        for (float y = -hexInradius + 0.7f; y < hexInradius; y += 3.1f)
            for (float x = -hexRadius + 0.9f; x < hexRadius; x += 3.3f)
                if (hexInsideDistance(x, y) > 0.2f) {
                    EXPECT_GT(topAt(m, x, y), -5) << x << ", " << y;
                }
    }
    // placed on the board, neighbouring tiles share their corners (the table's centres are off
    // the ideal lattice by up to 0.1, tiles 1 and 2 overlap by that much)
    int shared = 0;
    for (int a = 0; a < 19; a++)
        for (int b = a + 1; b < 19; b++) {
            float dx = tileCentres[b][0] - tileCentres[a][0],
                  dy = tileCentres[b][1] - tileCentres[a][1];
            if (std::hypot(dx, dy) > 53) continue;
            int common = 0;
            for (int i = 0; i < 6; i++)
                for (int j = 0; j < 6; j++) {
                    float ax = tileCentres[a][0] + hexRadius * std::cos(i * 3.14159265f / 3);
                    float ay = tileCentres[a][1] + hexRadius * std::sin(i * 3.14159265f / 3);
                    float bx = tileCentres[b][0] + hexRadius * std::cos(j * 3.14159265f / 3);
                    float by = tileCentres[b][1] + hexRadius * std::sin(j * 3.14159265f / 3);
                    if (std::hypot(ax - bx, ay - by) < 0.15f) common++;
                }
            EXPECT_EQ(common, 2) << "tiles " << a << " and " << b;
            shared++;
        }
    EXPECT_EQ(shared, 42);
}

TEST(AssetMeshes, SurfacesFaceOutwards) {
    std::vector<std::pair<const char*, Mesh>> meshes = {{"strand", beachBase()},
                                                        {"hafen", harbourPiece()},
                                                        {"siedlung", settlementPiece()},
                                                        {"stadt", cityPiece()},
                                                        {"weg", roadPiece()}};
    const char* names[6] = {"wald", "schaf", "weizenfeld", "berg", "lehm", "wueste"};
    for (int t = T_FOREST; t <= T_DESERT; t++) meshes.push_back({names[t - 1], landTile(t)});
    for (auto& nm : meshes) {
        SCOPED_TRACE(nm.first);
        const Mesh& m = nm.second;
        float lo[3], hi[3];
        bounds(m, lo, hi);
        int bad = 0, rays = 0;
        const int n = 23;
        for (int i = 0; i < n; i++)
            for (int j = 0; j < n; j++) {
                float a = (i + 0.37f) / n, b = (j + 0.61f) / n;
                float x = lo[0] + a * (hi[0] - lo[0]), y = lo[1] + b * (hi[1] - lo[1]);
                float z = lo[2] + b * (hi[2] - lo[2]);
                float down[3] = {0, 0, -1}, top[3] = {x, y, hi[2] + 10};
                bad += countBackFacingFirstHits(m, top, down);
                rays++;
                // the beach, drawn 10 lower, is seen from above the waves only
                if (std::strcmp(nm.first, "strand") == 0 && z < -4) continue;
                float px[3] = {1, 0, 0}, fromLeft[3] = {lo[0] - 10, y, z};
                float nx[3] = {-1, 0, 0}, fromRight[3] = {hi[0] + 10, y, z};
                float py[3] = {0, 1, 0}, fromFront[3] = {x, lo[1] - 10, z};
                float ny[3] = {0, -1, 0}, fromBack[3] = {x, hi[1] + 10, z};
                bad += countBackFacingFirstHits(m, fromLeft, px);
                bad += countBackFacingFirstHits(m, fromRight, nx);
                bad += countBackFacingFirstHits(m, fromFront, py);
                bad += countBackFacingFirstHits(m, fromBack, ny);
                rays += 4;
            }
        EXPECT_EQ(bad, 0) << "of " << rays << " rays";
        // seen from straight above, the top surface faces up
        for (float y = -20; y <= 20; y += 5)
            for (float x = -20; x <= 20; x += 5) {
                float o[3] = {x + 0.13f, y + 0.29f, hi[2] + 10}, d[3] = {0, 0, -1};
                std::vector<Hit> h = castRay(m, o, d);
                if (h.empty()) continue;
                // sheets drawn from both sides (roof and its underside) coincide
                float up = h[0].nz;
                for (const Hit& k : h)
                    if (k.t < h[0].t + 1e-3f) up = std::fmax(up, k.nz);
                EXPECT_GT(up, 0) << x << ", " << y;
            }
    }
}

TEST(AssetMeshes, FitTheRecordAndTheDrawingBudget) {
    for (const Mesh& m : allTiles()) {
        EXPECT_GE(m.triangles(), 200);
        EXPECT_LE(m.triangles(), 1700);
        EXPECT_LE((int)m.v.size(), MAX_VERTICES);
    }
    for (const Mesh& m :
         {beachBase(), harbourPiece(), settlementPiece(), cityPiece(), roadPiece()}) {
        EXPECT_LE((int)m.v.size(), MAX_VERTICES);
        EXPECT_LE(m.triangles(), 5000);
    }
}

TEST(AssetMeshes, TilesKeepSpotsEdgesAndTheCentreClear) {
    for (int t = T_FOREST; t <= T_DESERT; t++) {
        SCOPED_TRACE(t);
        Mesh m = landTile(t);
        for (int k = 0; k < 6; k++) {
            float cx = hexRadius * std::cos(k * 3.14159265f / 3),
                  cy = hexRadius * std::sin(k * 3.14159265f / 3);
            float sx = hexInradius * std::cos((k + 0.5f) * 3.14159265f / 3);
            float sy = hexInradius * std::sin((k + 0.5f) * 3.14159265f / 3);
            for (const Vtx& v : m.v) {
                if (std::hypot(v.x - cx, v.y - cy) < 7) {
                    EXPECT_LT(v.z, 1.5f) << "near corner " << k;
                }
                if (std::hypot(v.x - sx, v.y - sy) < 5) {
                    EXPECT_LT(v.z, 1.5f) << "near side " << k;
                }
            }
        }
        // the tile's number floats 25 above the centre
        for (const Vtx& v : m.v)
            if (std::hypot(v.x, v.y) < 6) { EXPECT_LT(v.z, 12); }
        float lo[3], hi[3];
        bounds(m, lo, hi);
        EXPECT_LT(hi[2], 20) << "features stay low enough to see the pieces behind them";
    }
}

TEST(AssetMeshes, BeachLiesUnderTheLandAndRunsOutIntoTheSea) {
    Mesh beach = beachBase();
    std::vector<Mesh> tiles = allTiles();
    // tile surfaces near their rim, and every hollow inside, stay above the sand (drawn 10 lower)
    for (auto& c : tileCentres)
        for (float y = -hexInradius + 1.3f; y < hexInradius; y += 4.3f)
            for (float x = -hexRadius + 1.1f; x < hexRadius; x += 4.7f) {
                if (hexInsideDistance(x, y) < 0.3f) continue;
                float sand = topAt(beach, c[0] + x, c[1] + y) - 10;
                for (const Mesh& t : tiles) { EXPECT_LT(sand, topAt(t, x, y) - 0.5f); }
            }
    // all round, beyond the outermost corners: first dry sand, then under the waves
    for (int k = 0; k < 72; k++) {
        float a = k * 3.14159265f / 36, cx = std::cos(a), cy = std::sin(a);
        float edge = 0;
        for (auto& c : tileCentres)
            for (int j = 0; j < 6; j++) {
                float px = c[0] + hexRadius * std::cos(j * 3.14159265f / 3);
                float py = c[1] + hexRadius * std::sin(j * 3.14159265f / 3);
                float along = px * cx + py * cy;
                if (std::fabs(px * cy - py * cx) < 20 && along > edge) edge = along;
            }
        float dry = topAt(beach, (edge + 4) * cx, (edge + 4) * cy);
        EXPECT_GT(dry, -2) << "angle " << k * 5;
        EXPECT_LT(dry, 10) << "angle " << k * 5;
        EXPECT_LT(topAt(beach, 235 * cx, 235 * cy), -4) << "angle " << k * 5;
    }
    // over the hole the drawing leaves in the sea, the sand stays above the highest wave
    const float holeLow = 5.6f * SEA_HOLE_FIRST_ROW - 4.5f - 2000;
    const float holeHigh = 5.6f * SEA_HOLE_LAST_ROW - 4.5f - 2000;
    for (float y = -seaHoleHalfY; y <= seaHoleHalfY; y += 2)
        for (float x = holeLow; x <= holeHigh; x += 2) {
            EXPECT_GT(topAt(beach, x, y), -2) << x << ", " << y;
        }
}

TEST(AssetMeshes, HarboursRunFromTheShoreIntoTheSea) {
    Mesh h = harbourPiece();
    float lo[3], hi[3];
    bounds(h, lo, hi);
    EXPECT_GT(lo[1], -24) << "the quay must stop short of the coast spots at local y -26";
    EXPECT_GT(hi[1], 20);
    EXPECT_LT(hi[2], 10);
    for (const Vtx& v : h.v)
        if (v.y < -16) { EXPECT_LT(v.z, 0) << "nothing over the coast road"; }
    // at every slot the quay lies on dry sand and the jetty's end over open water
    for (auto& s : harbourSlots) {
        float c = std::cos(s[2] * 3.14159265f / 180), sn = std::sin(s[2] * 3.14159265f / 180);
        auto board = [&](float lx, float ly, float& bx, float& by) {
            bx = s[0] + c * lx - sn * ly;
            by = s[1] + sn * lx + c * ly;
        };
        float qx, qy, ex, ey;
        board(0, -12, qx, qy);
        board(0, 24, ex, ey);
        EXPECT_GT(beachHeight(qx, qy), -2) << s[0] << ", " << s[1];
        EXPECT_LT(beachHeight(ex, ey), -5) << s[0] << ", " << s[1];
    }
}

TEST(AssetMeshes, PiecesStandOnTheRimAndFitTheirPlaces) {
    Mesh house = settlementPiece(), city = cityPiece(), road = roadPiece();
    float lo[3], hi[3];
    for (const Mesh* m : {&house, &city, &road}) {
        bounds(*m, lo, hi);
        EXPECT_LE(lo[2], 0);
        EXPECT_GE(lo[2], -0.6f);
    }
    bounds(house, lo, hi);
    float houseTop = hi[2];
    EXPECT_LT(std::fmax(hi[0] - lo[0], hi[1] - lo[1]), 10);
    bounds(city, lo, hi);
    EXPECT_LT(std::fmax(hi[0] - lo[0], hi[1] - lo[1]), 14);
    EXPECT_GT(hi[2], houseTop + 4) << "the city's tower rises over a house";
    // the road's long axis is local y; turned like edges 30, 0 and 2 it lies along their sides
    bounds(road, lo, hi);
    EXPECT_LT(hi[0] - lo[0], 4.5f);
    EXPECT_GT(hi[1] - lo[1], 18);
    EXPECT_LT(hi[1] - lo[1], 26) << "the spots at the ends stay free";
    const float edges[3][7] = {{0, 26, -90, -17, 26, 17, 26},
                               {-22, 117, -30, -17, 130, -28, 105},
                               {22, 117, 30, 17, 130, 28, 105}};
    for (auto& e : edges) {
        float c = std::cos(e[2] * 3.14159265f / 180), s = std::sin(e[2] * 3.14159265f / 180);
        float ax = -s, ay = c; // local +y turned
        float sx = e[5] - e[3], sy = e[6] - e[4], len = std::hypot(sx, sy);
        EXPECT_GT(std::fabs(ax * sx + ay * sy) / len, 0.97f) << "edge at " << e[0] << ", " << e[1];
    }
}
