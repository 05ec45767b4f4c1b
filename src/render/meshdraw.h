// Which triangles of a mesh record may be drawn, so a malformed record never reads past it.
#pragma once
#include "assets/mesh.h"

// Triangles to draw: polygon_count, or none when the count is negative or over the capacity.
int drawableTriangles(const obj_type& obj);

// Triangle p lies within the capacity and its three indices name stored vertices (below
// vertex_count, itself within the capacity).
bool triangleDrawable(const obj_type& obj, int p);
