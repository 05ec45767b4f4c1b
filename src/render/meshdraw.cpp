// Bounds checks of mesh records before drawing.
#include "meshdraw.h"

int drawableTriangles(const obj_type& obj) {
    if (obj.polygon_count < 0 || obj.polygon_count > MAX_POLYGONS) return 0;
    return obj.polygon_count;
}

static bool vertexStored(const obj_type& obj, int v) {
    return v >= 0 && v < obj.vertex_count && v < MAX_VERTICES;
}

bool triangleDrawable(const obj_type& obj, int p) {
    if (p < 0 || p >= MAX_POLYGONS) return false;
    const polygon_type& t = obj.polygons[p];
    return vertexStored(obj, t.a) && vertexStored(obj, t.b) && vertexStored(obj, t.c);
}
