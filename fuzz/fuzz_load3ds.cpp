// Fuzz target: the 3DS loader, the normals of whatever it leaves in the record, and its copy.
#include "assets/mesh.h"
#include "fuzz_file.h"

#include <cstring>

static obj_type mesh, copy;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::memset(&mesh, 0, sizeof(mesh));
    Load3DS(&mesh, inputAsFile(data, size));
    if (mesh.vertex_count < 0 || mesh.vertex_count > MAX_VERTICES) __builtin_trap();
    if (mesh.polygon_count < 0 || mesh.polygon_count > MAX_POLYGONS) __builtin_trap();
    ObjCalcNormals(&mesh);
    // Whatever the file held, the loader's extent covers it: the copy misses no byte.
    copy = mesh;
    if (std::memcmp(&copy, &mesh, sizeof(mesh)) != 0) __builtin_trap();
    return 0;
}
