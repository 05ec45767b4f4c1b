// The fixed-capacity mesh record, its loaders and the vector helpers.
#pragma once

enum { MAX_VERTICES = 10000, MAX_POLYGONS = 10000 };

struct vertex_type {
    float x, y, z;
};
struct polygon_type {
    int a, b, c;
};
struct mapcoord_type {
    float u, v;
};

enum { OBJ_PAGE = 4096 };

// One drawable mesh. Records are plain values and copied whole; a zeroed record is empty.
// A usable record keeps both counts within the capacity and every index below vertex_count.
// Records are page-aligned so that assignment can skip the pages that already match: most
// of every record is the unused tail of its arrays, and an empty slot taking the empty
// record then touches no memory at all.
struct alignas(OBJ_PAGE) obj_type {
    char name[20];
    int vertex_count;
    int polygon_count;
    vertex_type vertices[MAX_VERTICES];
    vertex_type normals[MAX_VERTICES];
    polygon_type polygons[MAX_POLYGONS];
    mapcoord_type mapping[MAX_VERTICES];
    int texture_id;

    obj_type() = default;
    obj_type(const obj_type&) = default;
    obj_type& operator=(const obj_type& other); // byte-for-byte copy of the whole record
};

struct p3d_type {
    float x, y, z;
};

// Reads the mesh of a 3DS file into the record, tracing every chunk on standard output.
// Returns 1 on success, 0 when the file is missing or a count is over the capacity.
char Load3DS(obj_type* p_object, const char* filename);

// Last texture name handed out; every LoadBMP call takes the next one, loaded or not.
extern int num_texture;

// Reads a 24-bit uncompressed BMP, hands it to the platform's texture upload and returns
// its texture name, or -1 when the file is missing or malformed.
int LoadBMP(const char* filename);

void VectCreate(p3d_type* start, p3d_type* end, p3d_type* out); // normalised end - start
float VectLength(p3d_type* v);
void VectNormalize(p3d_type* v); // a zero vector stays zero
float VectScalarProduct(p3d_type* a, p3d_type* b);
void VectDotProduct(p3d_type* u, p3d_type* v, p3d_type* out); // cross product u x v

// Smooth vertex normals: the plain average of the unit normals of the triangles at a vertex.
void ObjCalcNormals(obj_type* obj);
