// One simulated game on the fake clock, and the state checks made after every pass.
#include "sim.h"

#include <cstdio>
#include <cstring>

#include "platform/platform.h"
#include "assets/catalogue.h"
#include "game/board.h"
#include "game/checks.h"
#include "game/save.h"
#include "game/idle.h"
#include "game/rules.h"
#include "game/picks.h"
#include "game/ki.h"
#include "game/fresh.h"
#include "game/news.h"
#include "game/state.h"
#include "game/view.h"

static int simClock;

static int simMilliseconds() {
    return simClock;
}

static void simQuit(int) {}

static unsigned fnv(unsigned h, const void* data, size_t size) {
    const unsigned char* p = (const unsigned char*)data;
    for (size_t i = 0; i < size; i++) h = (h ^ p[i]) * 16777619u;
    return h;
}

static unsigned boardHash() {
    unsigned h = 2166136261u;
    h = fnv(h, houses, sizeof houses);
    return fnv(h, streets, sizeof streets);
}

static unsigned stateHash() {
    unsigned h = boardHash();
    h = fnv(h, resources, sizeof resources);
    h = fnv(h, tradeArray, sizeof tradeArray);
    const int turn[5] = {player, runde, firstTime, kiTurn, win};
    return fnv(h, turn, sizeof turn);
}

// The state as the last pass left it. Comparing against it is exact where hashes could
// collide, and far cheaper than hashing some 2 KB twice a pass.
static int seenHouses[NUM_SPOTS][8];
static int seenStreets[NUM_EDGES];
static int seenResources[5][6];
static int seenTrade[5][2];
static int seenTurn[5];
static int seenPicked;
static_assert(sizeof seenHouses == sizeof houses && sizeof seenStreets == sizeof streets &&
                  sizeof seenResources == sizeof resources && sizeof seenTrade == sizeof tradeArray,
              "the kept copy must have the game state's shape");

struct Changes {
    bool board;   // houses or streets
    bool checked; // anything checkInvariants reads
    bool state;   // anything stateHash covers
};

// What the last pass changed; the kept copy takes it over.
static Changes takeChanges() {
    Changes c = {};
    if (std::memcmp(houses, seenHouses, sizeof houses)) {
        std::memcpy(seenHouses, houses, sizeof houses);
        c.board = true;
    }
    if (std::memcmp(streets, seenStreets, sizeof streets)) {
        std::memcpy(seenStreets, streets, sizeof streets);
        c.board = true;
    }
    bool cards = false;
    if (std::memcmp(resources, seenResources, sizeof resources)) {
        std::memcpy(seenResources, resources, sizeof resources);
        cards = true;
    }
    // seenTurn still holds the last pass's firstTime here; it is taken over below.
    c.checked = c.board || cards || firstTime != seenTurn[2] || playersPicked != seenPicked;
    seenPicked = playersPicked;
    c.state = c.board || cards;
    if (std::memcmp(tradeArray, seenTrade, sizeof tradeArray)) {
        std::memcpy(seenTrade, tradeArray, sizeof tradeArray);
        c.state = true;
    }
    const int turn[5] = {player, runde, firstTime, kiTurn, win};
    static_assert(sizeof turn == sizeof seenTurn, "the turn is kept whole");
    if (std::memcmp(turn, seenTurn, sizeof turn)) {
        std::memcpy(seenTurn, turn, sizeof turn);
        c.state = true;
    }
    return c;
}

// Free spots p could still settle: reached from p's buildings and road ends over free
// edges and p's own roads.
static int freeSpotsInReach(int p) {
    int roads[NUM_SPOTS], count = 0;
    roadsToSpots(p, UNREACHED - 1, roads);
    for (int s = 0; s < NUM_SPOTS; s++) count += roads[s] < UNREACHED && spotIsFree(s);
    return count;
}

// Never less than p can still come to: every settlement raised and a city on every free
// spot in reach, though neighbouring spots cannot both be built and others may come first.
static int mostPoints(int p) {
    int settlements = 0;
    for (int s = 0; s < NUM_SPOTS; s++)
        settlements += houses[s][SPOT_OWNER] == p && houses[s][SPOT_LEVEL] == SETTLEMENT;
    return resources[p][0] + settlements + 2 * freeSpotsInReach(p);
}

bool targetOutOfReach() {
    if (inOpening()) return false;
    for (int p = 1; p <= playersPicked; p++)
        if (mostPoints(p) >= winPoints) return false;
    return true;
}

// The slots a game changes that neither the deal nor the piece refresh rebuilds, as the
// scene set-up left them.
static obj_type startInterface[NUM_SLOTS];
static obj_type startPointers[20];
static bool startKept;

void keepStartScene() {
    for (int i = 0; i < NUM_SLOTS; i++) startInterface[i] = interfaceV[i];
    for (int i = 0; i < 20; i++) startPointers[i] = pointerV[i];
    startKept = true;
}

static void restoreStartScene() {
    if (!startKept) return;
    for (int i = 0; i < NUM_SLOTS; i++) interfaceV[i] = startInterface[i];
    for (int i = 0; i < 20; i++) pointerV[i] = startPointers[i];
}

static void pass(const SimOptions& o) {
    idle();
    simClock += o.step;
}

// A computer seat's answer that the last pass reported.
static void countAnswer(GameResult* r, int* seen) {
    if (newsCount == *seen) return;
    *seen = newsCount;
    if (newsKind != NEWS_ANSWER || newsSeat < 1 || newsSeat > 4) return;
    r->offers[newsSeat]++;
    r->accepted[newsSeat] += newsAccepted;
}

// A press and its release, dispatched by one pass.
static void press(const SimOptions& o, int name) {
    postClick(name);
    pass(o);
    releaseClick();
}

static void finish(GameResult* r, int status) {
    r->status = status;
    r->winner = player;
    r->rounds = runde;
    for (int p = 0; p < 5; p++) r->points[p] = resources[p][0];
    r->hash = stateHash();
}

// Every slot a read game must show as the game itself showed it; the trade dialog only once
// no computer click is in flight, as the computer clicks its way out of the dialog it never
// opened.
struct SlotSight {
    int texture, triangles;
};
enum { SIGHTS = 29 + NUM_SPOTS + NUM_EDGES + 20 + NUM_SLOTS };

static void takeSights(SlotSight* sight) {
    int n = 0;
    auto see = [&](const obj_type& o) { sight[n++] = {o.texture_id, o.polygon_count}; };
    for (const obj_type& o : modelV) see(o);
    for (const obj_type& o : housesV) see(o);
    for (const obj_type& o : streetsV) see(o);
    for (const obj_type& o : pointerV) see(o);
    for (const obj_type& o : interfaceV) see(o);
}

static bool dialogSlot(int i) {
    const int slot = i - (29 + NUM_SPOTS + NUM_EDGES + 20);
    return slot >= SLOT_TRADE_FIRST && slot <= SLOT_TRADE_LAST;
}

// After a pass that changed the game: the game written, read back into a reset state and
// shown again is the same game in the same slots, and it plays on from the read copy.
static bool roundTrip(GameResult* r) {
    static unsigned char written[KEPT_GAME_ROOM], again[KEPT_GAME_ROOM], last[KEPT_GAME_ROOM];
    static int lastSize;
    if (!gameChanged(last, &lastSize)) return true;
    const int size = writeGame(written, 0);
    static SlotSight before[SIGHTS], after[SIGHTS];
    takeSights(before);
    const bool clickInFlight = kiTurn > 0 && !lButtonOneTime;
    char why[150];
    if (!readGame(written, size, 0, why, sizeof why)) {
        std::snprintf(r->problem, sizeof r->problem, "a kept game does not read: %s", why);
        return false;
    }
    showGame();
    if (writeGame(again, 0) != size || std::memcmp(written, again, size)) {
        std::snprintf(r->problem, sizeof r->problem, "a kept game reads back otherwise");
        return false;
    }
    takeSights(after);
    for (int i = 0; i < SIGHTS; i++) {
        if (clickInFlight && dialogSlot(i)) continue;
        if (before[i].texture != after[i].texture || before[i].triangles != after[i].triangles) {
            std::snprintf(r->problem, sizeof r->problem, "slot %d shows otherwise after reading",
                          i);
            return false;
        }
    }
    return true;
}

// The game kept as it stood when the player on turn first held the points to win, in the
// latest turn that came to it: from there only the end of the turn is due, whatever the dice.
static unsigned char reached[KEPT_GAME_ROOM];
static int reachedSize, reachedPlayer, reachedRound;

static void noteTargetReached(int passTime) {
    if (win || resources[player][0] < winPoints) return;
    if (player == reachedPlayer && runde == reachedRound) return;
    reachedPlayer = player, reachedRound = runde;
    reachedSize = writeGame(reached, passTime);
}

static bool writeFile(const char* path, const unsigned char* data, int size, GameResult* r) {
    char why[150];
    if (sysReplaceFile(path, data, size, why, sizeof why)) return true;
    std::snprintf(r->problem, sizeof r->problem, "%s", why);
    return false;
}

static void setUpGame(const SimOptions& o) {
    resetDisplay();
    resetEveryOwner();
    restoreStartScene();
    platform.milliseconds = simMilliseconds;
    platform.quit = simQuit;
    configuredWinPoints = winPoints = clampWinPoints(o.winPoints);
    reachedSize = reachedPlayer = reachedRound = 0;
}

// Passes until the game is won, out of reach, stalled, at the round limit, broken, or (with
// stopAtPass) kept in its file at that pass.
static void playOn(const SimOptions& o, GameResult* r) {
    // A computer step waits at most kiWait2; far longer without any change means stuck.
    const long stuckPasses = 600000 / o.step;
    takeChanges();
    int boardRound = runde, answers = newsCount;
    long still = 0;
    while (true) {
        pass(o);
        r->passes++;
        countAnswer(r, &answers);
        if (o.stopAtPass > 0 && r->passes == o.stopAtPass) {
            unsigned char bytes[KEPT_GAME_ROOM];
            const int size = writeGame(bytes, simClock - o.step);
            if (!writeFile(o.keepPath, bytes, size, r)) return finish(r, GAME_BROKEN);
            return finish(r, GAME_KEPT);
        }
        if (o.keepBeforeWin) noteTargetReached(simClock - o.step);
        // A pass that left everything the checks read as the last one did needs no check;
        // the state before the first pass was never checked.
        const Changes c = takeChanges();
        if ((c.checked || r->passes == 1) && !checkInvariants(r->problem, sizeof r->problem))
            return finish(r, GAME_BROKEN);
        if (o.checkSaves && !roundTrip(r)) return finish(r, GAME_BROKEN);
        if (win) {
            if (o.keepBeforeWin &&
                (reachedSize == 0 || !writeFile(o.keepPath, reached, reachedSize, r)))
                return finish(r, GAME_BROKEN);
            return finish(r, GAME_WON);
        }
        if (runde > o.maxRounds) return finish(r, GAME_LIMIT);
        if (c.board) {
            boardRound = runde;
            if (targetOutOfReach()) {
                std::snprintf(r->problem, sizeof r->problem, "no seat can reach %d points any more",
                              winPoints);
                return finish(r, GAME_UNREACHABLE);
            }
        } else if (runde - boardRound >= o.stallRounds) {
            std::snprintf(r->problem, sizeof r->problem, "no change on the board since round %d",
                          boardRound);
            return finish(r, GAME_STALLED);
        }
        if (c.state) {
            still = 0;
        } else if (++still > stuckPasses) {
            std::snprintf(r->problem, sizeof r->problem, "stuck in step %d of player %d", kiTurn,
                          player);
            return finish(r, GAME_STALLED);
        }
    }
}

void playGame(const SimOptions& o, int seed, GameResult* r) {
    std::memset(r, 0, sizeof *r);
    r->seed = seed;
    setUpGame(o);
    simClock = seed;
    // One pass per seat, whatever it needs, so that a seed deals the same board whoever
    // plays it: a computer seat's button would switch its strength, so it gets a click on
    // nothing. The strengths are set as they stand on the panel.
    press(o, PICK_PLAYER_COUNT + o.players);
    for (int q = 1; q <= o.players; q++) press(o, playerKI[q] ? PICK_NONE : PICK_SEAT_COMPUTER + q);
    for (int q = 1; q <= o.players; q++) kiStrength[q] = o.strength[q];
    press(o, PICK_START);
    if (playersChoice) {
        std::snprintf(r->problem, sizeof r->problem, "the game did not start");
        return finish(r, GAME_BROKEN);
    }
    playOn(o, r);
}

// Every seat to the computer. A person's turn under way is taken up where it stands: the
// opening's placement, the roll, or the decision after it.
static void handToComputer() {
    for (int p = 1; p <= playersPicked; p++) playerKI[p] = true;
    if (win || kiTurn > 0) return;
    releaseClick();
    if (inOpening())
        kiTurn = KI_OPENING_START;
    else if (wuerfeln)
        kiTurn = KI_START;
    else
        kiTurn = KI_DECIDE, kiTime = simClock;
}

void playKeptGame(const SimOptions& o, const unsigned char* data, int size, GameResult* r) {
    std::memset(r, 0, sizeof *r);
    setUpGame(o);
    simClock = r->seed = keptGameClock(data, size);
    if (!readGame(data, size, simClock, r->problem, sizeof r->problem))
        return finish(r, GAME_BROKEN);
    showGame();
    handToComputer();
    simClock += o.step;
    if (win) return finish(r, GAME_WON);
    playOn(o, r);
}
