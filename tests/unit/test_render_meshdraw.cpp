// Drawing never follows a malformed mesh record out of its arrays; the sea's pieces.
#include <gtest/gtest.h>

#include <cmath>

#include "assets/catalogue.h"
#include "game/rules.h"
#include "render/meshdraw.h"
#include "render/sea.h"

namespace {

obj_type quad() {
    static obj_type q;
    q = obj_type{};
    q.vertex_count = 4;
    q.polygon_count = 2;
    q.polygons[0] = {3, 2, 0};
    q.polygons[1] = {2, 1, 0};
    return q;
}

} // namespace

TEST(MeshDraw, WellFormedRecordsDrawEveryTriangle) {
    static obj_type q = quad();
    EXPECT_EQ(drawableTriangles(q), 2);
    EXPECT_TRUE(triangleDrawable(q, 0));
    EXPECT_TRUE(triangleDrawable(q, 1));
    static obj_type empty{};
    EXPECT_EQ(drawableTriangles(empty), 0);
    EXPECT_FALSE(triangleDrawable(empty, 0)); // the empty record has no vertices to follow
}

TEST(MeshDraw, CountsOutsideTheCapacityDrawNothing) {
    static obj_type q = quad();
    q.polygon_count = MAX_POLYGONS + 1;
    EXPECT_EQ(drawableTriangles(q), 0);
    q.polygon_count = -3;
    EXPECT_EQ(drawableTriangles(q), 0);
    q.polygon_count = MAX_POLYGONS;
    EXPECT_EQ(drawableTriangles(q), MAX_POLYGONS);
    EXPECT_FALSE(triangleDrawable(q, MAX_POLYGONS));
    EXPECT_FALSE(triangleDrawable(q, -1));
}

TEST(MeshDraw, IndicesBeyondTheStoredVerticesAreSkipped) {
    static obj_type q = quad();
    q.polygons[1] = {2, 4, 0}; // 4 is one past vertex_count
    EXPECT_TRUE(triangleDrawable(q, 0));
    EXPECT_FALSE(triangleDrawable(q, 1));
    q.polygons[1] = {-1, 1, 0};
    EXPECT_FALSE(triangleDrawable(q, 1));

    // A vertex_count over the capacity never lets an index reach past the arrays.
    q.vertex_count = MAX_VERTICES + 50;
    q.polygons[1] = {MAX_VERTICES, 1, 0};
    EXPECT_FALSE(triangleDrawable(q, 1));
    q.polygons[1] = {MAX_VERTICES - 1, 1, 0};
    EXPECT_TRUE(triangleDrawable(q, 1));
}

// The pieces cover the strip inside the sky box's walls exactly once, the hole under the
// island with pieces of its own after the others, every one clockwise in the strip's frame like its
// quads; near the island none spans more than 4 rows; each corner stands at the height of the waves
// there, before and after a step.
TEST(RenderSea, PiecesCoverTheStripInsideTheWallsAndFollowTheWaves) {
    for (int i = 0; i < 720; i++)
        for (int j = 0; j < 2; j++) {
            water[i][j][0] = 5.6f * i - 4.5f;
            water[i][j][1] = 4020.0f * j - 4.5f;
            water[i][j][2] = std::sin(8 * i * 3.14159265f / 180);
        }
    buildSea();
    ASSERT_LT(seaVertexCount, MAX_SEA_VERTICES);
    ASSERT_LT(seaTriangleCount, MAX_SEA_TRIANGLES);
    double area = 0, open = 0;
    for (int t = 0; t < seaTriangleCount; t++) {
        if (t == seaOpenTriangleCount) open = area;
        const float* c[3];
        for (int k = 0; k < 3; k++) c[k] = seaVertices[seaTriangles[t][k]];
        const double twice =
            (c[1][0] - c[0][0]) * (c[2][1] - c[0][1]) - (c[1][1] - c[0][1]) * (c[2][0] - c[0][0]);
        EXPECT_LT(twice, 0) << "piece " << t;
        area -= twice / 2;
        const float low = std::fmin(c[0][0], std::fmin(c[1][0], c[2][0]));
        const float high = std::fmax(c[0][0], std::fmax(c[1][0], c[2][0]));
        if (std::fabs(c[0][0] - 2000) < 200 && std::fabs(c[0][1] - 2000) < 200) {
            EXPECT_LE(high - low, 4 * 5.6f + 0.01f) << "piece " << t;
        }
    }
    const double hole =
        (water[SEA_HOLE_LAST_ROW][0][0] - water[SEA_HOLE_FIRST_ROW][0][0]) * 2 * seaHoleHalfY;
    EXPECT_NEAR(open + hole, 3984.0 * 3984.0, 10.0);
    EXPECT_NEAR(area, 3984.0 * 3984.0, 10.0);
    for (int step = 0; step < 2; step++) {
        for (int v = 0; v < seaVertexCount; v++) {
            const float along = (seaVertices[v][0] + 4.5f) / 5.6f;
            const int row = (int)std::lround(along);
            if (std::fabs(along - row) < 1e-3f) {
                EXPECT_NEAR(seaVertices[v][2], water[row][0][2], 1e-5f) << "corner " << v;
            }
        }
        waterStep(1000000);
        raiseSea();
    }
}
