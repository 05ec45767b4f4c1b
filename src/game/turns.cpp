// The turn sequence: the opening order, the end of a turn and the victory test.
#include "rules.h"
#include "state.h"
#include "assets/catalogue.h"

static int nextSeat(int p) {
    return p >= playersPicked || p < 1 ? 1 : p + 1;
}

void openingTurnChange() {
    playerCheck = false;
    player = nextSeat(player);
    if (playerKI[player]) kiTurn = 1;
    if (firstTime == 4 * playersPicked) {
        build = false;
        redraw = true;
        buildFT = false;
        firstTime++;
        if (!playerKI[player]) wuerfeln = true;
    }
}

static void hideRollAndTrade() {
    interfaceV[7] = deleteObj;
    interfaceV[8] = deleteObj;
    for (int t = 0; t < NUM_TILES; t++) pointerV[t] = deleteObj;
    for (int i = 13; i <= 49; i++) interfaceV[i] = deleteObj;
}

// The points are only counted here, so a player who reaches them must still end his turn.
void endTurn() {
    hideRollAndTrade();
    if (player >= 1 && player <= 4 && resources[player][0] >= winPoints) {
        win = true;
        next = trade = build = false;
        numberShow = false;
        portSign = false;
        redraw = true;
        return;
    }
    if (player >= playersPicked) {
        player = 1;
        runde++;
    } else {
        player++;
    }
    next = trade = build = false;
    redraw = true;
    if (playerKI[player])
        kiTurn = 1;
    else
        wuerfeln = true;
}
