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
};

extern const PlatformHooks headlessPlatform; // what platform holds until a window exists
extern PlatformHooks platform;

// Reports a loader failure: one line on standard error, "Quelvane: " and the text, followed
// by the file concerned when there is one. Never blocks, so a full-screen game carries on.
void sysErrorBox(const char* text, const char* file);

// Length in bytes of an open file, or -1 if it cannot be told; the position is kept.
long sysFileLength(FILE* f);
