// Fuzz target: the BMP loader, with an upload that reads every byte it is handed.
#include "platform/platform.h"
#include "assets/mesh.h"
#include "fuzz_file.h"

static void touchUpload(int, int width, int height, const unsigned char* rgba) {
    if (width < 1 || height < 1) __builtin_trap();
    size_t bytes = (size_t)width * height * 4;
    for (size_t i = 3; i < bytes; i += 4)
        if (rgba[i] != 255) __builtin_trap();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    platform.uploadTexture = touchUpload;
    num_texture = -1;
    int name = LoadBMP(inputAsFile(data, size));
    if (name != -1 && name != 0) __builtin_trap();
    return 0;
}
