// Fixed game positions, drawn by the picture check and timed by the benchmark.
#include "positions.h"

#include <cstdlib>

#include "game/board.h"
#include "game/rules.h"
#include "game/state.h"

void startPosition() {
    playersPicked = 4;
    playerKI[1] = playerKI[3] = false;
    srand(1234);
    startGame();
    refreshPieces();
    showBuildOffers();
}

int placePieces(int maxRoads, int* roads) {
    int buildings = 0;
    *roads = 0;
    for (int s = 0; s < NUM_SPOTS && buildings < 12; s += 4) {
        if (!spotIsFree(s)) continue;
        const int p = 1 + buildings % 4;
        houses[s][SPOT_LEVEL] = buildings % 3 == 2 ? 2 : 1;
        houses[s][SPOT_OWNER] = p;
        buildings++;
        for (int i = 3; i <= 5; i++) {
            const int e = availableCheck1[s][i];
            if (e >= 0 && streets[e] == 0 && *roads < maxRoads) {
                streets[e] = p;
                ++*roads;
            }
        }
        resources[p][0] += houses[s][SPOT_LEVEL];
    }
    return buildings;
}

void midGame() {
    firstTime = 4 * playersPicked + 1;
    build = false;
    int roads;
    placePieces(NUM_EDGES, &roads);
    player = 2;
    for (int k = WOOD; k <= CLAY; k++) resources[2][k] = 2 * k;
    srand(77);
    next = true;
    openTrade();
    computeHarbourRates();
    tradeItem = ORE - 1;
    tradeArray[ORE - 1][0] = tradeStep[ORE - 1];
    tradeArray[WOOD - 1][1] = 1;
    rollDice();
    redraw = true;
    buildFT = true;
    refreshPieces();
    showBuildOffers();
}
