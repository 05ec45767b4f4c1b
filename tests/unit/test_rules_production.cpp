// The dice roll and the payout of cards.
#include "game_test_util.h"

#include "game/board.h"
#include "game/rules.h"

namespace {

using namespace gt;

// A board with every tile a forest on number 12 except those a test sets.
void plainBoard() {
    setUpGame();
    for (int t = 0; t < NUM_TILES; t++) {
        model[t] = FOREST;
        number[t] = 12;
    }
}

void building(int s, int p, int level) {
    houses[s][SPOT_LEVEL] = level;
    houses[s][SPOT_OWNER] = p;
}

int cardsOf(int p) {
    int n = 0;
    for (int r = 1; r <= 5; r++) n += resources[p][r];
    return n;
}

void roll(int sum) {
    srand(clockForRoll(sum));
    rollDice();
}

TEST(RulesProduction, DesertPaysNothingAndOtherTilesPayByLevel) {
    plainBoard();
    model[0] = DESERT;
    number[0] = 5;
    model[1] = FIELD;
    number[1] = 5;
    fillSpotRecords();
    building(20, 1, 2); // on the desert only (tiles 5, 6, 0)
    building(22, 2, 1); // tiles 0, 1, 2: desert and grain
    building(13, 3, 2); // tiles 1, 8, 9: grain
    roll(5);
    EXPECT_EQ(cardsOf(1), 0);
    EXPECT_EQ(resources[2][GRAIN], 1);
    EXPECT_EQ(cardsOf(2), 1);
    EXPECT_EQ(resources[3][GRAIN], 2);
    EXPECT_EQ(cardsOf(3), 2);
    EXPECT_EQ(k, 0);
    for (int e = 0; e < 12; e++)
        for (int i = 0; i < 3; i++) EXPECT_EQ(dice[e][i], 0);
}

TEST(RulesProduction, ACityOnTwoMatchingTilesGetsFourCards) {
    plainBoard();
    model[17] = model[18] = MOUNTAIN;
    number[17] = number[18] = 8;
    fillSpotRecords();
    building(9, 2, 2); // tiles 17, 18, 6
    roll(8);
    EXPECT_EQ(resources[2][ORE], 4);
    EXPECT_EQ(cardsOf(2), 4);
    EXPECT_EQ(zufall, 8);
    EXPECT_EQ(zufall1 + zufall2, 8);
}

// Two neighbouring tiles on the same number: twelve corner entries (two shared corners
// entered once per tile), every one paid.
TEST(RulesProduction, ANumberOnTwoTilesCollectsTwelveEntriesAndLosesNone) {
    plainBoard();
    model[0] = CLAYPIT;
    model[1] = PASTURE;
    number[0] = number[1] = 6;
    fillSpotRecords();
    int entries = 0;
    for (int s = 0; s < NUM_SPOTS; s++) {
        int matches = 0;
        for (int j = 0; j < 3; j++) {
            int t = spotTiles[s][j];
            matches += t == 0 || t == 1;
        }
        if (matches) building(s, 1 + s % 4, 1);
        entries += matches;
    }
    ASSERT_EQ(entries, 12);
    roll(6);
    int clay = 0, wool = 0;
    for (int p = 1; p <= 4; p++) {
        clay += resources[p][CLAY];
        wool += resources[p][WOOL];
        EXPECT_EQ(cardsOf(p), resources[p][CLAY] + resources[p][WOOL]);
    }
    EXPECT_EQ(clay, 6);
    EXPECT_EQ(wool, 6);
    EXPECT_TRUE(shows(pointerV[0], TEX_POINTER));
    EXPECT_TRUE(shows(pointerV[1], TEX_POINTER));
    for (int t = 2; t < NUM_TILES; t++) EXPECT_TRUE(empty(pointerV[t])) << t;
}

TEST(RulesProduction, SevenPaysLikeAnyNumberAndEmptyCornersPayNobody) {
    plainBoard();
    number[3] = 7;
    model[3] = FIELD;
    fillSpotRecords();
    building(33, 4, 1); // tiles 0, 3, 2
    roll(7);
    EXPECT_EQ(resources[4][GRAIN], 1);
    for (int p = 0; p < 4; p++) EXPECT_EQ(cardsOf(p), 0);
}

// The roll through the dispatch: the faces and markers show, the free phase begins, and a
// roll is only possible when one is due.
TEST(RulesProduction, RollButtonRollsOnceAndOpensTheFreePhase) {
    plainBoard();
    number[4] = 9;
    fillSpotRecords();
    player = 1;
    playersChoice = false;
    wuerfeln = true;
    clockMs = clockForRoll(9);
    srand(clockMs);
    int a = rand() % 6 + 1, b = rand() % 6 + 1;
    press(PICK_MAIN);
    EXPECT_EQ(zufall1, a);
    EXPECT_EQ(zufall2, b);
    EXPECT_TRUE(shows(interfaceV[SLOT_DIE1], TEX_DICE + a - 1));
    EXPECT_TRUE(shows(interfaceV[SLOT_DIE2], TEX_DICE + b - 1));
    EXPECT_TRUE(shows(pointerV[4], TEX_POINTER));
    EXPECT_FALSE(wuerfeln);
    EXPECT_TRUE(next);

    // In the free phase the same button opens trading instead of rolling again.
    clockMs = clockForRoll(12, clockMs + 1);
    press(PICK_MAIN);
    EXPECT_EQ(zufall, 9);
    EXPECT_TRUE(trade);
}

TEST(RulesProduction, AComputerRollLeavesTheFreePhaseToItsMachine) {
    plainBoard();
    fillSpotRecords();
    player = 1;
    kiTurn = 3;
    srand(5);
    wuerfeln = true;
    rollDice();
    EXPECT_FALSE(wuerfeln);
    EXPECT_FALSE(next);
}

} // namespace
