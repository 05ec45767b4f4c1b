// The computer player's turn machine: opening placements and regular turns, paced by delays.
#include "ki.h"

#include "fresh.h"
#include "idle.h"
#include "picks.h"
#include "rules.h"
#include "state.h"

int kiWait1, kiWait2;
bool fastForward;
bool fastComputers;

void holdPace(bool held) {
    const int speed = (fastComputers ? 3 : 1) * (held ? 3 : 1);
    kiWait1 = 1500 / speed;
    kiWait2 = 3000 / speed;
    fastForward = held;
}

void resetPace() {
    holdPace(false);
}

[[maybe_unused]] static const bool paceSet = ownsState(resetPace);

// Hands the press flags back, so whoever moves next starts with a clean handshake.
static void kiRelease() {
    kiTurn = 0;
    releaseClick();
}

static bool waiting(int t, int wait) {
    return t < kiTime + wait;
}

// The click that builds a chosen piece; any other choice clicks nothing.
static void clickPiece(const Action& a) {
    if (a.kind == ACT_ROAD)
        postClick(edgePick(a.at));
    else if (a.kind == ACT_SETTLEMENT || a.kind == ACT_CITY)
        postClick(spotPick(a.at));
}

static void openingStep(int t) {
    switch (kiTurn) {
    case KI_OPENING_START:
        kiTime = t;
        kiTurn = KI_OPENING_SETTLEMENT;
        break;
    case KI_OPENING_SETTLEMENT:
        if (waiting(t, kiWait1)) return;
        if (strongSeat())
            clickPiece(strongDecision());
        else
            kiOpeningSettlement();
        kiTime = t;
        kiTurn = KI_OPENING_ROAD;
        break;
    case KI_OPENING_ROAD:
        if (waiting(t, kiWait1)) return;
        if (strongSeat())
            clickPiece(strongDecision());
        else
            kiRoadSearch(true);
        kiTurn = KI_OPENING_END;
        break;
    default:
        kiRelease();
        break;
    }
}

static int card(int kind) {
    return resources[player][kind];
}

static bool hasSurplus() {
    return card(WOOD) > tradeStep[0] || card(WOOL) > tradeStep[1] || card(GRAIN) > tradeStep[2] ||
           card(ORE) >= tradeStep[3] + 3 || card(CLAY) > tradeStep[4];
}

// The wishes in the order road, settlement, city, as the pieces are numbered.
static bool wishAffordable() {
    const bool* wish = buildHouse[player];
    for (int piece = PIECE_ROAD; piece <= PIECE_CITY; piece++)
        if (wish[piece] && holdsCost(player, piece)) return true;
    return false;
}

// "Handeln" as the free phase shows it after the roll: the dialog with the bank as partner.
static void clickTrading() {
    next = true;
    trade = false;
    build = false;
    postClick(PICK_MAIN);
}

static int openTrading() {
    clickTrading();
    return KI_TRADE;
}

bool traderSeat() {
    return player >= 1 && player <= 4 && playerKI[player] && kiStrength[player] == KI_TRADER;
}

// The trader's offers by number: partner, kind wanted, kind paid.
struct Offer {
    int partner, want, pay;
};

static Offer offerNumbered(int i) {
    return {i / 25 + 1, i / 5 % 5 + 1, i % 5 + 1};
}

// An offer a person could make now, towards the trader's wish: a card the wish lacks from a
// computer seat that holds one, against a card held beyond the wish.
static bool offerOpen(const Offer& o, int wish) {
    const int p = player, q = o.partner;
    const int* cost = buildCost[wish];
    return q <= playersPicked && playerKI[q] && partnerAllowed(q) && o.want != o.pay &&
           resources[p][o.want] < cost[o.want] && resources[p][o.pay] > cost[o.pay] &&
           resources[q][o.want] >= 1;
}

// Whether the offer on the table is exactly one card of o.want for one of o.pay, or holds only
// the card wanted so far, or nothing.
static bool offerIs(const Offer& o, bool withPay) {
    for (int k = WOOD; k <= CLAY; k++) {
        const int in = k == o.want ? 1 : 0, out = withPay && k == o.pay ? 1 : 0;
        if (tradeArray[k - 1][1] != in || tradeArray[k - 1][0] != out) return false;
    }
    return true;
}

static bool offerEmpty() {
    for (int i = 0; i < 5; i++)
        if (tradeArray[i][0] || tradeArray[i][1]) return false;
    return true;
}

// One click towards the next open offer, made as a person makes it: the partner (which clears
// the table), the card wanted, the card paid, "tauschen". With no offer left, the table's turn.
static int offerStep() {
    if (!trade) {
        clickTrading();
        return KI_OFFER;
    }
    const int wish = kiWishedPiece(player);
    while (wish >= 0 && kiOffer < TRADER_OFFERS && !offerOpen(offerNumbered(kiOffer), wish))
        kiOffer++;
    if (wish < 0 || kiOffer >= TRADER_OFFERS) return KI_DECIDE;
    const Offer o = offerNumbered(kiOffer);
    if (tradePlayer != o.partner) {
        postClick(PICK_PARTNERS + o.partner);
    } else if (offerIs(o, true)) {
        postClick(PICK_TRADE_GO);
        kiOffer++;
    } else if (offerIs(o, false)) {
        postClick(PICK_OUT_PLUS + o.pay);
    } else if (offerEmpty()) {
        postClick(PICK_IN_PLUS + o.want);
    } else {
        postClick(PICK_PARTNERS + o.partner);
    }
    return KI_OFFER;
}

// "Bauen": closes trading, whether or not the dialog was opened, and enters building.
static int enterBuilding() {
    trade = true;
    build = false;
    postClick(PICK_MAIN);
    return KI_BUILD;
}

// Open the bank trade, go building, or end the turn.
static int tradeOrBuild() {
    if (!kiTrade && hasSurplus()) return openTrading();
    if (wishAffordable()) return enterBuilding();
    return KI_END_TURN;
}

static bool isBuild(const Action& a) {
    return a.kind == ACT_ROAD || a.kind == ACT_SETTLEMENT || a.kind == ACT_CITY;
}

static int strongTradeOrBuild() {
    const Action a = strongDecision();
    if (a.kind == ACT_TRADE) return openTrading();
    if (isBuild(a)) return enterBuilding();
    return KI_END_TURN;
}

// One unit more on the offer, or carry the offer out and decide again.
static int tradeStepOnce() {
    picked = PICK_UNCHOSEN;
    int pay, want;
    if (kiTradeUnit(&pay, &want)) {
        tradeItem = pay - 1;
        postClick(PICK_IN_PLUS + want);
        return KI_TRADE;
    }
    kiTrade = true;
    postClick(PICK_TRADE_GO);
    return KI_DECIDE;
}

// Cards asked for on the offer; a plan that keeps asking past this many is carried out.
enum { MAX_OFFER_UNITS = 8 };
static int unitsOnOffer() {
    int n = 0;
    for (int i = 0; i < 5; i++) n += tradeArray[i][1];
    return n;
}

// The card paid with is picked first, as a person picks it, then one unit is asked for.
static int strongTradeStep() {
    picked = PICK_UNCHOSEN;
    const Action a = strongDecision();
    if (a.kind == ACT_TRADE && unitsOnOffer() < MAX_OFFER_UNITS) {
        if (tradeItem != a.pay - 1)
            postClick(PICK_PAY_KIND + a.pay);
        else
            postClick(PICK_IN_PLUS + a.want);
        return KI_TRADE;
    }
    kiTrade = true;
    postClick(PICK_TRADE_GO);
    return KI_DECIDE;
}

// The first affordable wish, in the order road, settlement, city; the settlement wish stays
// until the settlement click.
static int buildingDecision() {
    bool* wish = buildHouse[player];
    if (wish[PIECE_ROAD] && holdsCost(player, PIECE_ROAD)) {
        wish[PIECE_ROAD] = false;
        return KI_ROAD;
    }
    if (wish[PIECE_SETTLEMENT] && holdsCost(player, PIECE_SETTLEMENT)) return KI_SETTLEMENT;
    if (wish[PIECE_CITY] && holdsCost(player, PIECE_CITY)) {
        wish[PIECE_CITY] = false;
        return KI_CITY;
    }
    return KI_END_TURN;
}

// The state that builds the piece the plan begins with, or the end of the turn.
static int strongBuildingDecision() {
    const Action a = strongDecision();
    if (a.kind == ACT_ROAD) return KI_ROAD;
    if (a.kind == ACT_SETTLEMENT) return KI_SETTLEMENT;
    if (a.kind == ACT_CITY) return KI_CITY;
    return KI_END_TURN;
}

// The piece of the building state, where the plan, made afresh, builds it.
static void strongBuildStep(int state) {
    const Action a = strongDecision();
    const int kind = state == KI_ROAD         ? ACT_ROAD
                     : state == KI_SETTLEMENT ? ACT_SETTLEMENT
                                              : ACT_CITY;
    if (a.kind == kind) clickPiece(a);
}

// Runs the piece search or click of a building state.
static void buildStep(int state) {
    if (state == KI_ROAD)
        kiRoadSearch(false);
    else if (state == KI_SETTLEMENT)
        kiSettlement();
    else
        kiCity();
}

static void mainStep(int t) {
    switch (kiTurn) {
    case KI_START:
        kiTime = t;
        kiTurn = KI_ROLL;
        break;
    case KI_ROLL:
        if (waiting(t, kiWait1)) return;
        wuerfeln = true;
        postClick(PICK_MAIN);
        tradeModus = true;
        kiTime = t;
        kiOffer = 0;
        kiTurn = traderSeat() ? KI_OFFER : KI_DECIDE;
        break;
    case KI_OFFER:
        if (waiting(t, kiWait1)) return;
        kiTurn = offerStep();
        kiTime = t;
        break;
    case KI_DECIDE:
        if (waiting(t, kiWait2)) return;
        kiTurn = strongSeat() ? strongTradeOrBuild() : tradeOrBuild();
        kiTrade = false;
        kiTime = t;
        break;
    case KI_TRADE:
        if (waiting(t, kiWait1)) return;
        kiTurn = strongSeat() ? strongTradeStep() : tradeStepOnce();
        kiTime = t;
        break;
    case KI_BUILD:
        if (waiting(t, kiWait1)) return;
        kiTurn = strongSeat() ? strongBuildingDecision() : buildingDecision();
        kiTime = t;
        break;
    case KI_ROAD:
    case KI_SETTLEMENT:
    case KI_CITY:
        if (waiting(t, kiWait1)) return;
        if (strongSeat())
            strongBuildStep(kiTurn);
        else
            buildStep(kiTurn);
        kiTime = t;
        kiTurn = KI_BUILD;
        break;
    case KI_END_TURN:
        if (waiting(t, kiWait1)) return;
        next = true;
        postClick(PICK_NEXT);
        kiTurn = KI_END;
        break;
    default:
        kiRelease();
        break;
    }
}

void kiStep(int t) {
    if (kiTurn <= 0) return;
    if (firstTime <= 4 * playersPicked)
        openingStep(t);
    else
        mainStep(t);
}
