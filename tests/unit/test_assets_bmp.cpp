// The BMP loader: texel order and orientation, texture names, and files it must refuse.
#include "test_assets_files.h"

#include "platform/platform.h"
#include "assets/mesh.h"

struct upload {
    int name, width, height;
    bytes rgba;
};
static std::vector<upload> uploads;

static void captureUpload(int name, int w, int h, const unsigned char* rgba) {
    uploads.push_back({name, w, h, bytes(rgba, rgba + (size_t)w * h * 4)});
}

class LoadBMPTest : public ::testing::Test {
  protected:
    scratch_dir dir;
    void SetUp() override {
        uploads.clear();
        platform.uploadTexture = captureUpload;
    }
    int load(const bytes& contents, std::string* errors = nullptr) {
        std::string path = dir.write("bild.bmp", contents);
        ::testing::internal::CaptureStderr();
        int name = LoadBMP(path.c_str());
        std::string err = ::testing::internal::GetCapturedStderr();
        if (errors) *errors = err;
        return name;
    }
    static bytes texel(const upload& u, int x, int y) {
        size_t i = ((size_t)y * u.width + x) * 4;
        return bytes(u.rgba.begin() + i, u.rgba.begin() + i + 4);
    }
};

TEST_F(LoadBMPTest, BottomRowComesFirstAndBGRBecomesRGBA) {
    // Rows bottom first: (0,0) (1,0), then (0,1) (1,1); each row padded to 8 bytes.
    bytes bgr = {10, 20, 30, 1, 2, 3, /**/ 4, 5, 6, 7, 8, 9};
    ASSERT_EQ(0, load(bmpFile(2, 2, bgr)));
    ASSERT_EQ(1u, uploads.size());
    const upload& u = uploads[0];
    EXPECT_EQ(0, u.name);
    EXPECT_EQ(2, u.width);
    EXPECT_EQ(2, u.height);
    EXPECT_EQ(bytes({30, 20, 10, 255}), texel(u, 0, 0));
    EXPECT_EQ(bytes({3, 2, 1, 255}), texel(u, 1, 0));
    EXPECT_EQ(bytes({6, 5, 4, 255}), texel(u, 0, 1));
    EXPECT_EQ(bytes({9, 8, 7, 255}), texel(u, 1, 1));
}

TEST_F(LoadBMPTest, SixtyFourSquareKeepsItsBottomLeftCorner) {
    bytes bgr(64 * 64 * 3, 200);
    bgr[0] = 10, bgr[1] = 20, bgr[2] = 30;
    ASSERT_EQ(0, load(bmpFile(64, 64, bgr)));
    ASSERT_EQ(1u, uploads.size());
    EXPECT_EQ(bytes({30, 20, 10, 255}), texel(uploads[0], 0, 0));
    EXPECT_EQ(bytes({200, 200, 200, 255}), texel(uploads[0], 63, 63));
}

TEST_F(LoadBMPTest, PaddedRowsTopDownRowsAndLaterPixelDataAreReadCorrectly) {
    // Three pixels a row: 9 bytes and 3 of padding.
    bytes bgr = {1, 1, 1, 2, 2, 2, 3, 3, 3, /**/ 4, 4, 4, 5, 5, 5, 6, 6, 6};
    ASSERT_EQ(0, load(bmpFile(3, 2, bgr)));
    EXPECT_EQ(bytes({4, 4, 4, 255}), texel(uploads[0], 0, 1));
    EXPECT_EQ(bytes({6, 6, 6, 255}), texel(uploads[0], 2, 1));

    // Negative height: the file holds the top row first.
    ASSERT_EQ(1, load(bmpFile(3, -2, bgr)));
    EXPECT_EQ(2, uploads[1].height);
    EXPECT_EQ(bytes({4, 4, 4, 255}), texel(uploads[1], 0, 0));
    EXPECT_EQ(bytes({1, 1, 1, 255}), texel(uploads[1], 0, 1));

    // A colour table of 16 bytes between the headers and the pixels.
    ASSERT_EQ(2, load(bmpFile(3, 2, bgr, 70)));
    EXPECT_EQ(bytes({6, 6, 6, 255}), texel(uploads[2], 2, 1));

    // The last row may lack its padding.
    bytes unpaddedEnd = bmpFile(3, 2, bgr);
    unpaddedEnd.resize(unpaddedEnd.size() - 3);
    ASSERT_EQ(3, load(unpaddedEnd));
    EXPECT_EQ(bytes({6, 6, 6, 255}), texel(uploads[3], 2, 1));
}

TEST_F(LoadBMPTest, NamesCountFromZeroWhetherOrNotTheFileLoads) {
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(-1, LoadBMP(dir.file("fehlt.bmp").c_str()));
    std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(std::string::npos, err.find("Quelvane: Texture not found")) << err;
    EXPECT_EQ(0, num_texture);
    EXPECT_EQ(1, load(bmpFile(2, 2, {})));
    EXPECT_EQ(-1, LoadBMP(nullptr));
    EXPECT_EQ(3, load(bmpFile(2, 2, {})));
    ASSERT_EQ(2u, uploads.size());
    EXPECT_EQ(1, uploads[0].name);
    EXPECT_EQ(3, uploads[1].name);
}

// Each damaged header is patched into a valid 4 x 2 picture.
struct damage {
    const char* what;
    size_t offset;
    bytes patch;
    const char* reason;
};

TEST_F(LoadBMPTest, FilesItCannotReadSafelyAreRefusedWithTheirReasonAndUseUpTheirName) {
    const char* const unsupported = "a bitmap of an unsupported kind";
    const damage cases[] = {
        {"signature", 0, {'P', 'K'}, "not a bitmap"},
        {"pixel offset inside the headers", 10, {40, 0, 0, 0}, "a broken header"},
        {"pixel offset beyond the file", 10, {0, 1, 0, 0}, "cut short"},
        {"core header of 12 bytes", 14, {12, 0, 0, 0}, unsupported},
        {"zero width", 18, {0, 0, 0, 0}, "a broken header"},
        {"negative width", 18, {0xfc, 0xff, 0xff, 0xff}, "a broken header"},
        {"absurd width", 18, {0xa0, 0x86, 0x01, 0x00}, unsupported},
        {"zero height", 22, {0, 0, 0, 0}, "a broken header"},
        {"smallest height", 22, {0, 0, 0, 0x80}, unsupported},
        {"width overflowing the file", 18, {0, 1, 0, 0}, "cut short"},
        {"8 bits with a palette", 28, {8, 0}, unsupported},
        {"32 bits", 28, {32, 0}, unsupported},
        {"run-length compression", 30, {1, 0, 0, 0}, unsupported},
        {"bit fields", 30, {3, 0, 0, 0}, unsupported},
    };
    int expectedName = -1;
    for (const damage& d : cases) {
        SCOPED_TRACE(d.what);
        bytes file = bmpFile(4, 2, bytes(24, 7));
        std::copy(d.patch.begin(), d.patch.end(), file.begin() + d.offset);
        std::string errors;
        EXPECT_EQ(-1, load(file, &errors));
        EXPECT_NE(std::string::npos, errors.find(std::string("Texture damaged (") + d.reason))
            << errors;
        EXPECT_EQ(++expectedName, num_texture);
    }
    bytes cut = bmpFile(4, 2, bytes(24, 7));
    for (size_t size : {cut.size() - 1, (size_t)54, (size_t)53, (size_t)10, (size_t)0}) {
        SCOPED_TRACE(size);
        cut.resize(size);
        std::string errors;
        EXPECT_EQ(-1, load(cut, &errors));
        EXPECT_NE(std::string::npos,
                  errors.find(size ? "Texture damaged (cut short)" : "Texture damaged (empty)"))
            << errors;
    }
    EXPECT_TRUE(uploads.empty());
    EXPECT_EQ(expectedName + 6, load(bmpFile(4, 2, bytes(24, 7))));
}
