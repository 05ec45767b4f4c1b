// The computer turn machine against the real per-frame pass, on a fake clock.
#include <gtest/gtest.h>

#include "platform/platform.h"
#include "assets/catalogue.h"
#include "game/board.h"
#include "game/idle.h"
#include "game/ki.h"
#include "game/picks.h"
#include "game/state.h"
#include "input/input.h"

namespace {

int now = 0;
int fakeClock() {
    return now;
}

const int STEP = 10; // ms per pass

void pass() {
    now += STEP;
    idle();
}

// Runs passes until the condition holds, at most `limit` ms; returns the pass time.
template <class Cond> int runUntil(Cond cond, int limit = 60000) {
    const int end = now + limit;
    while (now < end) {
        pass();
        if (cond()) return now;
    }
    return -1;
}

void runFor(int ms) {
    const int end = now + ms;
    while (now < end) pass();
}

void distinctOffers() {
    for (int i = 3; i < 15; i++) buildV[i].texture_id = 100 + i;
}

// A game past its opening with the seats given, player 1 about to move.
void mainGame(int seats, bool firstComputer, bool secondComputer) {
    platform.milliseconds = fakeClock;
    distinctOffers();
    playersPicked = seats;
    winPoints = 10;
    playerKI[1] = firstComputer;
    playerKI[2] = secondComputer;
    playersChoice = false;
    firstTime = 4 * seats + 1;
    player = 1;
    for (int p = 1; p <= 4; p++)
        for (int i = 0; i < 5; i++) tradeStep[i] = 4;
    if (firstComputer)
        kiTurn = 1;
    else
        wuerfeln = true;
    now = 1000;
}

void settle(int s, int p) {
    houses[s][SPOT_LEVEL] = 1;
    houses[s][SPOT_OWNER] = p;
    resources[p][0] += 1;
}

TEST(KiTurn, NothingToDoIsRollThreeSecondsEndOneAndAHalfLater) {
    mainGame(2, true, false);
    const int start = now;
    pass();
    EXPECT_EQ(kiTime, start + STEP) << "the first step stamps the turn's start";
    const int roll = runUntil([] { return zufall != 0; });
    EXPECT_EQ(roll, start + STEP + 1500 + STEP) << "clicked after 1.5 s, dispatched next pass";
    EXPECT_FALSE(next) << "a computer roll leaves the free phase to the machine";
    const int end = runUntil([] { return player != 1; });
    EXPECT_EQ(end, roll + 3000 + 1500);
    EXPECT_EQ(kiTurn, 0);
    EXPECT_TRUE(wuerfeln) << "the person's roll is due";
    EXPECT_FALSE(lButtonDown);
    EXPECT_FALSE(lButtonOneTime);
}

TEST(KiTurn, HeldButtonDividesEveryWaitByThree) {
    mainGame(2, true, false);
    const int start = now;
    pass();
    EXPECT_FALSE(mouseButton(MOUSE_LEFT, MOUSE_PRESS, 50, 50));
    EXPECT_EQ(kiWait1, 500);
    const int roll = runUntil([] { return zufall != 0; });
    EXPECT_EQ(roll, start + STEP + 500 + STEP);
    const int end = runUntil([] { return player != 1; });
    EXPECT_EQ(end, roll + 1000 + 500);
}

TEST(KiTurn, ReleasedButtonRestoresThePace) {
    mainGame(2, true, false);
    pass();
    EXPECT_FALSE(mouseButton(MOUSE_LEFT, MOUSE_PRESS, 50, 50));
    pass();
    EXPECT_FALSE(mouseButton(MOUSE_LEFT, MOUSE_RELEASE, 50, 50));
    EXPECT_EQ(kiWait1, 1500);
    EXPECT_EQ(kiWait2, 3000);
    EXPECT_EQ(runUntil([] { return zufall != 0; }), 1000 + STEP + 1500 + STEP);
}

TEST(KiTurn, TwoComputerSeatsInARow) {
    mainGame(2, true, true);
    runUntil([] { return player == 2; });
    EXPECT_EQ(kiTurn, 2) << "the second turn began in the pass that ended the first";
    EXPECT_EQ(kiTime, now);
    EXPECT_FALSE(wuerfeln);
    const int begin = now;
    zufall = 0;
    EXPECT_EQ(runUntil([] { return zufall != 0; }), begin + 1500 + STEP);
    EXPECT_EQ(runde, 1);
    EXPECT_EQ(runUntil([] { return player == 1; }), begin + 1500 + STEP + 4500);
    EXPECT_EQ(runde, 2);
}

TEST(KiTurn, PersonAfterComputerStartsWithACleanHandshake) {
    mainGame(2, true, false);
    runUntil([] { return player == 2; });
    runFor(100);
    EXPECT_EQ(kiTurn, 0);
    zufall = 0;
    EXPECT_TRUE(mouseButton(MOUSE_LEFT, MOUSE_PRESS, 600, 900));
    queuePress(PICK_MAIN); // what the selection pass finds under the cursor
    pass();
    EXPECT_NE(zufall, 0) << "the person's first press is dispatched";
    EXPECT_TRUE(next);
    EXPECT_FALSE(mouseButton(MOUSE_LEFT, MOUSE_RELEASE, 600, 900));
    EXPECT_TRUE(mouseButton(MOUSE_LEFT, MOUSE_PRESS, 600, 900));
    queuePress(PICK_NEXT);
    pass();
    EXPECT_EQ(player, 1);
    EXPECT_EQ(kiTurn, 2) << "and the computer takes over again";
}

TEST(KiTurn, AfterAWinNothingMoreRuns) {
    mainGame(2, true, true);
    winPoints = 4;
    settle(5, 1);
    settle(20, 1);
    settle(33, 1);
    settle(44, 1);
    runUntil([] { return win; });
    EXPECT_EQ(player, 1);
    pass();
    EXPECT_EQ(kiTurn, 0);
    EXPECT_FALSE(lButtonDown);
    const int stamp = kiTime;
    runFor(20000);
    EXPECT_EQ(kiTurn, 0);
    EXPECT_EQ(kiTime, stamp);
    EXPECT_EQ(player, 1);
}

TEST(KiTurn, TradesUnitByUnitThenDecidesOnceMore) {
    mainGame(2, true, false);
    resources[1][WOOL] = 5;
    buildHouse[1][2] = false;
    runUntil([] { return zufall != 0; });
    const int roll = now;
    EXPECT_EQ(runUntil([] { return trade; }), roll + 3000);
    EXPECT_EQ(tradeStep[WOOL - 1], 4) << "the rates of the player worked out after the roll";
    EXPECT_EQ(runUntil([] { return tradeArray[WOOD - 1][1] == 1; }), roll + 4500);
    EXPECT_EQ(tradeArray[WOOL - 1][0], 4);
    EXPECT_EQ(runUntil([] { return resources[1][WOOD] == 1; }), roll + 6000);
    EXPECT_EQ(resources[1][WOOL], 1);
    EXPECT_TRUE(trade) << "the dialog stays open after the trade";
    EXPECT_TRUE(kiTrade);

    // The decision 3 s later finds no surplus and nothing affordable: the turn ends.
    EXPECT_EQ(runUntil([] { return player != 1; }), roll + 6000 + 3000 + 1500);
    EXPECT_FALSE(kiTrade);
    EXPECT_FALSE(trade);
}

TEST(KiTurn, BuildsWhatItWishesOnePieceEveryTwoDelays) {
    mainGame(2, true, false);
    settle(2, 1);
    streets[3] = 1;
    const int tiles[3][2] = {{FOREST, 6}, {CLAYPIT, 8}, {MOUNTAIN, 6}}; // beats the harbour at 4
    for (int j = 0; j < 3; j++) {
        houses[11][SPOT_TERRAINS + j] = tiles[j][0];
        houses[11][SPOT_NUMBERS + j] = tiles[j][1];
    }
    for (int kind = WOOD; kind <= CLAY; kind++) resources[1][kind] = 1;
    resources[1][WOOD] = 2;
    resources[1][CLAY] = 2;
    player3too1[1] = true;
    runUntil([] { return zufall != 0; });
    const int roll = now;
    runUntil([] { return build; });
    EXPECT_EQ(now, roll + 3000) << "no surplus: straight to building";
    // 3 s decision, 1.5 s building decision, 1.5 s road click: the path 3 15 to spot 11.
    EXPECT_EQ(runUntil([] { return streets[15] == 1; }), roll + 6000);
    EXPECT_TRUE(buildHouse[1][0]);
    // The path is complete now: the next road search turns it into a settlement wish.
    // Building decision, road search (no click), building decision, settlement click.
    EXPECT_EQ(runUntil([] { return houses[11][SPOT_LEVEL] == 1; }), roll + 6000 + 4 * 1500);
    EXPECT_EQ(houses[11][SPOT_OWNER], 1);
    EXPECT_EQ(resources[1][0], 2);
    EXPECT_FALSE(buildHouse[1][1]);
    EXPECT_TRUE(buildHouse[1][0] && buildHouse[1][2]);
    runUntil([] { return player != 1; });
    for (int kind = WOOD; kind <= CLAY; kind++) EXPECT_GE(resources[1][kind], 0);
}

// Spot s rated well above any harbour bonus: (6 + 5 + 6) * (5 + 5 + 5).
void richSpot(int s) {
    const int tiles[3][2] = {{FOREST, 6}, {CLAYPIT, 8}, {MOUNTAIN, 6}};
    for (int j = 0; j < 3; j++) {
        houses[s][SPOT_TERRAINS + j] = tiles[j][0];
        houses[s][SPOT_NUMBERS + j] = tiles[j][1];
    }
}

TEST(KiTurn, TradesThenBuildsInTheSameTurn) {
    mainGame(2, true, false);
    settle(2, 1);
    streets[3] = 1; // the path 3 15 to spot 11
    richSpot(11);
    player3too1[1] = true;
    resources[1][WOOL] = 5;
    resources[1][CLAY] = 1;
    runUntil([] { return resources[1][WOOD] == 1; });
    EXPECT_EQ(kiTurn, KI_DECIDE);
    EXPECT_TRUE(trade) << "the dialog is still open when the decision comes round again";
    EXPECT_GT(runUntil([] { return streets[15] == 1; }), 0) << "the bought wood builds the road";
    EXPECT_FALSE(trade);
    EXPECT_TRUE(build);
    EXPECT_EQ(player, 1);
    EXPECT_EQ(resources[1][WOOD] + resources[1][CLAY], 0);
    EXPECT_EQ(resources[1][WOOL], 1);
}

TEST(KiTurn, BankUnitsAtTheHarbourRates) {
    mainGame(2, true, true);
    settle(generalHarbourSpots[0], 1);
    resources[1][WOOL] = 4;
    settle(resourceHarbourSpots[WOOL - 1][0], 2);
    resources[2][WOOL] = 3;
    runUntil([] { return player == 2; });
    EXPECT_EQ(resources[1][WOOL], 1) << "3 for 1 at the general harbour";
    EXPECT_EQ(resources[1][WOOD], 1);
    runUntil([] { return player == 1; });
    EXPECT_EQ(resources[2][WOOL], 1) << "2 for 1 at the wool harbour";
    EXPECT_EQ(resources[2][WOOD], 1);
}

// Both seats find a complete path in round 1 but cannot pay for the settlement until
// round 2; each must then settle where it chose, not where the seat after it chose.
TEST(KiTurn, TwoComputerSeatsEachSettleTheirOwnWishedSpot) {
    mainGame(2, true, true);
    settle(2, 1);
    streets[4] = streets[5] = 1;
    richSpot(4);
    settle(40, 2);
    streets[57] = streets[59] = 2;
    richSpot(42);
    for (int p = 1; p <= 2; p++) {
        player3too1[p] = true;
        resources[p][WOOD] = resources[p][CLAY] = 1;
    }
    runUntil([] { return runde == 2; }, 120000);
    EXPECT_EQ(houseBuild[1], 4);
    EXPECT_EQ(houseBuild[2], 42);
    for (int p = 1; p <= 2; p++)
        for (int kind = WOOD; kind <= CLAY; kind++) resources[p][kind] = 1;
    runUntil([] { return runde == 3; }, 120000);
    EXPECT_EQ(houses[4][SPOT_OWNER], 1);
    EXPECT_EQ(houses[42][SPOT_OWNER], 2);
}

TEST(KiOpening, TwoComputerSeatsPlaceTheirPiecesInOrder) {
    platform.milliseconds = fakeClock;
    distinctOffers();
    now = 5000;
    winPoints = 10;
    playersPicked = 2;
    playerKI[1] = playerKI[2] = true;
    postClick(PICK_START);
    pass();
    ASSERT_FALSE(playersChoice);
    lButtonDown = false;
    EXPECT_EQ(kiTurn, 2);
    const int begin = now;
    EXPECT_EQ(runUntil([] { return firstTime == 1; }), begin + 1500 + STEP);
    EXPECT_EQ(runUntil([] { return firstTime == 2; }), begin + 3000 + STEP);
    EXPECT_EQ(player, 2) << "the road passed the turn in the same pass";
    runUntil([] { return firstTime > 8; });
    EXPECT_EQ(player, 1);
    for (int p = 1; p <= 2; p++) {
        int pieces = 0, roads = 0;
        for (int s = 0; s < 54; s++) pieces += houses[s][SPOT_OWNER] == p;
        for (int e = 0; e < 72; e++) roads += streets[e] == p;
        EXPECT_EQ(pieces, 2);
        EXPECT_EQ(roads, 2);
        EXPECT_EQ(resources[p][0], 2);
    }
    EXPECT_GT(runUntil([] { return zufall != 0; }), 0) << "player 1's first turn follows";
}

TEST(KiStep, DoesNothingWithoutATurn) {
    kiTurn = 0;
    picked = 77;
    kiStep(100000);
    EXPECT_EQ(picked, 77);
    kiTurn = -3;
    kiStep(100000);
    EXPECT_EQ(kiTurn, -3);
}

} // namespace
