// A computer seat asked for a trade: its answer to the offer on the table.
#include "ki.h"

#include "rules.h"
#include "state.h"

// Whether the cards in hand, with units of bank trade at these rates (by kind - 1), pay for cost.
static bool covers(const int* hand, const int* cost, const int* rates) {
    int missing = 0, units = 0;
    for (int k = WOOD; k <= CLAY; k++) {
        if (hand[k] < cost[k])
            missing += cost[k] - hand[k];
        else
            units += (hand[k] - cost[k]) / rates[k - 1];
    }
    return units >= missing;
}

// Whether p could still end this turn with the points to win: its cards, traded at its bank
// rates, pay for the cities and settlements worth the points it lacks, with the roads to the
// nearest free spots. Generous to p, never short of what it can do: new settlements may stand
// side by side, and are taken to need only the roads to the farthest of them.
static bool targetWithinTurn(int p) {
    const int missing = winPoints - resources[p][0];
    if (missing <= 0) return true;
    int rates[5], roads[NUM_SPOTS], nearest[NUM_SPOTS], spots = 0, settlements = 0;
    harbourRates(p, rates);
    roadsToSpots(p, UNREACHED - 1, roads);
    for (int s = 0; s < NUM_SPOTS; s++) {
        settlements += houses[s][SPOT_OWNER] == p && houses[s][SPOT_LEVEL] == SETTLEMENT;
        if (!spotIsFree(s) || roads[s] >= UNREACHED) continue;
        int at = spots++;
        for (; at > 0 && nearest[at - 1] > roads[s]; at--) nearest[at] = nearest[at - 1];
        nearest[at] = roads[s];
    }
    for (int built = 0; built <= missing && built <= spots; built++) {
        const int raised = missing - built, paths = built > 0 ? nearest[built - 1] : 0;
        if (raised > settlements + built) continue;
        int cost[6] = {};
        for (int k = WOOD; k <= CLAY; k++)
            cost[k] = raised * buildCost[PIECE_CITY][k] + built * buildCost[PIECE_SETTLEMENT][k] +
                      paths * buildCost[PIECE_ROAD][k];
        if (covers(resources[p], cost, rates)) return true;
    }
    return false;
}

static int cardsMissing(int q, int piece) {
    int n = 0;
    for (int k = WOOD; k <= CLAY; k++)
        if (resources[q][k] < buildCost[piece][k]) n += buildCost[piece][k] - resources[q][k];
    return n;
}

// What a partner counts as a gain: more than the rounding of its sums.
static const float GAIN = 1e-3f;

// A "Comp." weighs the cards it lacks for its wish, a "Profi" its whole position; either by
// the position before and after the exchange, played on the state and taken back.
bool partnerAccepts(int q) {
    const int p = player;
    if (p < 1 || p > 4 || q < 1 || q > 4 || q == p || !playerKI[q]) return false;
    for (int k = WOOD; k <= CLAY; k++)
        if (tradeArray[k - 1][1] > resources[q][k]) return false;
    const bool strong = kiStrength[q] == KI_STRONG;
    const int wish = kiWishedPiece(q);
    if (!strong) {
        if (wish < 0) return false;
        for (int k = WOOD; k <= CLAY; k++)
            if (tradeArray[k - 1][1] > kiSpareCards(q, k)) return false;
    }
    auto worth = [&] { return strong ? strongValue(q) : (float)-cardsMissing(q, wish); };
    const float before = worth();
    int kept[5][2];
    playOffer(kept);
    const bool handsTheWin = targetWithinTurn(p);
    const float after = worth();
    undoOffer(kept);
    return !handsTheWin && after > before + GAIN;
}
