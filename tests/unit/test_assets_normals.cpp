// Vector helpers and the averaged vertex normals, including meshes from damaged files.
#include <gtest/gtest.h>

#include "assets/mesh.h"

#include <cmath>
#include <cstring>

static obj_type mesh;
static obj_type before;

static void setMesh(std::initializer_list<vertex_type> v, std::initializer_list<polygon_type> p) {
    std::memset((void*)&mesh, 0, sizeof(mesh));
    for (const vertex_type& x : v) mesh.vertices[mesh.vertex_count++] = x;
    for (const polygon_type& t : p) mesh.polygons[mesh.polygon_count++] = t;
}

static void expectNormal(int i, float x, float y, float z) {
    SCOPED_TRACE(i);
    EXPECT_NEAR(x, mesh.normals[i].x, 1e-6);
    EXPECT_NEAR(y, mesh.normals[i].y, 1e-6);
    EXPECT_NEAR(z, mesh.normals[i].z, 1e-6);
}

TEST(VectTest, HelpersFollowTheirContracts) {
    p3d_type zero = {0, 0, 0};
    VectNormalize(&zero);
    EXPECT_EQ(0.0f, zero.x);
    EXPECT_EQ(0.0f, zero.z);

    p3d_type x = {1, 0, 0}, y = {0, 1, 0}, out;
    VectDotProduct(&x, &y, &out);
    EXPECT_EQ(0.0f, out.x);
    EXPECT_EQ(0.0f, out.y);
    EXPECT_EQ(1.0f, out.z);
    VectDotProduct(&y, &x, &out);
    EXPECT_EQ(-1.0f, out.z);
    EXPECT_EQ(0.0f, VectScalarProduct(&x, &y));

    p3d_type from = {1, 1, 1}, to = {4, 5, 1};
    VectCreate(&from, &to, &out);
    EXPECT_FLOAT_EQ(0.6f, out.x);
    EXPECT_FLOAT_EQ(0.8f, out.y);
    EXPECT_EQ(0.0f, out.z);
    p3d_type big = {3e20f, 4e20f, 0};
    EXPECT_FLOAT_EQ(5e20f, VectLength(&big)) << "the squares are summed in double precision";
}

TEST(NormalsTest, SingleTriangleFacesItsWinding) {
    setMesh({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {{0, 1, 2}});
    ObjCalcNormals(&mesh);
    for (int i = 0; i < 3; i++) expectNormal(i, 0, 0, 1);
}

TEST(NormalsTest, RightAngledEdgeAveragesWithoutRenormalising) {
    // A floor facing +z and a wall facing -y share the edge from vertex 0 to vertex 1.
    setMesh({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {5, 5, 5}}, {{0, 1, 2}, {0, 1, 3}});
    ObjCalcNormals(&mesh);
    expectNormal(0, 0, -0.5f, 0.5f);
    expectNormal(1, 0, -0.5f, 0.5f);
    p3d_type shared = {mesh.normals[0].x, mesh.normals[0].y, mesh.normals[0].z};
    EXPECT_NEAR(std::sqrt(2.0) / 2, VectLength(&shared), 1e-6);
    expectNormal(2, 0, 0, 1);
    expectNormal(3, 0, -1, 0);
    expectNormal(4, 0, 0, 0);
}

TEST(NormalsTest, DegenerateTriangleCountsWithZeroNormal) {
    setMesh({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {2, 0, 0}}, {{0, 1, 2}, {0, 1, 3}});
    ObjCalcNormals(&mesh);
    expectNormal(0, 0, 0, 0.5f);
    expectNormal(2, 0, 0, 1);
    expectNormal(3, 0, 0, 0);
}

TEST(NormalsTest, OldNormalsAreReplacedAndEmptyMeshUntouched) {
    setMesh({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {{0, 1, 2}});
    mesh.normals[0] = {7, 7, 7};
    ObjCalcNormals(&mesh);
    expectNormal(0, 0, 0, 1);

    setMesh({}, {});
    mesh.normals[0] = {7, 7, 7};
    std::memcpy((void*)&before, &mesh, sizeof(mesh));
    ObjCalcNormals(&mesh);
    EXPECT_EQ(0, std::memcmp(&before, &mesh, sizeof(mesh)));
}

TEST(NormalsTest, CornersOutsideTheVertexListAreNotFollowed) {
    setMesh({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}},
            {{0, 1, 3}, {0, 1, 2}, {65535, 0, 1}, {-1, 0, 1}, {2, 10000, 0}});
    mesh.normals[3] = {7, 7, 7};
    ObjCalcNormals(&mesh);
    for (int i = 0; i < 3; i++) expectNormal(i, 0, 0, 1);
    expectNormal(3, 7, 7, 7);

    // Counts beyond the capacity (only a damaged record has them) are held to it.
    setMesh({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {{0, 1, 2}});
    mesh.vertex_count = 70000;
    mesh.polygon_count = 70000;
    ObjCalcNormals(&mesh);
    expectNormal(1, 0, 0, 1); // vertex 0 also sits in the empty triangles (0, 0, 0)
    setMesh({}, {});
    mesh.vertex_count = -5;
    mesh.polygon_count = -5;
    ObjCalcNormals(&mesh);
    expectNormal(0, 0, 0, 0);
}
