// The kept game: the game written to a small file after every change, and read back to resume.
#pragma once

// Where the game is kept: quelvane.sav in the working directory, unless a tool points it
// elsewhere.
extern char keptGamePath[1024];
// This copy keeps the game in keptGamePath: on from openKeptGame, off for good when another
// copy of the game keeps that file.
extern bool keeping;
// Why the game is not being kept just now, for the message line: a WriteTrouble (platform.h),
// WRITE_OK while it is kept. A full disk, a read-only folder or something in the file's way
// lasts until a write gets through again, tried with every change of the game; WRITE_LOCKED,
// another copy keeping the folder's game, lasts the whole run.
extern int keepTrouble;
// An unfinished game was found at start and "Fortsetzen" offers it.
extern bool keptGameOffered;

// Back to the start: the file in the working directory, not kept, nothing offered, no lock.
void resetKeeping();

// Room for the bytes of a kept game; a kept game is about 2 KB.
enum { KEPT_GAME_ROOM = 16384 };

// Writes the whole game as it stands at pass time `now` into out (room bytes at least
// KEPT_GAME_ROOM): a text of named values with the format and program version, and a
// checksum. Returns the number of bytes.
int writeGame(unsigned char* out, int now);

// Takes over the game kept in data at pass time `now` (a computer's delay under way goes on
// where it stood): the named values of this format, or the first format's, of release 1.0.0.
// Names it does not know are passed over; a name it does not find keeps its fresh value. First
// checks the form, the format, the checksum, and then that the game is one the rules could
// have reached; on any fault the game is back at its start (the configured target with it)
// and `why` says what was wrong. The display slots are not touched: showGame shows what was
// read.
bool readGame(const unsigned char* data, int size, int now, char* why, int whySize);

// Whether a kept game holds the variable of state.cpp with this name, or leaves it out on
// purpose because it lives only within a pass, or is a setting.
bool keptGameHolds(const char* name);
bool keptGameLeavesOut(const char* name);

// Whether the game differs from the copy in `last` (KEPT_GAME_ROOM bytes, *lastSize of them
// used; start with 0), which then takes it over. Cheaper than writing the game.
bool gameChanged(unsigned char* last, int* lastSize);

// Works the checksum of the kept game in data out anew, for tools that change kept games.
void resealGame(unsigned char* data, int size);

// The pass clock at which the game in data was kept, or -1 when data holds no header.
int keptGameClock(const unsigned char* data, int size);

// At start: takes the lock of keptGamePath, so that only this copy keeps the game there;
// where another copy holds it, this one says so and reads and keeps nothing. An unfinished
// game in the file is offered for resuming; a finished one is left for the next game to
// replace. A damaged or foreign file is reported in one line, moved aside and never
// replaced; something else by that name is reported and left alone, and the game is then not
// kept until it is gone.
void openKeptGame();

// "Fortsetzen": the game offered at start, exactly where it stood.
void resumeKeptGame();

// End of each pass: writes the game, if one is under way and it changed since it was last
// written. Says once on standard error when it cannot (keepTrouble tells why for as long as
// it lasts) and when it can again; an older good file is never harmed.
void keepGame(int now);
