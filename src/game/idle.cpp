// The per-frame pass and the dispatch of one command per press.
#include "idle.h"
#include "frames.h"
#include "fresh.h"
#include "ki.h"
#include "news.h"
#include "picks.h"
#include "rules.h"
#include "save.h"
#include "settings.h"
#include "state.h"
#include "switches.h"
#include "platform/platform.h"

#include <cstdlib>

// When a command acts. Interface commands act in every phase, game commands only in theirs.
static bool always() {
    return true;
}
static bool rolling() {
    return wuerfeln;
}
static bool freePhase() {
    return next && !trade && !build;
}
static bool trading() {
    return trade;
}
static bool leavingTrade() {
    return trade && !build;
}
static bool turnOpen() {
    return next;
}
static bool seatChoice() {
    return playersChoice;
}
static bool resumeOffered() {
    return playersChoice && keptGameOffered;
}
static bool finished() {
    return win;
}

int pressPicks[MAX_PRESSES];
int pressCount;

void queuePress(int name) {
    if (pressCount < MAX_PRESSES) pressPicks[pressCount++] = name;
}

void dropPresses() {
    pressCount = 0;
}

[[maybe_unused]] static const bool started = ownsState(dropPresses);

static void quitGame() {
    platform.quit(0);
}

// A command answers the names base + first .. base + last; a command of a row of names is
// told which one was picked (name - base).
struct Command {
    bool (*phase)();
    int base, first, last;
    void (*act)();
    void (*actOn)(int);
};

// Tested in this order; the first row whose name and phase both match is the press's one
// command. Spots and edges match none: building takes them after the dispatch.
// clang-format off
static const Command commands[] = {
    // phase        name                offsets command             or command of a row
    {always,        PICK_CLOSE,         0, 0, quitGame,           nullptr},
    {always,        PICK_COSTS,         0, 0, toggleCostsPanel,   nullptr},
    {always,        PICK_OPTIONS,       0, 0, toggleOptionsPanel, nullptr},
    {always,        PICK_OPT_LIGHT,     0, 0, toggleLight,        nullptr},
    {always,        PICK_OPT_FPS,       0, 0, toggleFps,          nullptr},
    {always,        PICK_OPT_WIRE,      0, 0, toggleWire,         nullptr},
    {always,        PICK_OPT_CENTER,    0, 0, centerView,         nullptr},
    {always,        PICK_OPT_NUMBERS,   0, 0, toggleNumbers,      nullptr},
    {always,        PICK_OPT_SIGNS,     0, 0, togglePortSigns,    nullptr},
    {rolling,       PICK_MAIN,          0, 0, rollDice,           nullptr},
    {freePhase,     PICK_MAIN,          0, 0, openTrade,          nullptr},
    {trading,       PICK_PAY_KIND,      1, 5, nullptr,            chooseBankItem},
    {trading,       PICK_BANK,          0, 0, chooseBankPartner,  nullptr},
    {trading,       PICK_PARTNERS,      1, 4, nullptr,            choosePlayerPartner},
    {trading,       PICK_TRADE_GO,      0, 0, carryOutTrade,      nullptr},
    {trading,       PICK_IN_MINUS,      1, 5, nullptr,            lessReceived},
    {trading,       PICK_IN_PLUS,       1, 5, nullptr,            moreReceived},
    {trading,       PICK_OUT_PLUS,      1, 5, nullptr,            moreGiven},
    {trading,       PICK_OUT_MINUS,     1, 5, nullptr,            lessGiven},
    {leavingTrade,  PICK_MAIN,          0, 0, closeTradeAndBuild, nullptr},
    {turnOpen,      PICK_NEXT,          0, 0, endTurn,            nullptr},
    {seatChoice,    PICK_PLAYER_COUNT,  1, 4, nullptr,            choosePlayerCount},
    {seatChoice,    PICK_SEAT_PERSON,   1, 4, nullptr,            seatForPerson},
    {seatChoice,    PICK_SEAT_COMPUTER, 1, 4, nullptr,            seatForComputer},
    {seatChoice,    PICK_START,         0, 0, startGame,          nullptr},
    {seatChoice,    PICK_TARGET_LOWER,  0, 0, lowerTarget,        nullptr},
    {seatChoice,    PICK_TARGET_RAISE,  0, 0, raiseTarget,        nullptr},
    {seatChoice,    PICK_PACE,          0, 0, switchPace,         nullptr},
    {resumeOffered, PICK_START_BESIDE,  0, 0, startGame,          nullptr},
    {resumeOffered, PICK_RESUME,        0, 0, resumeKeptGame,     nullptr},
    {canTakeBack,   PICK_UNDO,          0, 0, takeBackBuild,      nullptr},
    {finished,      PICK_NEW_GAME,      0, 0, newGame,            nullptr},
};
// clang-format on

static void dispatch() {
    const int pk = picked;
    for (const Command& c : commands) {
        if (pk < c.base + c.first || pk > c.base + c.last || !c.phase()) continue;
        if (c.act)
            c.act();
        else
            c.actOn(pk - c.base);
        return;
    }
}

void postClick(int name) {
    picked = name;
    lButtonDown = true;
    lButtonOneTime = false;
}

void releaseClick() {
    lButtonDown = false;
    lButtonOneTime = false;
}

// The oldest press a person queued, or a click armed in the press flags. A person never
// moves for a computer seat: presses still queued when its turn begins are dropped.
static bool takePress() {
    if (kiTurn > 0) dropPresses();
    if (pressCount > 0) {
        picked = pressPicks[0];
        pressCount--;
        for (int i = 0; i < pressCount; i++) pressPicks[i] = pressPicks[i + 1];
        return true;
    }
    if (!lButtonDown || lButtonOneTime) return false;
    lButtonOneTime = true;
    return true;
}

static bool requestWaiting() {
    return buildFT || redraw || playerCheck || tradeCheck || tradeModus;
}

bool workWaiting() {
    return pressCount > 0 || (lButtonDown && !lButtonOneTime) || requestWaiting();
}

// A computer step that acted moved on to another step or stamped the start of a pause.
static bool computerStep(int t) {
    const int step = kiTurn, stamp = kiTime;
    kiStep(t);
    return kiTurn != step || kiTime != stamp;
}

void idle() {
    int t = platform.milliseconds();
    srand(t);

    const bool personsPress = pressCount > 0 && kiTurn == 0;
    // What the last pass's computer step asked for is served here, and shows.
    bool changed = requestWaiting();
    if (takePress()) {
        if (personsPress) newsPressTaken();
        dispatch();
        buildOnBoard();
        changed = true;
    }

    if (!seaWaits() && waterStep(t)) wantSeaFrame();
    if (tradeModus) computeHarbourRates();
    if (tradeCheck) applyTradeChange();
    if (kiTurn > 0) changed |= computerStep(t);
    if (playerCheck) openingTurnChange();
    if (redraw) refreshPieces();
    if (buildFT) showBuildOffers();
    showAddedButtons();
    keepGame(t);

    endPass(t, changed);
}
