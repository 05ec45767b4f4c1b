// The host hooks without a window, the error report and the file length.
#include "platform.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <thread>

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

const PlatformHooks headlessPlatform = {steadyMilliseconds, noRedisplay, exitNow,       noSwitch,
                                        noSwitch,           noUpload,    sysReplaceFile};
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

static bool failWith(char* why, int whySize, const char* what, const char* path) {
    std::snprintf(why, whySize, "%s %s: %s", what, path, std::strerror(errno));
    return false;
}

FileState sysReadFile(const char* path, unsigned char* data, int capacity, int* size, char* why,
                      int whySize) {
    *size = 0;
    struct stat st;
    if (stat(path, &st) != 0) {
        if (errno == ENOENT) return FILE_MISSING;
        failWith(why, whySize, "cannot look at", path);
        return FILE_UNREADABLE;
    }
    if (!S_ISREG(st.st_mode)) {
        std::snprintf(why, whySize, "%s is not a file", path);
        return FILE_NOT_REGULAR;
    }
    if (st.st_size > capacity) {
        std::snprintf(why, whySize, "%s is too large (%lld bytes)", path, (long long)st.st_size);
        return FILE_TOO_LARGE;
    }
    const int fd = open(path, O_RDONLY);
    if (fd < 0) {
        failWith(why, whySize, "cannot read", path);
        return FILE_UNREADABLE;
    }
    // The file may have grown since stat: one byte more than the room tells.
    unsigned char extra;
    int got = 0;
    while (got <= capacity) {
        unsigned char* to = got < capacity ? data + got : &extra;
        const ssize_t n = read(fd, to, got < capacity ? capacity - got : 1);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            failWith(why, whySize, "cannot read", path);
            close(fd);
            return FILE_UNREADABLE;
        }
        if (n == 0) break;
        got += (int)n;
    }
    close(fd);
    if (got > capacity) {
        std::snprintf(why, whySize, "%s is too large", path);
        return FILE_TOO_LARGE;
    }
    *size = got;
    return FILE_READ;
}

static bool writeAll(int fd, const unsigned char* data, int size) {
    while (size > 0) {
        const ssize_t n = write(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        size -= (int)n;
    }
    return true;
}

bool sysReplaceFile(const char* path, const void* data, int size, char* why, int whySize) {
    char temporary[4096];
    if (std::snprintf(temporary, sizeof temporary, "%s.tmp", path) >= (int)sizeof temporary) {
        std::snprintf(why, whySize, "the path %s is too long", path);
        return false;
    }
    const int fd = open(temporary, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return failWith(why, whySize, "cannot write", temporary);
    if (!writeAll(fd, (const unsigned char*)data, size) || fsync(fd) != 0) {
        failWith(why, whySize, "cannot write", temporary);
        close(fd);
        unlink(temporary);
        return false;
    }
    if (close(fd) != 0 || rename(temporary, path) != 0) {
        failWith(why, whySize, "cannot replace", path);
        unlink(temporary);
        return false;
    }
    return true;
}

// A hard link fails where the new name exists, so nothing is ever replaced.
bool sysMoveAside(const char* path, char* moved, int movedSize, char* why, int whySize) {
    for (int n = 1; n < 1000; n++) {
        if (n == 1)
            std::snprintf(moved, movedSize, "%s.bad", path);
        else
            std::snprintf(moved, movedSize, "%s.bad.%d", path, n);
        if (link(path, moved) == 0) {
            if (unlink(path) == 0) return true;
            const int error = errno;
            unlink(moved);
            errno = error;
            return failWith(why, whySize, "cannot move aside", path);
        }
        if (errno != EEXIST) return failWith(why, whySize, "cannot move aside", path);
    }
    std::snprintf(why, whySize, "cannot move aside %s: too many damaged files beside it", path);
    return false;
}

// The writer in the background holds one pending version of one file: a newer version given
// while it writes replaces the pending one, so it never falls behind by more than one.
namespace {
enum { MAX_KEPT_BYTES = 65536, MAX_KEPT_PATH = 1024 };
std::mutex keepLock;
std::condition_variable keepWake;
std::thread* keepWriter;
unsigned char pendingBytes[MAX_KEPT_BYTES];
char pendingPath[MAX_KEPT_PATH];
int pendingSize;
bool pending, stopping, keepFailed;
char keepFailure[512];

void writeInBackground() {
    static unsigned char bytes[MAX_KEPT_BYTES];
    static char path[MAX_KEPT_PATH];
    std::unique_lock<std::mutex> lock(keepLock);
    while (true) {
        keepWake.wait(lock, [] { return pending || stopping; });
        if (!pending) return;
        const int size = pendingSize;
        std::memcpy(bytes, pendingBytes, size);
        std::memcpy(path, pendingPath, sizeof path);
        pending = false;
        lock.unlock();
        char why[512];
        const bool ok = sysReplaceFile(path, bytes, size, why, sizeof why);
        lock.lock();
        if (!ok && !keepFailed) {
            keepFailed = true;
            std::memcpy(keepFailure, why, sizeof keepFailure);
        }
    }
}

// At exit the writer first finishes what it was given.
void finishWriting() {
    {
        std::lock_guard<std::mutex> lock(keepLock);
        stopping = true;
    }
    keepWake.notify_one();
    keepWriter->join();
}
} // namespace

bool sysKeepFileInBackground(const char* path, const void* data, int size, char* why, int whySize) {
    if (size > MAX_KEPT_BYTES || std::strlen(path) >= MAX_KEPT_PATH)
        return sysReplaceFile(path, data, size, why, whySize);
    {
        std::lock_guard<std::mutex> lock(keepLock);
        if (keepFailed) {
            std::snprintf(why, whySize, "%s", keepFailure);
            return false;
        }
        std::memcpy(pendingBytes, data, size);
        pendingSize = size;
        std::snprintf(pendingPath, sizeof pendingPath, "%s", path);
        pending = true;
        if (!keepWriter) {
            keepWriter = new std::thread(writeInBackground);
            std::atexit(finishWriting);
        }
    }
    keepWake.notify_one();
    return true;
}
