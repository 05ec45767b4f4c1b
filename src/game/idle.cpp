// The per-frame pass and the dispatch of one command per press.
#include "idle.h"
#include "rules.h"
#include "switches.h"
#include "ki.h"
#include "state.h"
#include "app/platform.h"

#include <cstdlib>

// The first test that holds is the press's one command. Interface commands act in every
// phase; game commands only in the phase they belong to.
static void dispatch() {
    const int pk = picked;
    if (pk == 312) {
        platform.quit(0);
        return;
    }
    if (pk == 309) return toggleCostsPanel();
    if (pk == 364) return toggleOptionsPanel();
    if (pk == 370) return toggleLight();
    if (pk == 369) return toggleFps();
    if (pk == 368) return toggleWire();
    if (pk == 367) return centerView();
    if (pk == 366) return toggleNumbers();
    if (pk == 365) return togglePortSigns();
    if (wuerfeln && pk == 310) return rollDice();
    if (next && !trade && !build && pk == 310) return openTrade();
    if (trade && pk >= 330 && pk <= 334) return chooseBankItem(pk - 330);
    if (trade && pk == 345) return chooseBankPartner();
    for (int q = 1; q <= 4; q++)
        if (trade && pk == 345 + q && partnerAllowed(q)) return choosePlayerPartner(q);
    if (trade && pk == 314) return carryOutTrade();
    if (trade && ((pk >= 320 && pk <= 329) || (pk >= 335 && pk <= 344)))
        return pickTradeAdjustment(pk);
    if (trade && !build && pk == 310) return closeTradeAndBuild();
    if (next && pk == 311) return endTurn();
    if (playersChoice && pk >= 352 && pk <= 355) return choosePlayerCount(pk - 351);
    if (playersChoice && pk >= 356 && pk <= 359) return chooseSeat(pk - 355, false);
    if (playersChoice && pk >= 360 && pk <= 363) return chooseSeat(pk - 359, true);
    if (playersChoice && pk == 351) return startGame();
}

// The oldest press a person queued, or a computer click armed in the press flags. A person
// never moves for a computer seat: presses still queued when its turn begins are dropped.
static bool takePress() {
    if (kiTurn > 0) pressCount = 0;
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

void idle() {
    int t = platform.milliseconds();
    srand(t);

    if (takePress()) {
        dispatch();
        buildOnBoard();
    }

    countFrame(t);
    waterStep(t);
    if (tradeModus) computeHarbourRates();
    if (tradeCheck) applyTradeChange();
    if (kiTurn > 0) kiStep(t);
    if (playerCheck) openingTurnChange();
    if (redraw) refreshPieces();
    if (buildFT) showBuildOffers();

    platform.postRedisplay();
}
