// The strong computer: plainly best moves in small positions, and whole games in which every
// decision is a legal action and leaves the game as it found it.
#include "game_test_util.h"

#include "game/board.h"
#include "game/rules.h"

namespace {

using namespace gt;

void tile(int s, int j, int terrain, int num) {
    houses[s][SPOT_NUMBERS + j] = num;
    houses[s][SPOT_TERRAINS + j] = terrain;
}

void settle(int s, int p, int level = SETTLEMENT) {
    houses[s][SPOT_LEVEL] = level;
    houses[s][SPOT_OWNER] = p;
    resources[p][0] += level;
}

void hand(int p, int wood, int wool, int grain, int ore, int clay) {
    const int cards[6] = {0, wood, wool, grain, ore, clay};
    for (int k = WOOD; k <= CLAY; k++) resources[p][k] = cards[k];
}

// Seat 1 strong, on turn in a regular turn of two seats, its machine in `state`.
void strongOnTurn(int state) {
    resetGame();
    setUpGame();
    playersChoice = false;
    playersPicked = 2;
    winPoints = 10;
    playerKI[1] = playerKI[2] = true;
    kiStrength[1] = KI_STRONG;
    player = 1;
    firstTime = 4 * playersPicked + 1;
    kiTurn = state;
}

bool is(const Action& a, int kind, int at) {
    return a.kind == kind && a.at == at;
}

TEST(StrongChoices, PlainlyBestMoves) {
    // The opening: one spot brings far more than any other.
    strongOnTurn(KI_OPENING_SETTLEMENT);
    firstTime = 0;
    build = true;
    tile(40, 0, FIELD, 9);
    tile(20, 0, FOREST, 6), tile(20, 1, FIELD, 8), tile(20, 2, MOUNTAIN, 5);
    tile(33, 0, CLAYPIT, 4);
    Action a = strongDecision();
    EXPECT_TRUE(is(a, ACT_SETTLEMENT, 20)) << a.kind << " " << a.at;

    // Both a city and a road are affordable; the city reaches the target.
    strongOnTurn(KI_BUILD);
    build = true;
    tile(20, 0, FOREST, 6), tile(20, 1, FIELD, 8), tile(20, 2, MOUNTAIN, 5);
    settle(20, 1);
    settle(44, 1, CITY);
    streets[30] = 1;
    resources[1][0] = 9;
    hand(1, 1, 0, 2, 3, 1);
    a = strongDecision();
    EXPECT_TRUE(is(a, ACT_CITY, 20)) << a.kind << " " << a.at;
    const Action city = a;
    ASSERT_TRUE(actionListed(city));

    // Two wool at the wool harbour buy the grain a settlement lacks.
    strongOnTurn(KI_DECIDE);
    settle(3, 1);
    streets[5] = streets[7] = 1; // spot 3 to spot 4 to spot 5
    tile(5, 0, FOREST, 8);
    tile(3, 0, PASTURE, 6);
    hand(1, 1, 3, 0, 0, 1);
    a = strongDecision();
    EXPECT_EQ(a.kind, ACT_TRADE);
    EXPECT_EQ(a.pay, WOOL);
    EXPECT_EQ(a.want, GRAIN);
    EXPECT_EQ(a.rate, 2);
    EXPECT_TRUE(actionListed(a));
    // With the unit on the offer the plan goes on to the settlement and asks for no more.
    trade = true;
    tradeArray[WOOL - 1][0] = 2;
    tradeArray[GRAIN - 1][1] = 1;
    kiTurn = KI_TRADE;
    EXPECT_NE(strongDecision().kind, ACT_TRADE);
    trade = false;
    tradeArray[WOOL - 1][0] = tradeArray[GRAIN - 1][1] = 0;
    hand(1, 1, 1, 1, 0, 1);
    kiTurn = KI_BUILD;
    build = true;
    a = strongDecision();
    EXPECT_TRUE(is(a, ACT_SETTLEMENT, 5)) << a.kind << " " << a.at;
}

// The computer decides in the passes where its machine's wait ran out in a deciding step.
bool decidesNow() {
    if (kiTurn <= 0) return false;
    const int t = clockMs;
    if (firstTime <= 4 * playersPicked)
        return (kiTurn == KI_OPENING_SETTLEMENT || kiTurn == KI_OPENING_ROAD) &&
               t >= kiTime + kiWait1;
    if (kiTurn == KI_DECIDE) return t >= kiTime + kiWait2;
    return ((kiTurn >= KI_TRADE && kiTurn <= KI_CITY) || kiTurn == KI_OFFER) &&
           t >= kiTime + kiWait1;
}

// Every action the seat may take, played and taken back, changes the game and then leaves it
// exactly as it was.
void playEachAndTakeBack(int seed) {
    Action list[MAX_ACTIONS];
    const int n = listActions(list);
    const Snapshot before = takeSnapshot();
    for (int i = 0; i < n; i++) {
        const Action& a = list[i];
        if (a.kind == ACT_ROLL || a.kind == ACT_END_TURN) continue;
        playAction(player, a);
        const bool played = !before.same(takeSnapshot());
        undoAction(player, a);
        const Snapshot after = takeSnapshot();
        ASSERT_TRUE(played && before.same(after))
            << "seed " << seed << ", player " << player << ": action " << a.kind << " at " << a.at
            << " pay " << a.pay << " want " << a.want << (played ? " left " : " did nothing")
            << joined(before.diff(after));
    }
}

// Plays a game of computer seats from the panel to its end, the decision taken again and
// checked, and every action played and taken back, wherever a seat decides; returns the
// decisions of the strong computer checked.
int playChecked(int seats, const int* strength, int seed) {
    resetGame();
    setUpGame();
    clockMs = seed;
    winPoints = 10;
    press(PICK_PLAYER_COUNT + seats);
    for (int q = 1; q <= seats; q++) {
        if (!playerKI[q]) press(PICK_SEAT_COMPUTER + q);
        if (strength[q] == KI_STRONG) press(PICK_SEAT_COMPUTER + q);
    }
    for (int q = 1; q <= seats; q++) kiStrength[q] = strength[q];
    press(PICK_START);
    int decisions = 0;
    for (int i = 0; i < 400000 && !win; i++) {
        if (decidesNow()) {
            playEachAndTakeBack(seed);
            if (testing::Test::HasFatalFailure()) return decisions;
        }
        if (decidesNow() && kiTurn == KI_OFFER && tradePlayer != 0) {
            const Snapshot before = takeSnapshot();
            partnerAccepts(tradePlayer);
            EXPECT_TRUE(before.same(takeSnapshot())) << "seed " << seed << ": the answer changed "
                                                     << joined(before.diff(takeSnapshot()));
        }
        if (decidesNow() && strongSeat()) {
            const Snapshot before = takeSnapshot();
            const Action a = strongDecision();
            EXPECT_TRUE(before.same(takeSnapshot())) << "seed " << seed << ": the decision changed "
                                                     << joined(before.diff(takeSnapshot()));
            // In the trade step anything but a unit carries the offer out.
            const bool acted = kiTurn != KI_TRADE || a.kind == ACT_TRADE;
            EXPECT_TRUE(!acted || actionListed(a))
                << "seed " << seed << ", player " << player << ", step " << kiTurn << ": action "
                << a.kind << " at " << a.at << " pay " << a.pay << " want " << a.want;
            decisions++;
        }
        idle();
        clockMs += 100;
    }
    EXPECT_TRUE(win) << "seed " << seed << " has no winner";
    return decisions;
}

TEST(StrongComputer, EveryDecisionIsLegalAndLeavesTheGameAsItWas) {
    const int allStrong[5] = {0, KI_STRONG, KI_STRONG, KI_STRONG, KI_STRONG};
    const int mixed[5] = {0, KI_TRADER, KI_STRONG, KI_TABLE, KI_STRONG};
    int decisions = 0;
    decisions += playChecked(4, allStrong, 10007);
    decisions += playChecked(4, mixed, 25845);
    decisions += playChecked(2, allStrong, 33764);
    EXPECT_GT(decisions, 300);
}

} // namespace
