// Drawing never follows a malformed mesh record out of its arrays.
#include <gtest/gtest.h>

#include "render/meshdraw.h"

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
