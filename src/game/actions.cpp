// The legal actions of the seat on turn, by the tests the clicks and the build offers use, and
// the one way to play each of them on the state and take it back.
#include "rules.h"
#include "ki.h"
#include "state.h"

static bool validPlayer(int p) {
    return p >= 1 && p <= 4;
}

static bool gameRunning() {
    return !playersChoice && !win && validPlayer(player);
}

// A person's roll is due when "Wuerfeln" shows; a computer seat rolls in its machine's second
// step, before which its turn has only begun.
bool rollDue() {
    if (!gameRunning() || firstTime <= 4 * playersPicked) return false;
    if (playerKI[player]) return kiTurn == KI_START || kiTurn == KI_ROLL;
    return wuerfeln;
}

// A computer seat's roll leaves "next" clear until it opens trading or ends the turn.
bool turnRolled() {
    if (!gameRunning() || firstTime <= 4 * playersPicked) return false;
    if (playerKI[player]) return kiTurn > KI_ROLL;
    return next;
}

static void add(Action* out, int* n, int kind, int at) {
    out[*n] = {kind, at, 0, 0, 0};
    (*n)++;
}

// Units of a bank trade: what the offer already pays is no longer in hand to pay again.
static void addTrades(Action* out, int* n) {
    const int p = player;
    int rates[5];
    harbourRates(p, rates);
    for (int pay = WOOD; pay <= CLAY; pay++) {
        const int onOffer = trade ? tradeArray[pay - 1][0] : 0;
        if (resources[p][pay] - onOffer < rates[pay - 1]) continue;
        for (int want = WOOD; want <= CLAY; want++) {
            if (want == pay) continue;
            out[*n] = {ACT_TRADE, 0, pay, want, rates[pay - 1]};
            (*n)++;
        }
    }
}

// One card for one, of two kinds the two sides hold.
static void addPartnerTrades(Action* out, int* n) {
    const int p = player;
    for (int q = 1; q <= 4; q++) {
        if (!partnerAllowed(q)) continue;
        for (int pay = WOOD; pay <= CLAY; pay++) {
            if (resources[p][pay] < 1) continue;
            for (int want = WOOD; want <= CLAY; want++) {
                if (want == pay || resources[q][want] < 1) continue;
                out[*n] = {ACT_PARTNER_TRADE, q, pay, want, 1};
                (*n)++;
            }
        }
    }
}

// Trading is open from the roll until building begins.
static bool tradesOpen() {
    return turnRolled() && !build;
}

int listTrades(Action* out) {
    int n = 0;
    if (!tradesOpen()) return 0;
    addTrades(out, &n);
    addPartnerTrades(out, &n);
    return n;
}

int listActions(Action* out) {
    int n = 0;
    if (!gameRunning()) return 0;
    if (inOpening()) {
        if (firstTime % 2 == 0) {
            for (int s = 0; s < NUM_SPOTS; s++)
                if (settlementAllowed(s)) add(out, &n, ACT_SETTLEMENT, s);
        } else {
            for (int e = 0; e < NUM_EDGES; e++)
                if (roadAllowed(e)) add(out, &n, ACT_ROAD, e);
        }
        return n;
    }
    if (rollDue()) {
        add(out, &n, ACT_ROLL, 0);
        return n;
    }
    if (!turnRolled()) return 0;
    for (int e = 0; e < NUM_EDGES; e++)
        if (roadAllowed(e)) add(out, &n, ACT_ROAD, e);
    for (int s = 0; s < NUM_SPOTS; s++) {
        if (settlementAllowed(s))
            add(out, &n, ACT_SETTLEMENT, s);
        else if (cityAllowed(s))
            add(out, &n, ACT_CITY, s);
    }
    n += listTrades(out + n);
    add(out, &n, ACT_END_TURN, 0);
    return n;
}

bool actionListed(const Action& a) {
    Action list[MAX_ACTIONS];
    const int n = listActions(list);
    for (int i = 0; i < n; i++) {
        const Action& b = list[i];
        if (b.kind == a.kind && b.at == a.at && b.pay == a.pay && b.want == a.want &&
            b.rate == a.rate)
            return true;
    }
    return false;
}

// The cards of a trade as each side hands them over: rate cards of the kind paid for one card
// of the kind wanted.
static void tradeCards(const Action& a, int* given, int* received) {
    for (int kind = 0; kind <= CLAY; kind++) given[kind] = received[kind] = 0;
    given[a.pay] = a.rate;
    received[a.want] = 1;
}

static int pieceOf(int kind) {
    return kind == ACT_ROAD ? PIECE_ROAD : kind == ACT_SETTLEMENT ? PIECE_SETTLEMENT : PIECE_CITY;
}

static bool validTrade(const Action& a) {
    return a.pay >= WOOD && a.pay <= CLAY && a.want >= WOOD && a.want <= CLAY;
}

// Playing and taking back differ only in which way the piece or the cards go.
static void moveAction(int p, const Action& a, bool back) {
    int given[6], received[6];
    if (a.kind == ACT_ROAD || a.kind == ACT_SETTLEMENT || a.kind == ACT_CITY) {
        if (back)
            takeOffPiece(p, pieceOf(a.kind), a.at);
        else
            placePiece(p, pieceOf(a.kind), a.at);
    } else if ((a.kind == ACT_TRADE || a.kind == ACT_PARTNER_TRADE) && validTrade(a)) {
        tradeCards(a, given, received);
        const int partner = a.kind == ACT_TRADE ? 0 : a.at;
        exchangeCards(p, partner, back ? received : given, back ? given : received);
    }
}

void playAction(int p, const Action& a) {
    moveAction(p, a, false);
}

void undoAction(int p, const Action& a) {
    moveAction(p, a, true);
}
