// The computer player's turn machine: opening placements and regular turns, paced by delays.
#include "ki.h"

#include "state.h"

// A click for the next pass's dispatch; lButtonDown is already held for the rest of the turn.
static void kiClick(int name) {
    picked = name;
    lButtonOneTime = false;
}

// Hands the press flags back, so whoever moves next starts with a clean handshake.
static void kiRelease() {
    kiTurn = 0;
    lButtonDown = false;
    lButtonOneTime = false;
}

static bool waiting(int t, int wait) {
    return t < kiTime + wait;
}

static void openingStep(int t) {
    switch (kiTurn) {
    case 1:
        kiTime = t;
        kiTurn = 2;
        break;
    case 2:
        if (waiting(t, kiWait1)) return;
        kiOpeningSettlement();
        kiTime = t;
        kiTurn = 3;
        break;
    case 3:
        if (waiting(t, kiWait1)) return;
        kiRoadSearch(true);
        kiTurn = 4;
        break;
    default:
        kiRelease();
        break;
    }
}

static int card(int kind) {
    return resources[player][kind];
}

static bool hasSurplus() {
    return card(WOOD) > tradeStep[0] || card(WOOL) > tradeStep[1] || card(GRAIN) > tradeStep[2] ||
           card(ORE) >= tradeStep[3] + 3 || card(CLAY) > tradeStep[4];
}

static bool roadAffordable() {
    return card(WOOD) >= 1 && card(CLAY) >= 1;
}

static bool settlementAffordable() {
    return card(WOOD) >= 1 && card(WOOL) >= 1 && card(GRAIN) >= 1 && card(CLAY) >= 1;
}

static bool cityAffordable() {
    return card(GRAIN) >= 2 && card(ORE) >= 3;
}

static bool wishAffordable() {
    const bool* wish = buildHouse[player];
    return (wish[0] && roadAffordable()) || (wish[1] && settlementAffordable()) ||
           (wish[2] && cityAffordable());
}

// State 3: open the bank trade, go building, or end the turn.
static int tradeOrBuild() {
    if (!kiTrade && hasSurplus()) {
        next = true;
        trade = false;
        build = false;
        kiClick(310);
        return 4;
    }
    if (wishAffordable()) {
        trade = true;
        build = false;
        kiClick(310);
        return 5;
    }
    return 9;
}

// State 4: one unit more on the offer, or carry the offer out and decide again.
static int tradeStepOnce() {
    picked = -1;
    int pay, want;
    if (kiTradeUnit(&pay, &want)) {
        tradeItem = pay - 1;
        kiClick(324 + want);
        return 4;
    }
    kiTrade = true;
    kiClick(314);
    return 3;
}

// State 5: the first affordable wish, in the order road, settlement, city.
static int buildingDecision() {
    bool* wish = buildHouse[player];
    if (wish[0] && roadAffordable()) {
        wish[0] = false;
        return 6;
    }
    if (wish[1] && settlementAffordable()) return 7;
    if (wish[2] && cityAffordable()) {
        wish[2] = false;
        return 8;
    }
    return 9;
}

static void mainStep(int t) {
    switch (kiTurn) {
    case 1:
        kiTime = t;
        kiTurn = 2;
        break;
    case 2:
        if (waiting(t, kiWait1)) return;
        lButtonDown = true;
        wuerfeln = true;
        kiClick(310);
        tradeModus = true;
        kiTime = t;
        kiTurn = 3;
        break;
    case 3:
        if (waiting(t, kiWait2)) return;
        kiTurn = tradeOrBuild();
        kiTrade = false;
        kiTime = t;
        break;
    case 4:
        if (waiting(t, kiWait1)) return;
        kiTurn = tradeStepOnce();
        kiTime = t;
        break;
    case 5:
        if (waiting(t, kiWait1)) return;
        kiTurn = buildingDecision();
        kiTime = t;
        break;
    case 6:
    case 7:
    case 8:
        if (waiting(t, kiWait1)) return;
        if (kiTurn == 6)
            kiRoadSearch(false);
        else if (kiTurn == 7)
            kiSettlement();
        else
            kiCity();
        kiTime = t;
        kiTurn = 5;
        break;
    case 9:
        if (waiting(t, kiWait1)) return;
        next = true;
        kiClick(311);
        kiTurn = 10;
        break;
    default:
        kiRelease();
        break;
    }
}

void kiStep(int t) {
    if (kiTurn <= 0) return;
    if (firstTime <= 4 * playersPicked)
        openingStep(t);
    else
        mainStep(t);
}
