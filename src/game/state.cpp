// Definitions and start values of the game.
#include "state.h"
#include "fresh.h"

#include <cstring>

int model[19];
int number[19];
int houses[54][8];
int streets[72];
int dice[12][3];
int k;
int zufall1, zufall2, zufall;
bool diceShown;

int playersPicked;
bool playerKI[5];
int kiStrength[5];
int player;
int resources[5][6];
int winPoints;
int configuredWinPoints;
int runde;
bool win;
int firstTime;

bool playersChoice;
bool wuerfeln;
bool next;
bool trade;
bool build;
bool buildFT;
bool redraw;
bool playerCheck;

int tradeArray[5][2];
int tradeStep[5];
int tradePlayer;
int tradeItem;
int tradePicked1;
int tradePicked2;
bool tradeDelete;
bool tradeCheck;
bool tradeModus;
bool kiTrade;
bool player3too1[7];

int kiTurn;
int kiTime;
bool buildHouse[5][3];
int houseBuild[5];
int kiOffer;
int posPoints, posPoints1, posPoints2, posPointsTop;

int picked;
bool lButtonDown;
bool lButtonOneTime;

int takeBacks[MAX_TAKE_BACKS][2];
int takeBackCount;

#define CLEAR(var) std::memset(&(var), 0, sizeof(var))

static void resetBoard() {
    CLEAR(model), CLEAR(number), CLEAR(houses), CLEAR(streets), CLEAR(dice);
    k = zufall1 = zufall2 = zufall = 0;
    diceShown = false;
}

// Two seats, seats 1, 3 and 4 played by the computer, the seat selection shown.
static void resetPlayers() {
    static const bool startKI[5] = {false, true, false, true, true};
    playersPicked = 2;
    std::memcpy(playerKI, startKI, sizeof playerKI);
    for (int p = 0; p < 5; p++) kiStrength[p] = KI_TABLE;
    player = 0;
    CLEAR(resources);
    winPoints = configuredWinPoints;
    runde = 1;
    win = false;
    firstTime = 0;
    playersChoice = true;
    wuerfeln = next = trade = build = buildFT = redraw = playerCheck = false;
}

static void resetTrade() {
    CLEAR(tradeArray), CLEAR(tradeStep), CLEAR(player3too1);
    tradePlayer = tradeItem = tradePicked1 = tradePicked2 = 0;
    tradeDelete = tradeCheck = tradeModus = kiTrade = false;
}

// Every computer seat starts out wishing for a road and a city, with no settlement spot.
static void resetComputer() {
    kiTurn = kiTime = kiOffer = 0;
    for (int p = 0; p < 5; p++) {
        buildHouse[p][0] = buildHouse[p][2] = p > 0;
        buildHouse[p][1] = false;
        houseBuild[p] = -1;
    }
    posPoints = posPoints1 = posPoints2 = posPointsTop = 0;
}

void resetGame() {
    resetBoard();
    resetPlayers();
    resetTrade();
    resetComputer();
    picked = 0;
    lButtonDown = lButtonOneTime = false;
    CLEAR(takeBacks);
    takeBackCount = 0;
}

[[maybe_unused]] static const bool started = ownsState(resetGame);
