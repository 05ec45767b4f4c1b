// The file formats the generator writes: 3DS meshes and 24-bit BMP images for the game, PNG for
// the desktop icon.
#include "assetgen.h"

#include <array>
#include <cstring>

typedef std::vector<unsigned char> Bytes;

static void put16(Bytes& b, unsigned v) {
    b.push_back(v & 0xff);
    b.push_back((v >> 8) & 0xff);
}

static void put32(Bytes& b, uint32_t v) {
    for (int i = 0; i < 4; i++) b.push_back((v >> (8 * i)) & 0xff);
}

static void putFloat(Bytes& b, float f) {
    uint32_t u;
    std::memcpy(&u, &f, 4);
    put32(b, u);
}

// A chunk: id, length including the six-byte header, then the body.
static Bytes chunk(unsigned id, const Bytes& body) {
    Bytes b;
    put16(b, id);
    put32(b, (uint32_t)(body.size() + 6));
    b.insert(b.end(), body.begin(), body.end());
    return b;
}

static void append(Bytes& to, const Bytes& from) {
    to.insert(to.end(), from.begin(), from.end());
}

Bytes encode3DS(const Mesh& m, const char* name) {
    Bytes verts, faces, map;
    put16(verts, (unsigned)m.v.size());
    for (const Vtx& v : m.v) {
        putFloat(verts, v.x);
        putFloat(verts, v.y);
        putFloat(verts, v.z);
    }
    put16(map, (unsigned)m.v.size());
    for (const Vtx& v : m.v) {
        putFloat(map, v.u);
        putFloat(map, v.v);
    }
    put16(faces, (unsigned)m.t.size() / 3);
    for (size_t i = 0; i + 2 < m.t.size(); i += 3) {
        put16(faces, m.t[i]);
        put16(faces, m.t[i + 1]);
        put16(faces, m.t[i + 2]);
        put16(faces, 0x0007); // all three edges visible
    }
    Bytes trimesh;
    append(trimesh, chunk(0x4110, verts));
    append(trimesh, chunk(0x4140, map));
    append(trimesh, chunk(0x4120, faces));

    Bytes object(name, name + std::strlen(name) + 1);
    append(object, chunk(0x4100, trimesh));

    Bytes version, meshVersion;
    put32(version, 3);
    put32(meshVersion, 3);
    Bytes editor = chunk(0x3D3E, meshVersion);
    append(editor, chunk(0x4000, object));

    Bytes main = chunk(0x0002, version);
    append(main, chunk(0x3D3D, editor));
    return chunk(0x4D4D, main);
}

static unsigned char toByte(float c) {
    float v = clampf(c, 0, 1) * 255.0f + 0.5f;
    return (unsigned char)v;
}

Bytes encodeBMP(const Image& img) {
    uint32_t pixels = (uint32_t)(img.w * img.h * 3);
    Bytes b;
    b.push_back('B');
    b.push_back('M');
    put32(b, 54 + pixels); // bfSize
    put32(b, 0);           // reserved
    put32(b, 54);          // bfOffBits
    put32(b, 40);          // biSize
    put32(b, (uint32_t)img.w);
    put32(b, (uint32_t)img.h);
    put16(b, 1);  // planes
    put16(b, 24); // bit count
    put32(b, 0);  // no compression
    put32(b, pixels);
    put32(b, 2835); // 72 dpi
    put32(b, 2835);
    put32(b, 0);
    put32(b, 0);
    for (const Col& c : img.px) {
        b.push_back(toByte(c.b));
        b.push_back(toByte(c.g));
        b.push_back(toByte(c.r));
    }
    return b;
}

static void put32be(Bytes& b, uint32_t v) {
    for (int i = 3; i >= 0; i--) b.push_back((v >> (8 * i)) & 0xff);
}

static uint32_t crc32(const unsigned char* p, size_t n) {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t;
        for (uint32_t i = 0; i < 256; i++) {
            uint32_t c = i;
            for (int k = 0; k < 8; k++) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    uint32_t c = 0xffffffffu;
    for (size_t i = 0; i < n; i++) c = table[(c ^ p[i]) & 0xff] ^ (c >> 8);
    return c ^ 0xffffffffu;
}

static uint32_t adler32(const Bytes& d) {
    uint32_t a = 1, b = 0;
    for (unsigned char c : d) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

// A zlib stream of stored (uncompressed) deflate blocks: the icon is small, and a stored block
// needs no compressor of its own.
static Bytes zlibStored(const Bytes& raw) {
    Bytes z = {0x78, 0x01}; // 32 KB window, no dictionary; 0x7801 is a multiple of 31
    size_t at = 0;
    do {
        size_t n = raw.size() - at < 65535 ? raw.size() - at : 65535;
        z.push_back(at + n == raw.size() ? 1 : 0); // BFINAL on the last block, BTYPE 00
        put16(z, (unsigned)n);
        put16(z, (unsigned)(~n & 0xffff));
        z.insert(z.end(), raw.begin() + at, raw.begin() + at + n);
        at += n;
    } while (at < raw.size());
    put32be(z, adler32(raw));
    return z;
}

static void pngChunk(Bytes& png, const char* type, const Bytes& data) {
    put32be(png, (uint32_t)data.size());
    size_t start = png.size();
    png.insert(png.end(), type, type + 4);
    append(png, data);
    put32be(png, crc32(png.data() + start, png.size() - start));
}

Bytes encodePNG(const Image& img, const std::vector<float>& alpha) {
    Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    Bytes ihdr;
    put32be(ihdr, (uint32_t)img.w);
    put32be(ihdr, (uint32_t)img.h);
    ihdr.insert(ihdr.end(), {8, 6, 0, 0, 0}); // 8 bits, RGBA, deflate, no filter, no interlace
    pngChunk(png, "IHDR", ihdr);
    Bytes raw;
    raw.reserve((size_t)img.h * (1 + 4 * (size_t)img.w));
    // PNG rows run top down; the image's row 0 is its bottom
    for (int y = img.h - 1; y >= 0; y--) {
        raw.push_back(0); // filter: none
        for (int x = 0; x < img.w; x++) {
            const Col& c = img.at(x, y);
            raw.insert(raw.end(), {toByte(c.r), toByte(c.g), toByte(c.b),
                                   toByte(alpha[(size_t)y * img.w + x])});
        }
    }
    pngChunk(png, "IDAT", zlibStored(raw));
    pngChunk(png, "IEND", Bytes());
    return png;
}
