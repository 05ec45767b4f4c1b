// Whole-record assignment: the copy equals its source byte for byte, whatever both held.
#include <gtest/gtest.h>

#include <cstring>

#include "assets/mesh.h"

namespace {

obj_type a, b;

void scribble(obj_type& r, int seed, int upTo) {
    unsigned char* bytes = reinterpret_cast<unsigned char*>(&r);
    for (int i = 0; i < upTo; i++) bytes[i] = (unsigned char)(i * 31 + seed);
}

TEST(MeshCopy, AssignmentCopiesEveryByte) {
    scribble(a, 1, (int)sizeof(obj_type));
    scribble(b, 2, 5000);
    a = b;
    EXPECT_EQ(0, std::memcmp(&a, &b, sizeof(obj_type)));

    // Back to the empty record: the pages that held data are cleared too.
    static obj_type empty;
    a = empty;
    EXPECT_EQ(0, std::memcmp(&a, &empty, sizeof(obj_type)));
    obj_type& same = a;
    a = same;
    EXPECT_EQ(0, std::memcmp(&a, &empty, sizeof(obj_type)));
}

TEST(MeshCopy, FieldsSurviveInEveryPartOfTheRecord) {
    b.vertex_count = 3;
    b.texture_id = 42;
    b.mapping[MAX_VERTICES - 1] = {0.5f, 0.25f};
    b.polygons[MAX_POLYGONS / 2] = {1, 2, 0};
    a = b;
    EXPECT_EQ(a.vertex_count, 3);
    EXPECT_EQ(a.texture_id, 42);
    EXPECT_EQ(a.mapping[MAX_VERTICES - 1].v, 0.25f);
    EXPECT_EQ(a.polygons[MAX_POLYGONS / 2].b, 2);
    EXPECT_EQ(sizeof(obj_type) % OBJ_PAGE, 0u);
}

} // namespace
