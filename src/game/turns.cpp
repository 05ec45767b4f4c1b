// The turn sequence: the opening order, the end of a turn and the victory test.
#include "rules.h"
#include "ki.h"
#include "state.h"
#include "view.h"

static int nextSeat(int p) {
    return p >= playersPicked || p < 1 ? 1 : p + 1;
}

void openingTurnChange() {
    playerCheck = false;
    forgetTakeBacks();
    player = nextSeat(player);
    if (playerKI[player]) kiTurn = KI_START;
    if (firstTime == 4 * playersPicked) {
        build = false;
        redraw = true;
        buildFT = false;
        firstTime++;
        if (!playerKI[player]) wuerfeln = true;
    }
}

int clampWinPoints(int configured) {
    return configured < 4 ? 4 : configured > 12 ? 12 : configured;
}

// The points are only counted here, so a player who reaches them must still end his turn.
void endTurn() {
    hideRoll();
    endTrading();
    forgetTakeBacks();
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
        kiTurn = KI_START;
    else
        wuerfeln = true;
}
