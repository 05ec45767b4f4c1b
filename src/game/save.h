// The kept game: the game written to a small file after every change, and read back to resume.
#pragma once

// Where the game is kept: quelvane.sav in the working directory, unless a tool points it
// elsewhere.
extern char keptGamePath[1024];
// The game is being kept; off until openKeptGame turns it on, and off for good after a write
// failed or when something that must not be replaced holds the file's name.
extern bool keeping;
// An unfinished game was found at start and "Fortsetzen" offers it.
extern bool keptGameOffered;

// Back to the start: the file in the working directory, not kept, nothing offered.
void resetKeeping();

// Room for the bytes of a kept game; a kept game is a few KB.
enum { KEPT_GAME_ROOM = 16384 };

// Writes the whole game as it stands at pass time `now` into out (room bytes at least
// KEPT_GAME_ROOM): header with magic, format and program version, every variable of the game,
// checksum. Returns the number of bytes.
int writeGame(unsigned char* out, int now);

// Takes over the game kept in data at pass time `now` (a computer's delay under way goes on
// where it stood). First checks the form, the versions, the checksum, and then that the game
// is one the rules could have reached; on any fault the game is back at its start and `why`
// says what was wrong. The display slots are not touched: showGame shows what was read.
bool readGame(const unsigned char* data, int size, int now, char* why, int whySize);

// Whether the game differs from the copy in `last` (KEPT_GAME_ROOM bytes, *lastSize of them
// used; start with 0), which then takes it over. Cheaper than writing the game.
bool gameChanged(unsigned char* last, int* lastSize);

// Works the checksum of the kept game in data out anew, for tools that change kept games.
void resealGame(unsigned char* data, int size);

// The pass clock at which the game in data was kept, or -1 when data holds no header.
int keptGameClock(const unsigned char* data, int size);

// At start: an unfinished game in keptGamePath is offered for resuming; a finished one is
// left for the next game to replace. A damaged or foreign file is reported in one line,
// moved aside and never replaced; something else by that name is reported and left alone,
// and the game is then not kept. Turns keeping on where that is safe.
void openKeptGame();

// "Fortsetzen": the game offered at start, exactly where it stood.
void resumeKeptGame();

// End of each pass: writes the game, if one is under way and it changed since it was last
// written. Says once when it cannot, and keeps no more.
void keepGame(int now);
