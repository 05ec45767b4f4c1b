// The kept game: its file format, writing after every change, and reading it back at start.
#include "save.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <type_traits>

#include "checks.h"
#include "frames.h"
#include "rules.h"
#include "state.h"
#include "platform/platform.h"

#ifndef QUELVANE_VERSION
#define QUELVANE_VERSION "unknown"
#endif

char keptGamePath[1024] = "quelvane.sav";
bool keeping;
bool keptGameOffered;
int keepTrouble;

// A kept game is text, a line "name = values" for each value of the game, the numbers in
// decimal, a flag 0 or 1. It opens with its own first line and its format, and ends with a
// CRC-32 of every byte before that last line:
//
//     Quelvane kept game
//     format = 2
//     program = 1.1.0
//     clock = 81234
//     model = 3 1 4 ...
//     ...
//     checksum = 1c291ca3
//
// A reader takes the names it knows and passes over the others; a name it does not find keeps
// its value of a fresh game. So a later release that adds a variable to the game adds a line
// to gameFields below, under a new name, with a fresh value that suits a game kept before it
// existed, and every earlier file still reads; the format stays 2. A variable renamed in the
// code keeps its old name here, and one whose size changes takes a new name. The first two
// lines stay as they are; only a file a reader cannot take line by line any more gets a new
// format number.
static const char firstLine[] = "Quelvane kept game\n";
static const char checksumName[] = "checksum = ";
enum { CHECKSUM_NAME = sizeof checksumName - 1, CHECKSUM_LINE = CHECKSUM_NAME + 9 };
enum { FORMAT_VERSION = 2, FIRST_FORMAT = 1 };

enum FieldKind { NUMBERS, FLAGS };
struct GameField {
    const char* name;
    void* data;
    int count;
    FieldKind kind;
};

#define KEPT(name, v)                                                                              \
    {                                                                                              \
        name, &(v), (int)(sizeof(v) / sizeof(std::remove_all_extents_t<decltype(v)>)),             \
            std::is_same_v<std::remove_all_extents_t<decltype(v)>, bool> ? FLAGS : NUMBERS         \
    }

// Everything the game consists of, in the groups of state.h. The click in flight comes last:
// it only counts while a computer turn is under way.
static const GameField gameFields[] = {
    KEPT("model", model),
    KEPT("number", number),
    KEPT("houses", houses),
    KEPT("streets", streets),
    KEPT("zufall1", zufall1),
    KEPT("zufall2", zufall2),
    KEPT("zufall", zufall),
    KEPT("diceShown", diceShown),

    KEPT("playersPicked", playersPicked),
    KEPT("playerKI", playerKI),
    KEPT("kiStrength", kiStrength),
    KEPT("player", player),
    KEPT("resources", resources),
    KEPT("winPoints", winPoints),
    KEPT("runde", runde),
    KEPT("win", win),
    KEPT("firstTime", firstTime),

    KEPT("playersChoice", playersChoice),
    KEPT("wuerfeln", wuerfeln),
    KEPT("next", next),
    KEPT("trade", trade),
    KEPT("build", build),
    KEPT("buildFT", buildFT),
    KEPT("redraw", redraw),
    KEPT("playerCheck", playerCheck),

    KEPT("tradeArray", tradeArray),
    KEPT("tradeStep", tradeStep),
    KEPT("tradePlayer", tradePlayer),
    KEPT("tradeItem", tradeItem),
    KEPT("tradePicked1", tradePicked1),
    KEPT("tradePicked2", tradePicked2),
    KEPT("tradeDelete", tradeDelete),
    KEPT("tradeCheck", tradeCheck),
    KEPT("tradeModus", tradeModus),
    KEPT("kiTrade", kiTrade),
    KEPT("player3too1", player3too1),

    KEPT("kiTurn", kiTurn),
    KEPT("kiTime", kiTime),
    KEPT("buildHouse", buildHouse),
    KEPT("houseBuild", houseBuild),

    KEPT("takeBacks", takeBacks),
    KEPT("takeBackCount", takeBackCount),

    // Added later: the simulator's trader, where its offers to the computer seats stand. A game
    // kept before it has none under way.
    KEPT("kiOffer", kiOffer),

    KEPT("picked", picked),
    KEPT("lButtonDown", lButtonDown),
    KEPT("lButtonOneTime", lButtonOneTime),
};
enum { FIELD_COUNT = sizeof gameFields / sizeof gameFields[0] };

// The variables of state.cpp a kept game leaves out, and why: none of them lives from one
// pass to the next. A test holds both lists against the variables state.cpp defines.
static const struct {
    const char* name;
    const char* why;
} leftOut[] = {
    {"dice", "a roll's payout list, emptied by the roll itself"},
    {"k", "the length of that list"},
    {"posPoints", "the computer's rating of a spot, worked out anew for each choice"},
    {"posPoints1", "a part of that rating"},
    {"posPoints2", "a part of that rating"},
    {"posPointsTop", "the best rating of one choice"},
    {"configuredWinPoints", "a setting: the target of the next new game"},
};

// The first format (release 1.0.0): a binary header, then every value as a little-endian
// 32-bit word in this order, then the CRC-32 of everything before it. Its names are taken as
// the second format's lines would be.
static const unsigned char firstMagic[8] = {'Q', 'V', 'S', 'A', 'V', 'E', '\r', '\n'};
enum {
    FIRST_VERSION_BYTES = 16,
    FIRST_AT_FORMAT = 8,
    FIRST_AT_PROGRAM = 12,
    FIRST_AT_CLOCK = FIRST_AT_PROGRAM + FIRST_VERSION_BYTES,
    FIRST_AT_LENGTH = FIRST_AT_CLOCK + 4,
    FIRST_HEADER_BYTES = FIRST_AT_LENGTH + 4,
};
static const struct {
    const char* name;
    int count;
} firstFormat[] = {
    {"model", 19},       {"number", 19},       {"houses", 432},
    {"streets", 72},     {"dice", 36},         {"k", 1},
    {"zufall1", 1},      {"zufall2", 1},       {"zufall", 1},
    {"diceShown", 1},    {"playersPicked", 1}, {"playerKI", 5},
    {"kiStrength", 5},   {"player", 1},        {"resources", 30},
    {"winPoints", 1},    {"runde", 1},         {"win", 1},
    {"firstTime", 1},    {"playersChoice", 1}, {"wuerfeln", 1},
    {"next", 1},         {"trade", 1},         {"build", 1},
    {"buildFT", 1},      {"redraw", 1},        {"playerCheck", 1},
    {"tradeArray", 10},  {"tradeStep", 5},     {"tradePlayer", 1},
    {"tradeItem", 1},    {"tradePicked1", 1},  {"tradePicked2", 1},
    {"tradeDelete", 1},  {"tradeCheck", 1},    {"tradeModus", 1},
    {"kiTrade", 1},      {"player3too1", 7},   {"kiTurn", 1},
    {"kiTime", 1},       {"buildHouse", 15},   {"houseBuild", 5},
    {"posPoints", 1},    {"posPoints1", 1},    {"posPoints2", 1},
    {"posPointsTop", 1}, {"takeBacks", 128},   {"takeBackCount", 1},
    {"picked", 1},       {"lButtonDown", 1},   {"lButtonOneTime", 1},
};
enum { FIRST_WORDS = 825 };

bool keptGameHolds(const char* name) {
    for (const GameField& f : gameFields)
        if (!std::strcmp(f.name, name)) return true;
    return false;
}

bool keptGameLeavesOut(const char* name) {
    for (const auto& out : leftOut)
        if (!std::strcmp(out.name, name)) return true;
    return false;
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

static int valueOf(const GameField& f, int i) {
    if (personsClick(f)) return 0;
    return f.kind == FLAGS ? ((const bool*)f.data)[i] : ((const int*)f.data)[i];
}

// Text into out, never past end; returns where it stopped.
static char* putText(char* out, char* end, const char* text) {
    while (*text && out < end) *out++ = *text++;
    return out;
}

static char* putNumber(char* out, char* end, int v) {
    char digits[12];
    int n = 0;
    unsigned u = v < 0 ? 0u - (unsigned)v : (unsigned)v;
    do digits[n++] = (char)('0' + u % 10);
    while (u /= 10);
    if (v < 0 && out < end) *out++ = '-';
    while (n > 0 && out < end) *out++ = digits[--n];
    return out;
}

static char* putLine(char* out, char* end, const char* name, const char* value) {
    out = putText(out, end, name);
    out = putText(out, end, " = ");
    out = putText(out, end, value);
    return putText(out, end, "\n");
}

int writeGame(unsigned char* bytes, int now) {
    char* const start = (char*)bytes;
    char* const end = start + KEPT_GAME_ROOM;
    char* out = putText(start, end, firstLine);
    out = putLine(out, end, "format", "2");
    out = putLine(out, end, "program", QUELVANE_VERSION);
    out = putText(out, end, "clock = ");
    out = putNumber(out, end, now);
    out = putText(out, end, "\n");
    for (const GameField& f : gameFields) {
        out = putText(out, end, f.name);
        out = putText(out, end, " =");
        for (int i = 0; i < f.count; i++) {
            out = putText(out, end, " ");
            out = putNumber(out, end, valueOf(f, i));
        }
        out = putText(out, end, "\n");
    }
    char seal[32];
    std::snprintf(seal, sizeof seal, "%s%08x\n", checksumName, crc32(bytes, (int)(out - start)));
    out = putText(out, end, seal);
    return (int)(out - start);
}

// The game's values as words in the order of gameFields: what tells a change.
static int gameWords(unsigned char* out) {
    unsigned char* at = out;
    for (const GameField& f : gameFields)
        for (int i = 0; i < f.count; i++, at += 4) putWord(at, (unsigned)valueOf(f, i));
    return (int)(at - out);
}

bool gameChanged(unsigned char* last, int* lastSize) {
    static unsigned char now[KEPT_GAME_ROOM];
    const int size = gameWords(now);
    if (size == *lastSize && !std::memcmp(now, last, size)) return false;
    std::memcpy(last, now, size);
    *lastSize = size;
    return true;
}

static bool firstFormatFile(const unsigned char* data, int size) {
    return size >= (int)sizeof firstMagic && !std::memcmp(data, firstMagic, sizeof firstMagic);
}

static bool textFile(const unsigned char* data, int size) {
    const int n = (int)sizeof firstLine - 1;
    return size >= n && !std::memcmp(data, firstLine, n);
}

// Where the last line, "checksum = ...", begins: after the last line break but one. -1 when the
// file does not end with a line break.
static int lastLineAt(const unsigned char* data, int size) {
    if (size == 0 || data[size - 1] != '\n') return -1;
    int at = size - 1;
    while (at > 0 && data[at - 1] != '\n') at--;
    return at;
}

void resealGame(unsigned char* data, int size) {
    if (firstFormatFile(data, size)) {
        if (size >= 4) putWord(data + size - 4, crc32(data, size - 4));
        return;
    }
    const int at = lastLineAt(data, size);
    if (at < 0 || size - at != CHECKSUM_LINE || std::memcmp(data + at, checksumName, CHECKSUM_NAME))
        return;
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08x", crc32(data, at));
    std::memcpy(data + at + CHECKSUM_NAME, hex, 8);
}

// A line of a text file: its name and the text after " = ".
struct Line {
    const char* name;
    int nameLength;
    const char* values;
    const char* end; // the line break
};

// The next line at *at; false at the end or where a line has no " = " after its name.
static bool nextLine(const char** at, const char* end, Line* line) {
    const char* p = *at;
    if (p >= end) return false;
    const char* lineEnd = (const char*)std::memchr(p, '\n', end - p);
    if (!lineEnd) lineEnd = end;
    const char* name = p;
    while (p < lineEnd && *p != ' ') p++;
    *line = {name, (int)(p - name), p + 3, lineEnd};
    *at = lineEnd + 1;
    return p - name > 0 && lineEnd - p >= 3 && !std::memcmp(p, " = ", 3);
}

static bool isName(const Line& line, const char* name) {
    return (int)std::strlen(name) == line.nameLength &&
           !std::memcmp(line.name, name, line.nameLength);
}

// Reads up to `room` whole numbers separated by blanks; returns how many the line holds (more
// than room when it holds too many), or -1 for anything that is not a number of the int range.
static int readNumbers(const Line& line, int* out, int room) {
    const char* p = line.values;
    int n = 0;
    while (true) {
        while (p < line.end && *p == ' ') p++;
        if (p == line.end) return n;
        const bool negative = *p == '-';
        if (negative) p++;
        if (p == line.end || *p < '0' || *p > '9') return -1;
        long long v = 0;
        while (p < line.end && *p >= '0' && *p <= '9') {
            v = v * 10 + (*p++ - '0');
            if (v > 2147483648LL) return -1;
        }
        if (p < line.end && *p != ' ') return -1;
        if (negative) v = -v;
        if (v > INT_MAX) return -1;
        if (n < room) out[n] = (int)v;
        n++;
    }
}

static bool refuse(char* why, int whySize, const char* what) {
    std::snprintf(why, whySize, "%s", what);
    return false;
}

static const GameField* fieldNamed(const char* name, int length) {
    for (const GameField& f : gameFields)
        if ((int)std::strlen(f.name) == length && !std::memcmp(f.name, name, length)) return &f;
    return nullptr;
}

// Takes the values of one field; a flag must be 0 or 1.
static bool takeField(const GameField& f, const int* values, char* why, int whySize) {
    for (int i = 0; i < f.count; i++) {
        if (f.kind == NUMBERS) {
            ((int*)f.data)[i] = values[i];
            continue;
        }
        if (values[i] != 0 && values[i] != 1) {
            std::snprintf(why, whySize, "%s holds %d where only 0 or 1 can stand", f.name,
                          values[i]);
            return false;
        }
        ((bool*)f.data)[i] = values[i];
    }
    return true;
}

enum { MOST_VALUES = 512 }; // more than any field holds

// The fields of a text file, between its format line and its checksum line; lines of names it
// does not know pass by. The clock goes to *clock where the file gives one.
static bool readLines(const char* at, const char* end, int* clock, char* why, int whySize) {
    bool seen[FIELD_COUNT] = {};
    int values[MOST_VALUES];
    Line line;
    while (at < end) {
        // A line this reader cannot take is a later release's, as the checksum holds.
        if (!nextLine(&at, end, &line)) continue;
        const GameField* f = fieldNamed(line.name, line.nameLength);
        if (isName(line, "clock")) {
            if (readNumbers(line, values, 1) != 1) return refuse(why, whySize, "a damaged clock");
            *clock = values[0];
            continue;
        }
        if (!f) continue;
        const int n = readNumbers(line, values, MOST_VALUES);
        if (n != f->count) {
            if (n < 0)
                std::snprintf(why, whySize, "%s holds something that is not a number", f->name);
            else
                std::snprintf(why, whySize, "%s holds %d values where %d belong", f->name, n,
                              f->count);
            return false;
        }
        if (seen[f - gameFields]) {
            std::snprintf(why, whySize, "%s stands twice", f->name);
            return false;
        }
        seen[f - gameFields] = true;
        if (!takeField(*f, values, why, whySize)) return false;
    }
    return true;
}

// The program that wrote a text file, for what a reader says about it.
static void writtenBy(const char* at, const char* end, char* program, int size) {
    std::snprintf(program, size, "an unknown release");
    Line line;
    while (at < end) {
        if (!nextLine(&at, end, &line) || !isName(line, "program")) continue;
        std::snprintf(program, size, "Quelvane %.*s",
                      (int)std::min<long>(line.end - line.values, 20), line.values);
        return;
    }
}

static int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The checksum line holds eight hex digits; true when they give the sum.
static bool sumMatches(const char* digits, unsigned sum) {
    unsigned read = 0;
    for (int i = 0; i < 8; i++) {
        const int d = hexDigit(digits[i]);
        if (d < 0) return false;
        read = read << 4 | (unsigned)d;
    }
    return read == sum;
}

static bool readText(const unsigned char* data, int size, int* clock, char* why, int whySize) {
    const char* text = (const char*)data;
    const int last = lastLineAt(data, size);
    if (last < 0 || size - last != CHECKSUM_LINE ||
        std::memcmp(text + last, checksumName, CHECKSUM_NAME)) {
        // A checksum line before the end: something was added after the game.
        bool found = false;
        for (const char* p = text; (p = (const char*)std::memchr(p, '\n', text + size - p)); p++)
            found |= text + size - p > CHECKSUM_LINE && p[CHECKSUM_LINE] == '\n' &&
                     !std::memcmp(p + 1, checksumName, CHECKSUM_NAME);
        return refuse(why, whySize,
                      found ? "the file runs on past its end" : "the file is cut short");
    }
    const char* check = text + last;
    if (!sumMatches(check + CHECKSUM_NAME, crc32(data, last)))
        return refuse(why, whySize, "the checksum does not match");
    const char* at = text + sizeof firstLine - 1;
    Line line;
    int format = 0;
    if (!nextLine(&at, check, &line) || !isName(line, "format") ||
        readNumbers(line, &format, 1) != 1)
        return refuse(why, whySize, "the file gives no format");
    if (format != FORMAT_VERSION) {
        char program[40];
        writtenBy(at, check, program, sizeof program);
        std::snprintf(why, whySize, "format version %d of %s, this game reads versions 1 and 2",
                      format, program);
        return false;
    }
    return readLines(at, check, clock, why, whySize);
}

static bool readFirstFormat(const unsigned char* data, int size, int* clock, char* why,
                            int whySize) {
    if (size < FIRST_HEADER_BYTES) return refuse(why, whySize, "the file is cut short");
    const unsigned format = getWord(data + FIRST_AT_FORMAT);
    if (format != FIRST_FORMAT) {
        std::snprintf(why, whySize, "format version %u, this game reads versions 1 and 2", format);
        return false;
    }
    const long expected = FIRST_HEADER_BYTES + 4L * FIRST_WORDS + 4;
    if (getWord(data + FIRST_AT_LENGTH) != 4u * FIRST_WORDS)
        return refuse(why, whySize, "the header gives a wrong length");
    if (size < expected) return refuse(why, whySize, "the file is cut short");
    if (size > expected) return refuse(why, whySize, "the file runs on past its end");
    if (crc32(data, size - 4) != getWord(data + size - 4))
        return refuse(why, whySize, "the checksum does not match");
    *clock = (int)getWord(data + FIRST_AT_CLOCK);
    const unsigned char* at = data + FIRST_HEADER_BYTES;
    int values[MOST_VALUES];
    for (const auto& entry : firstFormat) {
        const GameField* f = fieldNamed(entry.name, (int)std::strlen(entry.name));
        for (int i = 0; i < entry.count; i++, at += 4) values[i] = (int)getWord(at);
        if (f && f->count == entry.count && !takeField(*f, values, why, whySize)) return false;
    }
    return true;
}

int keptGameClock(const unsigned char* data, int size) {
    if (firstFormatFile(data, size))
        return size < FIRST_HEADER_BYTES ? -1 : (int)getWord(data + FIRST_AT_CLOCK);
    if (!textFile(data, size)) return -1;
    const char* at = (const char*)data;
    const char* end = at + size;
    Line line;
    int clock;
    while (at < end)
        if (nextLine(&at, end, &line) && isName(line, "clock") && readNumbers(line, &clock, 1) == 1)
            return clock;
    return -1;
}

// The form and the values first; a fault leaves the fresh game behind, the configured target
// with it.
static bool readValues(const unsigned char* data, int size, int* clock, char* why, int whySize) {
    if (size == 0) return refuse(why, whySize, "the file is empty");
    if (firstFormatFile(data, size)) return readFirstFormat(data, size, clock, why, whySize);
    if (!textFile(data, size)) return refuse(why, whySize, "not a kept game of Quelvane");
    return readText(data, size, clock, why, whySize);
}

bool readGame(const unsigned char* data, int size, int now, char* why, int whySize) {
    resetGame();
    int clock = INT_MIN;
    char problem[200];
    if (!readValues(data, size, &clock, why, whySize)) {
        resetGame();
        return false;
    }
    if (!checkGame(problem, sizeof problem)) {
        std::snprintf(why, whySize, "an impossible game: %s", problem);
        resetGame();
        return false;
    }
    // A delay under way goes on where it stood, whatever the clock reads now. A stamp further
    // off than half the clock's range is held there, so no sum with it can overflow. Without
    // the clock it was kept at, the delay starts again.
    const long long waited = clock == INT_MIN ? 0 : (long long)clock - kiTime;
    const long long limit = INT_MAX / 2;
    kiTime = (int)std::min(std::max(now - waited, -limit), limit);
    if (kiTurn == 0) picked = 0, lButtonDown = lButtonOneTime = false;
    return true;
}

// The game offered at start, as it was read then.
static unsigned char keptBytes[KEPT_GAME_ROOM];
static int keptSize;
// The game as it was handed to the disk last, to tell a changed game from an unchanged one.
static unsigned char lastWritten[KEPT_GAME_ROOM];
static int lastWrittenSize;
// This copy's lock on the kept file, and whether it still has to take one: it could not be
// made at start (a read-only folder), and keeping waits for it.
static int keepLock = -1;
static bool lockWanted;
// A write was handed to the platform, whose outcome then tells whether the game is kept.
static bool writesHanded;

void resetKeeping() {
    std::snprintf(keptGamePath, sizeof keptGamePath, "quelvane.sav");
    keeping = keptGameOffered = lockWanted = writesHanded = false;
    keepTrouble = WRITE_OK;
    keptSize = lastWrittenSize = 0;
    sysUnlockFile(keepLock);
    keepLock = -1;
}

static void report(const char* what) {
    std::fprintf(stderr, "Quelvane: %s\n", what);
}

// Says once on standard error when keeping stops and when it goes on again; the message line
// says it for as long as it lasts.
static void noteTrouble(int trouble, const char* why) {
    if (trouble == keepTrouble) return;
    wantFrame();
    char line[1800];
    if (trouble == WRITE_OK)
        std::snprintf(line, sizeof line, "%s: the game is kept again", keptGamePath);
    else
        std::snprintf(line, sizeof line, "%s; the game is not kept until that is mended", why);
    report(line);
    keepTrouble = trouble;
}

// A file that is not a game the rules could have reached is moved aside, never replaced.
static void setAside(const char* reason) {
    char moved[1100], why[600], line[2400];
    if (sysMoveAside(keptGamePath, moved, sizeof moved, why, sizeof why)) {
        std::snprintf(line, sizeof line, "%s: %s; moved aside to %s", keptGamePath, reason, moved);
        report(line);
        return;
    }
    std::snprintf(line, sizeof line, "%s: %s; %s; the game is not kept", keptGamePath, reason, why);
    report(line);
    keepTrouble = WRITE_IN_THE_WAY;
}

// One copy keeps the game in a folder. A second one says so and leaves the file alone for
// good: the game in it is the other copy's. Where the lock cannot be made at all, nobody can
// write the folder; keeping waits until the lock can be taken.
static void takeLock() {
    int trouble;
    char why[600], line[1800];
    sysUnlockFile(keepLock);
    keepLock = sysLockFile(keptGamePath, &trouble, why, sizeof why);
    lockWanted = keepLock < 0 && trouble != WRITE_LOCKED;
    if (trouble != WRITE_LOCKED) return noteTrouble(trouble, why);
    keeping = false;
    std::snprintf(line, sizeof line,
                  "another copy of the game is playing in this folder and keeps %s; this copy "
                  "plays without keeping",
                  keptGamePath);
    report(line);
    keepTrouble = WRITE_LOCKED;
}

// The seat selection shows the seats of the game "Fortsetzen" offers, and a new game takes
// them as they are then shown; all else starts afresh.
static void offerSeats() {
    const Seats offered = chosenSeats();
    resetGame();
    if (keptGameOffered) takeSeats(offered);
}

void openKeptGame() {
    keeping = true;
    keptGameOffered = false;
    keepTrouble = WRITE_OK;
    takeLock();
    if (!keeping) return;
    int size = 0;
    char why[600], line[1800];
    const FileState state =
        sysReadFile(keptGamePath, keptBytes, sizeof keptBytes, &size, why, sizeof why);
    if (state == FILE_MISSING) return;
    if (state == FILE_TOO_LARGE) return setAside("not a kept game of Quelvane (too large)");
    if (state != FILE_READ) {
        std::snprintf(line, sizeof line, "%s; the game is not kept", why);
        report(line);
        keepTrouble = WRITE_IN_THE_WAY;
        return;
    }
    const int now = platform.milliseconds();
    if (!readGame(keptBytes, size, now, why, sizeof why)) return setAside(why);
    keptGameOffered = !win;
    keptSize = size;
    offerSeats();
}

void resumeKeptGame() {
    if (!keptGameOffered) return;
    char why[600];
    keptGameOffered = false;
    if (!readGame(keptBytes, keptSize, platform.milliseconds(), why, sizeof why)) report(why);
    showGame();
}

// Something at the kept file's name that is not the game's own is never written over: keeping
// waits until it is gone.
static bool inTheWay() {
    return keepTrouble == WRITE_IN_THE_WAY && !sysNothingAt(keptGamePath);
}

// The clock in the file moves with every pass; only the game itself tells a change, and the
// file is only made for a game that changed. How the last write went is asked every pass, as
// the window's writer tells it only once it has ended; a failed write is tried again with the
// next change.
void keepGame(int now) {
    char why[600];
    if (keeping && writesHanded) noteTrouble(platform.keptFileState(why, sizeof why), why);
    if (!keeping || playersChoice || !gameChanged(lastWritten, &lastWrittenSize)) return;
    if (lockWanted) takeLock();
    if (!keeping || lockWanted || inTheWay()) return;
    static unsigned char bytes[KEPT_GAME_ROOM];
    const int size = writeGame(bytes, now);
    platform.keepFile(keptGamePath, bytes, size);
    writesHanded = true;
    noteTrouble(platform.keptFileState(why, sizeof why), why);
}
