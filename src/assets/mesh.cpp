// Whole-record assignment of meshes by their written extents, and the geometry serials.
#include "mesh.h"

#include <cstddef>
#include <cstring>

static_assert(sizeof(obj_type) % OBJ_PAGE == 0, "records must fill whole pages");

static int lastSerial;

void markWritten(obj_type* obj, int entries) {
    if (entries > MAX_VERTICES) entries = MAX_VERTICES;
    if (obj->extent < 0 || obj->extent > MAX_VERTICES) obj->extent = MAX_VERTICES;
    if (entries > obj->extent) obj->extent = entries;
    obj->serial = ++lastSerial;
}

// A damaged extent may hide written entries anywhere: the whole array is then taken.
static int heldEntries(const obj_type& r) {
    return r.extent < 0 || r.extent > MAX_VERTICES ? MAX_VERTICES : r.extent;
}

// Entries from `theirs` to `mine` held data here and are zero in the source.
template <typename T> static void copyArray(T* to, const T* from, int theirs, int mine) {
    std::memcpy(to, from, sizeof(T) * theirs);
    if (mine > theirs) std::memset(to + theirs, 0, sizeof(T) * (mine - theirs));
}

// The padding after the arrays can only differ when an extent is damaged.
obj_type& obj_type::operator=(const obj_type& other) {
    if (this == &other) return *this;
    const int mine = heldEntries(*this), theirs = heldEntries(other);
    std::memcpy((void*)this, &other, offsetof(obj_type, vertices));
    copyArray(vertices, other.vertices, theirs, mine);
    copyArray(normals, other.normals, theirs, mine);
    copyArray(polygons, other.polygons, theirs, mine);
    copyArray(mapping, other.mapping, theirs, mine);
    if (mine == MAX_VERTICES || theirs == MAX_VERTICES) {
        const size_t tail = sizeof(mapping) + offsetof(obj_type, mapping);
        std::memcpy(reinterpret_cast<unsigned char*>(this) + tail,
                    reinterpret_cast<const unsigned char*>(&other) + tail, sizeof(obj_type) - tail);
    }
    return *this;
}

void showMesh(obj_type* slot, const obj_type& record) {
    if (record.serial != 0 && slot->serial == record.serial &&
        slot->texture_id == record.texture_id && slot->polygon_count == record.polygon_count &&
        slot->vertex_count == record.vertex_count)
        return;
    *slot = record;
}
