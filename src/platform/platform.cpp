// The host hooks without a window, the error report, the file length, and the kept file: its
// safe replacement, its lock and the writer in the background.
#include "platform.h"

#include <fcntl.h>
#include <sys/file.h>
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
static void noBox(const char*) {}
static void noScreen() {}

// Without a window a kept file is written at once, so its outcome is known when it returns.
static int lastKeptTrouble;
static char lastKeptWhy[512];

static void keepFileNow(const char* path, const void* data, int size) {
    sysReplaceFile(path, data, size, lastKeptWhy, sizeof lastKeptWhy, &lastKeptTrouble);
}

static int keptFileNow(char* why, int whySize) {
    if (lastKeptTrouble != WRITE_OK) std::snprintf(why, whySize, "%s", lastKeptWhy);
    return lastKeptTrouble;
}

const PlatformHooks headlessPlatform = {
    steadyMilliseconds, noRedisplay, exitNow,     noSwitch, noSwitch,
    noUpload,           keepFileNow, keptFileNow, noBox,    noScreen};
PlatformHooks platform = headlessPlatform;

void sysErrorBox(const char* text, const char* file) {
    char line[1200];
    if (file && *file)
        std::snprintf(line, sizeof line, "%s: %s", text, file);
    else
        std::snprintf(line, sizeof line, "%s", text);
    std::fprintf(stderr, "Quelvane: %s\n", line);
    platform.errorBox(line);
}

bool sysProgramFolder(char* folder, int size) {
    char path[4096];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return false;
    path[n] = 0;
    char* slash = std::strrchr(path, '/');
    if (!slash) return false;
    *slash = 0;
    return std::snprintf(folder, size, "%s", path) < size;
}

bool sysSameFolder(const char* a, const char* b) {
    struct stat sa, sb;
    return stat(a, &sa) == 0 && stat(b, &sb) == 0 && S_ISDIR(sa.st_mode) &&
           sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
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

static int troubleOf(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return WRITE_DISK_FULL;
    case EROFS:
    case EACCES:
    case EPERM:
        return WRITE_READ_ONLY;
    case EISDIR:
    case ENOTDIR:
    case ENOTEMPTY:
    case EEXIST:
        return WRITE_IN_THE_WAY;
    default:
        return WRITE_FAILED;
    }
}

// A write that takes nothing is a full disk, whatever errno holds.
static bool writeAll(int fd, const unsigned char* data, int size) {
    while (size > 0) {
        const ssize_t n = write(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n == 0) errno = ENOSPC;
        if (n <= 0) return false;
        data += n;
        size -= (int)n;
    }
    return true;
}

// The working directory stands for itself by its name, for messages a player reads.
static void folderOf(const char* path, char* folder, int size) {
    const char* slash = std::strrchr(path, '/');
    if (slash)
        std::snprintf(folder, size, "%.*s", (int)(slash == path ? 1 : slash - path), path);
    else if (!getcwd(folder, size))
        std::snprintf(folder, size, ".");
}

// The folder holding path, flushed so that a rename in it outlasts a power cut. File systems
// that cannot flush a folder say EINVAL, and have nothing to flush.
static bool flushFolderOf(const char* path) {
    char folder[4096];
    folderOf(path, folder, sizeof folder);
    const int fd = open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool flushed = fsync(fd) == 0 || errno == EINVAL;
    const int error = errno;
    close(fd);
    errno = error;
    return flushed;
}

static bool failedWrite(char* why, int whySize, int* trouble, const char* what, const char* path) {
    if (trouble) *trouble = troubleOf(errno);
    return failWith(why, whySize, what, path);
}

bool sysReplaceFile(const char* path, const void* data, int size, char* why, int whySize,
                    int* trouble, int mode) {
    if (trouble) *trouble = WRITE_OK;
    char temporary[4096];
    if (std::snprintf(temporary, sizeof temporary, "%s.%d.tmp", path, (int)getpid()) >=
        (int)sizeof temporary) {
        std::snprintf(why, whySize, "the path %s is too long", path);
        if (trouble) *trouble = WRITE_FAILED;
        return false;
    }
    const int fd = open(temporary, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, (mode_t)mode);
    if (fd < 0) return failedWrite(why, whySize, trouble, "cannot write", temporary);
    if (!writeAll(fd, (const unsigned char*)data, size) || fsync(fd) != 0) {
        failedWrite(why, whySize, trouble, "cannot write", temporary);
        close(fd);
        unlink(temporary);
        return false;
    }
    if (close(fd) != 0 || rename(temporary, path) != 0) {
        failedWrite(why, whySize, trouble, "cannot replace", path);
        unlink(temporary);
        return false;
    }
    if (!flushFolderOf(path))
        return failedWrite(why, whySize, trouble, "cannot flush the folder of", path);
    return true;
}

bool sysNothingAt(const char* path) {
    struct stat st;
    return lstat(path, &st) != 0 && errno == ENOENT;
}

// The lock file may exist from an earlier start where the folder can no longer be written: a
// lock taken through a descriptor opened for reading holds all the same.
int sysLockFile(const char* path, int* trouble, char* why, int whySize) {
    char lockPath[4096];
    std::snprintf(lockPath, sizeof lockPath, "%s.lock", path);
    int fd = open(lockPath, O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        const int error = errno;
        fd = open(lockPath, O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            errno = error;
            *trouble = troubleOf(error);
            failWith(why, whySize, "cannot make the lock", lockPath);
            return -1;
        }
    }
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) {
        char folder[4096];
        folderOf(path, folder, sizeof folder);
        *trouble = access(folder, W_OK) == 0 ? WRITE_OK : troubleOf(errno);
        if (*trouble != WRITE_OK) failWith(why, whySize, "cannot write in the folder", folder);
        return fd;
    }
    *trouble = errno == EWOULDBLOCK ? WRITE_LOCKED : troubleOf(errno);
    if (*trouble == WRITE_LOCKED)
        std::snprintf(why, whySize, "another copy of the game keeps %s", path);
    else
        failWith(why, whySize, "cannot lock", lockPath);
    close(fd);
    return -1;
}

void sysUnlockFile(int lock) {
    if (lock >= 0) close(lock);
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
// while it writes replaces the pending one, so it never falls behind by more than one. It
// keeps the outcome of the latest write it ended, for the game to ask after every pass.
namespace {
enum { MAX_KEPT_BYTES = 65536, MAX_KEPT_PATH = 1024 };
std::mutex keepLock;
std::condition_variable keepWake;
std::thread* keepWriter;
unsigned char pendingBytes[MAX_KEPT_BYTES];
char pendingPath[MAX_KEPT_PATH];
int pendingSize;
bool pending, stopping;
int keptTrouble;
char keptWhy[512];

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
        int trouble;
        sysReplaceFile(path, bytes, size, why, sizeof why, &trouble);
        lock.lock();
        keptTrouble = trouble;
        if (trouble != WRITE_OK) std::memcpy(keptWhy, why, sizeof keptWhy);
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

void sysKeepFileInBackground(const char* path, const void* data, int size) {
    if (size > MAX_KEPT_BYTES || std::strlen(path) >= MAX_KEPT_PATH) {
        char why[512];
        int trouble;
        sysReplaceFile(path, data, size, why, sizeof why, &trouble);
        std::lock_guard<std::mutex> lock(keepLock);
        keptTrouble = trouble;
        if (trouble != WRITE_OK) std::memcpy(keptWhy, why, sizeof keptWhy);
        return;
    }
    {
        std::lock_guard<std::mutex> lock(keepLock);
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
}

int sysBackgroundKeepState(char* why, int whySize) {
    std::lock_guard<std::mutex> lock(keepLock);
    if (keptTrouble != WRITE_OK) std::snprintf(why, whySize, "%s", keptWhy);
    return keptTrouble;
}
