// Fuzz target: the 3DS loader and the normals of whatever it leaves in the record.
#include "assets/mesh.h"
#include "fuzz_file.h"

#include <cstring>

static obj_type mesh;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::memset(&mesh, 0, sizeof(mesh));
    Load3DS(&mesh, inputAsFile(data, size));
    if (mesh.vertex_count < 0 || mesh.vertex_count > MAX_VERTICES) __builtin_trap();
    if (mesh.polygon_count < 0 || mesh.polygon_count > MAX_POLYGONS) __builtin_trap();
    ObjCalcNormals(&mesh);
    return 0;
}
