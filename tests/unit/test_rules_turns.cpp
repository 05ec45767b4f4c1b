// The turn sequence: opening order, rounds, the victory test and the end of the game.
#include "game_test_util.h"
#include "game/view.h"

#include "game/rules.h"

namespace {

using namespace gt;

// Opening order for one to four people: each seat settles and builds a road, twice round
// in the same order, and the first roll is player 1's.
TEST(RulesOpeningOrder, TwiceRoundInSeatOrderThenPlayerOneRolls) {
    for (int n = 1; n <= 4; n++) {
        setUpGame();
        player = 0, firstTime = 0, playersChoice = true, runde = 1, wuerfeln = false;
        std::memset(resources, 0, sizeof resources);
        for (int s = 0; s < NUM_SPOTS; s++) houses[s][SPOT_LEVEL] = houses[s][SPOT_OWNER] = 0;
        for (int e = 0; e < NUM_EDGES; e++) streets[e] = 0;
        startPeople(n);
        std::vector<int> order;
        for (int i = 0; i < 2 * n; i++) {
            order.push_back(player);
            EXPECT_FALSE(wuerfeln);
            ASSERT_GE(placeOpening(i * 19 + 2), 0) << "no place left, n = " << n;
        }
        std::vector<int> expected;
        for (int round = 0; round < 2; round++)
            for (int q = 1; q <= n; q++) expected.push_back(q);
        EXPECT_EQ(order, expected) << n << " players";
        EXPECT_EQ(firstTime, 4 * n + 1);
        EXPECT_EQ(player, 1);
        EXPECT_TRUE(wuerfeln);
        EXPECT_FALSE(build);
        EXPECT_EQ(runde, 1);
        for (int q = 1; q <= n; q++) EXPECT_EQ(resources[q][0], 2);
    }
}

// Puts player `p` of `n` people into his free phase after the opening.
void freePhase(int n, int p) {
    setUpGame();
    playersChoice = false;
    playersPicked = n;
    for (int q = 1; q <= 4; q++) playerKI[q] = false;
    firstTime = 4 * n + 1;
    player = p;
    next = true;
    wuerfeln = trade = build = false;
    runde = 1;
    winPoints = 10;
}

TEST(RulesTurnEnd, PassesTheTurnAndCountsRounds) {
    freePhase(3, 1);
    interfaceV[SLOT_DIE2] = diceV[2];
    pointerV[5] = interfaceP;
    press(PICK_MAIN); // the dialog, with player 3 as partner: every slot of it shown
    press(PICK_PARTNERS + 3);
    for (int i = SLOT_TRADE_FIRST; i <= SLOT_TRADE_LAST; i++) {
        if (i == SLOT_PARTNERS + 4) continue; // seat 4 is not in the game
        ASSERT_FALSE(empty(interfaceV[i])) << i;
    }
    press(PICK_NEXT);
    EXPECT_EQ(player, 2);
    EXPECT_EQ(runde, 1);
    EXPECT_TRUE(wuerfeln);
    EXPECT_FALSE(next || trade || build);
    EXPECT_TRUE(empty(interfaceV[SLOT_DIE2]));
    EXPECT_TRUE(empty(pointerV[5]));
    for (int i = SLOT_TRADE_FIRST; i <= SLOT_TRADE_LAST; i++)
        EXPECT_TRUE(empty(interfaceV[i])) << "trade dialog slot " << i;
    press(PICK_NEXT); // "Naechster" needs the free phase
    EXPECT_EQ(player, 2);
    for (int turn = 0; turn < 2; turn++) {
        press(PICK_MAIN);
        EXPECT_TRUE(next);
        press(PICK_NEXT);
    }
    EXPECT_EQ(player, 1);
    EXPECT_EQ(runde, 2);

    // One person alone: every turn comes back to him and counts a round.
    freePhase(1, 1);
    for (int turn = 0; turn < 3; turn++) {
        press(PICK_NEXT);
        EXPECT_EQ(player, 1);
        press(PICK_MAIN);
    }
    EXPECT_EQ(runde, 4);
}

TEST(RulesTurnEnd, AComputerSeatNextGetsNoRollButton) {
    freePhase(2, 1);
    playerKI[2] = true;
    press(PICK_NEXT);
    EXPECT_EQ(player, 2);
    EXPECT_FALSE(wuerfeln);
    EXPECT_GT(kiTurn, 0);
}

TEST(RulesVictory, OnlyEndingTheTurnWins) {
    freePhase(2, 1);
    houses[10][SPOT_LEVEL] = 1, houses[10][SPOT_OWNER] = 1, streets[3] = 1;
    resources[1][0] = 9;
    resources[1][GRAIN] = 2, resources[1][ORE] = 3;
    press(PICK_MAIN);    // trading
    press(PICK_MAIN);    // building
    press(spotPick(10)); // the city brings the tenth point
    EXPECT_EQ(resources[1][0], 10);
    EXPECT_FALSE(win);
    resources[1][WOOD] = resources[1][CLAY] = 1;
    press(edgePick(2)); // still his turn to build
    EXPECT_EQ(streets[2], 1);
    press(PICK_NEXT);
    EXPECT_TRUE(win);
    EXPECT_EQ(player, 1);
    EXPECT_EQ(runde, 1);
    EXPECT_FALSE(next || trade || build);
    EXPECT_FALSE(numberShow);
    EXPECT_FALSE(portSign);
}

TEST(RulesVictory, OnePointShortPassesTheTurn) {
    freePhase(2, 2);
    resources[2][0] = 9;
    press(PICK_NEXT);
    EXPECT_FALSE(win);
    EXPECT_EQ(player, 1);
    EXPECT_EQ(runde, 2);
}

// After the win only the switches, "Schliessen" and "Neues Spiel" act.
TEST(RulesVictory, NothingButTheSwitchesActsAfterTheWin) {
    freePhase(2, 2);
    resources[2][0] = 12;
    resources[2][WOOD] = resources[2][CLAY] = resources[2][GRAIN] = 9;
    resources[2][WOOL] = resources[2][ORE] = 9;
    houses[30][SPOT_LEVEL] = 1, houses[30][SPOT_OWNER] = 2, streets[42] = 2;
    press(PICK_NEXT);
    ASSERT_TRUE(win);
    EXPECT_EQ(walkPicks("after the win", {{PICK_NEW_GAME, PICK_NEW_GAME}}), 9)
        << "only the eight switches and Neues Spiel act";
    EXPECT_EQ(quitCalls, 1) << "Schliessen still ends the program";
    EXPECT_EQ(quitStatus, 0);
    press(PICK_OPT_NUMBERS);
    press(PICK_OPT_SIGNS);
    EXPECT_TRUE(numberShow && portSign);
}

TEST(RulesSchliessen, EndsTheProgramInAnyPhase) {
    setUpGame();
    platform.quit = [](int status) { std::exit(status); };
    EXPECT_EXIT(press(PICK_CLOSE), ::testing::ExitedWithCode(0), "");
    startPeople(2);
    EXPECT_EXIT(press(PICK_CLOSE), ::testing::ExitedWithCode(0), "");
    playOpening();
    EXPECT_EXIT(press(PICK_CLOSE), ::testing::ExitedWithCode(0), "");
}

} // namespace
