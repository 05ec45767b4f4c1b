// The simulator's state checks on positions that break one rule each.
#include <gtest/gtest.h>

#include "game/board.h"
#include "game/rules.h"
#include "game/checks.h"
#include "game/state.h"
#include "sim.h"

namespace {

void settle(int s, int p, int level = 1) {
    houses[s][SPOT_LEVEL] = level;
    houses[s][SPOT_OWNER] = p;
    resources[p][0] += level;
}

bool broken() {
    char problem[200];
    return !checkInvariants(problem, sizeof problem);
}

// Two players after the opening: settlements on 2 and 30 with a road each.
void sound() {
    playersPicked = 2;
    firstTime = 9;
    settle(2, 1);
    streets[3] = 1;
    settle(30, 2, 2);
    streets[43] = 2;
}

TEST(SimChecks, SoundPositionPasses) {
    EXPECT_FALSE(broken()) << "the start state";
    sound();
    EXPECT_FALSE(broken());
    streets[15] = 1; // a road leading on from the first one
    streets[16] = 1;
    EXPECT_FALSE(broken());
    settle(21, 2); // player 1's road may run on past another player's building
    streets[31] = 2;
    streets[30] = 1;
    EXPECT_FALSE(broken());
}

TEST(SimChecks, CardsAndPoints) {
    sound();
    resources[2][ORE] = -1;
    EXPECT_TRUE(broken());
    resources[2][ORE] = 0;
    resources[1][0] = 2;
    EXPECT_TRUE(broken()) << "one settlement is one point";
    resources[1][0] = 1;
    resources[2][0] = 1;
    EXPECT_TRUE(broken()) << "a city is two";
}

TEST(SimChecks, SpotsAndDistance) {
    sound();
    houses[5][SPOT_LEVEL] = 1; // a building without an owner
    EXPECT_TRUE(broken());
    houses[5][SPOT_LEVEL] = 0;
    houses[5][SPOT_OWNER] = 3; // an owner without a building
    EXPECT_TRUE(broken());
    houses[5][SPOT_OWNER] = 0;
    settle(10, 2); // next to spot 2
    streets[14] = 2;
    EXPECT_TRUE(broken());
}

TEST(SimChecks, RoadsStayJoinedToTheirOwner) {
    sound();
    streets[60] = 1; // far from player 1's pieces
    EXPECT_TRUE(broken());
    streets[60] = 0;
    streets[4] = 3; // a player not in the game
    EXPECT_TRUE(broken());
    streets[4] = 0;
    streets[3] = 0; // after the opening every building has a road
    EXPECT_TRUE(broken());
    firstTime = 1;
    EXPECT_FALSE(broken()) << "during the opening the road may still be due";
}

// The sound position with seat 2's cities on every spot left free; no points counted.
int fillWithCities() {
    sound();
    winPoints = 12;
    int last = -1;
    for (int s = 0; s < NUM_SPOTS; s++) {
        if (!spotIsFree(s)) continue;
        houses[s][SPOT_LEVEL] = CITY;
        houses[s][SPOT_OWNER] = 2;
        last = s;
    }
    resources[1][0] = 10;
    resources[2][0] = 5;
    return last;
}

TEST(SimChecks, TargetOutOfReach) {
    sound();
    winPoints = 12;
    EXPECT_FALSE(targetOutOfReach()) << "the board is open";
    firstTime = 1;
    EXPECT_FALSE(targetOutOfReach()) << "nor is anything decided in the opening";

    const int t = fillWithCities();
    EXPECT_TRUE(targetOutOfReach()) << "seat 1 at most 11 by raising its settlement on 2";
    resources[1][0] = 11;
    EXPECT_FALSE(targetOutOfReach()) << "12 with the settlement raised";
    resources[1][0] = 12;
    EXPECT_FALSE(targetOutOfReach()) << "the win is counted at the end of the turn";

    resources[1][0] = 10;
    houses[t][SPOT_LEVEL] = houses[t][SPOT_OWNER] = 0;
    ASSERT_TRUE(spotIsFree(t));
    EXPECT_FALSE(targetOutOfReach()) << "seat 1 reaches the free spot over free edges";
    for (int i = 3; i < 6; i++)
        if (availableCheck1[t][i] >= 0) streets[availableCheck1[t][i]] = 2;
    EXPECT_TRUE(targetOutOfReach()) << "walled in by seat 2, whose 5 + 2 fall short";
    resources[2][0] = 10;
    EXPECT_FALSE(targetOutOfReach()) << "seat 2 reaches 12 on it";
    resources[2][0] = 5;
    streets[availableCheck1[t][3]] = 1;
    EXPECT_FALSE(targetOutOfReach()) << "seat 1's own road leads to it";
}

} // namespace
