// Trading with the bank, at harbours and with the other seats.
#include "rules.h"

#include <cstring>

#include "board.h"
#include "ki.h"
#include "news.h"
#include "picks.h"
#include "state.h"
#include "assets/catalogue.h"

static bool validKindIndex(int i) {
    return i >= 0 && i < 5;
}

static bool validKind(int kind) {
    return kind >= WOOD && kind <= CLAY;
}

static void clearOffer() {
    for (int i = 0; i < 5; i++) tradeArray[i][0] = tradeArray[i][1] = 0;
}

static void hidePlayerTradeButtons() {
    for (int i = SLOT_OUT_PLUS; i < SLOT_OUT_MINUS + 5; i++) interfaceV[i] = deleteObj;
}

void openTrade() {
    tradePlayer = 0;
    tradeItem = 0;
    clearOffer();
    trade = true;
    tradeModus = true;
    hideRoll();
    showTradeDialog();
}

static void showPlayerTradeButtons() {
    for (int i = 0; i < 5; i++) {
        interfaceV[SLOT_OUT_PLUS + i] = tradeV[6];
        interfaceV[SLOT_OUT_MINUS + i] = tradeV[5];
    }
}

void showTradeDialog() {
    hideTradeDialog();
    if (!trade) return;
    interfaceV[SLOT_TRADE_PANEL] = interface5;
    interfaceV[SLOT_TRADE_GO] = interface4;
    for (int i = 0; i < 5; i++) {
        interfaceV[SLOT_IN_CARDS + i] = tradeV[i];
        interfaceV[SLOT_IN_MINUS + i] = tradeV[5];
        interfaceV[SLOT_IN_PLUS + i] = tradeV[6];
        interfaceV[SLOT_OUT_CARDS + i] = tradeV[i];
    }
    interfaceV[SLOT_BANK] = interface4;
    for (int q = 1; q <= playersPicked && q <= 4; q++) interfaceV[SLOT_PARTNERS + q] = interface4;
    if (tradePlayer != 0) showPlayerTradeButtons();
}

void chooseBankItem(int kind) {
    if (validKind(kind)) tradeItem = kind - 1;
}

void chooseBankPartner() {
    tradePlayer = 0;
    tradeItem = 0;
    clearOffer();
    hidePlayerTradeButtons();
}

// The bank is every seat's partner; another seat in play only in the dialog of a person, or of
// the simulator's trader, who stands in for one.
bool partnerAllowed(int q) {
    const bool asker =
        player >= 1 && player <= 4 && (!playerKI[player] || kiStrength[player] == KI_TRADER);
    return asker && q >= 1 && q <= 4 && q <= playersPicked && q != player;
}

void choosePlayerPartner(int q) {
    if (!partnerAllowed(q)) {
        newsRefused(REASON_PARTNER);
        return;
    }
    tradePlayer = q;
    clearOffer();
    showPlayerTradeButtons();
}

// The plus and minus buttons only ask for a change; the pass makes it after the dispatch.
static void askChange(int* side, int kind, bool decrease) {
    if (!validKind(kind)) return;
    *side = kind;
    tradeDelete = decrease;
    tradeCheck = true;
}

void moreReceived(int kind) {
    askChange(&tradePicked1, kind, false);
}
void lessReceived(int kind) {
    askChange(&tradePicked1, kind, true);
}
void moreGiven(int kind) {
    askChange(&tradePicked2, kind, false);
}
void lessGiven(int kind) {
    askChange(&tradePicked2, kind, true);
}

void exchangeCards(int p, int q, const int* given, const int* received) {
    for (int kind = WOOD; kind <= CLAY; kind++) {
        resources[p][kind] += received[kind] - given[kind];
        if (q >= 1 && q <= 4) resources[q][kind] += given[kind] - received[kind];
    }
}

// The offer as the cards each side hands over, by kind.
static void offerCards(const int offer[5][2], int* given, int* received) {
    given[0] = received[0] = 0;
    for (int kind = WOOD; kind <= CLAY; kind++) {
        given[kind] = offer[kind - 1][0];
        received[kind] = offer[kind - 1][1];
    }
}

void playOffer(int kept[5][2]) {
    int given[6], received[6];
    std::memcpy(kept, tradeArray, sizeof tradeArray);
    offerCards(kept, given, received);
    exchangeCards(player, tradePlayer, given, received);
    clearOffer();
}

void undoOffer(const int kept[5][2]) {
    int given[6], received[6];
    offerCards(kept, given, received);
    exchangeCards(player, tradePlayer, received, given);
    std::memcpy(tradeArray, kept, sizeof tradeArray);
}

static bool offerEmpty() {
    for (int i = 0; i < 5; i++)
        if (tradeArray[i][0] != 0 || tradeArray[i][1] != 0) return false;
    return true;
}

// The offer never exceeds what either side held when it was raised; the check before paying
// keeps that true even if holdings changed in between. A person partner is not asked; a
// computer seat answers on the message line, and a refused offer stays on the table to be
// changed.
void carryOutTrade() {
    int p = player, q = tradePlayer;
    if (p < 1 || p > 4 || q < 0 || q > 4 || q == p) return;
    for (int kind = WOOD; kind <= CLAY; kind++) {
        int given = tradeArray[kind - 1][0], received = tradeArray[kind - 1][1];
        if (resources[p][kind] - given + received < 0 ||
            (q != 0 && resources[q][kind] + given - received < 0)) {
            newsRefused(REASON_CARDS);
            return;
        }
    }
    if (offerEmpty()) {
        newsRefused(REASON_NOTHING_CHOSEN);
        return;
    }
    int gave[6], got[6];
    offerCards(tradeArray, gave, got);
    const bool asked = q != 0 && playerKI[q];
    if (asked && !partnerAccepts(q)) {
        newsAnswered(q, false, gave, got);
        return;
    }
    int kept[5][2];
    playOffer(kept);
    forgetTakeBacks();
    if (asked)
        newsAnswered(q, true, gave, got);
    else
        newsTraded(gave, got);
}

void hideTradeDialog() {
    for (int i = SLOT_TRADE_FIRST; i <= SLOT_TRADE_LAST; i++) interfaceV[i] = deleteObj;
}

void endTrading() {
    hideTradeDialog();
    tradePlayer = 0;
    clearOffer();
}

void closeTradeAndBuild() {
    hideTradeDialog();
    trade = false;
    build = true;
    redraw = true;
    buildFT = true;
}

static bool ownsSpot(int s, int p) {
    return houses[s][SPOT_OWNER] == p;
}

void harbourRates(int p, int* rates) {
    for (int i = 0; i < 5; i++) rates[i] = 4;
    if (p < 1 || p > 4) return;
    for (int i = 0; i < NUM_GENERAL_HARBOUR_SPOTS; i++) {
        if (!ownsSpot(generalHarbourSpots[i], p)) continue;
        for (int j = 0; j < 5; j++) rates[j] = 3;
        break;
    }
    for (int i = 0; i < 5; i++)
        if (ownsSpot(resourceHarbourSpots[i][0], p) || ownsSpot(resourceHarbourSpots[i][1], p))
            rates[i] = 2;
}

void computeHarbourRates() {
    tradeModus = false;
    harbourRates(player, tradeStep);
}

// A change of the offer that cannot be made: a plus finds too few cards to pay or give, a
// minus finds nothing on the offer to take off.
static void refuseChange() {
    newsRefused(tradeDelete ? REASON_NOTHING_CHOSEN : REASON_CARDS);
}

// Bank trade: each step pays tradeStep cards of the pay kind for one card of kind r.
static void adjustBankOffer(int p) {
    int i = tradeItem, r = tradePicked1;
    if (!validKindIndex(i) || r < 1 || r > 5) return;
    int step = tradeStep[i];
    if (step <= 0) return;
    int* pay = &tradeArray[i][0];
    int* get = &tradeArray[r - 1][1];
    if (!tradeDelete && resources[p][i + 1] >= *pay + step) {
        *pay += step;
        *get += 1;
    } else if (tradeDelete && *pay >= step && *get >= 1) {
        *pay -= step;
        *get -= 1;
    } else {
        refuseChange();
    }
}

// One card more or less on a side of the offer, at most what the side's owner holds.
static void changeAmount(int* amount, int held) {
    if (!tradeDelete && held > *amount)
        *amount += 1;
    else if (tradeDelete && *amount > 0)
        *amount -= 1;
    else
        refuseChange();
}

// Player trade: each side offers at most what it holds.
static void adjustPlayerOffer(int p, int q) {
    int r = tradePicked1, g = tradePicked2;
    if (r >= 1 && r <= 5)
        changeAmount(&tradeArray[r - 1][1], resources[q][r]);
    else if (g >= 1 && g <= 5)
        changeAmount(&tradeArray[g - 1][0], resources[p][g]);
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
