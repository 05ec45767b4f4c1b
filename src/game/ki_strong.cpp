// The strong computer: legal actions tried and taken back, positions compared by their value.
#include "ki.h"

#include <cstring>

#include "board.h"
#include "rules.h"
#include "state.h"

// clang-format off
StrongWeights strongWeights = {
    /* point      */ 10,
    /* win        */ 1000,
    /* kind       */ {0, /* wood */ 1, /* wool */ 0.7f, /* grain */ 1, /* ore */ 1, /* clay */ 1},
    /* saturation */ 0.4f,
    /* trade      */ 0.5f,
    /* horizon    */ 12,
    /* reach      */ 0.5f,
    /* second     */ 0.3f,
    /* roadDecay  */ 0.5f,
    /* hand       */ 0.4f,
    /* handCurve  */ 2,
    /* card       */ 0.05f,
    /* pair       */ 10,
};
// clang-format on

static const StrongWeights& W = strongWeights;

bool setStrongWeight(const char* name, float value) {
    static const struct {
        const char* name;
        float* weight;
    } names[] = {
        // clang-format off
        {"point", &strongWeights.point},
        {"win", &strongWeights.win},
        {"wood", &strongWeights.kind[WOOD]},
        {"wool", &strongWeights.kind[WOOL]},
        {"grain", &strongWeights.kind[GRAIN]},
        {"ore", &strongWeights.kind[ORE]},
        {"clay", &strongWeights.kind[CLAY]},
        {"saturation", &strongWeights.saturation},
        {"trade", &strongWeights.trade},
        {"horizon", &strongWeights.horizon},
        {"reach", &strongWeights.reach},
        {"second", &strongWeights.second},
        {"roadDecay", &strongWeights.roadDecay},
        {"hand", &strongWeights.hand},
        {"handCurve", &strongWeights.handCurve},
        {"card", &strongWeights.card},
        {"pair", &strongWeights.pair},
        // clang-format on
    };
    for (const auto& n : names) {
        if (std::strcmp(n.name, name) != 0) continue;
        *n.weight = value;
        return true;
    }
    return false;
}

bool strongSeat() {
    return player >= 1 && player <= 4 && playerKI[player] && kiStrength[player] == KI_STRONG;
}

// Ways out of 36 to roll each sum.
static const int ways[13] = {0, 0, 1, 2, 3, 4, 5, 6, 5, 4, 3, 2, 1};

// Roads beyond which a free spot no longer counts as within reach.
enum { MAX_REACH = 3 };

// Production's worth in this decision, set from the points the seat still misses when the
// decision begins, so that every plan compared is weighed alike.
static float horizonNow;

// What a seat's buildings bring: cards by dice sum and kind, their expectation per roll, and
// the bank rates its harbours give.
struct Outlook {
    float byRoll[13][6];
    float perRoll[6];
    int rates[6]; // by kind, index 0 unused
};

// Adds what one building level on spot s brings.
static void addYield(int s, float level, Outlook* o) {
    for (int j = 0; j < 3; j++) {
        const int kind = houses[s][SPOT_TERRAINS + j], n = houses[s][SPOT_NUMBERS + j];
        if (kind < WOOD || kind > CLAY || n < 2 || n > 12) continue;
        o->byRoll[n][kind] += level;
        o->perRoll[kind] += level * ways[n] / 36.0f;
    }
}

static void readOutlook(int p, Outlook* o) {
    std::memset(o, 0, sizeof *o);
    for (int s = 0; s < NUM_SPOTS; s++)
        if (houses[s][SPOT_OWNER] == p) addYield(s, (float)houses[s][SPOT_LEVEL], o);
    harbourRates(p, o->rates + 1);
}

// Each kind's production is worth less the more of it there is already, and all of it is
// worth something more at the bank rate it trades at.
static float productionWorth(const float* perRoll, const int* rates) {
    float v = 0;
    for (int k = WOOD; k <= CLAY; k++) {
        const float x = perRoll[k];
        v += W.kind[k] * x / (1 + x / W.saturation) + W.trade * x / rates[k];
    }
    return v;
}

// Expected cards a roll of a settlement on each spot, by kind and in all, the same for every
// seat; counted when a decision begins.
static float spotYield[NUM_SPOTS][6];
static float spotCards[NUM_SPOTS];

static void countSpotCards() {
    for (int s = 0; s < NUM_SPOTS; s++) {
        float* y = spotYield[s];
        std::memset(y, 0, sizeof spotYield[s]);
        spotCards[s] = 0;
        for (int j = 0; j < 3; j++) {
            const int kind = houses[s][SPOT_TERRAINS + j], n = houses[s][SPOT_NUMBERS + j];
            if (kind < WOOD || kind > CLAY || n < 2 || n > 12) continue;
            y[kind] += ways[n] / 36.0f;
            spotCards[s] += ways[n] / 36.0f;
        }
    }
}

// What one level more on spot s adds to the worth of the seat's production, with the harbour
// a settlement there would hold.
static float spotGain(int s, const Outlook& o, float worthNow, bool newSettlement) {
    float perRoll[6];
    int rates[6];
    std::memcpy(rates, o.rates, sizeof rates);
    for (int k = WOOD; k <= CLAY; k++) perRoll[k] = o.perRoll[k] + spotYield[s][k];
    if (newSettlement) {
        for (int i = 0; i < NUM_GENERAL_HARBOUR_SPOTS; i++)
            if (generalHarbourSpots[i] == s)
                for (int k = WOOD; k <= CLAY; k++) rates[k] = rates[k] < 3 ? rates[k] : 3;
        for (int k = WOOD; k <= CLAY; k++)
            if (resourceHarbourSpots[k - 1][0] == s || resourceHarbourSpots[k - 1][1] == s)
                rates[k] = 2;
    }
    return productionWorth(perRoll, rates) - worthNow;
}

// Builds the cards in hand may be heading for, each with its cost and its worth.
enum { MAX_GOALS = 3 };
struct Goals {
    int count;
    const int* cost[MAX_GOALS];
    float worth[MAX_GOALS];
};

static const int settlementAndRoad[6] = {0, 2, 1, 1, 0, 2};

static void addGoal(Goals* g, const int* cost, float worth) {
    if (worth <= 0 || g->count >= MAX_GOALS) return;
    g->cost[g->count] = cost;
    g->worth[g->count] = worth;
    g->count++;
}

// The share of a cost the hand covers, cards it does not need counted at their bank rate.
static float covered(const float* hand, const int* cost, const int* rates) {
    float missing = 0, spare = 0, total = 0;
    for (int k = WOOD; k <= CLAY; k++) {
        total += cost[k];
        if (hand[k] < cost[k])
            missing += cost[k] - hand[k];
        else
            spare += (hand[k] - cost[k]) / rates[k];
    }
    missing = missing > spare ? missing - spare : 0;
    return 1 - missing / total;
}

// x to a whole power; x lies in 0..1.
static float power(float x, int e) {
    float r = 1;
    for (int i = 0; i < e; i++) r *= x;
    return r;
}

// The worth of the hand as it may stand at the seat's next turn: the next roll by its chances,
// the other rolls of the round at their expectation.
static float handWorth(int p, const Outlook& o, const Goals& g) {
    if (g.count == 0) return 0;
    const float rolls = playersPicked > 1 ? playersPicked - 1.0f : 0.0f;
    float base[6];
    for (int k = WOOD; k <= CLAY; k++) base[k] = resources[p][k] + rolls * o.perRoll[k];
    float sum = 0;
    for (int n = 2; n <= 12; n++) {
        float hand[6];
        for (int k = WOOD; k <= CLAY; k++) hand[k] = base[k] + o.byRoll[n][k];
        float best = 0;
        for (int i = 0; i < g.count; i++) {
            const float v = g.worth[i] * power(covered(hand, g.cost[i], o.rates), (int)W.handCurve);
            if (v > best) best = v;
        }
        sum += ways[n] * best;
    }
    return sum / 36;
}

// The value of the position for seat p, in victory points.
static float evaluate(int p) {
    Outlook o;
    readOutlook(p, &o);
    const float worthNow = productionWorth(o.perRoll, o.rates);
    int dist[NUM_SPOTS];
    roadsToSpots(p, MAX_REACH, dist);
    float best = 0, second = 0, nearest = 0, oneRoad = 0, city = 0;
    for (int s = 0; s < NUM_SPOTS; s++) {
        if (houses[s][SPOT_OWNER] == p && houses[s][SPOT_LEVEL] == SETTLEMENT) {
            const float gain = spotGain(s, o, worthNow, false);
            if (gain > city) city = gain;
            continue;
        }
        if (dist[s] > MAX_REACH || !spotIsFree(s)) continue;
        const float gain = spotGain(s, o, worthNow, true);
        float reached = gain;
        for (int d = 0; d < dist[s]; d++) reached *= W.roadDecay;
        if (reached > best) {
            second = best;
            best = reached;
        } else if (reached > second) {
            second = reached;
        }
        if (dist[s] == 0 && gain > nearest) nearest = gain;
        if (dist[s] == 1 && gain > oneRoad) oneRoad = gain;
    }
    int cards = 0;
    for (int k = WOOD; k <= CLAY; k++) cards += resources[p][k];

    Goals goals = {};
    if (city > 0) addGoal(&goals, buildCost[PIECE_CITY], W.point + horizonNow * city);
    if (nearest > 0)
        addGoal(&goals, buildCost[PIECE_SETTLEMENT], W.point + horizonNow * nearest);
    else if (oneRoad > 0)
        addGoal(&goals, settlementAndRoad, W.roadDecay * (W.point + horizonNow * oneRoad));

    const int points = resources[p][0];
    float v = W.point * points + (points >= winPoints ? W.win : 0);
    v += horizonNow * (worthNow + W.reach * (best + W.second * second));
    v += W.hand * handWorth(p, o, goals);
    v += W.card * cards;
    return v;
}

// Bank units enough for p's hand to pay cost, played on the state, or -1 with none played.
// Each missing card is bought among the units the rules offer with the kind of the lowest rate
// the cost leaves over, then the largest surplus. payable[k] is what of kind k may still go on
// the turn's one offer; every unit goes at the rate the turn began with, as all of a plan's
// trades come before its first build.
enum { MAX_UNITS = 8 };
static void undoUnits(const Action* units, int n, int p, int* payable);

static int tradesFor(int p, const int* cost, const int* rates, int* payable, Action* units) {
    int n = 0;
    for (int k = WOOD; k <= CLAY; k++) {
        while (resources[p][k] < cost[k]) {
            Action offered[MAX_ACTIONS];
            const int m = listTrades(offered);
            int best = 0;
            for (int i = 0; i < m; i++) {
                const int j = offered[i].pay;
                if (offered[i].kind != ACT_TRADE || offered[i].want != k) continue;
                const int spare = resources[p][j] - cost[j];
                if (spare < rates[j] || rates[j] > payable[j]) continue;
                if (!best || rates[j] < rates[best] ||
                    (rates[j] == rates[best] && spare > resources[p][best] - cost[best]))
                    best = j;
            }
            if (!best || n >= MAX_UNITS) {
                undoUnits(units, n, p, payable);
                return -1;
            }
            units[n] = {ACT_TRADE, 0, best, k, rates[best]};
            playAction(p, units[n]);
            payable[best] -= rates[best];
            n++;
        }
    }
    return n;
}

static void undoUnits(const Action* units, int n, int p, int* payable) {
    for (int i = n - 1; i >= 0; i--) {
        undoAction(p, units[i]);
        payable[units[i].pay] += units[i].rate;
    }
}

static const int buildKind[3] = {ACT_ROAD, ACT_SETTLEMENT, ACT_CITY}; // by piece

// Plans whose values differ by less than this are equal; the one whose first build is worth
// more by itself goes first, so that the turn builds what matters most while it can.
static const float TIE = 1e-3f;

// The best value p can reach with up to `depth` more builds this turn, bought with trades
// while mayTrade, and in first the step that begins it; in here the value of stopping now.
// All trades of a plan come before its first build, as the dialog closes for good when
// building begins.
static float planTurn(int p, bool mayTrade, int* payable, const int* rates, int depth,
                      Action* first, float* here) {
    const float stop = evaluate(p);
    *here = stop;
    *first = {ACT_END_TURN, 0, 0, 0, 0};
    float best = stop, bestAlone = stop;
    if (depth == 0) return best;
    for (int piece = PIECE_ROAD; piece <= PIECE_CITY; piece++) {
        Action units[MAX_UNITS];
        int nu = 0;
        if (mayTrade) {
            nu = tradesFor(p, buildCost[piece], rates, payable, units);
            if (nu < 0) continue;
        } else if (!holdsCost(p, piece)) {
            continue;
        }
        Action list[MAX_ACTIONS];
        const int n = listActions(list);
        for (int i = 0; i < n; i++) {
            if (list[i].kind != buildKind[piece]) continue;
            playAction(p, list[i]);
            Action then;
            float alone;
            const float v = planTurn(p, mayTrade, payable, rates, depth - 1, &then, &alone);
            undoAction(p, list[i]);
            if (v < best - TIE || (v < best + TIE && alone <= bestAlone)) continue;
            best = v > best ? v : best;
            bestAlone = alone;
            *first = nu > 0 ? units[0] : then.kind == ACT_TRADE ? then : list[i];
        }
        undoUnits(units, nu, p, payable);
    }
    return best;
}

// The best position p reaches with one settlement more on a free spot, the opening's second.
static float bestSecondSettlement(int p) {
    float best = 0;
    for (int s = 0; s < NUM_SPOTS; s++) {
        if (!spotIsFree(s)) continue;
        const Action a = {ACT_SETTLEMENT, s, 0, 0, 0};
        playAction(p, a);
        const float v = evaluate(p);
        undoAction(p, a);
        if (v > best) best = v;
    }
    return best;
}

// The seats that settle before p's second opening settlement are taken to settle, each in
// turn, the free spot that brings the most cards; what is left is p's to choose from.
static float afterTheOthersSettle(int p) {
    Action taken[4];
    int seat[4], count = 0;
    for (int q = p % playersPicked + 1; q != p && count < 4; q = q % playersPicked + 1) {
        int pick = -1;
        for (int s = 0; s < NUM_SPOTS; s++)
            if (spotIsFree(s) && (pick < 0 || spotCards[s] > spotCards[pick])) pick = s;
        if (pick < 0) break;
        taken[count] = {ACT_SETTLEMENT, pick, 0, 0, 0};
        seat[count] = q;
        playAction(q, taken[count++]);
    }
    const float v = bestSecondSettlement(p);
    for (int i = count - 1; i >= 0; i--) undoAction(seat[i], taken[i]);
    return v;
}

// The opening placement with the best position after it. The first settlement is weighed
// with the second it leaves room for, among the few best on their own.
enum { FIRST_CANDIDATES = 8 };
static Action bestPlacement(int p) {
    Action list[MAX_ACTIONS];
    float value[MAX_ACTIONS];
    const int n = listActions(list);
    for (int i = 0; i < n; i++) {
        playAction(p, list[i]);
        value[i] = evaluate(p);
        undoAction(p, list[i]);
    }
    const bool first = firstTime < 2 * playersPicked && list[0].kind == ACT_SETTLEMENT;
    if (first && W.pair > 0) {
        for (int c = 0; c < FIRST_CANDIDATES && c < n; c++) {
            int top = c;
            for (int i = c + 1; i < n; i++)
                if (value[i] > value[top]) top = i;
            const Action a = list[top];
            const float v = value[top];
            list[top] = list[c], value[top] = value[c];
            list[c] = a, value[c] = v;
            playAction(p, a);
            value[c] += W.pair * afterTheOthersSettle(p);
            undoAction(p, a);
        }
    }
    Action choice = {ACT_END_TURN, 0, 0, 0, 0};
    float best = 0;
    const int considered = first && W.pair > 0 && n > FIRST_CANDIDATES ? FIRST_CANDIDATES : n;
    for (int i = 0; i < considered; i++) {
        if (choice.kind == ACT_END_TURN || value[i] > best) {
            best = value[i];
            choice = list[i];
        }
    }
    return choice;
}

// In a regular turn: the offer on the table counted as carried out, and what of each kind
// may still be paid to the bank.
static Action bestStep(int p, bool mayTrade) {
    int payable[6] = {}, rates[6] = {};
    harbourRates(p, rates + 1);
    const bool offer = trade;
    for (int k = WOOD; k <= CLAY; k++)
        payable[k] = resources[p][k] - (offer ? tradeArray[k - 1][0] : 0);
    int kept[5][2];
    if (offer) playOffer(kept);
    Action first;
    float now;
    planTurn(p, mayTrade, payable, rates, 2, &first, &now);
    if (offer) undoOffer(kept);
    return first;
}

// Production's worth follows the points p still misses; the spots' yields are counted afresh.
static void beginWeighing(int p) {
    const int missing = winPoints - resources[p][0];
    horizonNow = W.horizon * (missing > 0 ? missing : 0) / (winPoints > 0 ? winPoints : 1);
    countSpotCards();
}

float strongValue(int p) {
    if (p < 1 || p > 4) return 0;
    beginWeighing(p);
    return evaluate(p);
}

Action strongDecision() {
    const int p = player;
    const Action none = {ACT_END_TURN, 0, 0, 0, 0};
    if (p < 1 || p > 4 || win) return none;
    beginWeighing(p);
    if (inOpening()) return bestPlacement(p);
    if (resources[p][0] >= winPoints) return none;
    if (kiTurn == KI_DECIDE) return bestStep(p, !kiTrade);
    return bestStep(p, kiTurn == KI_TRADE);
}
