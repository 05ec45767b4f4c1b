// One simulated game on the fake clock, and the state checks made after every pass.
#include "sim.h"

#include <cstdio>
#include <cstring>

#include "platform/platform.h"
#include "assets/catalogue.h"
#include "game/board.h"
#include "game/idle.h"
#include "game/rules.h"
#include "game/picks.h"
#include "game/ki.h"
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

static bool fault(char* problem, int size, const char* what, int a, int b) {
    std::snprintf(problem, size, what, a, b);
    return false;
}

// Marks every road of p reachable from p's buildings over p's roads; roads may pass other
// players' pieces, so the walk goes on through any spot.
static void walkRoads(int p, bool* reached) {
    int stack[NUM_SPOTS * 3];
    int top = 0;
    bool seen[NUM_SPOTS] = {};
    for (int s = 0; s < NUM_SPOTS; s++) {
        if (houses[s][SPOT_OWNER] == p) {
            seen[s] = true;
            stack[top++] = s;
        }
    }
    while (top > 0) {
        const int s = stack[--top];
        for (int i = 3; i < 6; i++) {
            const int e = availableCheck1[s][i];
            if (e < 0 || streets[e] != p || reached[e]) continue;
            reached[e] = true;
            const int other =
                availableCheck2[e][0] == s ? availableCheck2[e][1] : availableCheck2[e][0];
            if (!seen[other]) {
                seen[other] = true;
                stack[top++] = other;
            }
        }
    }
}

static bool touchesOwnRoad(int s, int p) {
    for (int i = 3; i < 6; i++) {
        const int e = availableCheck1[s][i];
        if (e >= 0 && streets[e] == p) return true;
    }
    return false;
}

bool checkInvariants(char* problem, int size) {
    int points[5] = {};
    for (int s = 0; s < NUM_SPOTS; s++) {
        const int level = houses[s][SPOT_LEVEL], owner = houses[s][SPOT_OWNER];
        if (level < 0 || level > 2 || owner < 0 || owner > playersPicked)
            return fault(problem, size, "spot %d holds level %d of an unknown owner", s, level);
        if ((level == 0) != (owner == 0))
            return fault(problem, size, "spot %d: level %d and owner disagree", s, level);
        if (level == 0) continue;
        points[owner] += level;
        if (besideBuilding(s))
            return fault(problem, size, "spot %d has a building on a neighbour spot", s, 0);
        if (firstTime > 4 * playersPicked && !touchesOwnRoad(s, owner))
            return fault(problem, size, "building on spot %d has no road of player %d", s, owner);
    }
    for (int p = 1; p <= 4; p++) {
        for (int kind = 0; kind <= CLAY; kind++)
            if (resources[p][kind] < 0)
                return fault(problem, size, "player %d holds a negative count of kind %d", p, kind);
        if (resources[p][0] != points[p])
            return fault(problem, size, "player %d has %d points", p, resources[p][0]);
    }
    for (int e = 0; e < NUM_EDGES; e++)
        if (streets[e] < 0 || streets[e] > playersPicked)
            return fault(problem, size, "edge %d has a road of unknown player %d", e, streets[e]);
    for (int p = 1; p <= playersPicked; p++) {
        bool reached[NUM_EDGES] = {};
        walkRoads(p, reached);
        for (int e = 0; e < NUM_EDGES; e++)
            if (streets[e] == p && !reached[e])
                return fault(problem, size, "road on edge %d is cut off from player %d", e, p);
    }
    return true;
}

// Free spots p could still settle: reached from p's buildings and road ends over free
// edges and p's own roads. A road may join p's roads past any building, so the walk goes
// on through any spot.
static int freeSpotsInReach(int p) {
    int stack[NUM_SPOTS];
    int top = 0, count = 0;
    bool seen[NUM_SPOTS] = {};
    for (int s = 0; s < NUM_SPOTS; s++) {
        if (houses[s][SPOT_OWNER] == p || spotTouchesRoad(s, p)) {
            seen[s] = true;
            stack[top++] = s;
        }
    }
    while (top > 0) {
        const int s = stack[--top];
        count += spotIsFree(s);
        for (int i = 3; i < 6; i++) {
            const int e = availableCheck1[s][i];
            if (e < 0 || (streets[e] != 0 && streets[e] != p)) continue;
            const int other =
                availableCheck2[e][0] == s ? availableCheck2[e][1] : availableCheck2[e][0];
            if (!seen[other]) {
                seen[other] = true;
                stack[top++] = other;
            }
        }
    }
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

void playGame(const SimOptions& o, int seed, GameResult* r) {
    std::memset(r, 0, sizeof *r);
    r->seed = seed;
    resetGame();
    resetView();
    resetPace();
    dropPresses();
    restoreStartScene();
    platform.milliseconds = simMilliseconds;
    platform.quit = simQuit;
    simClock = seed;
    winPoints = clampWinPoints(o.winPoints);

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

    // A computer step waits at most kiWait2; far longer without any change means stuck.
    const long stuckPasses = 600000 / o.step;
    takeChanges();
    int boardRound = runde;
    long still = 0;
    while (true) {
        pass(o);
        r->passes++;
        // A pass that left everything the checks read as the last one did needs no check;
        // the state before the first pass was never checked.
        const Changes c = takeChanges();
        if ((c.checked || r->passes == 1) && !checkInvariants(r->problem, sizeof r->problem))
            return finish(r, GAME_BROKEN);
        if (win) return finish(r, GAME_WON);
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
