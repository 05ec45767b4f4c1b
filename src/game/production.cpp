// The dice roll and the payout of resource cards.
#include "rules.h"
#include "news.h"
#include "picks.h"
#include "state.h"
#include "assets/catalogue.h"

#include <cstdlib>

// One entry per corner of every tile that carries the roll, built on or not; at most two
// tiles share a number, so twelve entries always suffice.
static void collectProduction() {
    for (int s = 0; s < NUM_SPOTS; s++) {
        for (int j = 0; j < 3; j++) {
            if (houses[s][SPOT_NUMBERS + j] != zufall || k > 11) continue;
            dice[k][0] = houses[s][SPOT_TERRAINS + j];
            dice[k][1] = houses[s][SPOT_LEVEL];
            dice[k][2] = houses[s][SPOT_OWNER];
            k++;
        }
    }
}

// A settlement earns one card, a city two; the desert and empty corners earn nothing.
static void payProduction() {
    for (int e = 0; e < 12; e++) {
        int kind = dice[e][0], level = dice[e][1], owner = dice[e][2];
        if (kind < WOOD || kind > CLAY || owner < 1 || owner > 4) continue;
        if (level != SETTLEMENT && level != CITY) continue;
        resources[owner][kind] += level;
        newsPaid(owner, kind, level);
    }
    for (int e = 0; e < 12; e++) dice[e][0] = dice[e][1] = dice[e][2] = 0;
    k = 0;
}

void showRoll() {
    interfaceV[SLOT_DIE1] = diceShown ? diceV[zufall1 - 1] : deleteObj;
    interfaceV[SLOT_DIE2] = diceShown ? diceV[zufall2 - 1] : deleteObj;
    // The marker hangs over every tile with the number; the ring lies on those that produce.
    for (int t = 0; t < NUM_TILES; t++) {
        const bool rolled = diceShown && number[t] == zufall;
        pointerV[t] = rolled ? interfaceP : deleteObj;
        showMesh(&paidV[t], rolled && model[t] != DESERT ? objectRing : deleteObj);
    }
}

void rollDice() {
    zufall1 = rand() % 6 + 1;
    zufall2 = rand() % 6 + 1;
    zufall = zufall1 + zufall2;
    diceShown = true;
    showRoll();
    newsRolled(zufall);
    collectProduction();
    payProduction();
    wuerfeln = false;
    // A computer turn opens its free phase itself.
    if (kiTurn == 0) next = true;
}

void hideRoll() {
    diceShown = false;
    showRoll();
}
