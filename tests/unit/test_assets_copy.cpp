// Whole-record assignment: the copy equals its source byte for byte, whatever both held.
#include <gtest/gtest.h>

#include <cstring>

#include "assets/mesh.h"

namespace {

obj_type a, b;

// Fills the first `upTo` bytes; the extent is set afterwards, as the record's writer would.
void scribble(obj_type& r, int seed, int upTo, int extent) {
    unsigned char* bytes = reinterpret_cast<unsigned char*>(&r);
    for (int i = 0; i < upTo; i++) bytes[i] = (unsigned char)(i * 31 + seed);
    r.extent = extent;
}

// Data in every array below `entries`, as a loader leaves it.
void fill(obj_type& r, int entries, float value) {
    r = obj_type();
    for (int i = 0; i < entries; i++) {
        r.vertices[i] = {value, (float)i, 1};
        r.normals[i] = {0, 0, value};
        r.polygons[i] = {i, i, i};
        r.mapping[i] = {value, value};
    }
    r.vertex_count = r.polygon_count = entries;
    markWritten(&r, entries);
}

bool same(const obj_type& x, const obj_type& y) {
    return std::memcmp(&x, &y, sizeof(obj_type)) == 0;
}

TEST(MeshCopy, AssignmentCopiesEveryByte) {
    // Extents outside the capacity are damaged: the arrays may hold data anywhere.
    scribble(a, 1, (int)sizeof(obj_type), -1);
    scribble(b, 2, 5000, MAX_VERTICES + 7);
    a = b;
    EXPECT_TRUE(same(a, b));

    // Back to the empty record: the pages that held data are cleared too.
    static obj_type empty;
    a = empty;
    EXPECT_TRUE(same(a, empty));
    obj_type& self = a;
    a = self;
    EXPECT_TRUE(same(a, empty));

    // Records of different extents, either way round, and onto a damaged one.
    static obj_type big, small;
    fill(big, 3000, 2);
    fill(small, 40, 3);
    a = big;
    EXPECT_TRUE(same(a, big));
    a = small;
    EXPECT_TRUE(same(a, small));
    EXPECT_EQ(0.0f, a.vertices[2999].x) << "the tail beyond the source's extent is zeroed";
    scribble(a, 4, (int)sizeof(obj_type), MAX_VERTICES * 2);
    a = small;
    EXPECT_TRUE(same(a, small));
}

TEST(MeshCopy, FieldsSurviveInEveryPartOfTheRecord) {
    b = obj_type();
    b.vertex_count = 3;
    b.texture_id = 42;
    b.mapping[MAX_VERTICES - 1] = {0.5f, 0.25f};
    b.polygons[MAX_POLYGONS / 2] = {1, 2, 0};
    markWritten(&b, MAX_VERTICES);
    a = b;
    EXPECT_EQ(a.vertex_count, 3);
    EXPECT_EQ(a.texture_id, 42);
    EXPECT_EQ(a.mapping[MAX_VERTICES - 1].v, 0.25f);
    EXPECT_EQ(a.polygons[MAX_POLYGONS / 2].b, 2);
    EXPECT_EQ(a.serial, b.serial) << "a copy keeps the geometry's serial";
    EXPECT_EQ(sizeof(obj_type) % OBJ_PAGE, 0u);
}

TEST(MeshCopy, WritesOnlyGrowTheExtentAndRenewTheSerial) {
    a = obj_type();
    markWritten(&a, 50);
    const int first = a.serial;
    EXPECT_NE(0, first);
    markWritten(&a, 10);
    EXPECT_EQ(50, a.extent);
    EXPECT_NE(first, a.serial);
    markWritten(&a, MAX_VERTICES + 1);
    EXPECT_EQ(MAX_VERTICES, a.extent);
    a.extent = -5;
    markWritten(&a, 3);
    EXPECT_EQ(MAX_VERTICES, a.extent) << "a damaged extent stands for the whole record";
}

} // namespace
