// The BMP texture loader: 24-bit uncompressed bitmaps to RGBA textures with fixed names.
#include "mesh.h"

#include "platform/platform.h"

#include <cstdio>
#include <cstdlib>

int num_texture = -1;

enum { BMP_HEADERS_SIZE = 54, BMP_INFO_MIN = 40, BMP_MAX_SIDE = 16384 };

// Where and how the pixels of a bitmap lie in its file.
struct bmp_layout {
    long offset;   // first byte of the first row in the file
    int width;     // pixels per row
    int height;    // rows
    bool topDown;  // rows stored from the top (negative height in the header)
    long rowBytes; // a row with its padding to a multiple of four bytes
};

static unsigned int fieldU16(const unsigned char* p) {
    return p[0] | (unsigned int)p[1] << 8;
}

static unsigned int fieldU32(const unsigned char* p) {
    return p[0] | (unsigned int)p[1] << 8 | (unsigned int)p[2] << 16 | (unsigned int)p[3] << 24;
}

// Only what can be read safely and correctly is accepted: a "BM" file with an information
// header of 40 bytes or more, 24 bits per pixel, no compression, sane dimensions and every
// row present. A colour table before the pixels is passed over through the data offset.
// Returns why a file is refused, or null.
static const char* readLayout(FILE* f, bmp_layout* out) {
    unsigned char h[BMP_HEADERS_SIZE];
    const size_t got = std::fread(h, 1, sizeof(h), f);
    if (got == 0) return "empty";
    if (got >= 2 && (h[0] != 'B' || h[1] != 'M')) return "not a bitmap";
    if (got != sizeof(h)) return "cut short";
    long offset = (long)fieldU32(h + 10);
    long infoSize = (long)fieldU32(h + 14);
    long width = (long)(int)fieldU32(h + 18);
    long height = (long)(int)fieldU32(h + 22);
    if (infoSize < BMP_INFO_MIN) return "a bitmap of an unsupported kind: an old header";
    if (fieldU16(h + 28) != 24) return "a bitmap of an unsupported kind: not 24 bits a pixel";
    if (fieldU32(h + 30) != 0) return "a bitmap of an unsupported kind: compressed";
    if (offset < 14 + infoSize) return "a broken header";
    bool topDown = height < 0;
    if (topDown) height = -height;
    if (width < 1 || height < 1) return "a broken header";
    if (width > BMP_MAX_SIDE || height > BMP_MAX_SIDE)
        return "a bitmap of an unsupported kind: too large";

    long rowBytes = (width * 3 + 3) / 4 * 4;
    long length = sysFileLength(f);
    if (length < 0 || offset + rowBytes * (height - 1) + width * 3 > length) return "cut short";
    *out = {offset, (int)width, (int)height, topDown, rowBytes};
    return nullptr;
}

// Texture row 0 (v = 0) is the bottom row of the picture, which a normal bitmap stores first.
static unsigned char* readPixels(FILE* f, const bmp_layout& layout) {
    size_t pixels = (size_t)layout.width * layout.height;
    unsigned char* rgba = (unsigned char*)std::calloc(pixels, 4);
    unsigned char* row = (unsigned char*)std::malloc(layout.rowBytes);
    bool complete = rgba && row && std::fseek(f, layout.offset, SEEK_SET) == 0;
    for (int r = 0; complete && r < layout.height; r++) {
        size_t want = r + 1 < layout.height ? layout.rowBytes : (size_t)layout.width * 3;
        if (std::fread(row, 1, want, f) != want) {
            complete = false;
            break;
        }
        int texRow = layout.topDown ? layout.height - 1 - r : r;
        unsigned char* texel = rgba + (size_t)texRow * layout.width * 4;
        for (int x = 0; x < layout.width; x++, texel += 4) {
            texel[0] = row[x * 3 + 2];
            texel[1] = row[x * 3 + 1];
            texel[2] = row[x * 3];
            texel[3] = 255;
        }
    }
    std::free(row);
    if (!complete) {
        std::free(rgba);
        return nullptr;
    }
    return rgba;
}

// A file that cannot be used is reported with its reason; the name is used up either way,
// so the names of all later textures do not depend on which files loaded.
int LoadBMP(const char* filename) {
    num_texture++;
    if (!filename) return -1;
    FILE* f = std::fopen(filename, "rb");
    if (!f) {
        sysErrorBox("Texture not found", filename);
        return -1;
    }
    bmp_layout layout;
    const char* damage = readLayout(f, &layout);
    unsigned char* rgba = damage ? nullptr : readPixels(f, layout);
    std::fclose(f);
    if (!rgba) {
        char text[120];
        std::snprintf(text, sizeof text, "Texture damaged (%s)", damage ? damage : "unreadable");
        sysErrorBox(text, filename);
        return -1;
    }
    platform.uploadTexture(num_texture, layout.width, layout.height, rgba);
    std::free(rgba);
    return num_texture;
}
