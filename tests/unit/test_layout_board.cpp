// The board's placement tables against the board topology: spots at tile corners, edges on
// the sides between their spots, markers and signs above what they belong to, and each tile's
// number on its own tile from every camera.
#include <gtest/gtest.h>

#include <cmath>

#include "game/board.h"
#include "game/view.h"
#include "render/camera.h"
#include "render/layout.h"

namespace {

const float kPi = 3.14159265f;
// Corner distance of a hexagon whose neighbouring centres lie 51.9 apart.
const float kCornerRadius = 51.9f / std::sqrt(3.0f);

float distance2d(const float* a, const float* b) {
    return std::hypot(a[0] - b[0], a[1] - b[1]);
}

// Distance from point p to the nearest corner of land tile t (corners at 0, 60, ... degrees).
float nearestCorner(const float* p, int t) {
    float best = 1e9f;
    for (int c = 0; c < 6; c++) {
        const float a = c * kPi / 3;
        const float corner[2] = {positionM[t][0] + kCornerRadius * std::cos(a),
                                 positionM[t][1] + kCornerRadius * std::sin(a)};
        best = std::fmin(best, distance2d(p, corner));
    }
    return best;
}

bool listed(const int* tiles, int n, int t) {
    for (int i = 0; i < n; i++)
        if (tiles[i] == t) return true;
    return false;
}

} // namespace

TEST(LayoutBoard, LandTilesFormTheHexLattice) {
    // Every land tile has between three and six neighbours at 51.9, and none nearer.
    for (int t = 0; t < 19; t++) {
        int neighbours = 0;
        for (int u = 0; u < 19; u++) {
            if (u == t) continue;
            const float d = distance2d(positionM[t], positionM[u]);
            EXPECT_GT(d, 51.0f) << "tiles " << t << " and " << u << " overlap";
            if (d < 52.5f) neighbours++;
        }
        EXPECT_GE(neighbours, 3) << "tile " << t;
        EXPECT_EQ(positionM[t][2], 0) << "tile " << t;
        EXPECT_EQ(positionM[t][3], 0) << "tile " << t;
    }
    EXPECT_EQ(positionM[28][2], -10); // the beach base lies below the land
}

TEST(LayoutBoard, EachSpotSitsAtACornerOfExactlyItsTiles) {
    for (int s = 0; s < 54; s++) {
        EXPECT_EQ(positionH[s][2], 0) << "spot " << s;
        for (int t = 0; t < 19; t++) {
            const bool near = nearestCorner(positionH[s], t) < 4.0f;
            EXPECT_EQ(near, listed(spotTiles[s], 3, t))
                << "spot " << s << " and tile " << t << " disagree with the topology";
        }
    }
}

TEST(LayoutBoard, EachEdgeLiesOnTheSideBetweenItsSpots) {
    for (int e = 0; e < 72; e++) {
        const float* a = positionH[availableCheck2[e][0]];
        const float* b = positionH[availableCheck2[e][1]];
        const float mid[2] = {(a[0] + b[0]) / 2, (a[1] + b[1]) / 2};
        EXPECT_LT(distance2d(positionS[e], mid), 4.0f) << "edge " << e;
        EXPECT_EQ(positionS[e][2], 0) << "edge " << e;

        // The turn carries the road's local +y to (-sin, cos): it must run along a to b,
        // within the few degrees that the whole-number spots allow.
        const float turn = positionS[e][3] * kPi / 180;
        const float along[2] = {-std::sin(turn), std::cos(turn)};
        const float side[2] = {b[0] - a[0], b[1] - a[1]};
        const float cross = along[0] * side[1] - along[1] * side[0];
        EXPECT_LT(std::fabs(cross) / std::hypot(side[0], side[1]), 0.2f)
            << "edge " << e << " is turned across its side";
    }
}

TEST(LayoutBoard, RollMarkersHangAboveTheirTiles) {
    for (int t = 0; t < 19; t++) {
        EXPECT_EQ(positionP[t][0], positionM[t][0]) << "marker " << t;
        EXPECT_EQ(positionP[t][1], positionM[t][1]) << "marker " << t;
        EXPECT_EQ(positionP[t][2], 30) << "marker " << t;
    }
    EXPECT_LT(positionP[19][2], positionM[28][2] + 1); // the fixed marker hides below the beach
}

// From every camera a person can reach (tilts 10 to 90, any turn, distances 50 to 500, shifts
// of 100 either way), each tile's number is seen on its own tile: its centre, projected through
// the drawing's camera and frustum, lies inside the projected outline of the tile. Tiles that
// reach behind the near plane are left out, as they are cut there.
TEST(LayoutBoard, TileNumbersStandOnTheirOwnTilesFromEveryCamera) {
    struct View {
        float rX, rY, zoom, trans1;
    };
    const View views[] = {
        {30, 0, -300, 0},    {90, 0, -380, 0},    {30, 0, -50, 0},       {90, 0, -50, 0},
        {10, 0, -500, 0},    {10, 45, -300, 100}, {10, 137, -50, -100},  {50, 210, -150, 0},
        {70, 300, -500, 60}, {14, 77, -100, 0},   {86, 190, -220, -100}, {10, 250, -54, 40},
    };
    // Normalised device x and y of a board point; false behind the near plane.
    auto project = [](const float* m, const float* p, float* out) {
        float e[3];
        for (int r = 0; r < 3; r++)
            e[r] = m[r] * p[0] + m[4 + r] * p[1] + m[8 + r] * p[2] + m[12 + r];
        if (e[2] > -2) return false;
        out[0] = 2 * e[0] / (2.5f * -e[2]);
        out[1] = 2 * e[1] / (2.0f * -e[2]);
        return true;
    };
    int checked = 0;
    for (const View& v : views) {
        rX = v.rX, rY = v.rY, zoom = v.zoom, trans1 = v.trans1, trans2 = 0;
        float m[16];
        boardToEye(m);
        for (int t = 0; t < 19; t++) {
            float anchor[3], centre[2], outline[6][2];
            tileNumberAnchor(t, anchor);
            bool seen = project(m, anchor, centre);
            for (int c = 0; c < 6; c++) {
                const float corner[3] = {positionM[t][0] + kCornerRadius * std::cos(c * kPi / 3),
                                         positionM[t][1] + kCornerRadius * std::sin(c * kPi / 3),
                                         0};
                seen = project(m, corner, outline[c]) && seen;
            }
            if (!seen) continue;
            // Inside a convex outline: on the same side of all six sides.
            int left = 0, right = 0;
            for (int c = 0; c < 6; c++) {
                const float* a = outline[c];
                const float* b = outline[(c + 1) % 6];
                const float cross =
                    (b[0] - a[0]) * (centre[1] - a[1]) - (b[1] - a[1]) * (centre[0] - a[0]);
                (cross > 0 ? left : right)++;
            }
            EXPECT_TRUE(left == 6 || right == 6)
                << "tile " << t << " from rX " << v.rX << ", rY " << v.rY << ", zoom " << v.zoom;
            const float pull = tileNumberPull(m, t);
            EXPECT_TRUE(pull > 0 && pull <= 1) << "tile " << t;
            checked++;
        }
    }
    EXPECT_GT(checked, 200);
    EXPECT_GT(numberPullDistance, 0);
}

TEST(LayoutBoard, HarbourSignsFloatOverTheirPiecesBesideTheirSpots) {
    for (int h = 0; h < 9; h++) {
        EXPECT_LT(distance2d(positionW[h], positionM[19 + h]), 8.0f) << "sign " << h;
        EXPECT_EQ(positionW[h][2], 30) << "sign " << h;

        // The sign nearest to the harbour's two spots must be its own.
        const float* a = positionH[harbourSpots[h][0]];
        const float* b = positionH[harbourSpots[h][1]];
        const float mid[2] = {(a[0] + b[0]) / 2, (a[1] + b[1]) / 2};
        int nearest = 0;
        for (int g = 1; g < 9; g++)
            if (distance2d(positionW[g], mid) < distance2d(positionW[nearest], mid)) nearest = g;
        EXPECT_EQ(nearest, h) << "harbour " << h << " has its sign elsewhere";
    }
}

TEST(LayoutBoard, HarbourPiecesFaceAwayFromTheLand) {
    // Unturned, a piece faces +y (slot 27 on the far side of the land); a turn of a about z
    // carries that to (-sin a, cos a), which must point away from the centre for every piece.
    for (int i = 19; i <= 27; i++) {
        const float a = positionM[i][3] * kPi / 180;
        const float out[2] = {-std::sin(a), std::cos(a)};
        const float fromCentre[2] = {positionM[i][0], positionM[i][1]};
        const float dot = out[0] * fromCentre[0] + out[1] * fromCentre[1];
        EXPECT_GT(dot, 0) << "harbour piece " << i;
    }
}
