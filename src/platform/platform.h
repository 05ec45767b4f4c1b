// The seam between the game and its host: clock, window requests, GL switches, messages, files.
#pragma once
#include <cstdio>

// Hooks the game calls instead of GLUT and OpenGL, so the rules and loaders run without a
// window. The defaults need no window: a monotonic clock, no-op window requests, exit().
// The windowed shell installs GLUT/GL versions at start-up; tests install fakes.
struct PlatformHooks {
    int (*milliseconds)(); // ms since program start
    void (*postRedisplay)();
    void (*quit)(int status); // ends the program; a test fake may return
    void (*setLighting)(bool on);
    void (*setWireFrame)(bool on);
    // Uploads an RGBA image as mip-mapped texture `name` and leaves it bound.
    void (*uploadTexture)(int name, int width, int height, const unsigned char* rgba);
    // Keeps a file up to date with the bytes given, as sysReplaceFile does. The headless
    // version writes at once; the window's hands the bytes to a writer in the background, so
    // a frame never waits for the disk. False, with the reason, when this write or an earlier
    // one in the background failed.
    bool (*keepFile)(const char* path, const void* data, int size, char* why, int whySize);
};

extern const PlatformHooks headlessPlatform; // what platform holds until a window exists
extern PlatformHooks platform;

// Reports a loader failure: one line on standard error, "Quelvane: " and the text, followed
// by the file concerned when there is one. Never blocks, so a full-screen game carries on.
void sysErrorBox(const char* text, const char* file);

// Length in bytes of an open file, or -1 if it cannot be told; the position is kept.
long sysFileLength(FILE* f);

// Files the game keeps. Each call that can fail says why in `why`, at most whySize bytes.

// What lies at a path the game wants to read.
enum FileState { FILE_READ, FILE_MISSING, FILE_NOT_REGULAR, FILE_UNREADABLE, FILE_TOO_LARGE };
// Reads a whole regular file of at most `capacity` bytes into data and its length into *size.
FileState sysReadFile(const char* path, unsigned char* data, int capacity, int* size, char* why,
                      int whySize);

// Replaces the file at path with the bytes given and never leaves it half written: they go to
// a temporary file in the same folder, which is flushed to disk and renamed over it.
bool sysReplaceFile(const char* path, const void* data, int size, char* why, int whySize);

// Moves the file at path aside to path.bad, or path.bad.2, .3 and so on when that name is
// taken, never replacing anything; the new name goes to `moved`. False when it cannot move.
bool sysMoveAside(const char* path, char* moved, int movedSize, char* why, int whySize);

// The keepFile of a window: the writer in the background. It finishes what it was given
// before the program exits.
bool sysKeepFileInBackground(const char* path, const void* data, int size, char* why, int whySize);
