// The file formats the game reads: 3DS meshes and 24-bit BMP images.
#include "assetgen.h"

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
