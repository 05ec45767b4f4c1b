// Trading with the bank, at harbours and between people.
#include "rules.h"
#include "board.h"
#include "state.h"
#include "assets/catalogue.h"

static bool validKindIndex(int i) {
    return i >= 0 && i < 5;
}

static void clearOffer() {
    for (int i = 0; i < 5; i++) tradeArray[i][0] = tradeArray[i][1] = 0;
}

static void hidePlayerTradeButtons() {
    for (int i = 35; i <= 44; i++) interfaceV[i] = deleteObj;
}

void openTrade() {
    tradePlayer = 0;
    tradeItem = 0;
    clearOffer();
    trade = true;
    tradeModus = true;
    interfaceV[7] = deleteObj;
    interfaceV[8] = deleteObj;
    for (int t = 0; t < NUM_TILES; t++) pointerV[t] = deleteObj;
    interfaceV[13] = interface5;
    interfaceV[14] = interface4;
    for (int i = 0; i < 5; i++) {
        interfaceV[15 + i] = tradeV[i];
        interfaceV[20 + i] = tradeV[5];
        interfaceV[25 + i] = tradeV[6];
        interfaceV[30 + i] = tradeV[i];
    }
    interfaceV[45] = interface4;
    for (int q = 1; q <= playersPicked && q <= 4; q++) interfaceV[45 + q] = interface4;
}

void chooseBankItem(int i) {
    if (validKindIndex(i)) tradeItem = i;
}

void chooseBankPartner() {
    tradePlayer = 0;
    tradeItem = 0;
    clearOffer();
    hidePlayerTradeButtons();
}

// Only people who take part in the game, other than the one on turn, can be asked.
bool partnerAllowed(int q) {
    return q >= 1 && q <= 4 && q <= playersPicked && !playerKI[q] && q != player;
}

void choosePlayerPartner(int q) {
    if (!partnerAllowed(q)) return;
    tradePlayer = q;
    clearOffer();
    for (int i = 0; i < 5; i++) {
        interfaceV[35 + i] = tradeV[6];
        interfaceV[40 + i] = tradeV[5];
    }
}

void pickTradeAdjustment(int pk) {
    if (pk >= 320 && pk <= 324) {
        tradePicked1 = pk - 319;
        tradeDelete = true;
    } else if (pk >= 325 && pk <= 329) {
        tradePicked1 = pk - 324;
        tradeDelete = false;
    } else if (pk >= 335 && pk <= 339) {
        tradePicked2 = pk - 334;
        tradeDelete = false;
    } else if (pk >= 340 && pk <= 344) {
        tradePicked2 = pk - 339;
        tradeDelete = true;
    } else {
        return;
    }
    tradeCheck = true;
}

// The offer never exceeds what either side held when it was raised; the check before paying
// keeps that true even if holdings changed in between.
void carryOutTrade() {
    int p = player, q = tradePlayer;
    if (p < 1 || p > 4 || q < 0 || q > 4 || q == p) return;
    for (int kind = WOOD; kind <= CLAY; kind++) {
        int given = tradeArray[kind - 1][0], received = tradeArray[kind - 1][1];
        if (resources[p][kind] - given + received < 0) return;
        if (q != 0 && resources[q][kind] + given - received < 0) return;
    }
    for (int kind = WOOD; kind <= CLAY; kind++) {
        int given = tradeArray[kind - 1][0], received = tradeArray[kind - 1][1];
        if (q != 0) resources[q][kind] += given - received;
        resources[p][kind] += received - given;
    }
    clearOffer();
}

void closeTradeAndBuild() {
    for (int i = 13; i <= 49; i++) interfaceV[i] = deleteObj;
    trade = false;
    build = true;
    redraw = true;
    buildFT = true;
}

static bool ownsSpot(int s, int p) {
    return houses[s][7] == p;
}

void computeHarbourRates() {
    tradeModus = false;
    int p = player;
    for (int i = 0; i < 5; i++) tradeStep[i] = 4;
    if (p < 1 || p > 4) return;
    for (int i = 0; i < NUM_GENERAL_HARBOUR_SPOTS; i++) {
        if (!ownsSpot(generalHarbourSpots[i], p)) continue;
        for (int j = 0; j < 5; j++) tradeStep[j] = 3;
        break;
    }
    for (int i = 0; i < 5; i++)
        if (ownsSpot(resourceHarbourSpots[i][0], p) || ownsSpot(resourceHarbourSpots[i][1], p))
            tradeStep[i] = 2;
}

// Bank trade: each step pays tradeStep cards of the pay kind for one card of kind r.
static void adjustBankOffer(int p) {
    int i = tradeItem, r = tradePicked1;
    if (!validKindIndex(i) || r < 1 || r > 5) return;
    int step = tradeStep[i];
    if (step <= 0) return;
    int* pay = &tradeArray[i][0];
    int* get = &tradeArray[r - 1][1];
    if (!tradeDelete) {
        if (resources[p][i + 1] >= *pay + step) {
            *pay += step;
            *get += 1;
        }
    } else if (*pay >= step && *get >= 1) {
        *pay -= step;
        *get -= 1;
    }
}

// Player trade: each side offers at most what it holds.
static void adjustPlayerOffer(int p, int q) {
    int r = tradePicked1, g = tradePicked2;
    if (r >= 1 && r <= 5) {
        int* get = &tradeArray[r - 1][1];
        if (!tradeDelete && resources[q][r] > *get)
            *get += 1;
        else if (tradeDelete && *get > 0)
            *get -= 1;
    } else if (g >= 1 && g <= 5) {
        int* give = &tradeArray[g - 1][0];
        if (!tradeDelete && resources[p][g] > *give)
            *give += 1;
        else if (tradeDelete && *give > 0)
            *give -= 1;
    }
}

void applyTradeChange() {
    tradeCheck = false;
    int p = player, q = tradePlayer;
    if (p >= 1 && p <= 4) {
        if (q == 0)
            adjustBankOffer(p);
        else if (q >= 1 && q <= 4)
            adjustPlayerOffer(p, q);
    }
    tradePicked1 = 0;
    tradePicked2 = 0;
}
