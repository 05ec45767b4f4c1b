// The legal actions of the seat on turn, by the tests the clicks and the build offers use.
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
    if (!build) addTrades(out, &n);
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
