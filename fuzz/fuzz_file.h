// Hands a fuzz input to a loader that reads files by name: an in-memory file reached by path.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sys/mman.h>
#include <unistd.h>

// The same anonymous file serves every input of the run, rewritten each time.
inline const char* inputAsFile(const uint8_t* data, size_t size) {
    static int fd = -1;
    static char path[64];
    if (fd < 0) {
        fd = memfd_create("fuzz-input", 0);
        if (fd < 0) std::abort();
        std::snprintf(path, sizeof(path), "/proc/self/fd/%d", fd);
    }
    if (ftruncate(fd, 0) != 0) std::abort();
    if (size && pwrite(fd, data, size, 0) != (ssize_t)size) std::abort();
    return path;
}
