// Builders for small 3DS and BMP files, and a scratch folder the asset tests write them into.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

typedef std::vector<unsigned char> bytes;

inline void putU16(bytes& b, unsigned v) {
    b.push_back(v & 0xff);
    b.push_back((v >> 8) & 0xff);
}

inline void putU32(bytes& b, uint32_t v) {
    for (int i = 0; i < 4; i++) b.push_back((v >> (8 * i)) & 0xff);
}

inline void putFloat(bytes& b, float f) {
    uint32_t bits;
    std::memcpy(&bits, &f, 4);
    putU32(b, bits);
}

inline void append(bytes& b, const bytes& more) {
    b.insert(b.end(), more.begin(), more.end());
}

// A chunk whose length field covers its header and body, unless a length is forced.
inline bytes chunk(unsigned id, const bytes& body, int64_t forcedLength = -1) {
    bytes b;
    putU16(b, id);
    putU32(b, forcedLength >= 0 ? (uint32_t)forcedLength : (uint32_t)(6 + body.size()));
    append(b, body);
    return b;
}

struct test_vertex {
    float x, y, z;
};
struct test_face {
    unsigned a, b, c, flags;
};

inline bytes vertexChunk(const std::vector<test_vertex>& v, int count = -1) {
    bytes body;
    putU16(body, count >= 0 ? (unsigned)count : (unsigned)v.size());
    for (const test_vertex& p : v) {
        putFloat(body, p.x);
        putFloat(body, p.y);
        putFloat(body, p.z);
    }
    return chunk(0x4110, body);
}

inline bytes faceChunk(const std::vector<test_face>& f, const bytes& subChunks = bytes(),
                       int count = -1) {
    bytes body;
    putU16(body, count >= 0 ? (unsigned)count : (unsigned)f.size());
    for (const test_face& t : f) {
        putU16(body, t.a);
        putU16(body, t.b);
        putU16(body, t.c);
        putU16(body, t.flags);
    }
    append(body, subChunks);
    return chunk(0x4120, body);
}

inline bytes mappingChunk(const std::vector<std::pair<float, float>>& uv, int count = -1) {
    bytes body;
    putU16(body, count >= 0 ? (unsigned)count : (unsigned)uv.size());
    for (const auto& m : uv) {
        putFloat(body, m.first);
        putFloat(body, m.second);
    }
    return chunk(0x4140, body);
}

inline bytes objectChunk(const std::string& name, const bytes& children) {
    bytes body(name.begin(), name.end());
    body.push_back(0);
    append(body, children);
    return chunk(0x4000, body);
}

// main > editor > object > mesh > the given lists.
inline bytes meshFile(const std::string& name, const bytes& meshChildren) {
    return chunk(0x4D4D, chunk(0x3D3D, objectChunk(name, chunk(0x4100, meshChildren))));
}

// One counter-clockwise triangle in the z = 0 plane, named after its file.
inline bytes triangleFile(const std::string& name) {
    bytes lists = vertexChunk({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}});
    append(lists, faceChunk({{0, 1, 2, 7}}));
    append(lists, mappingChunk({{0, 0}, {1, 0}, {0, 1}}));
    return meshFile(name, lists);
}

// A 24-bit bitmap with rows padded to four bytes; `bgr` holds the rows bottom first.
inline bytes bmpFile(int w, int h, const bytes& bgr, int offset = 54) {
    int rowBytes = (w * 3 + 3) / 4 * 4;
    int rows = h < 0 ? -h : h;
    bytes b = {'B', 'M'};
    putU32(b, (uint32_t)(offset + rowBytes * rows));
    putU32(b, 0);
    putU32(b, (uint32_t)offset);
    putU32(b, 40);
    putU32(b, (uint32_t)w);
    putU32(b, (uint32_t)h);
    putU16(b, 1);
    putU16(b, 24);
    putU32(b, 0);
    putU32(b, (uint32_t)(rowBytes * rows));
    putU32(b, 2835);
    putU32(b, 2835);
    putU32(b, 0);
    putU32(b, 0);
    b.resize((size_t)offset, 0);
    for (int r = 0; r < rows; r++) {
        for (int x = 0; x < w * 3; x++) {
            size_t i = (size_t)(r * w * 3 + x);
            b.push_back(i < bgr.size() ? bgr[i] : 0);
        }
        for (int p = w * 3; p < rowBytes; p++) b.push_back(0);
    }
    return b;
}

// A fresh folder under the system's temporary directory, removed with everything in it.
struct scratch_dir {
    std::filesystem::path path;
    scratch_dir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "quelvane-XXXXXX").string();
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back(0);
        if (!mkdtemp(name.data())) ADD_FAILURE() << "no scratch folder";
        path = name.data();
    }
    ~scratch_dir() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::string file(const std::string& relative) const { return (path / relative).string(); }
    std::string write(const std::string& relative, const bytes& contents) const {
        std::filesystem::path p = path / relative;
        std::filesystem::create_directories(p.parent_path());
        FILE* f = std::fopen(p.string().c_str(), "wb");
        EXPECT_TRUE(f != nullptr) << p;
        if (f) {
            if (!contents.empty()) std::fwrite(contents.data(), 1, contents.size(), f);
            std::fclose(f);
        }
        return p.string();
    }
};
