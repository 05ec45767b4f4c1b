// The kept game: its file format, writing after every change, and reading it back at start.
#include "save.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>

#include "checks.h"
#include "rules.h"
#include "state.h"
#include "platform/platform.h"

#ifndef QUELVANE_VERSION
#define QUELVANE_VERSION "unknown"
#endif

char keptGamePath[1024] = "quelvane.sav";
bool keeping;
bool keptGameOffered;

// A kept game: the header, every variable of the game as little-endian 32-bit integers in
// the order of gameFields, and a CRC-32 of everything before it.
static const unsigned char magic[8] = {'Q', 'V', 'S', 'A', 'V', 'E', '\r', '\n'};
enum {
    FORMAT_VERSION = 1,
    VERSION_BYTES = 16,
    AT_FORMAT = 8,
    AT_PROGRAM = 12,
    AT_CLOCK = AT_PROGRAM + VERSION_BYTES,
    AT_LENGTH = AT_CLOCK + 4,
    HEADER_BYTES = AT_LENGTH + 4,
};

enum FieldKind { NUMBERS, FLAGS };
struct GameField {
    const char* name;
    void* data;
    int count;
    FieldKind kind;
};

#define NUMBERS_OF(v)                                                                              \
    { #v, &(v), (int)(sizeof(v) / sizeof(int)), NUMBERS }
#define FLAGS_OF(v)                                                                                \
    { #v, &(v), (int)(sizeof(v) / sizeof(bool)), FLAGS }

// Everything the game consists of, in the groups of state.h. The click in flight comes last:
// it only counts while a computer turn is under way.
static const GameField gameFields[] = {
    NUMBERS_OF(model),
    NUMBERS_OF(number),
    NUMBERS_OF(houses),
    NUMBERS_OF(streets),
    NUMBERS_OF(dice),
    NUMBERS_OF(k),
    NUMBERS_OF(zufall1),
    NUMBERS_OF(zufall2),
    NUMBERS_OF(zufall),
    FLAGS_OF(diceShown),

    NUMBERS_OF(playersPicked),
    FLAGS_OF(playerKI),
    NUMBERS_OF(kiStrength),
    NUMBERS_OF(player),
    NUMBERS_OF(resources),
    NUMBERS_OF(winPoints),
    NUMBERS_OF(runde),
    FLAGS_OF(win),
    NUMBERS_OF(firstTime),

    FLAGS_OF(playersChoice),
    FLAGS_OF(wuerfeln),
    FLAGS_OF(next),
    FLAGS_OF(trade),
    FLAGS_OF(build),
    FLAGS_OF(buildFT),
    FLAGS_OF(redraw),
    FLAGS_OF(playerCheck),

    NUMBERS_OF(tradeArray),
    NUMBERS_OF(tradeStep),
    NUMBERS_OF(tradePlayer),
    NUMBERS_OF(tradeItem),
    NUMBERS_OF(tradePicked1),
    NUMBERS_OF(tradePicked2),
    FLAGS_OF(tradeDelete),
    FLAGS_OF(tradeCheck),
    FLAGS_OF(tradeModus),
    FLAGS_OF(kiTrade),
    FLAGS_OF(player3too1),

    NUMBERS_OF(kiTurn),
    NUMBERS_OF(kiTime),
    FLAGS_OF(buildHouse),
    NUMBERS_OF(houseBuild),
    NUMBERS_OF(posPoints),
    NUMBERS_OF(posPoints1),
    NUMBERS_OF(posPoints2),
    NUMBERS_OF(posPointsTop),

    NUMBERS_OF(takeBacks),
    NUMBERS_OF(takeBackCount),

    NUMBERS_OF(picked),
    FLAGS_OF(lButtonDown),
    FLAGS_OF(lButtonOneTime),
};

static int payloadWords() {
    int words = 0;
    for (const GameField& f : gameFields) words += f.count;
    return words;
}

static void putWord(unsigned char* at, unsigned v) {
    for (int i = 0; i < 4; i++) at[i] = (unsigned char)(v >> (8 * i));
}

static unsigned getWord(const unsigned char* at) {
    unsigned v = 0;
    for (int i = 0; i < 4; i++) v |= (unsigned)at[i] << (8 * i);
    return v;
}

static unsigned crc32(const unsigned char* data, int size) {
    static unsigned table[256];
    if (!table[1]) {
        for (unsigned n = 0; n < 256; n++) {
            unsigned c = n;
            for (int b = 0; b < 8; b++) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[n] = c;
        }
    }
    unsigned c = 0xFFFFFFFFu;
    for (int i = 0; i < size; i++) c = table[(c ^ data[i]) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

// A person's press in flight means nothing to a kept game: it is written as none, and so a
// press that moves nothing is no change.
static bool personsClick(const GameField& f) {
    return kiTurn == 0 &&
           (f.data == &picked || f.data == &lButtonDown || f.data == &lButtonOneTime);
}

static int writePayload(unsigned char* out) {
    unsigned char* at = out;
    for (const GameField& f : gameFields) {
        for (int i = 0; i < f.count; i++, at += 4) {
            int v = f.kind == FLAGS ? ((const bool*)f.data)[i] : ((const int*)f.data)[i];
            putWord(at, personsClick(f) ? 0 : (unsigned)v);
        }
    }
    return (int)(at - out);
}

// The header and the checksum around a payload already in place.
static int seal(unsigned char* out, int length, int now) {
    std::memset(out, 0, HEADER_BYTES);
    std::memcpy(out, magic, sizeof magic);
    putWord(out + AT_FORMAT, FORMAT_VERSION);
    std::snprintf((char*)out + AT_PROGRAM, VERSION_BYTES, "%s", QUELVANE_VERSION);
    putWord(out + AT_CLOCK, (unsigned)now);
    putWord(out + AT_LENGTH, (unsigned)length);
    putWord(out + HEADER_BYTES + length, crc32(out, HEADER_BYTES + length));
    return HEADER_BYTES + length + 4;
}

int writeGame(unsigned char* out, int now) {
    return seal(out, writePayload(out + HEADER_BYTES), now);
}

bool gameChanged(unsigned char* last, int* lastSize) {
    static unsigned char now[KEPT_GAME_ROOM];
    const int size = writePayload(now);
    if (size == *lastSize && !std::memcmp(now, last, size)) return false;
    std::memcpy(last, now, size);
    *lastSize = size;
    return true;
}

void resealGame(unsigned char* data, int size) {
    if (size >= 4) putWord(data + size - 4, crc32(data, size - 4));
}

int keptGameClock(const unsigned char* data, int size) {
    if (size < HEADER_BYTES || std::memcmp(data, magic, sizeof magic)) return -1;
    return (int)getWord(data + AT_CLOCK);
}

static bool refuse(char* why, int whySize, const char* what) {
    std::snprintf(why, whySize, "%s", what);
    return false;
}

// The form of the file, before any of it is taken over.
static bool checkForm(const unsigned char* data, int size, char* why, int whySize) {
    if (size == 0) return refuse(why, whySize, "the file is empty");
    if (size < (int)sizeof magic || std::memcmp(data, magic, sizeof magic))
        return refuse(why, whySize, "not a kept game of Quelvane");
    if (size < HEADER_BYTES) return refuse(why, whySize, "the file is cut short");
    const unsigned format = getWord(data + AT_FORMAT);
    if (format != FORMAT_VERSION) {
        std::snprintf(why, whySize, "format version %u, this game reads version %d", format,
                      FORMAT_VERSION);
        return false;
    }
    const long expected = HEADER_BYTES + 4L * payloadWords() + 4;
    if (getWord(data + AT_LENGTH) != 4u * payloadWords())
        return refuse(why, whySize, "the header gives a wrong length");
    if (size < expected) return refuse(why, whySize, "the file is cut short");
    if (size > expected) return refuse(why, whySize, "the file runs on past its end");
    if (crc32(data, size - 4) != getWord(data + size - 4))
        return refuse(why, whySize, "the checksum does not match");
    return true;
}

static bool readPayload(const unsigned char* at, char* why, int whySize) {
    for (const GameField& f : gameFields) {
        for (int i = 0; i < f.count; i++, at += 4) {
            const int v = (int)getWord(at);
            if (f.kind == NUMBERS) {
                ((int*)f.data)[i] = v;
                continue;
            }
            if (v != 0 && v != 1) {
                std::snprintf(why, whySize, "%s holds %d where only 0 or 1 can stand", f.name, v);
                return false;
            }
            ((bool*)f.data)[i] = v;
        }
    }
    return true;
}

bool readGame(const unsigned char* data, int size, int now, char* why, int whySize) {
    resetGame();
    if (!checkForm(data, size, why, whySize)) return false;
    char problem[200];
    if (!readPayload(data + HEADER_BYTES, why, whySize)) {
        resetGame();
        return false;
    }
    if (!checkGame(problem, sizeof problem)) {
        std::snprintf(why, whySize, "an impossible game: %s", problem);
        resetGame();
        return false;
    }
    // A delay under way goes on where it stood, whatever the clock reads now. A stamp further
    // off than half the clock's range is held there, so no sum with it can overflow.
    const long long waited = (long long)(int)getWord(data + AT_CLOCK) - kiTime;
    const long long limit = INT_MAX / 2;
    kiTime = (int)std::min(std::max(now - waited, -limit), limit);
    if (kiTurn == 0) picked = 0, lButtonDown = lButtonOneTime = false;
    return true;
}

// The game offered at start, as it was read then.
static unsigned char keptBytes[KEPT_GAME_ROOM];
static int keptSize;
// The game as it was written last, to tell a changed game from an unchanged one.
static unsigned char lastWritten[KEPT_GAME_ROOM];
static int lastWrittenSize;

void resetKeeping() {
    std::snprintf(keptGamePath, sizeof keptGamePath, "quelvane.sav");
    keeping = keptGameOffered = false;
    keptSize = lastWrittenSize = 0;
}

static void report(const char* what) {
    std::fprintf(stderr, "Quelvane: %s\n", what);
}

// A file that is not a game the rules could have reached is moved aside, never replaced.
static void setAside(const char* reason) {
    char moved[1100], why[600], line[2400];
    if (sysMoveAside(keptGamePath, moved, sizeof moved, why, sizeof why)) {
        std::snprintf(line, sizeof line, "%s: %s; moved aside to %s", keptGamePath, reason, moved);
        report(line);
        keeping = true;
        return;
    }
    std::snprintf(line, sizeof line, "%s: %s; %s; the game is not kept", keptGamePath, reason, why);
    report(line);
}

// The seat selection shows the seats of the game "Fortsetzen" offers, and a new game takes
// them as they are then shown; all else starts afresh.
static void offerSeats() {
    const Seats offered = chosenSeats();
    resetGame();
    if (keptGameOffered) takeSeats(offered);
}

void openKeptGame() {
    keeping = false;
    keptGameOffered = false;
    int size = 0;
    char why[600], line[1800];
    const FileState state =
        sysReadFile(keptGamePath, keptBytes, sizeof keptBytes, &size, why, sizeof why);
    if (state == FILE_MISSING) {
        keeping = true;
        return;
    }
    if (state == FILE_TOO_LARGE) return setAside("not a kept game of Quelvane (too large)");
    if (state != FILE_READ) {
        std::snprintf(line, sizeof line, "%s; the game is not kept", why);
        report(line);
        return;
    }
    const int now = platform.milliseconds();
    if (!readGame(keptBytes, size, now, why, sizeof why)) return setAside(why);
    keeping = true;
    keptGameOffered = !win;
    keptSize = size;
    offerSeats();
}

void resumeKeptGame() {
    if (!keptGameOffered) return;
    char why[600];
    keptGameOffered = false;
    if (!readGame(keptBytes, keptSize, platform.milliseconds(), why, sizeof why)) {
        report(why);
        resetGame();
    }
    showGame();
}

// The clock in the header moves with every pass; only the game itself tells a change, and the
// checksum is only worked out for a game that changed.
void keepGame(int now) {
    if (!keeping || playersChoice || !gameChanged(lastWritten, &lastWrittenSize)) return;
    static unsigned char bytes[KEPT_GAME_ROOM];
    const int size = writeGame(bytes, now);
    char why[600], line[1800];
    if (!platform.keepFile(keptGamePath, bytes, size, why, sizeof why)) {
        std::snprintf(line, sizeof line, "%s; the game is no longer kept", why);
        report(line);
        keeping = false;
    }
}
