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
    // a frame never waits for the disk.
    void (*keepFile)(const char* path, const void* data, int size);
    // How the latest write handed to keepFile that has ended went: WRITE_OK (also before any
    // has ended), or what stood in its way, with the reason in why. Cheap enough for every pass.
    int (*keptFileState)(char* why, int whySize);
    // Shows an error a player must see, besides its line on standard error: a message box
    // where there is a display. The headless version shows nothing more.
    void (*errorBox)(const char* text);
    // Full screen to a window and back, soon after: nothing changes for the game. Without a
    // window there is nothing to switch.
    void (*switchScreen)();
};

extern const PlatformHooks headlessPlatform; // what platform holds until a window exists
extern PlatformHooks platform;

// Reports a loader failure: one line on standard error, "Quelvane: " and the text, followed
// by the file concerned when there is one, and the same to platform.errorBox.
void sysErrorBox(const char* text, const char* file);

// The folder of the running program, without a slash at its end; false where it cannot be told.
bool sysProgramFolder(char* folder, int size);
// Whether two paths name the same existing folder.
bool sysSameFolder(const char* a, const char* b);

// Length in bytes of an open file, or -1 if it cannot be told; the position is kept.
long sysFileLength(FILE* f);

// Files the game keeps. Each call that can fail says why in `why`, at most whySize bytes.

// What lies at a path the game wants to read.
enum FileState { FILE_READ, FILE_MISSING, FILE_NOT_REGULAR, FILE_UNREADABLE, FILE_TOO_LARGE };
// Reads a whole regular file of at most `capacity` bytes into data and its length into *size.
FileState sysReadFile(const char* path, unsigned char* data, int capacity, int* size, char* why,
                      int whySize);

// What stood in the way of writing a file, told from the system's error.
enum WriteTrouble {
    WRITE_OK,
    WRITE_DISK_FULL,      // no room left, or the quota is used up
    WRITE_READ_ONLY,      // the folder may not be written
    WRITE_IN_THE_WAY,     // a folder, or something not the game's, holds the name
    WRITE_LOCKED,         // another copy of the game keeps the file
    WRITE_FAILED,         // any other error
    WRITE_FILE_READ_ONLY, // the file itself may not be written, whatever its folder allows
};

// Replaces the file at path with the bytes given and never leaves it half written: they go to
// a temporary file of this process's own in the same folder, which is flushed to disk and
// renamed over it; then the folder is flushed, so the new name lasts. An older file stays as
// it was when any step fails. *trouble (where given) tells what stood in the way. The new file
// takes the permissions `mode`, less the umask.
bool sysReplaceFile(const char* path, const void* data, int size, char* why, int whySize,
                    int* trouble = nullptr, int mode = 0644);

// Nothing at all lies at path (not even a dangling link).
bool sysNothingAt(const char* path);

// Takes the advisory lock that says "this copy keeps the file at path", on path.lock beside
// it, for as long as the program runs or until sysUnlockFile. A lock dies with the process
// that held it, so a copy that crashed never blocks the next. Returns the lock (>= 0), with
// *trouble WRITE_OK, or WRITE_READ_ONLY where the folder cannot be written; or -1 with
// *trouble WRITE_LOCKED when another copy holds it, or what kept the lock file from being
// made (a read-only folder, say). The reason goes to why.
int sysLockFile(const char* path, int* trouble, char* why, int whySize);
void sysUnlockFile(int lock);

// Moves the file at path aside to path.bad, or path.bad.2, .3 and so on when that name is
// taken, never replacing anything; the new name goes to `moved`. False when it cannot move.
bool sysMoveAside(const char* path, char* moved, int movedSize, char* why, int whySize);

// The keepFile and keptFileState of a window: the writer in the background. It finishes what
// it was given before the program exits.
void sysKeepFileInBackground(const char* path, const void* data, int size);
int sysBackgroundKeepState(char* why, int whySize);
