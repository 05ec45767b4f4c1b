// The scene catalogue: load order and texture names, fixed slots, panels, water, the bound.
#include "test_assets_files.h"

#include "platform/language.h"
#include "platform/platform.h"
#include "assets/catalogue.h"
#include "game/state.h"

#include <cmath>
#include <map>
#include <unistd.h>

static const char* const modelFiles[] = {"strand",   "wald",  "schaf",  "weizenfeld",
                                         "berg",     "lehm",  "wueste", "hafen",
                                         "siedlung", "stadt", "weg",    "ring"};

static const char* const textureFiles[] = {
    "sand",     "wald",      "schaf",     "weizenfeld", "berg",      "lehm",     "wueste",
    "hafen",    "siedlung1", "siedlung2", "siedlung3",  "siedlung4", "stadt1",   "stadt2",
    "stadt3",   "stadt4",    "weg1",      "weg2",       "weg3",      "weg4",     "spieler1",
    "spieler2", "spieler3",  "spieler4",  "wasser",     "top",       "bot",      "side1",
    "side2",    "side3",     "side4",     "karten1",    "karten2",   "karten3",  "karten4",
    "karten5",  "3zu1",      "gui",       "knopf2",     "minus",     "plus",     "bauen",
    "wuerfel1", "wuerfel2",  "wuerfel3",  "wuerfel4",   "wuerfel5",  "wuerfel6", "handelgui",
    "waehlgui", "weiss",     "meldung",   "punkte",     "ende",      "ring",     "einstellungen",
    "en/bauen"};
static const int textureFileCount = sizeof(textureFiles) / sizeof(textureFiles[0]);

// Which file each uploaded texture name came from: every test picture is coloured by the
// index of its file in textureFiles.
static std::map<int, std::string> uploadedFrom;

static void recordUpload(int name, int, int, const unsigned char* rgba) {
    int index = rgba[0];
    uploadedFrom[name] = index < textureFileCount ? textureFiles[index] : "?";
}

class CatalogueTest : public ::testing::Test {
  protected:
    scratch_dir dir;
    std::string home;
    void SetUp() override {
        for (const char* m : modelFiles)
            dir.write(std::string("models/") + m + ".3ds", triangleFile(m));
        for (int i = 0; i < textureFileCount; i++) {
            bytes bgr(12, 0);
            for (int p = 0; p < 4; p++) bgr[p * 3 + 2] = (unsigned char)i;
            dir.write(std::string("texturen/") + textureFiles[i] + ".bmp", bmpFile(2, 2, bgr));
        }
        char cwd[4096];
        ASSERT_TRUE(getcwd(cwd, sizeof(cwd)));
        home = cwd;
        ASSERT_EQ(0, chdir(dir.path.c_str()));
        platform.uploadTexture = recordUpload;
        uploadedFrom.clear();
        winPoints = 10;
    }
    void TearDown() override { EXPECT_EQ(0, chdir(home.c_str())); }
    void remove(const std::string& relative) { std::filesystem::remove(dir.path / relative); }
    // A run of the start-up loading as the game does it, once per program.
    void init() {
        num_texture = -1;
        uploadedFrom.clear();
        ::testing::internal::CaptureStdout();
        ::testing::internal::CaptureStderr();
        initScene();
        ::testing::internal::GetCapturedStdout();
        errors = ::testing::internal::GetCapturedStderr();
    }
    std::string fileOf(const obj_type& record) {
        auto found = uploadedFrom.find(record.texture_id);
        return found == uploadedFrom.end() ? "none" : found->second;
    }
    std::string errors;
};

// Every record and fixed slot that gets a texture, with the picture it must show.
struct textured {
    const obj_type* record;
    const char* file;
};

static const textured texturedRecords[] = {
    {&objectF0, "sand"},         {&objectF3, "weizenfeld"},
    {&objectF7, "hafen"},        {&object1, "siedlung1"},
    {&object8, "stadt4"},        {&object10, "weg2"},
    {&objectB1, "spieler1"},     {&objectB6, "spieler2"},
    {&objectB12, "spieler4"},    {&buildV[3], "spieler1"},
    {&buildV[8], "spieler2"},    {&buildV[13], "spieler4"},
    {&portV[0], "karten2"},      {&portV[1], "3zu1"},
    {&portV[2], "3zu1"},         {&portV[3], "karten5"},
    {&portV[4], "karten1"},      {&portV[5], "3zu1"},
    {&portV[6], "karten3"},      {&portV[7], "karten4"},
    {&portV[8], "3zu1"},         {&interfaceV[0], "gui"},
    {&interfaceV[1], "karten1"}, {&interfaceV[3], "karten3"},
    {&interfaceV[5], "karten5"}, {&interfaceV[9], "knopf2"},
    {&interfaceV[10], "knopf2"}, {&interfaceV[50], "handelgui"},
    {&interfaceV[51], "knopf2"}, {&interfaceV[52], "knopf2"},
    {&interfaceV[55], "knopf2"}, {&interfaceV[63], "knopf2"},
    {&interfaceV[64], "knopf2"}, {&tradeV[0], "karten1"},
    {&tradeV[2], "karten3"},     {&tradeV[4], "karten5"},
    {&tradeV[5], "minus"},       {&tradeV[6], "plus"},
    {&diceV[0], "wuerfel1"},     {&diceV[5], "wuerfel6"},
    {&pointerV[19], "weiss"},    {&playerV[0], "spieler1"},
    {&playerV[3], "spieler4"},   {&interface0, "gui"},
    {&interface1, "karten5"},    {&interface2, "bauen"},
    {&interface3, "spieler4"},   {&interface4, "knopf2"},
    {&interface5, "handelgui"},  {&interface6, "knopf2"},
    {&interface7, "plus"},       {&interface8, "handelgui"},
    {&interfaceW, "3zu1"},       {&interfaceOpB, "knopf2"},
    {&interfaceOp, "waehlgui"},  {&interfaceP, "spieler1"},
};

// The first catalogue's pictures take the names 0-76; the panels and models added later follow
// them.
TEST_F(CatalogueTest, EveryFilePresentGivesNamesZeroToSeventySixInTableOrder) {
    init();
    EXPECT_EQ("", errors);
    EXPECT_EQ(81, num_texture);
    ASSERT_EQ(82u, uploadedFrom.size());
    EXPECT_EQ("ring", fileOf(objectRing));
    EXPECT_EQ("meldung", fileOf(interfaceStrip));
    EXPECT_EQ("ende", fileOf(interfaceEnd));
    EXPECT_EQ(interface4.texture_id, interfaceWide.texture_id) << "the wide button's picture";
    EXPECT_EQ(0, objectF0.texture_id);
    EXPECT_EQ(31, objectB12.texture_id);
    EXPECT_EQ(32, sky[0]);
    EXPECT_EQ(39, portV[4].texture_id);
    EXPECT_EQ(76, interfaceP.texture_id);

    const char* skyFiles[7] = {"wasser", "bot", "top", "side3", "side4", "side2", "side1"};
    for (int k = 0; k < 7; k++) EXPECT_EQ(skyFiles[k], uploadedFrom[sky[k]]) << k;
    for (const textured& t : texturedRecords)
        EXPECT_EQ(t.file, fileOf(*t.record)) << "texture " << t.record->texture_id;

    EXPECT_STREQ("weizenfeld", objectF3.name);
    EXPECT_STREQ("stadt", objectB7.name);
    EXPECT_FLOAT_EQ(1.0f, objectF5.normals[2].z) << "normals are computed on loading";

    // In English the cost card shows its English picture under the same name; nothing else
    // changes.
    std::snprintf(language, sizeof language, "en");
    init();
    EXPECT_EQ(81, num_texture);
    EXPECT_EQ("en/bauen", fileOf(interface2));
    EXPECT_EQ("knopf2", fileOf(interface4));
    EXPECT_EQ(76, interfaceP.texture_id);
}

TEST_F(CatalogueTest, BuildMenuSlotsAreWholeCopiesOfTheirPrototypes) {
    init();
    const obj_type* menu[15] = {nullptr,   nullptr,    nullptr,    &objectB9, &objectB1,
                                &objectB5, &objectB10, &objectB2,  &objectB6, &objectB11,
                                &objectB3, &objectB7,  &objectB12, &objectB4, &objectB8};
    for (int i = 3; i < 15; i++)
        EXPECT_EQ(0, std::memcmp(menu[i], &buildV[i], sizeof(obj_type))) << "buildV " << i;
    EXPECT_EQ(0, buildV[0].vertex_count) << "entries 0-2 are left for play";
    EXPECT_EQ(0, modelV[0].vertex_count);
}

TEST_F(CatalogueTest, MissingTextureLeavesMinusOneAndAllOtherNamesAlone) {
    init();
    std::vector<int> present;
    for (const textured& t : texturedRecords) present.push_back(t.record->texture_id);

    remove("texturen/karten3.bmp");
    init();
    EXPECT_EQ(3u, std::count(errors.begin(), errors.end(), '\n')) << errors;
    EXPECT_NE(std::string::npos, errors.find("Texture not found: texturen/karten3.bmp"));
    EXPECT_EQ(81, num_texture);
    EXPECT_EQ(-1, portV[6].texture_id);
    EXPECT_EQ(-1, interfaceV[3].texture_id);
    EXPECT_EQ(-1, tradeV[2].texture_id);
    for (size_t i = 0; i < present.size(); i++) {
        const obj_type* r = texturedRecords[i].record;
        if (r == &portV[6] || r == &interfaceV[3] || r == &tradeV[2]) continue;
        EXPECT_EQ(present[i], r->texture_id) << texturedRecords[i].file;
    }
}

// A missing or damaged model is named with its reason, and a block of its size in its texture
// stands where it belongs; the game goes on.
TEST_F(CatalogueTest, MissingOrDamagedModelIsReportedAndABlockStandsInItsPlace) {
    remove("models/stadt.3ds");
    bytes cut = triangleFile("wald");
    cut.resize(cut.size() - 5);
    dir.write("models/wald.3ds", cut);
    dir.write("models/weg.3ds", chunk(0x4D4D, {}));
    init();
    EXPECT_NE(std::string::npos, errors.find("3DS file not found: models/stadt.3ds"));
    EXPECT_NE(std::string::npos, errors.find("3DS file damaged (cut short): models/wald.3ds"));
    EXPECT_NE(std::string::npos, errors.find("3DS file damaged (no triangles): models/weg.3ds"));
    for (const obj_type* o : {&object5, &buildV[5], &objectF1, &object9}) {
        EXPECT_GT(o->polygon_count, 0);
        for (int i = 0; i < o->vertex_count; i++)
            EXPECT_LE(std::fabs(o->vertices[i].x) + std::fabs(o->vertices[i].y), 45.0f);
    }
    EXPECT_EQ(8, object5.vertex_count) << "a box";
    EXPECT_EQ(12, objectF1.vertex_count) << "a hexagonal prism";
    EXPECT_EQ(12, object5.texture_id);
    EXPECT_EQ(3, object1.vertex_count);
    EXPECT_EQ(76, interfaceP.texture_id);
}

TEST_F(CatalogueTest, WaterIsAStripWithOneWaveEveryFortyFiveRows) {
    init();
    EXPECT_FLOAT_EQ(-4.5f, water[0][0][0]);
    EXPECT_FLOAT_EQ(-4.5f, water[0][0][1]);
    EXPECT_FLOAT_EQ(0.0f, water[0][0][2]);
    EXPECT_NEAR(0.0, water[45][1][2], 1e-6);
    EXPECT_NEAR(0.99939, water[11][0][2], 1e-5);
    EXPECT_NEAR(water[11][0][2], water[11 + 45][1][2], 1e-5);
    EXPECT_FLOAT_EQ(4015.5f, water[0][1][1]);
    EXPECT_NEAR(5.6 * 719 - 4.5, water[719][0][0], 1e-3);
    EXPECT_NEAR(std::sin(8.0 * 719 * 3.141592654 / 180), water[719][1][2], 1e-6);
}

// The panels hold their geometry before initScene: rectangles facing +z, texture corners at
// the rectangle's corners.
TEST(PanelTest, QuadsAndPointerFaceTheViewer) {
    const obj_type* quads[] = {&interface0, &interface1, &interface2,   &interface3,
                               &interface4, &interface5, &interface6,   &interface7,
                               &interface8, &interfaceW, &interfaceOpB, &interfaceOp};
    for (const obj_type* q : quads) {
        ASSERT_EQ(4, q->vertex_count);
        ASSERT_EQ(2, q->polygon_count);
        EXPECT_EQ(0, q->texture_id);
        EXPECT_EQ(0, q->name[0]);
        float w = q->vertices[1].x, h = q->vertices[1].y;
        EXPECT_GT(w, 0);
        EXPECT_GT(h, 0);
        for (int i = 0; i < 4; i++) {
            const vertex_type& v = q->vertices[i];
            EXPECT_EQ(w, std::fabs(v.x));
            EXPECT_EQ(h, std::fabs(v.y));
            EXPECT_EQ(0.0f, v.z);
            EXPECT_FLOAT_EQ((v.x / w + 1) / 2, q->mapping[i].u);
            EXPECT_FLOAT_EQ((v.y / h + 1) / 2, q->mapping[i].v);
            EXPECT_EQ(0.0f, q->normals[i].z);
        }
        for (int t = 0; t < 2; t++) {
            const polygon_type& p = q->polygons[t];
            const vertex_type &a = q->vertices[p.a], &b = q->vertices[p.b], &c = q->vertices[p.c];
            float z = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
            EXPECT_GT(z, 0) << "triangle " << t << " must be counter-clockwise";
        }
    }
    EXPECT_FLOAT_EQ(2.5f, interface0.vertices[1].x);
    EXPECT_FLOAT_EQ(0.08f, interfaceOpB.vertices[1].y);

    ASSERT_EQ(3, interfaceP.vertex_count);
    ASSERT_EQ(1, interfaceP.polygon_count);
    const polygon_type& p = interfaceP.polygons[0];
    const vertex_type &a = interfaceP.vertices[p.a], &b = interfaceP.vertices[p.b],
                      &c = interfaceP.vertices[p.c];
    EXPECT_GT((b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x), 0);
    EXPECT_EQ(0.0f, interfaceP.vertices[2].y) << "tip at the origin";
    EXPECT_EQ(5.0f, interfaceP.mapping[2].u);
}

// The generated game files, when the run folder has them, load completely.
TEST(GameAssetsTest, RunFolderFilesAllLoad) {
    std::filesystem::path run = QUELVANE_RUN_DIR;
    if (!std::filesystem::exists(run / "models") || !std::filesystem::exists(run / "texturen"))
        GTEST_SKIP() << "no generated assets in " << run;
    ASSERT_EQ(0, chdir(run.c_str()));
    int uploaded = 0;
    static int* counter = &uploaded;
    platform.uploadTexture = [](int, int, int, const unsigned char*) { ++*counter; };
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    initScene();
    ::testing::internal::GetCapturedStdout();
    EXPECT_EQ("", ::testing::internal::GetCapturedStderr());
    EXPECT_EQ(82, uploaded);
    const obj_type* models[] = {&objectF0, &objectF1, &objectF2, &objectF3, &objectF4, &objectF5,
                                &objectF6, &objectF7, &object1,  &object5,  &object9};
    for (const obj_type* m : models) {
        EXPECT_GT(m->vertex_count, 0);
        EXPECT_GT(m->polygon_count, 0);
        for (int i = 0; i < m->polygon_count; i++) {
            const polygon_type& t = m->polygons[i];
            ASSERT_TRUE(t.a < m->vertex_count && t.b < m->vertex_count && t.c < m->vertex_count);
        }
    }
}
