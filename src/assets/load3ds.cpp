// The 3DS mesh loader: walks the chunk stream of a file and fills one mesh record.
#include "mesh.h"

#include "platform/platform.h"

#include <cstdio>
#include <cstring>

enum {
    CHUNK_MAIN = 0x4D4D,
    CHUNK_EDITOR = 0x3D3D,
    CHUNK_OBJECT = 0x4000,
    CHUNK_TRIMESH = 0x4100,
    CHUNK_VERTICES = 0x4110,
    CHUNK_FACES = 0x4120,
    CHUNK_MAPPING = 0x4140,
};
enum { CHUNK_HEADER_SIZE = 6, NAME_SIZE = sizeof(obj_type::name), MAPPING_SIZE = 8 };

// How reading a chunk's contents ended: fully read, cut short by the end of the file (what was
// read is kept), or refused because a count is over the capacity.
enum chunk_result { CHUNK_READ, CHUNK_EOF, CHUNK_REJECTED };

static bool readU16(FILE* f, unsigned int* out) {
    unsigned char b[2];
    if (std::fread(b, 1, 2, f) != 2) return false;
    *out = b[0] | (unsigned int)b[1] << 8;
    return true;
}

static bool readU32(FILE* f, unsigned int* out) {
    unsigned char b[4];
    if (std::fread(b, 1, 4, f) != 4) return false;
    *out = b[0] | (unsigned int)b[1] << 8 | (unsigned int)b[2] << 16 | (unsigned int)b[3] << 24;
    return true;
}

static bool readFloat(FILE* f, float* out) {
    unsigned int bits;
    if (!readU32(f, &bits)) return false;
    std::memcpy(out, &bits, sizeof(*out));
    return true;
}

// A name of 20 characters or more fills the whole field; the rest of it, up to its NUL, is
// skipped so that the next chunk header is read where it really starts.
static chunk_result readName(FILE* f, char* name) {
    for (int i = 0; i < NAME_SIZE; i++) {
        int c = std::fgetc(f);
        if (c == EOF) return CHUNK_EOF;
        name[i] = (char)c;
        if (c == 0) return CHUNK_READ;
    }
    int c;
    while ((c = std::fgetc(f)) != EOF && c != 0) {}
    return c == EOF ? CHUNK_EOF : CHUNK_READ;
}

// A rejected count is not kept: the record is left with no vertices rather than more than
// it can hold.
static chunk_result readVertices(FILE* f, obj_type* obj, const char* filename) {
    unsigned int count;
    if (!readU16(f, &count)) return CHUNK_EOF;
    obj->vertex_count = (int)count;
    std::printf("Number of vertices: %d\n", (int)count);
    if (count > MAX_VERTICES) {
        obj->vertex_count = 0;
        markWritten(obj, 0);
        sysErrorBox("Number of vertices too high", filename);
        return CHUNK_REJECTED;
    }
    markWritten(obj, (int)count);
    for (unsigned int i = 0; i < count; i++) {
        vertex_type* v = &obj->vertices[i];
        if (!readFloat(f, &v->x)) return CHUNK_EOF;
        std::printf("Vertices list x: %f\n", v->x);
        if (!readFloat(f, &v->y)) return CHUNK_EOF;
        std::printf("Vertices list y: %f\n", v->y);
        if (!readFloat(f, &v->z)) return CHUNK_EOF;
        std::printf("Vertices list z: %f\n", v->z);
    }
    return CHUNK_READ;
}

static chunk_result readPolygons(FILE* f, obj_type* obj, const char* filename) {
    unsigned int count;
    if (!readU16(f, &count)) return CHUNK_EOF;
    obj->polygon_count = (int)count;
    std::printf("Number of polygons: %d\n", (int)count);
    if (count > MAX_POLYGONS) {
        obj->polygon_count = 0;
        markWritten(obj, 0);
        sysErrorBox("Number of polygons too high", filename);
        return CHUNK_REJECTED;
    }
    markWritten(obj, (int)count);
    for (unsigned int i = 0; i < count; i++) {
        polygon_type* p = &obj->polygons[i];
        unsigned int index, flags;
        if (!readU16(f, &index)) return CHUNK_EOF;
        p->a = (int)index;
        std::printf("Polygon point a: %d\n", p->a);
        if (!readU16(f, &index)) return CHUNK_EOF;
        p->b = (int)index;
        std::printf("Polygon point b: %d\n", p->b);
        if (!readU16(f, &index)) return CHUNK_EOF;
        p->c = (int)index;
        std::printf("Polygon point c: %d\n", p->c);
        if (!readU16(f, &flags)) return CHUNK_EOF;
        std::printf("Face flags: %x\n", flags);
    }
    return CHUNK_READ;
}

// The count is not part of the record. Pairs beyond the capacity are passed over unread.
static chunk_result readMapping(FILE* f, obj_type* obj) {
    unsigned int count;
    if (!readU16(f, &count)) return CHUNK_EOF;
    unsigned int kept = count < (unsigned int)MAX_VERTICES ? count : (unsigned int)MAX_VERTICES;
    markWritten(obj, (int)kept);
    for (unsigned int i = 0; i < kept; i++) {
        mapcoord_type* m = &obj->mapping[i];
        if (!readFloat(f, &m->u)) return CHUNK_EOF;
        std::printf("Mapping list u: %f\n", m->u);
        if (!readFloat(f, &m->v)) return CHUNK_EOF;
        std::printf("Mapping list v: %f\n", m->v);
    }
    if (kept < count && std::fseek(f, (long)(count - kept) * MAPPING_SIZE, SEEK_CUR) != 0)
        return CHUNK_EOF;
    return CHUNK_READ;
}

// A file the loader cannot take whole leaves an empty record, never a part of a mesh.
static char damaged(obj_type* obj, const char* filename, const char* why) {
    char text[120];
    std::snprintf(text, sizeof text, "3DS file damaged (%s)", why);
    sysErrorBox(text, filename);
    obj->vertex_count = obj->polygon_count = 0;
    markWritten(obj, 0);
    return 0;
}

// A chunk must hold its own header and end within the file; the main chunk, first in the
// file, ends where the file should.
static const char* chunkDamage(long position, unsigned int chunkLength, long fileLength) {
    if (chunkLength < CHUNK_HEADER_SIZE) return "a chunk shorter than its header";
    if (position + (long)chunkLength <= fileLength) return nullptr;
    return position == 0 ? "cut short" : "a chunk longer than the file";
}

// Every corner of every triangle names a vertex of the list.
static bool cornersListed(const obj_type* obj) {
    for (int i = 0; i < obj->polygon_count; i++) {
        const polygon_type& p = obj->polygons[i];
        if (p.a >= obj->vertex_count || p.b >= obj->vertex_count || p.c >= obj->vertex_count)
            return false;
    }
    return true;
}

// Containers are entered by reading their header only; every chunk the loader does not
// know is passed over by its length. A file is damaged where it does not open with a main
// chunk, where a chunk's length is below the header size (it would step backwards) or runs
// past the end of the file (the main chunk's: the file is cut short), where it ends inside a
// chunk or a list runs past its chunk, and where a triangle names a vertex the list does not
// hold.
char Load3DS(obj_type* p_object, const char* filename) {
    if (!filename) return 0;
    FILE* f = std::fopen(filename, "rb");
    if (!f) {
        sysErrorBox("3DS file not found", filename);
        return 0;
    }
    const long length = sysFileLength(f);
    const char* damage = length == 0 ? "empty" : length < 0 ? "unreadable" : nullptr;
    chunk_result step = CHUNK_READ;
    long position;
    while (!damage && step == CHUNK_READ && (position = std::ftell(f)) >= 0 && position < length) {
        unsigned int id, chunkLength;
        damage = "cut short";
        if (!readU16(f, &id)) break;
        std::printf("ChunkID: %x\n", id);
        if (position == 0 && id != CHUNK_MAIN) damage = "not a 3DS file";
        if ((position == 0 && id != CHUNK_MAIN) || !readU32(f, &chunkLength)) break;
        std::printf("ChunkLength: %x\n", chunkLength);
        damage = chunkDamage(position, chunkLength, length);
        if (damage) break;
        switch (id) {
        case CHUNK_MAIN:
        case CHUNK_EDITOR:
        case CHUNK_TRIMESH:
            break;
        case CHUNK_OBJECT:
            step = readName(f, p_object->name);
            break;
        case CHUNK_VERTICES:
            step = readVertices(f, p_object, filename);
            break;
        case CHUNK_FACES:
            step = readPolygons(f, p_object, filename);
            break;
        case CHUNK_MAPPING:
            step = readMapping(f, p_object);
            break;
        default:
            if (std::fseek(f, (long)chunkLength - CHUNK_HEADER_SIZE, SEEK_CUR) != 0)
                step = CHUNK_EOF;
            break;
        }
        if (step == CHUNK_READ && std::ftell(f) > position + (long)chunkLength)
            damage = "a list longer than its chunk";
    }
    std::fclose(f);
    if (step == CHUNK_REJECTED) {
        p_object->vertex_count = p_object->polygon_count = 0;
        markWritten(p_object, 0);
        return 0;
    }
    if (step == CHUNK_EOF) damage = "cut short";
    if (!damage && !cornersListed(p_object)) damage = "a triangle names a missing vertex";
    return damage ? damaged(p_object, filename, damage) : 1;
}
