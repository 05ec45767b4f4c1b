// The computer player's choices: spot rating, placement and road searches, cities, bank trade.
#include "ki.h"

#include "assets/catalogue.h"
#include "board.h"
#include "idle.h"
#include "picks.h"
#include "rules.h"
#include "state.h"

// Terrain value by terrain kind (0 no tile, 6 desert) and number weight by dice number.
static const int terrainValue[7] = {0, 6, 3, 4, 5, 6, 0};
static const int numberWeight[13] = {0, 0, 2, 3, 4, 5, 6, 7, 6, 5, 4, 3, 2};

static int terrainOf(int kind) {
    return kind >= 0 && kind <= 6 ? terrainValue[kind] : 0;
}

static int weightOf(int n) {
    return n >= 0 && n <= 12 ? numberWeight[n] : 0;
}

int kiSpotRating(int x) {
    const int* spot = houses[x];
    for (int j = 0; j < 3; j++) {
        posPoints1 += terrainOf(spot[SPOT_TERRAINS + j]);
        if (spot[SPOT_TERRAINS + j] != DESERT) posPoints2 += weightOf(spot[SPOT_NUMBERS + j]);
    }
    posPoints = posPoints1 * posPoints2;
    posPoints1 = 0;
    posPoints2 = 0;
    return posPoints;
}

static bool inList(const int* list, int n, int s) {
    for (int i = 0; i < n; i++)
        if (list[i] == s) return true;
    return false;
}

bool kiGeneralHarbourSpot(int s) {
    return inList(generalHarbourSpots, NUM_GENERAL_HARBOUR_SPOTS, s);
}

bool kiSpecialHarbourSpot(int s) {
    return inList(&resourceHarbourSpots[0][0], 10, s);
}

// A slot shows an offer when its mesh carries the offer prototype's texture; the build-offer
// textures are loaded once per prototype, so no placed piece or empty slot shares them.
static bool spotOffered(int s, int p) {
    return housesV[s].texture_id == buildV[3 * p + PIECE_SETTLEMENT].texture_id;
}

static bool edgeOffered(int e, int p) {
    return streetsV[e].texture_id == buildV[3 * p + PIECE_ROAD].texture_id;
}

void kiOpeningSettlement() {
    const int p = player;
    int first = -1;
    player3too1[0] = false;
    for (int s = 0; s < NUM_SPOTS; s++) {
        if (!spotOffered(s, p)) continue;
        if (first < 0) first = s;
        if (kiSpotRating(s) > posPointsTop) {
            posPointsTop = posPoints;
            postClick(spotPick(s));
            player3too1[0] = kiGeneralHarbourSpot(s);
        }
    }
    // Without a rated spot the opening would wait for a click that never comes.
    if (posPointsTop == 0 && first >= 0) {
        postClick(spotPick(first));
        player3too1[0] = kiGeneralHarbourSpot(first);
    }
    if (player3too1[0]) player3too1[p] = true;
    player3too1[0] = false;
    posPointsTop = 0;
}

// A path entry leads somewhere the player may settle: a free target, over edges that are
// free or already the player's.
static bool pathOpen(const int* entry, int p) {
    if (!spotIsFree(entry[0])) return false;
    for (int i = 1; i < 4; i++) {
        const int e = entry[i];
        if (e >= 0 && streets[e] != 0 && streets[e] != p) return false;
    }
    return true;
}

static int pathRating(const int* entry, int p) {
    const int t = entry[0];
    int rating = kiSpotRating(t);
    if (entry[3] < 0) rating *= 2;
    if (!player3too1[p] && kiGeneralHarbourSpot(t))
        rating += 300;
    else if (kiSpecialHarbourSpot(t))
        rating += 150;
    return rating;
}

// The new best path: build its first free edge, or, when it is complete, settle its target.
static void takePath(const int* entry, int p, bool opening) {
    for (int i = 1; i < 4; i++) {
        const int e = entry[i];
        if (e >= 0 && streets[e] == 0) {
            postClick(edgePick(e));
            if (!opening) buildHouse[p][PIECE_ROAD] = true;
            return;
        }
    }
    lButtonOneTime = true;
    buildHouse[p][PIECE_ROAD] = false;
    buildHouse[p][PIECE_SETTLEMENT] = true;
    if (!opening) houseBuild[p] = entry[0];
}

void kiRoadSearch(bool opening) {
    const int p = player;
    for (int s = 0; s < NUM_SPOTS; s++) {
        if (houses[s][SPOT_OWNER] != p) continue;
        for (int j = 0; j < MAX_PATHS; j++) {
            const int* entry = buildCheck[s][j];
            if (entry[0] < 0) continue;
            if (opening && !edgeOffered(entry[1], p)) continue;
            if (!pathOpen(entry, p)) continue;
            posPoints = pathRating(entry, p);
            if (posPoints > posPointsTop) {
                posPointsTop = posPoints;
                takePath(entry, p, opening);
            }
        }
    }
    // The opening road must be placed for the turn to pass; take any offered edge then.
    if (opening && posPointsTop == 0) {
        for (int e = 0; e < NUM_EDGES; e++) {
            if (edgeOffered(e, p)) {
                postClick(edgePick(e));
                break;
            }
        }
    }
    posPointsTop = 0;
}

void kiSettlement() {
    const int p = player;
    const int s = houseBuild[p];
    buildHouse[p][PIECE_ROAD] = true;
    buildHouse[p][PIECE_SETTLEMENT] = false;
    if (s < 0 || s >= NUM_SPOTS || houses[s][SPOT_LEVEL] != NO_BUILDING) return;
    postClick(spotPick(s));
    buildHouse[p][PIECE_CITY] = true;
    if (kiGeneralHarbourSpot(s)) player3too1[p] = true;
}

void kiCity() {
    const int p = player;
    for (int s = 0; s < NUM_SPOTS; s++) {
        if (houses[s][SPOT_OWNER] != p || houses[s][SPOT_LEVEL] != SETTLEMENT) continue;
        if (kiSpotRating(s) > posPointsTop) {
            posPointsTop = posPoints;
            postClick(spotPick(s));
            buildHouse[p][PIECE_CITY] = true;
        }
    }
    posPointsTop = 0;
}

// One row of the bank trade table: the kind paid, the extra reserve beyond the rate (a
// surplus needs held > rate + paid + reserve), and the kinds wanted when no city is near.
struct TradeRow {
    int pay;
    int reserve;
    int otherwise[4]; // first kind with none in hand or asked for; 0 ends the list
};

static const TradeRow tradeRows[5] = {
    {WOOL, 0, {WOOD, CLAY, GRAIN, 0}}, {ORE, 2, {WOOD, CLAY, GRAIN, WOOL}},
    {GRAIN, 1, {WOOD, CLAY, WOOL, 0}}, {WOOD, 0, {CLAY, GRAIN, WOOL, 0}},
    {CLAY, 0, {WOOD, GRAIN, WOOL, 0}},
};

static int held(int kind) {
    return resources[player][kind];
}

static int have(int kind) {
    return resources[player][kind] + tradeArray[kind - 1][1];
}

// With a city wished: whether the row's city condition holds, and then in want the kind that
// still lacks towards 2 grain and 3 ore, or 0 when nothing does.
static bool cityRule(int pay, int* want) {
    *want = 0;
    if (pay == ORE) {
        if (held(GRAIN) < 1) return false;
        if (have(GRAIN) <= 1) *want = GRAIN;
        return true;
    }
    if (pay == GRAIN) {
        if (held(ORE) < 2) return false;
        if (have(ORE) <= 2) *want = ORE;
        return true;
    }
    if (held(GRAIN) < 1 || held(ORE) < 2) return false;
    if (have(GRAIN) <= 1)
        *want = GRAIN;
    else if (have(ORE) <= 2)
        *want = ORE;
    return true;
}

// With a city wished and nothing else asked for: what still lacks towards the city. Ore is
// in no list and the city rules only ask for it once two are held, so without this a seat
// with no ore could never buy its first.
static int cityLack(int pay) {
    if (pay != GRAIN && have(GRAIN) < 2) return GRAIN;
    if (pay != ORE && have(ORE) < 3) return ORE;
    return 0;
}

bool kiTradeUnit(int* pay, int* want) {
    const bool cityWished = buildHouse[player][PIECE_CITY];
    for (const TradeRow& row : tradeRows) {
        const int rate = tradeStep[row.pay - 1];
        const int paid = tradeArray[row.pay - 1][0];
        if (held(row.pay) <= rate + paid + row.reserve) continue;
        int wanted = 0;
        if (!(cityWished && cityRule(row.pay, &wanted))) {
            for (int i = 0; i < 4 && row.otherwise[i]; i++) {
                if (have(row.otherwise[i]) == 0) {
                    wanted = row.otherwise[i];
                    break;
                }
            }
        }
        if (wanted == 0 && cityWished) wanted = cityLack(row.pay);
        if (wanted == 0) return false;
        *pay = row.pay;
        *want = wanted;
        return true;
    }
    return false;
}

int kiWishedPiece(int p) {
    if (p < 1 || p > 4) return -1;
    for (int piece = PIECE_ROAD; piece <= PIECE_CITY; piece++)
        if (buildHouse[p][piece] && !holdsCost(p, piece)) return piece;
    return -1;
}

// A trade step keeps the row's reserve and one card more of the kind it pays with.
int kiSpareCards(int p, int kind) {
    if (p < 1 || p > 4 || kind < WOOD || kind > CLAY) return 0;
    int rates[5];
    harbourRates(p, rates);
    for (const TradeRow& row : tradeRows) {
        if (row.pay != kind) continue;
        const int held = resources[p][kind];
        return held > rates[kind - 1] + row.reserve ? held - row.reserve - 1 : 0;
    }
    return 0;
}
