// Vector helpers on three-float points and the smooth vertex normals of a mesh.
#include "mesh.h"

#include <cmath>

void VectCreate(p3d_type* start, p3d_type* end, p3d_type* out) {
    out->x = end->x - start->x;
    out->y = end->y - start->y;
    out->z = end->z - start->z;
    VectNormalize(out);
}

float VectLength(p3d_type* v) {
    return (float)std::sqrt((double)v->x * v->x + (double)v->y * v->y + (double)v->z * v->z);
}

void VectNormalize(p3d_type* v) {
    float length = VectLength(v);
    if (length == 0.0f) length = 1.0f;
    v->x /= length;
    v->y /= length;
    v->z /= length;
}

float VectScalarProduct(p3d_type* a, p3d_type* b) {
    return a->x * b->x + a->y * b->y + a->z * b->z;
}

void VectDotProduct(p3d_type* u, p3d_type* v, p3d_type* out) {
    out->x = u->y * v->z - u->z * v->y;
    out->y = u->z * v->x - u->x * v->z;
    out->z = u->x * v->y - u->y * v->x;
}

static p3d_type asPoint(const vertex_type& v) {
    return {v.x, v.y, v.z};
}

static bool cornerValid(int index, int vertexCount) {
    return index >= 0 && index < vertexCount;
}

static void addFaceNormal(obj_type* obj, int* uses, int corner, const p3d_type& n) {
    uses[corner]++;
    obj->normals[corner].x += n.x;
    obj->normals[corner].y += n.y;
    obj->normals[corner].z += n.z;
}

// Counts outside the capacity and triangles with a corner outside the vertex list (a damaged
// file) are not followed; such a triangle takes no part in the average.
void ObjCalcNormals(obj_type* obj) {
    int uses[MAX_VERTICES];
    int vertexCount = obj->vertex_count < MAX_VERTICES ? obj->vertex_count : MAX_VERTICES;
    int polygonCount = obj->polygon_count < MAX_POLYGONS ? obj->polygon_count : MAX_POLYGONS;
    if (vertexCount > 0) markWritten(obj, vertexCount);
    for (int i = 0; i < vertexCount; i++) {
        obj->normals[i] = {0.0f, 0.0f, 0.0f};
        uses[i] = 0;
    }
    for (int i = 0; i < polygonCount; i++) {
        const polygon_type& p = obj->polygons[i];
        if (!cornerValid(p.a, vertexCount) || !cornerValid(p.b, vertexCount) ||
            !cornerValid(p.c, vertexCount))
            continue;
        p3d_type a = asPoint(obj->vertices[p.a]);
        p3d_type b = asPoint(obj->vertices[p.b]);
        p3d_type c = asPoint(obj->vertices[p.c]);
        p3d_type e1, e2, n;
        VectCreate(&a, &b, &e1);
        VectCreate(&a, &c, &e2);
        VectDotProduct(&e1, &e2, &n);
        VectNormalize(&n);
        addFaceNormal(obj, uses, p.a, n);
        addFaceNormal(obj, uses, p.b, n);
        addFaceNormal(obj, uses, p.c, n);
    }
    for (int i = 0; i < vertexCount; i++) {
        if (uses[i] == 0) continue;
        obj->normals[i].x /= uses[i];
        obj->normals[i].y /= uses[i];
        obj->normals[i].z /= uses[i];
    }
}
