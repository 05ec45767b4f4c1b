// The generated model and texture files in the run folder and the desktop icons: formats,
// completeness, determinism.
#include "assetgen.h"
#include "assets/mesh.h"
#include "render/camera.h"
#include "render/overlay.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

typedef std::vector<unsigned char> Bytes;

Bytes readFile(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

uint32_t u16(const Bytes& b, size_t at) {
    return b[at] | (b[at + 1] << 8);
}
uint32_t u32(const Bytes& b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | ((uint32_t)b[at + 3] << 24);
}
uint32_t be32(const Bytes& b, size_t at) {
    return ((uint32_t)b[at] << 24) | (b[at + 1] << 16) | (b[at + 2] << 8) | b[at + 3];
}
float f32(const Bytes& b, size_t at) {
    uint32_t u = u32(b, at);
    float f;
    std::memcpy(&f, &u, 4);
    return f;
}

const char* const modelNames[] = {"strand", "wald",  "schaf",    "weizenfeld", "berg", "lehm",
                                  "wueste", "hafen", "siedlung", "stadt",      "weg",  "ring"};

std::vector<std::string> textureNames() {
    std::vector<std::string> n = {"sand",    "wald",   "schaf",     "weizenfeld", "berg",
                                  "lehm",    "wueste", "hafen",     "wasser",     "top",
                                  "bot",     "3zu1",   "gui",       "bauen",      "knopf2",
                                  "minus",   "plus",   "handelgui", "waehlgui",   "weiss",
                                  "meldung", "punkte", "ende",      "ring",       "einstellungen"};
    for (int i = 1; i <= 4; i++)
        for (const char* s : {"siedlung", "stadt", "weg", "spieler", "side"})
            n.push_back(s + std::to_string(i));
    for (int i = 1; i <= 5; i++) n.push_back("karten" + std::to_string(i));
    for (int i = 1; i <= 6; i++) n.push_back("wuerfel" + std::to_string(i));
    return n;
}

struct Bitmap {
    int w = 0, h = 0;
    std::vector<float> rgb; // row 0 first in the file
    float at(int x, int y, int c) const { return rgb[(y * w + x) * 3 + c]; }
    float luminance(int x0, int y0, int x1, int y1) const {
        double sum = 0;
        for (int y = y0; y < y1; y++)
            for (int x = x0; x < x1; x++)
                sum += 0.2126 * at(x, y, 0) + 0.7152 * at(x, y, 1) + 0.0722 * at(x, y, 2);
        return (float)(sum / ((x1 - x0) * (y1 - y0)));
    }
};

Bitmap loadBitmap(const std::string& name) {
    Bytes b = readFile("texturen/" + name + ".bmp");
    Bitmap bm;
    if (b.size() < 54) return bm;
    bm.w = (int)u32(b, 18);
    bm.h = (int)u32(b, 22);
    if (b.size() < 54 + (size_t)bm.w * bm.h * 3) return Bitmap();
    bm.rgb.resize((size_t)bm.w * bm.h * 3);
    for (size_t i = 0; i < (size_t)bm.w * bm.h; i++)
        for (int c = 0; c < 3; c++) bm.rgb[i * 3 + c] = b[54 + i * 3 + (2 - c)] / 255.0f;
    return bm;
}

bool powerOfTwo(uint32_t v) {
    return v >= 1 && (v & (v - 1)) == 0;
}

// Walks the chunks inside [from, to) and checks that they tile the range exactly.
struct ChunkWalk {
    const Bytes& b;
    std::vector<std::string> errors;
    unsigned vertices = 0, faces = 0, mapping = 0, objects = 0;
    float reach = 0; // the farthest vertex from the model's origin
    bool version = false, meshVersion = false;
    std::string name;

    explicit ChunkWalk(const Bytes& bytes) : b(bytes) {}

    void walk(size_t from, size_t to) {
        size_t at = from;
        while (at < to) {
            if (to - at < 6) {
                errors.push_back("trailing bytes in a chunk");
                return;
            }
            unsigned id = u16(b, at);
            uint32_t len = u32(b, at + 2);
            if (len < 6 || at + len > to) {
                errors.push_back("chunk length out of its parent");
                return;
            }
            body(id, at + 6, at + len);
            at += len;
        }
    }

    void body(unsigned id, size_t from, size_t to) {
        switch (id) {
        case 0x4D4D:
        case 0x3D3D:
        case 0x4100:
            walk(from, to);
            break;
        case 0x0002:
            version = to - from == 4;
            break;
        case 0x3D3E:
            meshVersion = to - from == 4;
            break;
        case 0x4000: {
            size_t end = from;
            while (end < to && b[end] != 0) end++;
            if (end >= to || end - from >= 20) errors.push_back("object name not terminated in 20");
            name.assign(b.begin() + from, b.begin() + end);
            objects++;
            walk(end + 1, to);
            break;
        }
        case 0x4110:
            vertices = u16(b, from);
            if (to - from != 2 + 12 * (size_t)vertices) errors.push_back("vertex list length");
            for (size_t i = 0; i < 3 * (size_t)vertices && from + 2 + 4 * i + 4 <= to; i++)
                if (!std::isfinite(f32(b, from + 2 + 4 * i))) errors.push_back("vertex not finite");
            for (size_t v = 0; v < vertices && from + 14 + 12 * v <= to; v++) {
                const size_t at = from + 2 + 12 * v;
                reach = std::fmax(reach, std::hypot(f32(b, at), f32(b, at + 4), f32(b, at + 8)));
            }
            break;
        case 0x4140:
            mapping = u16(b, from);
            if (to - from != 2 + 8 * (size_t)mapping) errors.push_back("mapping list length");
            break;
        case 0x4120:
            faces = u16(b, from);
            if (to - from < 2 + 8 * (size_t)faces)
                errors.push_back("face list too short");
            else
                walk(from + 2 + 8 * (size_t)faces, to);
            break;
        default:
            errors.push_back("unexpected chunk");
        }
    }
};

} // namespace

TEST(AssetFiles, EveryModelIsAWellFormed3dsMesh) {
    for (const char* name : modelNames) {
        SCOPED_TRACE(name);
        Bytes b = readFile(std::string("models/") + name + ".3ds");
        ASSERT_GE(b.size(), 6u);
        EXPECT_EQ(u16(b, 0), 0x4D4Du);
        EXPECT_EQ(u32(b, 2), b.size()) << "main chunk must span the file";
        ChunkWalk w(b);
        w.walk(0, b.size());
        for (const std::string& e : w.errors) { ADD_FAILURE() << e; }
        EXPECT_TRUE(w.version);
        EXPECT_TRUE(w.meshVersion);
        EXPECT_EQ(w.objects, 1u);
        EXPECT_EQ(w.name, name);
        EXPECT_GT(w.faces, 0u);
        EXPECT_LE(w.vertices, (unsigned)MAX_VERTICES);
        EXPECT_LE(w.faces, (unsigned)MAX_POLYGONS);
        EXPECT_EQ(w.mapping, w.vertices) << "one texture coordinate per vertex";
        // A land tile's number stands on its centre, drawn nearer the eye by more than any
        // of the tile's models reaches from there, so that none of them hides it.
        for (const char* land : {"wald", "schaf", "weizenfeld", "berg", "lehm", "wueste"})
            if (std::string(land) == name) {
                EXPECT_LT(w.reach + numberHalfSize, numberPullDistance);
                EXPECT_GT(w.reach, 25) << "the tile reaches its corners";
            }
    }
}

TEST(AssetFiles, FaceIndicesStayBelowTheVertexCount) {
    for (const char* name : modelNames) {
        SCOPED_TRACE(name);
        Bytes b = readFile(std::string("models/") + name + ".3ds");
        // flat scan in the loader's manner: containers are entered, the rest skipped
        size_t at = 0;
        unsigned vertices = 0;
        bool sawFaces = false;
        while (at + 6 <= b.size()) {
            unsigned id = u16(b, at);
            uint32_t len = u32(b, at + 2);
            ASSERT_GE(len, 6u);
            if (id == 0x4D4D || id == 0x3D3D || id == 0x4100) {
                at += 6;
                continue;
            }
            if (id == 0x4000) {
                at += 6;
                while (at < b.size() && b[at] != 0) at++;
                at++;
                continue;
            }
            if (id == 0x4110) vertices = u16(b, at + 6);
            if (id == 0x4120) {
                sawFaces = true;
                unsigned n = u16(b, at + 6);
                for (unsigned i = 0; i < n; i++) {
                    unsigned a = u16(b, at + 8 + 8 * i), c1 = u16(b, at + 10 + 8 * i),
                             c2 = u16(b, at + 12 + 8 * i);
                    ASSERT_LT(a, vertices);
                    ASSERT_LT(c1, vertices);
                    ASSERT_LT(c2, vertices);
                    EXPECT_TRUE(a != c1 && c1 != c2 && a != c2) << "triangle " << i;
                }
            }
            at += len;
        }
        EXPECT_EQ(at, b.size());
        EXPECT_TRUE(sawFaces);
    }
}

TEST(AssetFiles, EveryTextureIsAnUnpadded24BitBitmap) {
    for (const std::string& name : textureNames()) {
        SCOPED_TRACE(name);
        Bytes b = readFile("texturen/" + name + ".bmp");
        ASSERT_GE(b.size(), 54u);
        EXPECT_EQ(b[0], 'B');
        EXPECT_EQ(b[1], 'M');
        uint32_t w = u32(b, 18), h = u32(b, 22);
        EXPECT_EQ(u32(b, 2), b.size()) << "bfSize";
        EXPECT_EQ(u32(b, 10), 54u) << "bfOffBits";
        EXPECT_EQ(u32(b, 14), 40u) << "biSize";
        EXPECT_EQ(u16(b, 26), 1u) << "planes";
        EXPECT_EQ(u16(b, 28), 24u) << "bit count";
        EXPECT_EQ(u32(b, 30), 0u) << "compression";
        EXPECT_EQ(u32(b, 34), w * h * 3) << "biSizeImage";
        EXPECT_TRUE(powerOfTwo(w) && powerOfTwo(h)) << w << " x " << h;
        EXPECT_EQ(w * 3 % 4, 0u) << "rows must need no padding";
        EXPECT_EQ(b.size(), 54 + (size_t)w * h * 3);
    }
}

TEST(AssetFiles, GeneratorGivesTheSameBytesEveryRun) {
    std::vector<AssetFile> first = buildAllAssets(), second = buildAllAssets();
    ASSERT_EQ(first.size(), second.size());
    EXPECT_EQ(first.size(), sizeof(modelNames) / sizeof(modelNames[0]) + textureNames().size());
    for (size_t i = 0; i < first.size(); i++) {
        SCOPED_TRACE(first[i].path);
        EXPECT_EQ(first[i].path, second[i].path);
        EXPECT_TRUE(first[i].bytes == second[i].bytes);
        EXPECT_TRUE(readFile(first[i].path) == first[i].bytes) << "run folder differs";
    }
}

// The hicolor icons: every size as a PNG with chunks of valid CRCs, the pixels in stored deflate
// blocks framed as zlib wants them, transparent corners round an opaque island; one SVG; the
// files written match.
TEST(AssetFiles, IconsAreRgbaPngsInStoredDeflateBlocks) {
    auto crc = [](const unsigned char* p, size_t n) {
        uint32_t c = 0xffffffffu;
        for (size_t i = 0; i < n; i++) {
            c ^= p[i];
            for (int k = 0; k < 8; k++) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1)));
        }
        return ~c;
    };
    std::vector<AssetFile> icons = buildIcons();
    std::vector<std::string> paths;
    for (const AssetFile& icon : icons) paths.push_back(icon.path);
    std::vector<std::string> want;
    for (const char* size : {"16", "32", "48", "64", "128", "256"})
        want.push_back(std::string("hicolor/") + size + "x" + size + "/apps/quelvane.png");
    want.push_back("hicolor/scalable/apps/quelvane.svg");
    ASSERT_EQ(paths, want) << "the sizes a software centre and the desktop look for";
    for (const AssetFile& icon : icons) {
        SCOPED_TRACE(icon.path);
        const Bytes& b = icon.bytes;
        EXPECT_TRUE(readFile(std::string(QUELVANE_ICON_DIR) + "/" + icon.path) == b)
            << "icon folder differs";
        if (icon.path.find(".svg") != std::string::npos) {
            std::string svg(b.begin(), b.end());
            EXPECT_NE(svg.find("<svg xmlns=\"http://www.w3.org/2000/svg\""), std::string::npos);
            EXPECT_NE(svg.find("viewBox=\"0 0 256 256\""), std::string::npos);
            EXPECT_EQ(svg.find("nan"), std::string::npos);
            EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");
            continue;
        }
        const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
        ASSERT_GE(b.size(), 8u);
        EXPECT_EQ(std::memcmp(b.data(), signature, 8), 0);
        uint32_t size = (uint32_t)std::stoul(icon.path.substr(std::string("hicolor/").size()));

        std::vector<std::string> types;
        Bytes z;
        size_t at = 8;
        while (at + 12 <= b.size()) {
            uint32_t len = be32(b, at);
            ASSERT_LE(at + 12 + len, b.size());
            std::string type(b.begin() + at + 4, b.begin() + at + 8);
            EXPECT_EQ(be32(b, at + 8 + len), crc(&b[at + 4], len + 4)) << type;
            if (type == "IHDR") {
                ASSERT_EQ(len, 13u);
                EXPECT_EQ(be32(b, at + 8), size);
                EXPECT_EQ(be32(b, at + 12), size);
                EXPECT_TRUE(Bytes(b.begin() + at + 16, b.begin() + at + 21) ==
                            Bytes({8, 6, 0, 0, 0}))
                    << "8-bit RGBA, deflate, no filter method, no interlace";
            }
            if (type == "IDAT") z.insert(z.end(), b.begin() + at + 8, b.begin() + at + 8 + len);
            types.push_back(type);
            at += 12 + len;
        }
        EXPECT_EQ(at, b.size());
        EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
        EXPECT_EQ(be32(b, b.size() - 4), 0xAE426082u) << "every PNG ends in the same IEND CRC";

        ASSERT_GE(z.size(), 6u);
        EXPECT_EQ(z[0] & 0x0f, 8) << "deflate";
        EXPECT_EQ((z[0] * 256 + z[1]) % 31, 0) << "zlib header check bits";
        EXPECT_EQ(z[1] & 0x20, 0) << "no preset dictionary";
        Bytes raw;
        size_t p = 2;
        for (bool last = false; !last;) {
            ASSERT_LE(p + 5, z.size() - 4);
            last = z[p] & 1;
            EXPECT_EQ(z[p] & 6, 0) << "stored block";
            uint32_t len = u16(z, p + 1);
            EXPECT_EQ(len ^ u16(z, p + 3), 0xffffu) << "NLEN is the complement of LEN";
            ASSERT_LE(p + 5 + len, z.size() - 4);
            raw.insert(raw.end(), z.begin() + p + 5, z.begin() + p + 5 + len);
            p += 5 + len;
        }
        ASSERT_EQ(p + 4, z.size()) << "the Adler-32 follows the last block";
        uint32_t a = 1, s = 0;
        for (unsigned char c : raw) {
            a = (a + c) % 65521;
            s = (s + a) % 65521;
        }
        EXPECT_EQ(be32(z, p), (s << 16) | a);

        const size_t row = 1 + 4 * (size_t)size;
        ASSERT_EQ(raw.size(), size * row);
        for (size_t y = 0; y < size; y++) EXPECT_EQ(raw[y * row], 0) << "filter of row " << y;
        auto alpha = [&](size_t x, size_t y) { return raw[y * row + 1 + 4 * x + 3]; };
        EXPECT_EQ(alpha(0, 0), 0);
        EXPECT_EQ(alpha(size - 1, size - 1), 0);
        EXPECT_EQ(alpha(size / 2, size / 2), 255);
    }
}

// The box faces with their corners and texture coordinates as the scene draws them; along each
// of the box's edges the two faces that meet there must show nearly the same colour.
TEST(AssetTextures, SkyBoxFacesMatchAlongTheirEdges) {
    struct Face {
        const char* name;
        float corner[4][3];
        float st[4][2];
    };
    const float S = 1;
    const Face faces[6] = {
        {"side3",
         {{-S, -S, -S}, {-S, S, -S}, {-S, S, S}, {-S, -S, S}},
         {{0, 0}, {1, 0}, {1, 1}, {0, 1}}},
        {"bot",
         {{-S, S, -S}, {-S, -S, -S}, {S, -S, -S}, {S, S, -S}},
         {{1, 0}, {1, 1}, {0, 1}, {0, 0}}},
        {"side4",
         {{S, S, -S}, {S, S, S}, {-S, S, S}, {-S, S, -S}},
         {{1, 0}, {1, 1}, {0, 1}, {0, 0}}},
        {"top", {{-S, S, S}, {S, S, S}, {S, -S, S}, {-S, -S, S}}, {{1, 1}, {0, 1}, {0, 0}, {1, 0}}},
        {"side2",
         {{-S, -S, -S}, {-S, -S, S}, {S, -S, S}, {S, -S, -S}},
         {{1, 0}, {1, 1}, {0, 1}, {0, 0}}},
        {"side1",
         {{S, -S, -S}, {S, -S, S}, {S, S, S}, {S, S, -S}},
         {{1, 0}, {1, 1}, {0, 1}, {0, 0}}},
    };
    Bitmap img[6];
    for (int f = 0; f < 6; f++) {
        img[f] = loadBitmap(faces[f].name);
        ASSERT_GT(img[f].w, 0) << faces[f].name;
    }
    // (s, t) of a point on face f: the corners are axis-aligned, so each of s and t follows one
    // coordinate linearly
    auto stOf = [&](int f, const float* p, float& s, float& t) {
        const Face& F = faces[f];
        for (int k = 0; k < 2; k++) {
            float* out = k == 0 ? &s : &t;
            for (int axis = 0; axis < 3; axis++) {
                int i0 = 0, i1 = -1;
                for (int c = 1; c < 4; c++)
                    if (F.corner[c][axis] != F.corner[0][axis] && F.st[c][k] != F.st[0][k] &&
                        std::fabs(F.corner[c][(axis + 1) % 3] - F.corner[0][(axis + 1) % 3]) +
                                std::fabs(F.corner[c][(axis + 2) % 3] -
                                          F.corner[0][(axis + 2) % 3]) <
                            1e-6f)
                        i1 = c;
                if (i1 < 0) continue;
                float a =
                    (p[axis] - F.corner[i0][axis]) / (F.corner[i1][axis] - F.corner[i0][axis]);
                *out = F.st[i0][k] + a * (F.st[i1][k] - F.st[i0][k]);
            }
        }
    };
    auto onFace = [&](int f, const float* p) {
        const Face& F = faces[f];
        for (int axis = 0; axis < 3; axis++) {
            bool flat = true;
            for (int c = 1; c < 4; c++) flat = flat && F.corner[c][axis] == F.corner[0][axis];
            if (flat) return std::fabs(p[axis] - F.corner[0][axis]) < 1e-5f;
        }
        return false;
    };
    auto sample = [&](int f, float s, float t, int c) {
        const Bitmap& b = img[f];
        int x = (int)clampf(s * b.w, 0, b.w - 1), y = (int)clampf(t * b.h, 0, b.h - 1);
        return b.at(x, y, c);
    };
    int edgesChecked = 0;
    for (int a = 0; a < 6; a++)
        for (int b = a + 1; b < 6; b++) {
            // the shared edge, if any: the corners both faces have
            std::vector<const float*> shared;
            for (int c = 0; c < 4; c++)
                if (onFace(b, faces[a].corner[c])) shared.push_back(faces[a].corner[c]);
            if (shared.size() != 2) continue;
            edgesChecked++;
            double diff = 0;
            const int n = 64;
            for (int i = 0; i < n; i++) {
                float k = (i + 0.5f) / n, p[3];
                for (int j = 0; j < 3; j++) p[j] = shared[0][j] + k * (shared[1][j] - shared[0][j]);
                float sa = 0, ta = 0, sb = 0, tb = 0;
                stOf(a, p, sa, ta);
                stOf(b, p, sb, tb);
                for (int c = 0; c < 3; c++)
                    diff += std::fabs(sample(a, sa, ta, c) - sample(b, sb, tb, c));
            }
            EXPECT_LT(diff / (3 * n), 0.04) << faces[a].name << " against " << faces[b].name;
        }
    EXPECT_EQ(edgesChecked, 12);
}

TEST(AssetTextures, PanelsUnderTheOverlayTextsStayDark) {
    // white and yellow texts are drawn over these; they must not wash out
    Bitmap bar = loadBitmap("gui"), trade = loadBitmap("handelgui"), opts = loadBitmap("waehlgui");
    Bitmap button = loadBitmap("knopf2");
    ASSERT_GT(bar.w, 0);
    ASSERT_GT(button.w, 0);
    float barLum = bar.luminance(0, 0, bar.w, bar.h);
    EXPECT_LT(barLum, 0.25f);
    EXPECT_LT(trade.luminance(16, 16, trade.w - 16, trade.h - 16), 0.25f);
    EXPECT_LT(opts.luminance(16, 16, opts.w - 16, opts.h - 16), 0.25f);
    float face = button.luminance(button.w / 4, button.h / 4, button.w * 3 / 4, button.h * 3 / 4);
    EXPECT_LT(face, 0.5f);
    EXPECT_GT(face, barLum + 0.1f) << "the button must still stand out from the dark bar";

    // Texts in a seat's colour keep a contrast of at least 4.5:1 (the usual threshold for
    // text) against the colour of the panel behind them. Regions in texture pixels, rows
    // counted from the bottom.
    auto relative = [](const float* c) {
        float l[3];
        for (int k = 0; k < 3; k++)
            l[k] = c[k] <= 0.04045f ? c[k] / 12.92f : std::pow((c[k] + 0.055f) / 1.055f, 2.4f);
        return 0.2126f * l[0] + 0.7152f * l[1] + 0.0722f * l[2];
    };
    struct Behind {
        const char* texture;
        int x0, y0, x1, y1;
        const float (*colours)[3];
    } behind[] = {
        {"gui", 106, 79, 177, 113, seatOnPanel},   // the name plate in the bar
        {"gui", 420, 14, 644, 111, seatOnPanel},   // the bar's middle panel: the message line
        {"meldung", 16, 10, 496, 54, seatOnPanel}, // the message strip above it
        {"punkte", 16, 16, 240, 112, seatOnPanel}, // the scoreboard
        {"ende", 30, 30, 482, 226, seatOnPanel},   // the end screen
        {"knopf2", 16, 12, 112, 52, seatOnButton}, // seat selection and trade partners
    };
    for (const Behind& b : behind) {
        Bitmap panel = loadBitmap(b.texture);
        ASSERT_GE(panel.w, b.x1);
        float mean[3] = {};
        for (int y = b.y0; y < b.y1; y++)
            for (int x = b.x0; x < b.x1; x++)
                for (int c = 0; c < 3; c++) mean[c] += panel.at(x, y, c);
        for (float& c : mean) c /= (float)((b.x1 - b.x0) * (b.y1 - b.y0));
        for (int p = 1; p <= 4; p++) {
            const float text = relative(b.colours[p]), back = relative(mean);
            EXPECT_GE((text + 0.05f) / (back + 0.05f), 4.5f) << "seat " << p << " on " << b.texture;
        }
    }
}

TEST(AssetTextures, CardsAndPlayerColoursAreDistinct) {
    auto meanColour = [](const Bitmap& b, float* out) {
        for (int c = 0; c < 3; c++) {
            double sum = 0;
            for (int y = b.h / 5; y < b.h * 4 / 5; y++)
                for (int x = b.w / 5; x < b.w * 4 / 5; x++) sum += b.at(x, y, c);
            out[c] = (float)(sum / ((b.h * 3 / 5) * (b.w * 3 / 5)));
        }
    };
    for (const char* family : {"karten", "spieler"}) {
        int count = std::string(family) == "karten" ? 5 : 4;
        float mean[5][3];
        for (int i = 0; i < count; i++) {
            Bitmap b = loadBitmap(family + std::to_string(i + 1));
            ASSERT_GT(b.w, 0);
            meanColour(b, mean[i]);
        }
        for (int i = 0; i < count; i++)
            for (int j = i + 1; j < count; j++) {
                float d = std::fabs(mean[i][0] - mean[j][0]) + std::fabs(mean[i][1] - mean[j][1]) +
                          std::fabs(mean[i][2] - mean[j][2]);
                EXPECT_GT(d, 0.15f) << family << " " << i + 1 << " and " << j + 1;
            }
    }
    // players 1 red, 2 blue, 3 green: the named channel leads
    float m[3];
    for (int p = 0; p < 3; p++) {
        meanColour(loadBitmap("spieler" + std::to_string(p + 1)), m);
        int lead = p == 0 ? 0 : (p == 1 ? 2 : 1);
        for (int c = 0; c < 3; c++)
            if (c != lead) { EXPECT_GT(m[lead], m[c] + 0.2f) << "spieler" << p + 1; }
    }
}
