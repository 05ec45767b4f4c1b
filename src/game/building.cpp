// Building settlements, cities and roads, the piece refresh and the build offers.
#include "rules.h"
#include "board.h"
#include "news.h"
#include "picks.h"
#include "state.h"
#include "assets/catalogue.h"

static obj_type* const settlementMesh[5] = {nullptr, &object1, &object2, &object3, &object4};
static obj_type* const cityMesh[5] = {nullptr, &object5, &object6, &object7, &object8};
static obj_type* const roadMesh[5] = {nullptr, &object9, &object10, &object11, &object12};

const int buildCost[3][6] = {
    // -, wood, wool, grain, ore, clay
    {0, 1, 0, 0, 0, 1}, // road
    {0, 1, 1, 1, 0, 1}, // settlement
    {0, 0, 0, 2, 3, 0}, // city, on the player's own settlement
};

static bool validPlayer(int p) {
    return p >= 1 && p <= 4;
}
static bool validSpot(int s) {
    return s >= 0 && s < NUM_SPOTS;
}
static bool validEdge(int e) {
    return e >= 0 && e < NUM_EDGES;
}

bool holdsCost(int p, int piece) {
    for (int kind = WOOD; kind <= CLAY; kind++)
        if (resources[p][kind] < buildCost[piece][kind]) return false;
    return true;
}

static void payCost(int p, int piece) {
    for (int kind = WOOD; kind <= CLAY; kind++) resources[p][kind] -= buildCost[piece][kind];
}

static void refundCost(int p, int piece) {
    for (int kind = WOOD; kind <= CLAY; kind++) resources[p][kind] += buildCost[piece][kind];
}

static bool validPlace(int p, int piece, int place) {
    return validPlayer(p) && (piece == PIECE_ROAD ? validEdge(place) : validSpot(place));
}

void placePiece(int p, int piece, int place) {
    if (!validPlace(p, piece, place)) return;
    if (piece == PIECE_ROAD) {
        const bool opening = inOpening() && edgeOpensFromFresh(place, p);
        streets[place] = p;
        if (opening) {
            firstTime++;
            playerCheck = true;
            return;
        }
    } else {
        houses[place][SPOT_OWNER] = p;
        houses[place][SPOT_LEVEL] = piece == PIECE_CITY ? CITY : SETTLEMENT;
        resources[p][0]++;
        if (piece == PIECE_SETTLEMENT && inOpening()) {
            firstTime++;
            return;
        }
    }
    payCost(p, piece);
}

// An opening placement moved the count on, so the count tells it from a paid one: an opening
// settlement leaves it at 4 x seats at most; an opening road leaves it even, the turn still
// to pass, and the road leaving a settlement of p that has no other road. A paid piece at
// exactly 4 x seats comes after the last opening road, its turn change still to come.
static bool openingSettlementPlaced() {
    return firstTime <= 4 * playersPicked && !playerCheck;
}

static bool openingRoadPlaced(int e, int p) {
    return playerCheck && firstTime <= 4 * playersPicked && firstTime % 2 == 0 &&
           edgeOpensFromFresh(e, p);
}

void takeOffPiece(int p, int piece, int place) {
    if (!validPlace(p, piece, place)) return;
    if (piece == PIECE_ROAD) {
        streets[place] = 0;
        if (openingRoadPlaced(place, p)) {
            firstTime--;
            playerCheck = false;
            return;
        }
    } else {
        houses[place][SPOT_LEVEL] = piece == PIECE_CITY ? SETTLEMENT : NO_BUILDING;
        if (piece == PIECE_SETTLEMENT) houses[place][SPOT_OWNER] = 0;
        resources[p][0]--;
        if (piece == PIECE_SETTLEMENT && openingSettlementPlaced()) {
            firstTime--;
            return;
        }
    }
    refundCost(p, piece);
}

// A missing edge (-1) carries no road.
static int roadOwner(int e) {
    return validEdge(e) ? streets[e] : 0;
}

bool inOpening() {
    return firstTime < 4 * playersPicked;
}

bool besideBuilding(int s) {
    for (int i = 0; i < 3; i++) {
        const int n = availableCheck1[s][i];
        if (n >= 0 && houses[n][SPOT_LEVEL] != NO_BUILDING) return true;
    }
    return false;
}

bool spotIsFree(int s) {
    return validSpot(s) && houses[s][SPOT_LEVEL] == NO_BUILDING && !besideBuilding(s);
}

bool spotTouchesRoad(int s, int p) {
    if (!validSpot(s)) return false;
    for (int i = 3; i < 6; i++)
        if (roadOwner(availableCheck1[s][i]) == p) return true;
    return false;
}

static int ownerAt(int s) {
    return houses[s][SPOT_OWNER];
}

bool edgeOpensFromFresh(int e, int p) {
    if (!validEdge(e)) return false;
    const int* row = availableCheck2[e];
    bool freshA = ownerAt(row[0]) == p && roadOwner(row[2]) == 0 && roadOwner(row[3]) == 0;
    bool freshB = ownerAt(row[1]) == p && roadOwner(row[4]) == 0 && roadOwner(row[5]) == 0;
    return freshA || freshB;
}

bool edgeIsConnected(int e, int p) {
    if (!validEdge(e)) return false;
    const int* row = availableCheck2[e];
    if (ownerAt(row[0]) == p || ownerAt(row[1]) == p) return true;
    for (int i = 2; i < 6; i++)
        if (roadOwner(row[i]) == p) return true;
    return false;
}

// 0-1 breadth first: a spot reached over p's own roads goes to the front at the same count,
// one reached over a free edge to the back at one more. A spot enters once for each time its
// count falls, which is at most once more for each edge that ends at it.
void roadsToSpots(int p, int most, int* roads) {
    enum { ROOM = 2 * (NUM_SPOTS + 2 * NUM_EDGES) };
    int queue[ROOM];
    int head = ROOM / 2, tail = ROOM / 2;
    for (int s = 0; s < NUM_SPOTS; s++) {
        roads[s] = UNREACHED;
        if (houses[s][SPOT_OWNER] != p) continue;
        roads[s] = 0;
        queue[tail++] = s;
    }
    while (head < tail) {
        const int s = queue[head++];
        for (int i = 3; i < 6; i++) {
            const int e = availableCheck1[s][i];
            if (e < 0 || (streets[e] != 0 && streets[e] != p)) continue;
            const int other =
                availableCheck2[e][0] == s ? availableCheck2[e][1] : availableCheck2[e][0];
            const int free = streets[e] == 0, count = roads[s] + free;
            if (count >= roads[other] || count > most) continue;
            roads[other] = count;
            if (free)
                queue[tail++] = other;
            else
                queue[--head] = other;
        }
    }
}

bool settlementAllowed(int s) {
    int p = player;
    if (!validPlayer(p) || !spotIsFree(s)) return false;
    if (inOpening()) return firstTime % 2 == 0;
    return spotTouchesRoad(s, p) && holdsCost(p, PIECE_SETTLEMENT);
}

bool cityAllowed(int s) {
    int p = player;
    return validPlayer(p) && validSpot(s) && houses[s][SPOT_LEVEL] == SETTLEMENT &&
           ownerAt(s) == p && holdsCost(p, PIECE_CITY);
}

// In the opening a road from a fresh settlement is only free when a road is due; any other
// road is a paid one, opening or not.
bool roadAllowed(int e) {
    int p = player;
    if (!validPlayer(p) || !validEdge(e) || streets[e] != 0) return false;
    if (inOpening() && edgeOpensFromFresh(e, p)) return firstTime % 2 == 1;
    return edgeIsConnected(e, p) && holdsCost(p, PIECE_ROAD);
}

static void piecesChanged() {
    redraw = true;
    buildFT = true;
}

// A person's builds are noted for "Zurueck"; when the list is full the oldest drops out.
static void noteBuild(int piece, int place) {
    if (playerKI[player]) return;
    if (takeBackCount == MAX_TAKE_BACKS) {
        for (int i = 1; i < MAX_TAKE_BACKS; i++)
            takeBacks[i - 1][0] = takeBacks[i][0], takeBacks[i - 1][1] = takeBacks[i][1];
        takeBackCount--;
    }
    takeBacks[takeBackCount][0] = piece;
    takeBacks[takeBackCount][1] = place;
    takeBackCount++;
}

// Why a click on spot s built nothing: the cards for the settlement or city it would take are
// missing, or someone has built there. An empty spot out of reach is never drawn to be clicked.
static void refuseSpot(int s) {
    const int p = player;
    if (!validPlayer(p) || !validSpot(s)) return;
    const bool ownSettlement = houses[s][SPOT_LEVEL] == SETTLEMENT && ownerAt(s) == p;
    const bool reached = spotIsFree(s) && spotTouchesRoad(s, p);
    if (!inOpening() && ((ownSettlement && !holdsCost(p, PIECE_CITY)) ||
                         (reached && !holdsCost(p, PIECE_SETTLEMENT))))
        newsRefused(REASON_CARDS);
    else if (houses[s][SPOT_LEVEL] != NO_BUILDING)
        newsRefused(REASON_TAKEN);
}

static void refuseEdge(int e) {
    const int p = player;
    if (!validPlayer(p) || !validEdge(e)) return;
    if (streets[e] != 0)
        newsRefused(REASON_TAKEN);
    else if (!inOpening() && edgeIsConnected(e, p) && !holdsCost(p, PIECE_ROAD))
        newsRefused(REASON_CARDS);
}

static int actionOf(int piece) {
    return piece == PIECE_ROAD ? ACT_ROAD : piece == PIECE_SETTLEMENT ? ACT_SETTLEMENT : ACT_CITY;
}

static const int builtNews[3] = {MOVE_ROAD, MOVE_SETTLEMENT, MOVE_CITY}; // by piece

// A piece the rules allow, built as listActions names it.
static void buildPiece(int piece, int place) {
    playAction(player, {actionOf(piece), place, 0, 0, 0});
    newsMoved(builtNews[piece]);
    piecesChanged();
}

void clickSpot(int s) {
    if (settlementAllowed(s)) {
        buildPiece(PIECE_SETTLEMENT, s);
        noteBuild(PIECE_SETTLEMENT, s);
    } else if (cityAllowed(s)) {
        buildPiece(PIECE_CITY, s);
        noteBuild(PIECE_CITY, s);
    } else {
        refuseSpot(s);
    }
}

// The opening's road passes the turn; only a paid road can be taken back.
void clickEdge(int e) {
    if (!roadAllowed(e)) {
        refuseEdge(e);
        return;
    }
    const bool openingRoad = inOpening() && edgeOpensFromFresh(e, player);
    buildPiece(PIECE_ROAD, e);
    if (!openingRoad) noteBuild(PIECE_ROAD, e);
}

bool canTakeBack() {
    return takeBackCount > 0 && build && kiTurn == 0 && !win && validPlayer(player) &&
           !playerKI[player];
}

// Entries no longer in use are cleared, so that the same game is always the same bytes.
void forgetTakeBacks() {
    for (int i = 0; i < takeBackCount; i++) takeBacks[i][0] = takeBacks[i][1] = 0;
    takeBackCount = 0;
}

// The last piece built, undone as it was played: an opening settlement was free, and taking
// it back makes the settlement due again.
void takeBackBuild() {
    if (!canTakeBack()) return;
    const int p = player;
    takeBackCount--;
    const int piece = takeBacks[takeBackCount][0], place = takeBacks[takeBackCount][1];
    takeBacks[takeBackCount][0] = takeBacks[takeBackCount][1] = 0;
    const bool stands = piece == PIECE_ROAD ? validEdge(place) && streets[place] == p
                                            : validSpot(place) && ownerAt(place) == p &&
                                                  houses[place][SPOT_LEVEL] == piece;
    if (stands) {
        undoAction(p, {actionOf(piece), place, 0, 0, 0});
        newsMoved(MOVE_TAKE_BACK + piece);
    }
    piecesChanged();
}

void buildOnBoard() {
    if (!build) return;
    if (pickedSpot(picked) >= 0)
        clickSpot(pickedSpot(picked));
    else if (pickedEdge(picked) >= 0)
        clickEdge(pickedEdge(picked));
}

// Each slot is assigned once, so a slot costs no more than the meshes it drops and takes.
static const obj_type& spotPiece(int s) {
    const int p = ownerAt(s);
    if (!validPlayer(p)) return deleteObj;
    if (houses[s][SPOT_LEVEL] == SETTLEMENT) return *settlementMesh[p];
    if (houses[s][SPOT_LEVEL] == CITY) return *cityMesh[p];
    return deleteObj;
}

int offersUp;

static void placePieces() {
    offersUp = 0;
    for (int s = 0; s < NUM_SPOTS; s++) showMesh(&housesV[s], spotPiece(s));
    for (int e = 0; e < NUM_EDGES; e++)
        showMesh(&streetsV[e], validPlayer(streets[e]) ? *roadMesh[streets[e]] : deleteObj);
}

static void placeOffers() {
    int p = player;
    if (!validPlayer(p)) return;
    for (int s = 0; s < NUM_SPOTS; s++) {
        if (settlementAllowed(s))
            housesV[s] = buildV[3 * p + PIECE_SETTLEMENT];
        else if (cityAllowed(s))
            housesV[s] = buildV[3 * p + PIECE_CITY];
        else
            continue;
        offersUp++;
    }
    for (int e = 0; e < NUM_EDGES; e++) {
        if (!roadAllowed(e)) continue;
        streetsV[e] = buildV[3 * p + PIECE_ROAD];
        offersUp++;
    }
}

void refreshPieces() {
    placePieces();
    redraw = false;
}

void showBuildOffers() {
    buildFT = false;
    placeOffers();
}

// Offers stand exactly while clicks on spots and edges build; placed after any piece refresh,
// they are the ones the tests of a click give now.
void showPieces() {
    placePieces();
    if (build && !win) placeOffers();
}
