// Building: placement rules, costs, the opening placements, the refresh and the offers.
#include "game_test_util.h"

#include <random>

#include "game/board.h"
#include "game/rules.h"

namespace {

using namespace gt;

// Refuses a click: nothing in the game or on the screen may change.
void expectRefused(int pick) {
    picked = pick;
    Snapshot before = takeSnapshot();
    press(pick);
    std::vector<std::string> d = before.diff(takeSnapshot());
    EXPECT_TRUE(d.empty()) << "pick " << pick << " changed " << joined(d);
}

// Two people after the opening: player 1 on spot 10 with road 3 (2-10), player 2 on
// spot 21 with road 16 (11-21); player 1 in building mode with no cards.
void afterOpening() {
    setUpGame();
    playersChoice = false;
    playersPicked = 2;
    playerKI[1] = playerKI[2] = false;
    firstTime = 9;
    houses[10][SPOT_LEVEL] = 1, houses[10][SPOT_OWNER] = 1, streets[3] = 1;
    houses[21][SPOT_LEVEL] = 1, houses[21][SPOT_OWNER] = 2, streets[16] = 2;
    resources[1][0] = resources[2][0] = 1;
    player = 1;
    next = build = true;
    redraw = true;
    pass();
}

void give(int p, int wood, int wool, int grain, int ore, int clay) {
    resources[p][WOOD] = wood, resources[p][WOOL] = wool, resources[p][GRAIN] = grain;
    resources[p][ORE] = ore, resources[p][CLAY] = clay;
}

TEST(RulesBuildingOpening, SettlementAndRoadAlternateAndTheRoadLeavesTheNewSettlement) {
    setUpGame();
    startPeople(2);
    expectRefused(edgePick(3)); // a settlement is due
    press(spotPick(10));
    EXPECT_EQ(firstTime, 1);
    EXPECT_EQ(resources[1][0], 1);
    EXPECT_TRUE(shows(housesV[10], TEX_SETTLEMENT));
    expectRefused(spotPick(40)); // a road is due
    expectRefused(edgePick(0));  // not at the new settlement
    press(edgePick(3));          // edge 3 joins spots 2 and 10
    EXPECT_EQ(streets[3], 1);
    EXPECT_EQ(firstTime, 2);
    EXPECT_EQ(player, 2);
    EXPECT_TRUE(shows(streetsV[3], TEX_ROAD));

    // Distance rule against any owner, also in the opening.
    expectRefused(spotPick(9));
    expectRefused(spotPick(2));
    expectRefused(spotPick(11));
    expectRefused(spotPick(10));
    press(spotPick(21));
    EXPECT_EQ(houses[21][SPOT_OWNER], 2);
    expectRefused(edgePick(14)); // at player 1's settlement
    expectRefused(edgePick(3));  // taken
    press(edgePick(16));         // 11-21
    EXPECT_EQ(player, 1);

    // Second round: the road must leave the second settlement, not the first one.
    press(spotPick(40));
    EXPECT_EQ(firstTime, 5);
    expectRefused(edgePick(14));
    expectRefused(edgePick(15));
    EXPECT_TRUE(shows(streetsV[43], TEX_BUILD + 3));
    EXPECT_TRUE(empty(streetsV[14]));
    press(edgePick(43));
    EXPECT_EQ(player, 2);
    press(spotPick(33));
    press(edgePick(48));
    // The opening is over: player 1 rolls, no offers remain, clicks no longer build.
    EXPECT_EQ(firstTime, 9);
    EXPECT_EQ(player, 1);
    EXPECT_TRUE(wuerfeln);
    EXPECT_FALSE(build);
    for (int s = 0; s < NUM_SPOTS; s++)
        EXPECT_FALSE(housesV[s].texture_id >= TEX_BUILD && housesV[s].texture_id < TEX_BUILD + 15);
    for (int e = 0; e < NUM_EDGES; e++)
        EXPECT_FALSE(streetsV[e].texture_id >= TEX_BUILD &&
                     streetsV[e].texture_id < TEX_BUILD + 15);
    expectRefused(spotPick(1));
    expectRefused(edgePick(2));
    EXPECT_EQ(resources[1][0], 2);
    EXPECT_EQ(resources[2][0], 2);
}

TEST(RulesBuildingCosts, EveryPieceCostsExactlyItsPriceAndOnlyWithTheCards) {
    afterOpening();
    give(1, 1, 0, 0, 0, 1);
    press(edgePick(2)); // 2-1, joined to road 3 at spot 2
    EXPECT_EQ(streets[2], 1);
    EXPECT_EQ(resources[1][WOOD], 0);
    EXPECT_EQ(resources[1][CLAY], 0);
    EXPECT_EQ(resources[1][0], 1);
    expectRefused(edgePick(4)); // the second road waits for new cards

    give(1, 1, 1, 1, 0, 0);
    expectRefused(spotPick(1)); // no clay
    give(1, 1, 1, 1, 0, 1);
    expectRefused(spotPick(0)); // spot 0: no road of player 1 there
    expectRefused(spotPick(3)); // spot 3: no road there either
    press(spotPick(1));
    EXPECT_EQ(houses[1][SPOT_LEVEL], 1);
    EXPECT_EQ(houses[1][SPOT_OWNER], 1);
    EXPECT_EQ(resources[1][0], 2);
    for (int r = 1; r <= 5; r++) EXPECT_EQ(resources[1][r], 0);
    EXPECT_EQ(firstTime, 9);

    // Upgrades: own settlements only, once.
    give(1, 0, 0, 2, 2, 0);
    expectRefused(spotPick(10));
    give(1, 0, 0, 2, 3, 0);
    expectRefused(spotPick(21)); // player 2's settlement
    press(spotPick(10));
    EXPECT_EQ(houses[10][SPOT_LEVEL], 2);
    EXPECT_EQ(resources[1][0], 3);
    EXPECT_EQ(resources[1][GRAIN], 0);
    EXPECT_EQ(resources[1][ORE], 0);
    EXPECT_TRUE(shows(housesV[10], TEX_CITY));
    give(1, 5, 5, 5, 5, 5);
    resources[1][0] = 3;
    expectRefused(spotPick(10)); // a city stays a city
    expectRefused(spotPick(0));  // spot 0 is next to the settlement on 1
    expectRefused(spotPick(11)); // next to the city
}

// A road may run past or through another player's pieces: only p's own piece at an end
// counts.
TEST(RulesBuildingCosts, RoadsMayPassOtherPlayersPieces) {
    afterOpening();
    give(1, 3, 0, 0, 0, 3);
    press(edgePick(15)); // 11-10
    press(edgePick(17)); // 12-11, past player 2's road 16 at spot 11
    EXPECT_EQ(streets[15], 1);
    EXPECT_EQ(streets[17], 1);
    EXPECT_EQ(resources[1][WOOD], 1);
    houses[12][SPOT_LEVEL] = SETTLEMENT, houses[12][SPOT_OWNER] = 2;
    press(edgePick(18)); // 13-12, on through player 2's settlement at 12
    EXPECT_EQ(streets[18], 1);
    EXPECT_EQ(resources[1][WOOD], 0);
    houses[12][SPOT_LEVEL] = houses[12][SPOT_OWNER] = 0;
    give(2, 1, 0, 0, 0, 1);
    player = 2;
    press(edgePick(30)); // 21-20 from player 2's settlement
    EXPECT_EQ(streets[30], 2);
}

// Whatever the board, the offers stand exactly where a click would build, for every spot
// and edge: in the opening at each placement and in random positions after it.
TEST(RulesBuildOffers, OffersEqualTheClickTests) {
    setUpGame();
    auto check = [](const char* when) {
        int p = player;
        redraw = buildFT = true;
        pass();
        for (int s = 0; s < NUM_SPOTS; s++) {
            bool offered = shows(housesV[s], TEX_BUILD + 3 * p + 1) ||
                           shows(housesV[s], TEX_BUILD + 3 * p + 2);
            picked = spotPick(s);
            Snapshot before = takeSnapshot();
            clickSpot(s);
            bool acted = !before.same(takeSnapshot());
            before.restore();
            EXPECT_EQ(offered, acted) << when << ": spot " << s << ", player " << p;
        }
        for (int e = 0; e < NUM_EDGES; e++) {
            bool offered = shows(streetsV[e], TEX_BUILD + 3 * p);
            Snapshot before = takeSnapshot();
            clickEdge(e);
            bool acted = !before.same(takeSnapshot());
            before.restore();
            EXPECT_EQ(offered, acted) << when << ": edge " << e << ", player " << p;
        }
    };

    startPeople(3);
    for (int i = 0; i < 6; i++) {
        check("opening settlement");
        int s = -1;
        for (int x = (i * 17 + 3) % NUM_SPOTS, n = 0; n < NUM_SPOTS && s < 0; n++)
            if (settlementAllowed((x + n) % NUM_SPOTS)) s = (x + n) % NUM_SPOTS;
        ASSERT_GE(s, 0);
        press(spotPick(s));
        check("opening road");
        int e = 0;
        while (e < NUM_EDGES && !roadAllowed(e)) e++;
        ASSERT_LT(e, NUM_EDGES);
        press(edgePick(e));
    }
    ASSERT_EQ(firstTime, 13);
    build = true;
    check("after the opening, no cards");

    // Its own generator: every pass reseeds rand() from the clock, which stands still here.
    std::minstd_rand random(77);
    auto draw = [&](int n) { return (int)(random() % n); };
    for (int trial = 0; trial < 12; trial++) {
        for (int s = 0; s < NUM_SPOTS; s++) {
            int r = draw(10);
            houses[s][SPOT_LEVEL] = r < 7 ? 0 : r < 9 ? 1 : 2;
            houses[s][SPOT_OWNER] = houses[s][SPOT_LEVEL] ? 1 + draw(3) : 0;
        }
        for (int e = 0; e < NUM_EDGES; e++) streets[e] = draw(4) == 0 ? 1 + draw(3) : 0;
        for (int p = 1; p <= 3; p++)
            for (int r = 1; r <= 5; r++) resources[p][r] = draw(4);
        player = 1 + draw(3);
        // Some positions are judged as if the opening were still running.
        firstTime = trial % 3 == 0 ? draw(12) : 13;
        check(trial % 3 == 0 ? "random, opening" : "random");
    }
}

TEST(RulesPieceRefresh, ShowsEveryPieceAndARefreshWithoutRequestShowsNoOffers) {
    setUpGame();
    player = 2;
    playersPicked = 4;
    firstTime = 17;
    houses[5][SPOT_LEVEL] = 1, houses[5][SPOT_OWNER] = 3;
    houses[30][SPOT_LEVEL] = 2, houses[30][SPOT_OWNER] = 4;
    streets[71] = 2;
    resources[2][WOOD] = resources[2][CLAY] = 1;
    redraw = true;
    pass();
    for (int s = 0; s < NUM_SPOTS; s++) {
        int tex = s == 5 ? TEX_SETTLEMENT + 2 : s == 30 ? TEX_CITY + 3 : -1;
        if (tex < 0)
            EXPECT_TRUE(empty(housesV[s])) << s;
        else
            EXPECT_TRUE(shows(housesV[s], tex)) << s;
    }
    for (int e = 0; e < NUM_EDGES; e++) {
        if (e == 71)
            EXPECT_TRUE(shows(streetsV[e], TEX_ROAD + 1));
        else
            EXPECT_TRUE(empty(streetsV[e])) << e;
    }
    buildFT = true;
    pass();
    EXPECT_TRUE(shows(streetsV[64], TEX_BUILD + 6)); // 45-53, next to road 71 (53-52)
    EXPECT_TRUE(shows(streetsV[70], TEX_BUILD + 6));
    redraw = true;
    pass();
    EXPECT_TRUE(empty(streetsV[64]));
}

// "Zurueck": a person's builds of this turn come back, the last first, cards and points
// with them; the opening settlement before its road; nothing of a finished turn, nothing a
// computer built, nothing before a trade.
TEST(RulesTakeBack, BuildsOfThePersonsTurnComeBackInTurn) {
    setUpGame();
    startPeople(2);
    press(spotPick(10));
    ASSERT_TRUE(canTakeBack());
    press(PICK_UNDO);
    EXPECT_EQ(houses[10][SPOT_LEVEL], NO_BUILDING);
    EXPECT_EQ(firstTime, 0);
    EXPECT_EQ(resources[1][0], 0);
    EXPECT_TRUE(shows(housesV[10], TEX_BUILD + 4)) << "the settlement is offered again";
    EXPECT_FALSE(canTakeBack());
    press(spotPick(10));
    press(edgePick(3));
    EXPECT_FALSE(canTakeBack()) << "the road passed the turn";

    afterOpening();
    give(1, 3, 1, 3, 3, 3);
    buildFT = true;
    pass();
    picked = 0;
    const Snapshot before = takeSnapshot();
    const int cards[6] = {1, 3, 1, 3, 3, 3};
    press(edgePick(2));  // 1-2, at road 3
    press(edgePick(1));  // 0-1
    press(spotPick(0));  // at road 1
    press(spotPick(10)); // the city
    EXPECT_EQ(takeBackCount, 4);
    EXPECT_EQ(resources[1][0], 3);
    for (int i = 0; i < 3; i++) press(PICK_UNDO);
    EXPECT_EQ(streets[1], 0);
    EXPECT_EQ(houses[0][SPOT_OWNER], 0);
    EXPECT_EQ(houses[10][SPOT_LEVEL], SETTLEMENT);
    EXPECT_EQ(streets[2], 1) << "the first road is still there";
    EXPECT_TRUE(shows(streetsV[1], TEX_BUILD + 3)) << "offers follow";
    press(PICK_UNDO);
    EXPECT_FALSE(canTakeBack());
    picked = 0;
    EXPECT_TRUE(before.same(takeSnapshot())) << joined(before.diff(takeSnapshot()));
    for (int kind = WOOD; kind <= CLAY; kind++) EXPECT_EQ(resources[1][kind], cards[kind]);

    press(edgePick(2));
    press(PICK_NEXT);
    EXPECT_FALSE(canTakeBack()) << "a turn that ended";
    EXPECT_EQ(streets[2], 1);

    // A trade that moves cards closes what came before it; an empty one does not.
    player = 1, trade = true, next = true, build = false;
    takeBacks[0][0] = PIECE_ROAD, takeBacks[0][1] = 2, takeBackCount = 1;
    carryOutTrade();
    EXPECT_EQ(takeBackCount, 1);
    tradeArray[0][0] = 4, tradeArray[1][1] = 1, resources[1][WOOD] = 4;
    carryOutTrade();
    EXPECT_EQ(takeBackCount, 0);

    // A computer seat's builds are never noted.
    afterOpening();
    playerKI[1] = true;
    give(1, 1, 0, 0, 0, 1);
    clickEdge(2);
    EXPECT_EQ(streets[2], 1);
    EXPECT_EQ(takeBackCount, 0);
}

} // namespace
