// Seat selection, the random deal of terrain and numbers, and the start of the game.
#include "rules.h"
#include "board.h"
#include "ki.h"
#include "picks.h"
#include "state.h"
#include "assets/catalogue.h"

#include <cstdlib>

// How many tiles carry each terrain kind (index kind) and each dice number (index number).
static const int terrainLimit[7] = {0, 4, 4, 4, 3, 3, 1};
static const int numberLimit[13] = {0, 0, 1, 2, 2, 2, 2, 1, 2, 2, 2, 2, 1};

static obj_type* const terrainMesh[7] = {nullptr,   &objectF1, &objectF2, &objectF3,
                                         &objectF4, &objectF5, &objectF6};

void choosePlayerCount(int n) {
    if (n >= 1 && n <= 4) playersPicked = n;
}

// Seats beyond those taking part keep their flag; seat 1 always takes part.
void chooseSeat(int q, bool computer) {
    if (q < 1 || q > 4 || q > playersPicked) return;
    playerKI[q] = computer;
}

void seatForPerson(int q) {
    chooseSeat(q, false);
}

// A person's seat becomes the table's computer; a computer seat switches between the table
// and the strong computer.
void seatForComputer(int q) {
    if (q < 1 || q > 4 || q > playersPicked) return;
    if (playerKI[q])
        kiStrength[q] = kiStrength[q] == KI_STRONG ? KI_TABLE : KI_STRONG;
    else
        kiStrength[q] = KI_TABLE;
    chooseSeat(q, true);
}

// Draws for each tile until a value under its limit comes up; the limits add up to the 19
// tiles, so every tile finds one.
static void dealValues(int* out, const int* limit, int first, int count) {
    int dealt[13] = {0};
    for (int t = 0; t < NUM_TILES; t++) {
        int v;
        do v = rand() % count + first;
        while (dealt[v] >= limit[v]);
        dealt[v]++;
        out[t] = v;
    }
}

void fillSpotRecords() {
    for (int s = 0; s < NUM_SPOTS; s++) {
        for (int j = 0; j < 3; j++) {
            int tile = spotTiles[s][j];
            houses[s][SPOT_NUMBERS + j] = tile < 0 ? 0 : number[tile];
            houses[s][SPOT_TERRAINS + j] = tile < 0 ? 0 : model[tile];
        }
    }
}

void dealBoard() {
    dealValues(model, terrainLimit, 1, 6);
    dealValues(number, numberLimit, 2, 11);
    fillSpotRecords();
    for (int t = 0; t < NUM_TILES; t++) modelV[t] = *terrainMesh[model[t]];
    for (int i = 19; i <= 27; i++) modelV[i] = objectF7;
    modelV[28] = objectF0;
}

void startGame() {
    for (int i = SLOT_SEATS_FIRST; i <= SLOT_SEATS_LAST; i++) interfaceV[i] = deleteObj;
    dealBoard();
    player = 1;
    if (playerKI[1]) kiTurn = KI_START;
    playersChoice = false;
    build = true;
    redraw = true;
    buildFT = true;
}
