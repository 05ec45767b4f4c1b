// Picks that match no command, or a command whose phase is not on, change nothing.
#include "game_test_util.h"
#include "game/view.h"

#include "game/rules.h"

namespace {

using namespace gt;

// Every phase: the walk reaches the phase's own commands, and nothing else acts.
void walk(const char* phase, std::vector<PickRange> acting) {
    EXPECT_GT(walkPicks(phase, acting), 8) << phase;
}

TEST(RulesBadInput, OnlyThePhasesCommandsAct) {
    setUpGame();
    walk("seat selection", {{PICK_START, PICK_SEAT_COMPUTER + 4}, {PICK_TARGET_LOWER, PICK_PACE}});

    startPeople(2);
    walk("opening, settlement due", {{spotPick(0), spotPick(53)}});
    press(spotPick(10));
    walk("opening, road due", {{edgePick(0), edgePick(71)}, {PICK_UNDO, PICK_UNDO}});
    press(edgePick(3));
    press(spotPick(21));
    press(edgePick(16));
    press(spotPick(40));
    press(edgePick(43));
    press(spotPick(33));
    press(edgePick(48));
    ASSERT_TRUE(wuerfeln);
    walk("rolling", {{PICK_MAIN, PICK_MAIN}});

    for (int p = 1; p <= 2; p++)
        for (int r = 1; r <= 5; r++) resources[p][r] = 5;
    press(PICK_MAIN);
    ASSERT_TRUE(next);
    walk("free phase", {{PICK_MAIN, PICK_NEXT}});

    press(PICK_MAIN);
    ASSERT_TRUE(trade);
    walk("bank trade", {{PICK_MAIN, PICK_NEXT},
                        {PICK_TRADE_GO, PICK_TRADE_GO},
                        {PICK_IN_MINUS + WOOD, PICK_PARTNERS + 4}});
    press(PICK_PARTNERS + 2);
    ASSERT_EQ(tradePlayer, 2);
    walk("player trade", {{PICK_MAIN, PICK_NEXT},
                          {PICK_TRADE_GO, PICK_TRADE_GO},
                          {PICK_IN_MINUS + WOOD, PICK_PARTNERS + 4}});

    press(PICK_MAIN);
    ASSERT_TRUE(build);
    walk("building",
         {{PICK_NEXT, PICK_NEXT}, {spotPick(0), spotPick(53)}, {edgePick(0), edgePick(71)}});
}

TEST(RulesBadInput, CommandsOutsideTheirPhaseAndOutOfRangeArgumentsAreRefused) {
    setUpGame();
    // Before the start nobody is on turn: the game commands have nothing to act on.
    Snapshot before = takeSnapshot();
    clickSpot(10);
    clickEdge(3);
    showBuildOffers();
    computeHarbourRates();
    applyTradeChange();
    carryOutTrade();
    EXPECT_EQ(joined(before.diff(takeSnapshot())), "tradeStep") << "rates default to the bank";

    startPeople(2);
    before = takeSnapshot();
    for (int bad : {-1, 54, 72, 1000, INT_MIN}) {
        clickSpot(bad);
        clickEdge(bad);
        chooseBankItem(bad);
        moreReceived(bad), lessReceived(bad), moreGiven(bad), lessGiven(bad);
        choosePlayerPartner(bad);
        choosePlayerCount(bad);
        chooseSeat(bad, false);
    }
    tradeItem = 7; // a pay kind no button can give
    tradePicked1 = 3;
    tradeCheck = true;
    applyTradeChange();
    tradeItem = 0;
    EXPECT_TRUE(before.diff(takeSnapshot()).empty()) << joined(before.diff(takeSnapshot()));

    // A bank rate not yet worked out gives no free cards; an offer beyond the holdings
    // (which the buttons never raise) is not carried out.
    trade = true;
    tradeStep[0] = 0;
    tradePicked1 = 2;
    tradeCheck = true;
    pass();
    EXPECT_EQ(tradeArray[1][1], 0);
    resources[1][WOOD] = 1;
    tradeArray[0][0] = 3;
    tradeArray[1][1] = 1;
    carryOutTrade();
    EXPECT_EQ(resources[1][WOOD], 1);
    EXPECT_EQ(resources[1][WOOL], 0);
}

// The press flags (the computer's clicks): one command per arming, and a click withdrawn
// before the pass runs nothing.
TEST(RulesHandshake, OnePressOneCommand) {
    setUpGame();
    picked = PICK_COSTS;
    lButtonDown = true;
    lButtonOneTime = false;
    pass();
    EXPECT_TRUE(interfaceToggle);
    EXPECT_TRUE(lButtonOneTime);
    pass();
    pass();
    EXPECT_TRUE(interfaceToggle);
    lButtonDown = false; // disarmed before the next frame: no command
    lButtonOneTime = false;
    pass();
    EXPECT_TRUE(interfaceToggle);
    lButtonDown = true;
    pass();
    EXPECT_FALSE(interfaceToggle);
}

} // namespace
