// What the display slots show, made from the game alone: after a game is read, for a new
// game, and the buttons added after the first 72 panels.
#include "rules.h"

#include "picks.h"
#include "save.h"
#include "state.h"
#include "assets/catalogue.h"

// A slot takes a record only when it shows another, so a pass that changes nothing copies
// nothing.
static void showIn(int slot, const obj_type& record) {
    showMesh(&interfaceV[slot], record);
}

static const obj_type& shownIf(bool on, const obj_type& button = interface4) {
    return on ? button : deleteObj;
}

void showAddedButtons() {
    const bool offered = playersChoice && keptGameOffered;
    if (playersChoice) showIn(SLOT_START, shownIf(!offered));
    showIn(SLOT_START_BESIDE, shownIf(offered));
    showIn(SLOT_RESUME, shownIf(offered));
    showIn(SLOT_UNDO, shownIf(canTakeBack()));
    showIn(SLOT_NEW_GAME, shownIf(win, interfaceWide));
    showIn(SLOT_MESSAGE_STRIP, shownIf(!playersChoice && !win && diceShown, interfaceStrip));
    showIn(SLOT_SCOREBOARD, shownIf(!playersChoice, interfaceScore));
    showIn(SLOT_END_SCREEN, shownIf(win, interfaceEnd));
    showIn(SLOT_SETTINGS, shownIf(playersChoice, interfaceSettings));
    showIn(SLOT_TARGET_LOWER, shownIf(playersChoice, interface6));
    showIn(SLOT_TARGET_RAISE, shownIf(playersChoice, interface6));
    showIn(SLOT_PACE, shownIf(playersChoice, interfaceLong));
}

void showGame() {
    showTiles(!playersChoice);
    showPieces();
    showSeatPanel();
    showRoll();
    showTradeDialog();
    showAddedButtons();
}
