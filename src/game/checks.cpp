// Checks of the game's state: the rules' invariants and the whole-game check of a read game.
#include "checks.h"

#include <cstdio>

#include "board.h"
#include "ki.h"
#include "rules.h"
#include "state.h"

static bool fault(char* problem, int size, const char* what, int a, int b) {
    std::snprintf(problem, size, what, a, b);
    return false;
}

bool checkInvariants(char* problem, int size) {
    int points[5] = {};
    for (int s = 0; s < NUM_SPOTS; s++) {
        const int level = houses[s][SPOT_LEVEL], owner = houses[s][SPOT_OWNER];
        if (level < 0 || level > 2 || owner < 0 || owner > playersPicked)
            return fault(problem, size, "spot %d holds level %d of an unknown owner", s, level);
        if ((level == 0) != (owner == 0))
            return fault(problem, size, "spot %d: level %d and owner disagree", s, level);
        if (level == 0) continue;
        points[owner] += level;
        if (besideBuilding(s))
            return fault(problem, size, "spot %d has a building on a neighbour spot", s, 0);
        if (firstTime > 4 * playersPicked && !spotTouchesRoad(s, owner))
            return fault(problem, size, "building on spot %d has no road of player %d", s, owner);
    }
    for (int p = 1; p <= 4; p++) {
        for (int kind = 0; kind <= CLAY; kind++)
            if (resources[p][kind] < 0)
                return fault(problem, size, "player %d holds a negative count of kind %d", p, kind);
        if (resources[p][0] != points[p])
            return fault(problem, size, "player %d has %d points", p, resources[p][0]);
    }
    for (int e = 0; e < NUM_EDGES; e++)
        if (streets[e] < 0 || streets[e] > playersPicked)
            return fault(problem, size, "edge %d has a road of unknown player %d", e, streets[e]);
    // A road joined to its owner's buildings over its owner's roads needs no road to reach.
    for (int p = 1; p <= playersPicked; p++) {
        int roads[NUM_SPOTS];
        roadsToSpots(p, 0, roads);
        for (int e = 0; e < NUM_EDGES; e++)
            if (streets[e] == p && roads[availableCheck2[e][0]] != 0)
                return fault(problem, size, "road on edge %d is cut off from player %d", e, p);
    }
    return true;
}

// A value read from a file may be anything; every count here is held to what a game can reach.
enum { MOST_CARDS = 1000000, MOST_ROUNDS = 1000000 };

static bool checkSeats(char* problem, int size) {
    if (playersChoice) return fault(problem, size, "no game under way", 0, 0);
    if (playersPicked < 1 || playersPicked > 4)
        return fault(problem, size, "%d seats", playersPicked, 0);
    for (int p = 1; p <= 4; p++)
        if (kiStrength[p] < KI_TABLE || kiStrength[p] > KI_TRADER)
            return fault(problem, size, "seat %d plays at strength %d", p, kiStrength[p]);
    if (player < 1 || player > playersPicked)
        return fault(problem, size, "player %d on turn of %d seats", player, playersPicked);
    if (winPoints != clampWinPoints(winPoints))
        return fault(problem, size, "a target of %d points", winPoints, 0);
    if (runde < 1 || runde > MOST_ROUNDS) return fault(problem, size, "round %d", runde, 0);
    return true;
}

static bool checkDeal(char* problem, int size) {
    int terrains[7] = {}, numbers[13] = {};
    for (int t = 0; t < NUM_TILES; t++) {
        if (model[t] < FOREST || model[t] > DESERT || number[t] < 2 || number[t] > 12)
            return fault(problem, size, "tile %d holds terrain %d", t, model[t]);
        terrains[model[t]]++;
        numbers[number[t]]++;
    }
    for (int kind = FOREST; kind <= DESERT; kind++)
        if (terrains[kind] != terrainLimit[kind])
            return fault(problem, size, "%d tiles of terrain %d", terrains[kind], kind);
    for (int n = 2; n <= 12; n++)
        if (numbers[n] != numberLimit[n])
            return fault(problem, size, "%d tiles carry the number %d", numbers[n], n);
    for (int s = 0; s < NUM_SPOTS; s++) {
        for (int j = 0; j < 3; j++) {
            const int tile = spotTiles[s][j];
            if (houses[s][SPOT_NUMBERS + j] != (tile < 0 ? 0 : number[tile]) ||
                houses[s][SPOT_TERRAINS + j] != (tile < 0 ? 0 : model[tile]))
                return fault(problem, size, "spot %d disagrees with tile %d", s, tile);
        }
    }
    return true;
}

static bool checkOpening(char* problem, int size) {
    const int end = 4 * playersPicked;
    if (firstTime < 0 || firstTime > end + 1 || (firstTime == end && !playerCheck))
        return fault(problem, size, "%d opening placements of %d seats", firstTime, playersPicked);
    if (firstTime > end) return true;
    int settlements = 0, roads = 0;
    for (int s = 0; s < NUM_SPOTS; s++) settlements += houses[s][SPOT_LEVEL] != NO_BUILDING;
    for (int e = 0; e < NUM_EDGES; e++) roads += streets[e] != 0;
    if (settlements != (firstTime + 1) / 2 || roads != firstTime / 2)
        return fault(problem, size, "%d settlements and %d roads in the opening", settlements,
                     roads);
    if (!build || next || trade || wuerfeln)
        return fault(problem, size, "the opening of player %d is not in building", player, 0);
    return true;
}

static bool checkCards(char* problem, int size) {
    for (int p = 1; p <= 4; p++) {
        for (int kind = WOOD; kind <= CLAY; kind++) {
            if (resources[p][kind] > MOST_CARDS)
                return fault(problem, size, "player %d holds %d cards", p, resources[p][kind]);
            if (p > playersPicked && resources[p][kind] != 0)
                return fault(problem, size, "seat %d out of play holds cards of kind %d", p, kind);
        }
    }
    return true;
}

static bool checkRoll(char* problem, int size) {
    if (k != 0) return fault(problem, size, "%d production entries between rolls", k, 0);
    for (int e = 0; e < 12; e++)
        if (dice[e][0] || dice[e][1] || dice[e][2])
            return fault(problem, size, "production entry %d left over", e, 0);
    const bool rolled = zufall1 >= 1 && zufall1 <= 6 && zufall2 >= 1 && zufall2 <= 6;
    const bool never = zufall1 == 0 && zufall2 == 0;
    if (!(rolled || never) || zufall != zufall1 + zufall2 || (diceShown && !rolled))
        return fault(problem, size, "dice %d and %d", zufall1, zufall2);
    return true;
}

static bool checkTrade(char* problem, int size) {
    for (int i = 0; i < 5; i++) {
        const int rate = tradeStep[i];
        if (rate != 0 && (rate < 2 || rate > 4))
            return fault(problem, size, "a rate of %d for kind %d", rate, i + 1);
        if (tradeArray[i][0] < 0 || tradeArray[i][1] < 0 || tradeArray[i][0] > MOST_CARDS ||
            tradeArray[i][1] > MOST_CARDS)
            return fault(problem, size, "an offer of %d cards of kind %d", tradeArray[i][0], i + 1);
    }
    // Earlier releases kept the last dialog's partner into the next turn, where it may be the
    // seat on turn; an open dialog never has it.
    if (tradePlayer < 0 || tradePlayer > 4 || (trade && tradePlayer != 0 && tradePlayer == player))
        return fault(problem, size, "trade partner %d of player %d", tradePlayer, player);
    if (tradeItem < 0 || tradeItem > 4 || tradePicked1 < 0 || tradePicked1 > 5 ||
        tradePicked2 < 0 || tradePicked2 > 5)
        return fault(problem, size, "trade choices %d and %d", tradeItem, tradePicked1);
    return true;
}

static bool checkPhase(char* problem, int size) {
    if (win && (next || trade || build || wuerfeln || kiTurn != 0))
        return fault(problem, size, "a won game of player %d still under way", player, 0);
    if (kiTurn < 0 || kiTurn > KI_LAST || (inOpening() && kiTurn > KI_OPENING_END) ||
        (kiTurn == KI_OFFER && kiStrength[player] != KI_TRADER))
        return fault(problem, size, "the computer in step %d", kiTurn, 0);
    if (kiTurn > 0 && !playerKI[player])
        return fault(problem, size, "a computer step for person %d", player, 0);
    // A person's turn after the opening is rolling, or rolled with trading or building open.
    if (kiTurn != 0 || win || inOpening() || playerKI[player]) return true;
    if (wuerfeln == next)
        return fault(problem, size, "player %d neither rolls nor has rolled", player, 0);
    if ((trade || build) && !next)
        return fault(problem, size, "player %d trades or builds before rolling", player, 0);
    return true;
}

static bool checkComputer(char* problem, int size) {
    for (int p = 0; p < 5; p++)
        if (houseBuild[p] < -1 || houseBuild[p] >= NUM_SPOTS)
            return fault(problem, size, "seat %d wishes for spot %d", p, houseBuild[p]);
    if (picked < -1 || picked >= 400) return fault(problem, size, "a click on %d", picked, 0);
    if (kiOffer < 0 || kiOffer > TRADER_OFFERS)
        return fault(problem, size, "the trader at offer %d", kiOffer, 0);
    // Between passes the rating's sums stand at zero; a rating starts from them.
    if (posPoints1 != 0 || posPoints2 != 0 || posPointsTop != 0)
        return fault(problem, size, "a spot rating of %d by %d left over", posPoints1, posPoints2);
    return true;
}

// Every entry names a piece of the player on turn that still stands.
static bool checkTakeBacks(char* problem, int size) {
    if (takeBackCount < 0 || takeBackCount > MAX_TAKE_BACKS)
        return fault(problem, size, "%d pieces to take back", takeBackCount, 0);
    for (int i = 0; i < takeBackCount; i++) {
        const int piece = takeBacks[i][0], place = takeBacks[i][1];
        bool stands = false;
        if (piece == PIECE_ROAD)
            stands = place >= 0 && place < NUM_EDGES && streets[place] == player;
        else if (piece == PIECE_SETTLEMENT || piece == PIECE_CITY)
            stands = place >= 0 && place < NUM_SPOTS && houses[place][SPOT_OWNER] == player &&
                     houses[place][SPOT_LEVEL] >= piece;
        if (!stands)
            return fault(problem, size, "piece %d on %d to take back is gone", piece, place);
    }
    return true;
}

bool checkGame(char* problem, int size) {
    return checkSeats(problem, size) && checkDeal(problem, size) && checkOpening(problem, size) &&
           checkCards(problem, size) && checkInvariants(problem, size) &&
           checkRoll(problem, size) && checkTrade(problem, size) && checkPhase(problem, size) &&
           checkComputer(problem, size) && checkTakeBacks(problem, size);
}
