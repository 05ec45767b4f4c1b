// Building settlements, cities and roads, the piece refresh and the build offers.
#include "rules.h"
#include "board.h"
#include "state.h"
#include "assets/catalogue.h"

static obj_type* const settlementMesh[5] = {nullptr, &object1, &object2, &object3, &object4};
static obj_type* const cityMesh[5] = {nullptr, &object5, &object6, &object7, &object8};
static obj_type* const roadMesh[5] = {nullptr, &object9, &object10, &object11, &object12};

static bool validPlayer(int p) {
    return p >= 1 && p <= 4;
}
static bool validSpot(int s) {
    return s >= 0 && s < NUM_SPOTS;
}
static bool validEdge(int e) {
    return e >= 0 && e < NUM_EDGES;
}

static bool holdsSettlementCost(int p) {
    const int* r = resources[p];
    return r[WOOD] >= 1 && r[WOOL] >= 1 && r[GRAIN] >= 1 && r[CLAY] >= 1;
}
static bool holdsCityCost(int p) {
    return resources[p][GRAIN] >= 2 && resources[p][ORE] >= 3;
}
static bool holdsRoadCost(int p) {
    return resources[p][WOOD] >= 1 && resources[p][CLAY] >= 1;
}

// A missing edge (-1) carries no road.
static int roadOwner(int e) {
    return validEdge(e) ? streets[e] : 0;
}

bool inOpening() {
    return firstTime < 4 * playersPicked;
}

bool spotIsFree(int s) {
    if (!validSpot(s) || houses[s][6] != 0) return false;
    for (int i = 0; i < 3; i++) {
        int n = availableCheck1[s][i];
        if (n >= 0 && houses[n][6] != 0) return false;
    }
    return true;
}

bool spotTouchesRoad(int s, int p) {
    if (!validSpot(s)) return false;
    for (int i = 3; i < 6; i++)
        if (roadOwner(availableCheck1[s][i]) == p) return true;
    return false;
}

bool edgeOpensFromFresh(int e, int p) {
    if (!validEdge(e)) return false;
    const int* row = availableCheck2[e];
    bool freshA = houses[row[0]][7] == p && roadOwner(row[2]) == 0 && roadOwner(row[3]) == 0;
    bool freshB = houses[row[1]][7] == p && roadOwner(row[4]) == 0 && roadOwner(row[5]) == 0;
    return freshA || freshB;
}

bool edgeIsConnected(int e, int p) {
    if (!validEdge(e)) return false;
    const int* row = availableCheck2[e];
    if (houses[row[0]][7] == p || houses[row[1]][7] == p) return true;
    for (int i = 2; i < 6; i++)
        if (roadOwner(row[i]) == p) return true;
    return false;
}

bool settlementAllowed(int s) {
    int p = player;
    if (!validPlayer(p) || !spotIsFree(s)) return false;
    if (inOpening()) return firstTime % 2 == 0;
    return spotTouchesRoad(s, p) && holdsSettlementCost(p);
}

bool cityAllowed(int s) {
    int p = player;
    return validPlayer(p) && validSpot(s) && houses[s][6] == 1 && houses[s][7] == p &&
           holdsCityCost(p);
}

// In the opening a road from a fresh settlement is only free when a road is due; any other
// road is a paid one, opening or not.
bool roadAllowed(int e) {
    int p = player;
    if (!validPlayer(p) || !validEdge(e) || streets[e] != 0) return false;
    if (inOpening() && edgeOpensFromFresh(e, p)) return firstTime % 2 == 1;
    return edgeIsConnected(e, p) && holdsRoadCost(p);
}

static void piecesChanged() {
    redraw = true;
    buildFT = true;
}

void clickSpot(int s) {
    int p = player;
    if (settlementAllowed(s)) {
        if (inOpening()) {
            firstTime++;
        } else {
            resources[p][WOOD]--;
            resources[p][WOOL]--;
            resources[p][GRAIN]--;
            resources[p][CLAY]--;
        }
        houses[s][7] = p;
        houses[s][6] = 1;
        resources[p][0]++;
        piecesChanged();
    } else if (cityAllowed(s)) {
        houses[s][6] = 2;
        resources[p][0]++;
        resources[p][GRAIN] -= 2;
        resources[p][ORE] -= 3;
        piecesChanged();
    }
}

void clickEdge(int e) {
    int p = player;
    if (!validEdge(e) || !roadAllowed(e)) return;
    bool openingRoad = inOpening() && edgeOpensFromFresh(e, p);
    streets[e] = p;
    if (openingRoad) {
        firstTime++;
        playerCheck = true;
    } else {
        resources[p][WOOD]--;
        resources[p][CLAY]--;
    }
    piecesChanged();
}

void buildOnBoard() {
    if (!build) return;
    if (picked >= 100 && picked <= 153)
        clickSpot(picked - 100);
    else if (picked >= 200 && picked <= 271)
        clickEdge(picked - 200);
}

void refreshPieces() {
    for (int s = 0; s < NUM_SPOTS; s++) housesV[s] = deleteObj;
    for (int e = 0; e < NUM_EDGES; e++) streetsV[e] = deleteObj;
    for (int s = 0; s < NUM_SPOTS; s++) {
        int p = houses[s][7];
        if (!validPlayer(p)) continue;
        if (houses[s][6] == 1)
            housesV[s] = *settlementMesh[p];
        else if (houses[s][6] == 2)
            housesV[s] = *cityMesh[p];
    }
    for (int e = 0; e < NUM_EDGES; e++)
        if (validPlayer(streets[e])) streetsV[e] = *roadMesh[streets[e]];
    redraw = false;
}

void showBuildOffers() {
    buildFT = false;
    int p = player;
    if (!validPlayer(p)) return;
    for (int s = 0; s < NUM_SPOTS; s++) {
        if (settlementAllowed(s))
            housesV[s] = buildV[3 * p + 1];
        else if (cityAllowed(s))
            housesV[s] = buildV[3 * p + 2];
    }
    for (int e = 0; e < NUM_EDGES; e++)
        if (roadAllowed(e)) streetsV[e] = buildV[3 * p];
}
