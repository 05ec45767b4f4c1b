// Test helpers for the rules: fake platform, distinct prototypes, clicks through the
// handshake, and snapshots of the whole game state and every display slot.
#pragma once

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "assets/catalogue.h"
#include "game/idle.h"
#include "game/rules.h"
#include "game/picks.h"
#include "game/state.h"
#include "game/view.h"
#include "game/ki.h"

namespace gt {

inline int clockMs = 0;       // the fake pass clock
inline int quitCalls = 0;     // platform.quit calls
inline int quitStatus = -1;   // status of the last one
inline int lightingCalls = 0; // platform.setLighting calls
inline bool lastLighting = true;
inline int wireCalls = 0;
inline bool lastWire = false;

inline int fakeMilliseconds() {
    return clockMs;
}
inline void fakeQuit(int status) {
    quitCalls++;
    quitStatus = status;
}
inline void fakeLighting(bool on) {
    lightingCalls++;
    lastLighting = on;
}
inline void fakeWire(bool on) {
    wireCalls++;
    lastWire = on;
}

// Texture names that tell the prototypes apart in the slots; every prototype gets one
// polygon so that a shown slot is not empty.
enum {
    TEX_TERRAIN = 10,       // objectF0..F7: 10..17
    TEX_SETTLEMENT = 21,    // object1..4: 21..24
    TEX_CITY = 25,          // object5..8: 25..28
    TEX_ROAD = 29,          // object9..12: 29..32
    TEX_BUILD = 40,         // buildV[i]: 40 + i
    TEX_TRADE = 60,         // tradeV[i]: 60 + i
    TEX_DICE = 70,          // diceV[i]: 70 + i
    TEX_COSTS = 80,         // interface2
    TEX_BUTTON = 81,        // interface4
    TEX_DIALOG = 82,        // interface5
    TEX_POINTER = 83,       // interfaceP
    TEX_OPTIONS = 84,       // interfaceOp
    TEX_OPTION_BUTTON = 85, // interfaceOpB
    TEX_COUNT_BUTTON = 86,  // interface6
    TEX_SEAT_PANEL = 87,    // interface8
};

inline void mark(obj_type& o, int tex) {
    o.texture_id = tex;
    o.polygon_count = 1;
}

// Installs the fakes and marks the prototypes; the slots stay as scene set-up would leave
// the ones the rules touch (the seat panel and the bar buttons shown).
inline void setUpGame() {
    quitCalls = lightingCalls = wireCalls = 0;
    quitStatus = -1;
    platform.milliseconds = fakeMilliseconds;
    platform.quit = fakeQuit;
    platform.setLighting = fakeLighting;
    platform.setWireFrame = fakeWire;
    clockMs = 1000;
    obj_type* terrain[8] = {&objectF0, &objectF1, &objectF2, &objectF3,
                            &objectF4, &objectF5, &objectF6, &objectF7};
    for (int i = 0; i < 8; i++) mark(*terrain[i], TEX_TERRAIN + i);
    obj_type* pieces[12] = {&object1, &object2, &object3, &object4,  &object5,  &object6,
                            &object7, &object8, &object9, &object10, &object11, &object12};
    for (int i = 0; i < 12; i++) mark(*pieces[i], TEX_SETTLEMENT + i);
    for (int i = 0; i < 15; i++) mark(buildV[i], TEX_BUILD + i);
    for (int i = 0; i < 7; i++) mark(tradeV[i], TEX_TRADE + i);
    for (int i = 0; i < 6; i++) mark(diceV[i], TEX_DICE + i);
    mark(interface2, TEX_COSTS);
    mark(interface4, TEX_BUTTON);
    mark(interface5, TEX_DIALOG);
    mark(interfaceP, TEX_POINTER);
    mark(interfaceOp, TEX_OPTIONS);
    mark(interfaceOpB, TEX_OPTION_BUTTON);
    mark(interface6, TEX_COUNT_BUTTON);
    mark(interface8, TEX_SEAT_PANEL);
    std::memset((void*)&deleteObj, 0, sizeof deleteObj);
    showSeatPanel();
    showAddedButtons();
    interfaceV[SLOT_COSTS] = interfaceV[SLOT_OPTIONS] = interfaceOpB;
    interfaceV[SLOT_MAIN] = interfaceV[SLOT_NEXT] = interfaceV[SLOT_CLOSE] = interface4;
}

inline void pass() {
    idle();
}

// One press and release of the left button over `pick`, with one pass in between.
inline void press(int pick) {
    postClick(pick);
    idle();
    releaseClick();
}

// A fake clock value whose seed makes the next two dice show a and b sum `sum`.
inline int clockForRoll(int sum, int from = 1000) {
    for (int t = from;; t++) {
        srand(t);
        int a = rand() % 6 + 1;
        int b = rand() % 6 + 1;
        if (a + b == sum) return t;
    }
}

inline bool shows(const obj_type& slot, int tex) {
    return slot.polygon_count > 0 && slot.texture_id == tex;
}
inline bool empty(const obj_type& slot) {
    return slot.polygon_count == 0 && slot.texture_id == 0;
}

// Starts a game of n people through the seat panel; the opening is due.
inline void startPeople(int n) {
    press(PICK_PLAYER_COUNT + n);
    for (int q = 1; q <= n; q++) press(PICK_SEAT_PERSON + q);
    press(PICK_START);
}

// Places the current player's opening settlement on the first offered spot at or after
// `from` (wrapping) and then his road on the first offered edge; returns the spot.
inline int placeOpening(int from = 0) {
    int p = player;
    for (int i = 0; i < NUM_SPOTS; i++) {
        int s = (from + i) % NUM_SPOTS;
        if (!shows(housesV[s], TEX_BUILD + 3 * p + 1)) continue;
        press(spotPick(s));
        for (int e = 0; e < NUM_EDGES; e++) {
            if (!shows(streetsV[e], TEX_BUILD + 3 * p)) continue;
            press(edgePick(e));
            return s;
        }
        return s;
    }
    return -1;
}

// Plays the whole opening of n people, the spots spread over the board.
inline void playOpening() {
    int n = playersPicked;
    for (int i = 0; i < 2 * n; i++) placeOpening(i * 23 + 5);
}

inline int countLevel(int p, int level) {
    int c = 0;
    for (int s = 0; s < NUM_SPOTS; s++)
        c += houses[s][SPOT_OWNER] == p && houses[s][SPOT_LEVEL] == level;
    return c;
}

// The whole game state and the texture and polygon fields of every slot, by name.
struct StateEntry {
    std::string name;
    void* where;
    size_t size;
};

#define GT_ADD(var) add(#var, (void*)&(var), sizeof(var))

// Everything a command may change, except the click handshake itself; built once.
inline const std::vector<StateEntry>& stateEntries() {
    static std::vector<StateEntry> entries;
    if (!entries.empty()) return entries;
    auto add = [](const char* name, void* p, size_t n) { entries.push_back({name, p, n}); };
    auto addSlots = [&](const char* name, obj_type* v, int count) {
        for (int i = 0; i < count; i++) {
            std::string n = std::string(name) + "[" + std::to_string(i) + "]";
            entries.push_back({n + ".texture_id", &v[i].texture_id, sizeof(int)});
            entries.push_back({n + ".polygon_count", &v[i].polygon_count, sizeof(int)});
        }
    };
    GT_ADD(model), GT_ADD(number), GT_ADD(houses), GT_ADD(streets), GT_ADD(dice), GT_ADD(k);
    GT_ADD(zufall1), GT_ADD(zufall2), GT_ADD(zufall), GT_ADD(diceShown);
    GT_ADD(playersPicked), GT_ADD(playerKI), GT_ADD(kiStrength), GT_ADD(player);
    GT_ADD(resources), GT_ADD(takeBacks), GT_ADD(takeBackCount);
    GT_ADD(winPoints), GT_ADD(runde), GT_ADD(win), GT_ADD(firstTime);
    GT_ADD(playersChoice), GT_ADD(wuerfeln), GT_ADD(next), GT_ADD(trade), GT_ADD(build);
    GT_ADD(buildFT), GT_ADD(redraw), GT_ADD(playerCheck);
    GT_ADD(tradeArray), GT_ADD(tradeStep), GT_ADD(tradePlayer), GT_ADD(tradeItem);
    GT_ADD(tradePicked1), GT_ADD(tradePicked2), GT_ADD(tradeDelete), GT_ADD(tradeCheck);
    GT_ADD(tradeModus), GT_ADD(kiTrade), GT_ADD(player3too1);
    GT_ADD(kiTurn), GT_ADD(kiTime), GT_ADD(kiWait1), GT_ADD(kiWait2), GT_ADD(fastForward);
    GT_ADD(buildHouse), GT_ADD(houseBuild);
    GT_ADD(picked);
    GT_ADD(interfaceToggle), GT_ADD(options), GT_ADD(light), GT_ADD(wire), GT_ADD(fps);
    GT_ADD(numberShow), GT_ADD(portSign);
    GT_ADD(rX), GT_ADD(rY), GT_ADD(zoom), GT_ADD(trans1), GT_ADD(trans2);
    GT_ADD(frames), GT_ADD(frameTime), GT_ADD(frameRate), GT_ADD(waveCount);
    addSlots("modelV", modelV, 29);
    addSlots("housesV", housesV, 54);
    addSlots("streetsV", streetsV, 72);
    addSlots("portV", portV, 9);
    addSlots("pointerV", pointerV, 20);
    addSlots("interfaceV", interfaceV, NUM_SLOTS);
    return entries;
}
#undef GT_ADD

struct Snapshot {
    std::vector<unsigned char> bytes;

    // Names of the entries that differ from `other`.
    std::vector<std::string> diff(const Snapshot& other) const {
        std::vector<std::string> d;
        size_t at = 0;
        for (const StateEntry& e : stateEntries()) {
            if (std::memcmp(&bytes[at], &other.bytes[at], e.size) != 0) d.push_back(e.name);
            at += e.size;
        }
        return d;
    }
    bool same(const Snapshot& other) const { return bytes == other.bytes; }
    // Writes the recorded values back (the slots' other fields are zero in the tests).
    void restore() const {
        size_t at = 0;
        for (const StateEntry& e : stateEntries()) {
            std::memcpy(e.where, &bytes[at], e.size);
            at += e.size;
        }
    }
};

inline Snapshot takeSnapshot() {
    static size_t total = 0;
    if (total == 0)
        for (const StateEntry& e : stateEntries()) total += e.size;
    Snapshot snap;
    snap.bytes.resize(total);
    size_t at = 0;
    for (const StateEntry& e : stateEntries()) {
        std::memcpy(&snap.bytes[at], e.where, e.size);
        at += e.size;
    }
    return snap;
}

inline std::string joined(const std::vector<std::string>& v) {
    std::string s;
    for (const std::string& n : v) s += (s.empty() ? "" : ", ") + n;
    return s;
}

struct PickRange {
    int from, to;
};

// Walks every pick name from -1 to 400 and some far outside, each from the same state;
// only the picks in `acting` and the interface switches may change anything. Returns how
// many picks acted.
inline int walkPicks(const char* phase, std::vector<PickRange> acting) {
    acting.push_back({PICK_COSTS, PICK_COSTS});
    acting.push_back({PICK_CLOSE, PICK_CLOSE});
    acting.push_back({PICK_OPTIONS, PICK_OPT_LIGHT});
    std::vector<int> picks = {INT_MIN, -100000, -300, -200,  -100,   -2,
                              401,     500,     1000, 65535, INT_MAX};
    for (int pk = -1; pk <= 400; pk++) picks.push_back(pk);
    int acted = 0;
    for (int pk : picks) {
        bool listed = false;
        for (const PickRange& r : acting) listed |= pk >= r.from && pk <= r.to;
        picked = pk;
        Snapshot before = takeSnapshot();
        press(pk);
        Snapshot after = takeSnapshot();
        bool changed = !before.same(after);
        if (!listed) {
            EXPECT_FALSE(changed) << phase << ": pick " << pk << " changed "
                                  << joined(before.diff(after));
        }
        acted += changed;
        before.restore();
    }
    return acted;
}

// Cards of every player never below zero.
inline bool cardsNonNegative() {
    for (int p = 0; p < 5; p++)
        for (int r = 0; r < 6; r++)
            if (resources[p][r] < 0) return false;
    return true;
}

} // namespace gt
