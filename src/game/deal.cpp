// Seat selection, the random deal of terrain and numbers, and the start of the game.
#include "rules.h"
#include "board.h"
#include "fresh.h"
#include "ki.h"
#include "picks.h"
#include "save.h"
#include "state.h"
#include "switches.h"
#include "view.h"
#include "assets/catalogue.h"

#include <cstdlib>

const int terrainLimit[7] = {0, 4, 4, 4, 3, 3, 1};
const int numberLimit[13] = {0, 0, 1, 2, 2, 2, 2, 1, 2, 2, 2, 2, 1};

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

Seats chosenSeats() {
    Seats seats;
    seats.count = playersPicked;
    for (int p = 0; p < 5; p++) seats.computer[p] = playerKI[p], seats.strength[p] = kiStrength[p];
    return seats;
}

void takeSeats(const Seats& seats) {
    playersPicked = seats.count;
    for (int p = 0; p < 5; p++) playerKI[p] = seats.computer[p], kiStrength[p] = seats.strength[p];
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

// The land of the deal with its harbours and beach, or an empty board before a deal.
void showTiles(bool dealt) {
    for (int t = 0; t < NUM_TILES; t++) {
        const bool known = dealt && model[t] >= FOREST && model[t] <= DESERT;
        showMesh(&modelV[t], known ? *terrainMesh[model[t]] : deleteObj);
    }
    for (int i = 19; i <= 27; i++) showMesh(&modelV[i], dealt ? objectF7 : deleteObj);
    showMesh(&modelV[28], dealt ? objectF0 : deleteObj);
}

void dealBoard() {
    dealValues(model, terrainLimit, 1, 6);
    dealValues(number, numberLimit, 2, 11);
    fillSpotRecords();
    showTiles(true);
}

// The seat selection's panel and buttons while it is shown, as the scene set-up puts them up.
void showSeatPanel() {
    for (int i = SLOT_SEATS_FIRST; i <= SLOT_SEATS_LAST; i++) interfaceV[i] = deleteObj;
    if (!playersChoice) return;
    interfaceV[SLOT_SEATS_PANEL] = interface8;
    interfaceV[SLOT_START] = interface4;
    for (int q = 1; q <= 4; q++) {
        interfaceV[SLOT_PLAYER_COUNT + q] = interface6;
        interfaceV[SLOT_SEAT_PERSON + q] = interface4;
        interfaceV[SLOT_SEAT_COMPUTER + q] = interface4;
    }
}

// A new game begins where the program begins: every owner of state back to its start, then
// the seats as they stand, and the screen after them. Nothing of the game before is left.
static void beginAfresh() {
    const Seats seats = chosenSeats();
    resetEveryOwner();
    takeSeats(seats);
    showSwitches();
    showGame();
}

void newGame() {
    beginAfresh();
}

// A kept game passed over for a new one is no longer offered: the new one replaces it, and
// begins as "Neues Spiel" does.
void startGame() {
    if (keptGameOffered) {
        keptGameOffered = false;
        beginAfresh();
    }
    for (int i = SLOT_SEATS_FIRST; i <= SLOT_SEATS_LAST; i++) interfaceV[i] = deleteObj;
    dealBoard();
    player = 1;
    if (playerKI[1]) kiTurn = KI_START;
    playersChoice = false;
    build = true;
    redraw = true;
    buildFT = true;
}
