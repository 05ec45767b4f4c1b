// The host hooks without a window, the error report and the file length.
#include "platform.h"

#include <chrono>
#include <cstdlib>

static int steadyMilliseconds() {
    using namespace std::chrono;
    static const steady_clock::time_point start = steady_clock::now();
    return (int)duration_cast<milliseconds>(steady_clock::now() - start).count();
}

static void noRedisplay() {}
static void exitNow(int status) {
    std::exit(status);
}
static void noSwitch(bool) {}
static void noUpload(int, int, int, const unsigned char*) {}

const PlatformHooks headlessPlatform = {steadyMilliseconds, noRedisplay, exitNow,
                                        noSwitch,           noSwitch,    noUpload};
PlatformHooks platform = headlessPlatform;

void sysErrorBox(const char* text, const char* file) {
    if (file && *file)
        std::fprintf(stderr, "Quelvane: %s: %s\n", text, file);
    else
        std::fprintf(stderr, "Quelvane: %s\n", text);
}

long sysFileLength(FILE* f) {
    long here = std::ftell(f);
    if (here < 0 || std::fseek(f, 0, SEEK_END) != 0) return -1;
    long length = std::ftell(f);
    std::fseek(f, here, SEEK_SET);
    return length;
}
