// Computer choices on hand-built board positions: rating, searches, wishes and bank trade.
#include <gtest/gtest.h>

#include "assets/catalogue.h"
#include "game/ki.h"
#include "game/idle.h"
#include "game/picks.h"
#include "game/state.h"

namespace {

// Puts tile j of spot s: its terrain kind and dice number.
void tile(int s, int j, int terrain, int num) {
    houses[s][SPOT_NUMBERS + j] = num;
    houses[s][SPOT_TERRAINS + j] = terrain;
}

void settle(int s, int p, int level = 1) {
    houses[s][SPOT_LEVEL] = level;
    houses[s][SPOT_OWNER] = p;
}

// Gives every offer prototype its own texture name, as the catalogue does.
void distinctOffers() {
    for (int i = 3; i < 15; i++) buildV[i].texture_id = 100 + i;
}

void offerSpot(int s, int p) {
    housesV[s].texture_id = buildV[3 * p + 1].texture_id;
}

void offerEdge(int e, int p) {
    streetsV[e].texture_id = buildV[3 * p].texture_id;
}

// A spot rated exactly r by pasture tiles: one for r = 3 * 2..7, two for r = 6 * 8..14.
void rated(int s, int r) {
    static const int byWeight[8] = {0, 0, 2, 3, 4, 5, 6, 7};
    for (int j = 0; j < 3; j++) tile(s, j, 0, 0);
    if (r == 0) return;
    if (r % 3 == 0 && r / 3 >= 2 && r / 3 <= 7) {
        tile(s, 0, PASTURE, byWeight[r / 3]);
    } else if (r % 6 == 0 && r / 6 >= 8 && r / 6 <= 14) {
        tile(s, 0, PASTURE, 7);
        tile(s, 1, PASTURE, byWeight[r / 6 - 7]);
    } else {
        ADD_FAILURE() << "no pasture rating " << r;
    }
}

void noClick() {
    picked = 0;
    lButtonDown = false;
    lButtonOneTime = true;
}

bool clicked(int name) {
    return picked == name && lButtonDown && !lButtonOneTime;
}

TEST(SpotRating, TerrainPartTimesNumberPart) {
    tile(10, 0, FOREST, 8);
    tile(10, 1, FIELD, 6);
    tile(10, 2, MOUNTAIN, 10);
    EXPECT_EQ(kiSpotRating(10), 240);
    EXPECT_EQ(posPoints, 240);
    EXPECT_EQ(posPoints1, 0) << "the terms are set back after every rating";
    EXPECT_EQ(posPoints2, 0);

    tile(0, 0, PASTURE, 3);
    EXPECT_EQ(kiSpotRating(0), 9);

    tile(20, 0, FOREST, 9);
    tile(20, 1, CLAYPIT, 4);
    tile(20, 2, DESERT, 5);
    EXPECT_EQ(kiSpotRating(20), 108) << "the desert's number does not count";

    tile(5, 0, DESERT, 6);
    EXPECT_EQ(kiSpotRating(5), 0);
    EXPECT_EQ(kiSpotRating(30), 0) << "a spot without dealt tiles";

    tile(40, 0, FOREST, 2);
    tile(40, 1, CLAYPIT, 12);
    tile(40, 2, FIELD, 7);
    EXPECT_EQ(kiSpotRating(40), (6 + 6 + 4) * (2 + 2 + 7));
}

TEST(SpotRating, OutOfRangeEntriesCountNothing) {
    tile(3, 0, 9, 13);
    tile(3, 1, -1, -4);
    tile(3, 2, FOREST, 5);
    EXPECT_EQ(kiSpotRating(3), 6 * 5);
}

TEST(OpeningSettlement, BestOfferedSpotWinsAndTiesGoToTheLowerSpot) {
    distinctOffers();
    player = 2;
    rated(12, 15);
    rated(30, 15);
    rated(40, 18); // best of all, but not offered
    offerSpot(12, 2);
    offerSpot(30, 2);
    offerSpot(31, 1); // another player's offer
    rated(31, 21);
    noClick();
    kiOpeningSettlement();
    EXPECT_TRUE(clicked(spotPick(12)));
    EXPECT_EQ(posPointsTop, 0) << "the best so far is set back after the search";
    EXPECT_FALSE(player3too1[2]);

    rated(30, 18);
    kiOpeningSettlement();
    EXPECT_TRUE(clicked(spotPick(30)));
}

TEST(OpeningSettlement, GeneralHarbourSpotIsNoted) {
    distinctOffers();
    player = 1;
    rated(14, 9);
    rated(22, 6);
    offerSpot(14, 1);
    offerSpot(22, 1);
    kiOpeningSettlement();
    EXPECT_TRUE(clicked(spotPick(14)));
    EXPECT_TRUE(player3too1[1]);
    EXPECT_FALSE(player3too1[0]) << "the scratch flag does not outlive the search";

    // Only the spot that stands at the end counts.
    player = 3;
    rated(20, 12);
    offerSpot(14, 3);
    offerSpot(20, 3);
    kiOpeningSettlement();
    EXPECT_TRUE(clicked(spotPick(20)));
    EXPECT_FALSE(player3too1[3]);
}

TEST(OpeningSettlement, UnratedOffersFallBackToTheFirstOffer) {
    distinctOffers();
    player = 1;
    offerSpot(47, 1);
    offerSpot(52, 1);
    tile(47, 0, DESERT, 8);
    noClick();
    kiOpeningSettlement();
    EXPECT_TRUE(clicked(spotPick(47))) << "without a click the opening would never go on";
    EXPECT_TRUE(player3too1[1]);

    for (int s = 0; s < 54; s++) housesV[s].texture_id = 0;
    noClick();
    kiOpeningSettlement();
    EXPECT_EQ(picked, 0) << "no offer, no click";
    EXPECT_TRUE(lButtonOneTime);
}

// Spot 13's two-edge chain 19 33 leads to 22, its three-edge chain 18 17 16 to 21. Its
// harbour targets are out of play: 15 by the held general harbour, 3 and 4 by a building.
TEST(RoadSearch, DoublingFavoursTheNearerTarget) {
    player = 1;
    player3too1[1] = true;
    settle(13, 1);
    settle(4, 3);
    tile(22, 0, FOREST, 2);
    tile(22, 1, FIELD, 3); // (6 + 4) * (2 + 3) = 50, doubled 100
    tile(21, 0, FOREST, 5);
    tile(21, 1, PASTURE, 9); // (6 + 3) * (5 + 5) = 90
    buildHouse[1][0] = false;
    kiRoadSearch(false);
    EXPECT_TRUE(clicked(edgePick(19)));
    EXPECT_TRUE(buildHouse[1][0]);
    EXPECT_EQ(posPointsTop, 0);

    tile(21, 2, FIELD, 11); // (6 + 3 + 4) * 13 = 169
    kiRoadSearch(false);
    EXPECT_TRUE(clicked(edgePick(18)));
}

// Spot 2 reaches the general harbour spot 0 over edges 2 1 and the wool harbour spot 4 over
// edges 4 5, both two-edge chains.
TEST(RoadSearch, HarbourBonuses) {
    player = 1;
    settle(2, 1);
    rated(0, 9);  // 18 doubled, + 300 = 318
    rated(4, 18); // 36 doubled, + 150 = 186
    kiRoadSearch(false);
    EXPECT_TRUE(clicked(edgePick(2)));

    player3too1[1] = true; // 0 now 18, 4 still 186
    kiRoadSearch(false);
    EXPECT_TRUE(clicked(edgePick(4)));

    player3too1[1] = false;
    tile(4, 0, FOREST, 6);
    tile(4, 1, CLAYPIT, 8);
    tile(4, 2, MOUNTAIN, 6); // 17 * 18 = 306, doubled 612 + 150
    kiRoadSearch(false);
    EXPECT_TRUE(clicked(edgePick(4)));
}

// Spot 2 also reaches 0, a general harbour spot; the player holding one keeps it out of the way.
TEST(RoadSearch, BuiltFirstEdgeGivesTheSecondEdge) {
    player = 1;
    player3too1[1] = true;
    settle(2, 1);
    rated(4, 18);
    streets[4] = 1;
    kiRoadSearch(false);
    EXPECT_TRUE(clicked(edgePick(5)));
    EXPECT_TRUE(buildHouse[1][0]);
}

TEST(RoadSearch, CompletePathTurnsIntoASettlementWish) {
    player = 1;
    player3too1[1] = true;
    settle(2, 1);
    rated(4, 18);
    streets[4] = 1;
    streets[5] = 1;
    buildHouse[1][0] = false; // the building decision cleared it
    houseBuild[2] = 30;
    postClick(PICK_MAIN); // not yet dispatched: withdrawn
    kiRoadSearch(false);
    EXPECT_TRUE(lButtonOneTime);
    EXPECT_FALSE(buildHouse[1][0]);
    EXPECT_TRUE(buildHouse[1][1]);
    EXPECT_EQ(houseBuild[1], 4);
    EXPECT_EQ(houseBuild[2], 30) << "another seat's wish stays";
}

TEST(RoadSearch, LaterBetterPathKeepsTheEarlierSettlementWish) {
    player = 1;
    player3too1[1] = true;
    settle(2, 1);
    rated(4, 6);                 // 12 + 150
    streets[4] = streets[5] = 1; // spot 2's first entry, complete
    tile(11, 0, FOREST, 6);      // second entry, edges 3 15: 17 * 18 doubled
    tile(11, 1, CLAYPIT, 8);
    tile(11, 2, MOUNTAIN, 6);
    buildHouse[1][0] = false;
    kiRoadSearch(false);
    EXPECT_TRUE(clicked(edgePick(3)));
    EXPECT_TRUE(buildHouse[1][0]);
    EXPECT_TRUE(buildHouse[1][1]) << "not undone by the later best";
    EXPECT_EQ(houseBuild[1], 4);
}

TEST(RoadSearch, BlockedPathsAreNoCandidates) {
    player = 1;
    player3too1[1] = true;
    settle(2, 1);
    rated(4, 18);
    rated(11, 12);
    streets[5] = 3; // another player's road on the chain to 4
    kiRoadSearch(false);
    EXPECT_TRUE(clicked(edgePick(3))) << "the chain to 11";

    settle(21, 2); // next to 11
    buildHouse[1][0] = false;
    noClick();
    kiRoadSearch(false);
    EXPECT_EQ(picked, 0);
    EXPECT_FALSE(buildHouse[1][0]) << "the road wish stays cleared";

    settle(4, 2);
    streets[5] = 0;
    kiRoadSearch(false);
    EXPECT_EQ(picked, 0) << "a built target is no candidate";
}

// Spot 22's list reaches no 2:1 harbour; its only harbour target, 14, is general.
TEST(RoadSearch, TiesGoToTheEarlierEntry) {
    player = 1;
    player3too1[1] = true;
    settle(22, 1);
    rated(12, 15); // reached over 33 19 18 and, later in the list, over 31 16 17
    kiRoadSearch(false);
    EXPECT_TRUE(clicked(edgePick(33)));
    streets[19] = 4;
    kiRoadSearch(false);
    EXPECT_TRUE(clicked(edgePick(31)));

    streets[19] = 0;
    rated(12, 0);
    settle(20, 1);
    settle(17, 3); // the ore harbour within reach of 20
    rated(30, 12); // from 20 over 29 44
    rated(24, 12); // from 22 over 33 34
    kiRoadSearch(false);
    EXPECT_TRUE(clicked(edgePick(29))) << "the lower spot's path";
    rated(24, 15);
    kiRoadSearch(false);
    EXPECT_TRUE(clicked(edgePick(33)));
}

TEST(RoadSearch, OpeningUsesOnlyOfferedFirstEdges) {
    distinctOffers();
    player = 2;
    settle(2, 2);
    rated(4, 18);
    rated(11, 9);
    offerEdge(3, 2); // only the edge towards 11 is offered
    kiRoadSearch(true);
    EXPECT_TRUE(clicked(edgePick(3)));
    EXPECT_TRUE(buildHouse[2][0]) << "the opening leaves the wishes as they are";
}

TEST(RoadSearch, OpeningFallsBackToTheFirstOfferedEdge) {
    distinctOffers();
    player = 1;
    settle(2, 1);
    settle(11, 3);
    settle(4, 4);
    settle(0, 2); // every target of spot 2 is taken or next to a building
    settle(19, 2);
    settle(21, 2);
    settle(8, 2);
    offerEdge(3, 1);
    offerEdge(2, 1);
    noClick();
    kiRoadSearch(true);
    EXPECT_TRUE(clicked(edgePick(2)));

    noClick();
    kiRoadSearch(false);
    EXPECT_EQ(picked, 0) << "the main game has no fallback";
}

TEST(SettlementChoice, ClicksTheWishedSpotWhileItIsEmpty) {
    player = 4;
    houseBuild[4] = 37;
    buildHouse[4][0] = false;
    buildHouse[4][1] = true;
    buildHouse[4][2] = false;
    kiSettlement();
    EXPECT_TRUE(clicked(spotPick(37)));
    EXPECT_TRUE(buildHouse[4][0]);
    EXPECT_FALSE(buildHouse[4][1]);
    EXPECT_TRUE(buildHouse[4][2]);
    EXPECT_TRUE(player3too1[4]) << "noted at the click, refused or not";

    settle(37, 1);
    noClick();
    buildHouse[4][0] = false;
    buildHouse[4][1] = true;
    buildHouse[4][2] = false;
    kiSettlement();
    EXPECT_EQ(picked, 0);
    EXPECT_TRUE(buildHouse[4][0]);
    EXPECT_FALSE(buildHouse[4][1]);
    EXPECT_FALSE(buildHouse[4][2]);
}

TEST(CityChoice, BestOwnSettlement) {
    player = 1;
    settle(5, 1);
    settle(20, 1);
    settle(30, 1);
    settle(40, 2);
    settle(44, 1, 2);
    rated(5, 12);
    rated(20, 12);
    rated(30, 9);
    rated(40, 21); // another player's
    rated(44, 21); // already a city
    buildHouse[1][2] = false;
    kiCity();
    EXPECT_TRUE(clicked(spotPick(5)));
    EXPECT_TRUE(buildHouse[1][2]);

    for (int s : {5, 20, 30}) settle(s, 1, 2);
    buildHouse[1][2] = false;
    noClick();
    kiCity();
    EXPECT_EQ(picked, 0);
    EXPECT_FALSE(buildHouse[1][2]);
}

void rates(int r) {
    for (int i = 0; i < 5; i++) tradeStep[i] = r;
}

TEST(BankTrade, WoolSurplusBuysMissingWood) {
    player = 1;
    rates(4);
    resources[1][WOOL] = 5;
    resources[1][CLAY] = 1;
    buildHouse[1][2] = false;
    int pay = 0, want = 0;
    ASSERT_TRUE(kiTradeUnit(&pay, &want));
    EXPECT_EQ(pay, WOOL);
    EXPECT_EQ(want, WOOD);

    tradeArray[WOOL - 1][0] = 4; // the unit on the table
    tradeArray[WOOD - 1][1] = 1;
    EXPECT_FALSE(kiTradeUnit(&pay, &want)) << "5 is not more than 4 + 4, and no other surplus";

    resources[1][ORE] = 7; // ore 7 >= 4 + 3: the next row; wood is asked for, clay held
    ASSERT_TRUE(kiTradeUnit(&pay, &want));
    EXPECT_EQ(pay, ORE);
    EXPECT_EQ(want, GRAIN);
}

TEST(BankTrade, CityWishAsksForGrainThenNothing) {
    player = 2;
    rates(4);
    resources[2][ORE] = 8;
    resources[2][GRAIN] = 1;
    resources[2][WOOL] = 4; // not above the rate
    buildHouse[2][2] = true;
    int pay = 0, want = 0;
    ASSERT_TRUE(kiTradeUnit(&pay, &want));
    EXPECT_EQ(pay, ORE);
    EXPECT_EQ(want, GRAIN);

    tradeArray[GRAIN - 1][1] = 1; // 2 grain counting the offer
    EXPECT_FALSE(kiTradeUnit(&pay, &want)) << "the city rule stands; no fallback to the list";

    buildHouse[2][2] = false;
    ASSERT_TRUE(kiTradeUnit(&pay, &want));
    EXPECT_EQ(want, WOOD);
}

// No row asks for ore before two are held: with a city wished, the lack is bought.
TEST(BankTrade, CityWishBuysWhatNoRowAsksFor) {
    player = 1;
    rates(4);
    const int cards[6] = {0, 189, 317, 175, 0, 122};
    for (int kind = WOOD; kind <= CLAY; kind++) resources[1][kind] = cards[kind];
    buildHouse[1][2] = true;
    int pay = 0, want = 0;
    ASSERT_TRUE(kiTradeUnit(&pay, &want));
    EXPECT_EQ(pay, WOOL);
    EXPECT_EQ(want, ORE);
    tradeArray[WOOL - 1][0] = 12;
    tradeArray[ORE - 1][1] = 3;
    EXPECT_FALSE(kiTradeUnit(&pay, &want)) << "3 ore counting the offer";

    for (auto& row : tradeArray) row[0] = row[1] = 0;
    resources[1][GRAIN] = 1;
    ASSERT_TRUE(kiTradeUnit(&pay, &want));
    EXPECT_EQ(want, GRAIN) << "grain first";
    buildHouse[1][2] = false;
    EXPECT_FALSE(kiTradeUnit(&pay, &want)) << "without the wish only the lists count";
}

TEST(BankTrade, ReservesAndRowOrder) {
    player = 3;
    rates(4);
    buildHouse[3][2] = false;
    int pay = 0, want = 0;
    resources[3][ORE] = 6;   // keeps 3: 6 < 4 + 3
    resources[3][GRAIN] = 5; // keeps 2: 5 < 4 + 2
    resources[3][WOOD] = 4;  // not above the rate
    EXPECT_FALSE(kiTradeUnit(&pay, &want));

    resources[3][GRAIN] = 6;
    ASSERT_TRUE(kiTradeUnit(&pay, &want));
    EXPECT_EQ(pay, GRAIN);
    EXPECT_EQ(want, CLAY) << "wood is held";

    tradeStep[CLAY - 1] = 2;
    resources[3][CLAY] = 3; // the clay row comes after the grain row
    ASSERT_TRUE(kiTradeUnit(&pay, &want));
    EXPECT_EQ(pay, GRAIN);
    EXPECT_EQ(want, WOOL);

    resources[3][GRAIN] = 2;
    ASSERT_TRUE(kiTradeUnit(&pay, &want));
    EXPECT_EQ(pay, CLAY);
    EXPECT_EQ(want, WOOL);
    resources[3][WOOL] = 1;
    EXPECT_FALSE(kiTradeUnit(&pay, &want)) << "wood, grain and wool all in hand";
}

TEST(BankTrade, GrainRowWithCityWishAsksForOre) {
    player = 1;
    rates(3);
    resources[1][GRAIN] = 6;
    resources[1][ORE] = 2;
    buildHouse[1][2] = true;
    int pay = 0, want = 0;
    ASSERT_TRUE(kiTradeUnit(&pay, &want));
    EXPECT_EQ(pay, GRAIN);
    EXPECT_EQ(want, ORE);

    tradeArray[ORE - 1][1] = 1;
    EXPECT_FALSE(kiTradeUnit(&pay, &want)) << "3 ore counting the offer";
}

TEST(Determinism, SameBoardAndCardsGiveTheSameChoices) {
    for (int s = 0; s < 54; s++) {
        tile(s, 0, 1 + s % 6, 2 + (s * 7) % 11);
        tile(s, 1, 1 + (s * 5) % 6, 2 + (s * 3) % 11);
    }
    player = 2;
    settle(9, 2);
    settle(33, 2);
    settle(44, 1);
    streets[13] = 2;
    int first[3], second[3];
    kiRoadSearch(false);
    first[0] = picked;
    kiCity();
    first[1] = picked;
    first[2] = houseBuild[2];
    kiRoadSearch(false);
    second[0] = picked;
    kiCity();
    second[1] = picked;
    second[2] = houseBuild[2];
    for (int i = 0; i < 3; i++) EXPECT_EQ(first[i], second[i]);
    EXPECT_GE(pickedEdge(first[0]), 0);
}

} // namespace
