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
// Entries of the four arrays from `extent` on are zero, and so is the padding after them:
// whoever writes counts or arrays calls markWritten, which also gives the geometry a new
// serial. Assignment relies on both.
// Records are page-aligned, so the untouched tails of the arrays never become resident.
struct alignas(OBJ_PAGE) obj_type {
    char name[20];
    int vertex_count;
    int polygon_count;
    int extent; // entries of each array that may be non-zero; outside 0..capacity: all
    int serial; // names the geometry for caches of drawing data; 0: never stamped
    int texture_id;
    vertex_type vertices[MAX_VERTICES];
    vertex_type normals[MAX_VERTICES];
    polygon_type polygons[MAX_POLYGONS];
    mapcoord_type mapping[MAX_VERTICES];

    obj_type() = default;
    obj_type(const obj_type&) = default;
    // Byte-for-byte copy of the whole record, at the cost of the two extents, not the capacity.
    obj_type& operator=(const obj_type& other);
};

static_assert(MAX_VERTICES == MAX_POLYGONS, "one extent covers every array");

// Marks the entries [0, entries) of the arrays as written (the extent only grows, held to the
// capacity) and gives the record a serial no other geometry has had. Called after a change
// of the counts too, as the drawable triangles follow them.
void markWritten(obj_type* obj, int entries);

// Puts a record into a display slot unless the slot shows it already: the same stamped
// geometry in the same texture. A record never stamped is always copied.
void showMesh(obj_type* slot, const obj_type& record);

struct p3d_type {
    float x, y, z;
};

// Reads the mesh of a 3DS file into the record, tracing every chunk on standard output.
// Returns 1 on success, 0 when the file is missing (the record untouched) or damaged: a count
// over the capacity, or what Load3DS says it cannot take, each reported with its reason; a
// damaged file leaves the record with no vertices and no triangles.
char Load3DS(obj_type* p_object, const char* filename);

// Last texture name handed out; every LoadBMP call takes the next one, loaded or not.
extern int num_texture;

// Reads a 24-bit uncompressed BMP, hands it to the platform's texture upload and returns
// its texture name, or -1 when the file is missing or damaged ("Texture damaged" with the
// reason: empty, cut short, not a bitmap, a broken header, a bitmap of an unsupported kind).
int LoadBMP(const char* filename);

void VectCreate(p3d_type* start, p3d_type* end, p3d_type* out); // normalised end - start
float VectLength(p3d_type* v);
void VectNormalize(p3d_type* v); // a zero vector stays zero
float VectScalarProduct(p3d_type* a, p3d_type* b);
void VectDotProduct(p3d_type* u, p3d_type* v, p3d_type* out); // cross product u x v

// Smooth vertex normals: the plain average of the unit normals of the triangles at a vertex.
void ObjCalcNormals(obj_type* obj);
