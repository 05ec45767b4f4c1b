// The 3DS loader against small files: chunk walking, capacities, damaged lengths, the trace.
#include "test_assets_files.h"

#include "assets/mesh.h"

#include <cmath>

static obj_type mesh; // records are far too large for the stack
static obj_type before;

class Load3DSTest : public ::testing::Test {
  protected:
    scratch_dir dir;
    void SetUp() override { std::memset((void*)&mesh, 0, sizeof(mesh)); }
    char load(const bytes& contents) {
        std::string path = dir.write("mesh.3ds", contents);
        return Load3DS(&mesh, path.c_str());
    }
    // Loads with the trace and the error reports captured.
    char loadQuietly(const bytes& contents, std::string* errors = nullptr) {
        ::testing::internal::CaptureStdout();
        ::testing::internal::CaptureStderr();
        char result = load(contents);
        ::testing::internal::GetCapturedStdout();
        std::string err = ::testing::internal::GetCapturedStderr();
        if (errors) *errors = err;
        return result;
    }
};

TEST_F(Load3DSTest, ReadsNameListsAndSkipsUnknownChunksByLength) {
    // The unknown chunk's body looks like a vertices list; reading into it would spoil the mesh.
    bytes decoy = vertexChunk({{99, 99, 99}});
    bytes lists = vertexChunk({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}});
    append(lists, chunk(0x4160, decoy));
    bytes materialGroup = chunk(0x4130, {'m', 0, 1, 0, 0, 0});
    append(lists, faceChunk({{0, 1, 2, 0xabcd}, {2, 1, 0, 0x7}}, materialGroup));
    append(lists, mappingChunk({{0.5f, 0.25f}, {1, 0}, {0, 1}}));
    bytes top = chunk(0x0002, {3, 0, 0, 0}); // version
    append(top, chunk(0x3D3D, objectChunk("hexfeld", chunk(0x4100, lists))));
    bytes file = chunk(0x4D4D, top);
    append(file, chunk(0xB000, bytes(40, 0x41))); // keyframes at the end

    mesh.texture_id = 12;
    ASSERT_EQ(1, loadQuietly(file));
    EXPECT_STREQ("hexfeld", mesh.name);
    ASSERT_EQ(3, mesh.vertex_count);
    EXPECT_EQ(2, mesh.polygon_count);
    EXPECT_EQ(4.0f, mesh.vertices[1].x);
    EXPECT_EQ(9.0f, mesh.vertices[2].z);
    EXPECT_EQ(0.0f, mesh.vertices[3].x);
    EXPECT_EQ(2, mesh.polygons[0].c);
    EXPECT_EQ(2, mesh.polygons[1].a);
    EXPECT_EQ(0, mesh.polygons[1].c);
    EXPECT_EQ(0, mesh.polygons[2].a) << "face flags must not become a triangle";
    EXPECT_EQ(0.25f, mesh.mapping[0].v);
    EXPECT_EQ(1.0f, mesh.mapping[2].v);
    EXPECT_EQ(12, mesh.texture_id);
    EXPECT_EQ(0.0f, mesh.normals[0].z);
}

TEST_F(Load3DSTest, TracesEveryChunkAndValue) {
    bytes lists = vertexChunk({{1.5f, -2, 0}});
    append(lists, faceChunk({{0, 0, 0, 0x1f}}));
    append(lists, mappingChunk({{0.25f, 1}}));
    bytes file = chunk(0x4D4D, chunk(0x4100, lists));
    ::testing::internal::CaptureStdout();
    ASSERT_EQ(1, load(file));
    EXPECT_EQ("ChunkID: 4d4d\nChunkLength: 40\n"
              "ChunkID: 4100\nChunkLength: 3a\n"
              "ChunkID: 4110\nChunkLength: 14\nNumber of vertices: 1\n"
              "Vertices list x: 1.500000\nVertices list y: -2.000000\nVertices list z: 0.000000\n"
              "ChunkID: 4120\nChunkLength: 10\nNumber of polygons: 1\n"
              "Polygon point a: 0\nPolygon point b: 0\nPolygon point c: 0\nFace flags: 1f\n"
              "ChunkID: 4140\nChunkLength: 10\n"
              "Mapping list u: 0.250000\nMapping list v: 1.000000\n",
              ::testing::internal::GetCapturedStdout());
}

TEST_F(Load3DSTest, MissingFileAndNullNameFailAndLeaveTheRecord) {
    mesh.vertex_count = 5;
    mesh.vertices[0] = {1, 2, 3};
    std::memcpy((void*)&before, &mesh, sizeof(mesh));
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(0, Load3DS(&mesh, dir.file("nowhere.3ds").c_str()));
    std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(std::string::npos, err.find("Quelvane: 3DS file not found")) << err;
    EXPECT_EQ(0, Load3DS(&mesh, nullptr));
    EXPECT_EQ(0, std::memcmp(&before, &mesh, sizeof(mesh)));
}

TEST_F(Load3DSTest, MainChunkAloneKeepsTheCounts) {
    mesh.vertex_count = 5;
    mesh.polygon_count = 7;
    ASSERT_EQ(1, loadQuietly(chunk(0x4D4D, {})));
    EXPECT_EQ(5, mesh.vertex_count);
    EXPECT_EQ(7, mesh.polygon_count);
}

TEST_F(Load3DSTest, VertexCapacityIsTenThousand) {
    std::vector<test_vertex> full(10000, test_vertex{1, 1, 1});
    full.back() = {3, 4, 5};
    ASSERT_EQ(1, loadQuietly(meshFile("voll", vertexChunk(full))));
    EXPECT_EQ(10000, mesh.vertex_count);
    EXPECT_EQ(5.0f, mesh.vertices[9999].z);

    std::vector<test_vertex> over(10001, test_vertex{2, 2, 2});
    std::string errors;
    EXPECT_EQ(0, loadQuietly(meshFile("zuviel", vertexChunk(over)), &errors));
    EXPECT_NE(std::string::npos, errors.find("Number of vertices too high")) << errors;
    EXPECT_EQ(0, mesh.vertex_count) << "a rejected count must not stay in the record";
    EXPECT_EQ(5.0f, mesh.vertices[9999].z) << "nothing of the rejected list is read";
}

TEST_F(Load3DSTest, PolygonCapacityIsTenThousand) {
    std::vector<test_face> full(10000, test_face{0, 1, 2, 0});
    bytes corners = vertexChunk({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}});
    append(corners, faceChunk(full));
    ASSERT_EQ(1, loadQuietly(meshFile("voll", corners)));
    EXPECT_EQ(10000, mesh.polygon_count);
    EXPECT_EQ(2, mesh.polygons[9999].c);

    bytes lists = faceChunk(std::vector<test_face>(10001, test_face{0, 0, 0, 0}));
    append(lists, vertexChunk({{1, 1, 1}})); // never reached
    std::string errors;
    EXPECT_EQ(0, loadQuietly(meshFile("zuviel", lists), &errors));
    EXPECT_NE(std::string::npos, errors.find("Number of polygons too high")) << errors;
    EXPECT_EQ(0, mesh.polygon_count);
    EXPECT_EQ(0, mesh.vertex_count);
}

TEST_F(Load3DSTest, ShortMappingListKeepsTheRestAndLongOneIsCut) {
    for (int i = 0; i < 4; i++) mesh.mapping[i] = {9, 9};
    ASSERT_EQ(1, loadQuietly(meshFile("kurz", mappingChunk({{0.5f, 0.5f}, {0.75f, 0.75f}}))));
    EXPECT_EQ(0.75f, mesh.mapping[1].u);
    EXPECT_EQ(9.0f, mesh.mapping[2].u);
    EXPECT_EQ(9.0f, mesh.mapping[3].v);

    // 10005 pairs: the first 10000 are kept, the rest passed over so the next list is found.
    std::vector<std::pair<float, float>> uv(10005, {0.125f, 0.5f});
    uv[9999] = {0.25f, 0.75f};
    bytes lists = mappingChunk(uv);
    append(lists, vertexChunk({{6, 7, 8}}));
    ASSERT_EQ(1, loadQuietly(meshFile("lang", lists)));
    EXPECT_EQ(0.75f, mesh.mapping[9999].v);
    EXPECT_EQ(1, mesh.vertex_count);
    EXPECT_EQ(8.0f, mesh.vertices[0].z);

    // The pairs beyond vertex_count are part of the record and travel with its copies.
    before = mesh;
    EXPECT_EQ(0, std::memcmp(&before, &mesh, sizeof(mesh)));
}

// A damaged file is named with its reason and leaves no part of a mesh to be drawn.
TEST_F(Load3DSTest, DamagedFilesAreRefusedWithTheirReasonAndLeaveNoMesh) {
    bytes lengthBelowHeader = chunk(0x4D4D, vertexChunk({{1, 2, 3}}));
    append(lengthBelowHeader, chunk(0x1234, bytes(12, 0), 5));
    append(lengthBelowHeader, vertexChunk({{4, 5, 6}, {7, 8, 9}}));
    bytes pastTheEnd = chunk(0x4D4D, vertexChunk({{1, 2, 3}}));
    append(pastTheEnd, chunk(0x1234, bytes(4, 0), 0xfffffff0u));
    bytes cutShort = meshFile("halb", vertexChunk({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}));
    cutShort.resize(cutShort.size() - 8); // cuts vertex 2 after its x
    bytes insideAHeader = chunk(0x4D4D, {});
    append(insideAHeader, {0x10, 0x41, 0x20});
    bytes longList = vertexChunk({{1, 2, 3}}, 2); // two vertices in a chunk that holds one
    append(longList, chunk(0x1234, bytes(12, 0)));
    bytes missingCorner = vertexChunk({{1, 2, 3}, {4, 5, 6}});
    append(missingCorner, faceChunk({{0, 1, 2, 0}}));
    const struct {
        bytes file;
        const char* reason;
    } damaged[] = {
        {{}, "empty"},
        {bytes(40, 'x'), "not a 3DS file"},
        {lengthBelowHeader, "a chunk shorter than its header"},
        {chunk(0x4D4D, vertexChunk({{1, 2, 3}}), 2), "a chunk shorter than its header"},
        {pastTheEnd, "a chunk longer than the file"},
        {cutShort, "cut short"},
        {insideAHeader, "cut short"},
        {meshFile("lang", longList), "a list longer than its chunk"},
        {meshFile("ecke", missingCorner), "a triangle names a missing vertex"},
    };
    for (const auto& d : damaged) {
        SCOPED_TRACE(d.reason);
        mesh.vertex_count = mesh.polygon_count = 1;
        std::string errors;
        EXPECT_EQ(0, loadQuietly(d.file, &errors));
        EXPECT_NE(std::string::npos,
                  errors.find(std::string("Quelvane: 3DS file damaged (") + d.reason + "): "))
            << errors;
        EXPECT_EQ(0, mesh.vertex_count);
        EXPECT_EQ(0, mesh.polygon_count);
    }
}

TEST_F(Load3DSTest, LastObjectWinsAndListsStartAgainAtZero) {
    bytes first = objectChunk("erstes", chunk(0x4100, vertexChunk({{1, 1, 1}, {2, 2, 2}})));
    bytes second = objectChunk("zweites", chunk(0x4100, vertexChunk({{3, 3, 3}})));
    bytes editor = first;
    append(editor, second);
    ASSERT_EQ(1, loadQuietly(chunk(0x4D4D, chunk(0x3D3D, editor))));
    EXPECT_STREQ("zweites", mesh.name);
    EXPECT_EQ(1, mesh.vertex_count);
    EXPECT_EQ(3.0f, mesh.vertices[0].x);
    EXPECT_EQ(2.0f, mesh.vertices[1].x);
}

TEST_F(Load3DSTest, OverlongNameIsCutAndTheChunksAfterItStillRead) {
    ASSERT_EQ(1, loadQuietly(meshFile("einsehrlangerobjektname", vertexChunk({{1, 2, 3}}))));
    EXPECT_EQ(0, std::memcmp("einsehrlangerobjekt", mesh.name, 19));
    EXPECT_EQ(1, mesh.vertex_count);
    EXPECT_EQ(3.0f, mesh.vertices[0].z);

    ASSERT_EQ(1, loadQuietly(meshFile("zwanzigzeichenlang!!", vertexChunk({{4, 5, 6}}))));
    EXPECT_EQ(6.0f, mesh.vertices[0].z);
}
