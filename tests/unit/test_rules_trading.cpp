// Trading: harbour rates, the offer buttons and their limits, partners and "tauschen".
#include "game_test_util.h"

#include "game/board.h"
#include "game/rules.h"

namespace {

using namespace gt;

// Three people after the opening, player 1 in his free phase; nobody holds a harbour.
void freePhase() {
    setUpGame();
    playersChoice = false;
    playersPicked = 3;
    playerKI[1] = playerKI[2] = false;
    playerKI[3] = true;
    firstTime = 13;
    player = 1;
    next = true;
    pass();
}

void give(int p, int wood, int wool, int grain, int ore, int clay) {
    resources[p][WOOD] = wood, resources[p][WOOL] = wool, resources[p][GRAIN] = grain;
    resources[p][ORE] = ore, resources[p][CLAY] = clay;
}

void own(int s, int p) {
    houses[s][6] = 1;
    houses[s][7] = p;
}

TEST(RulesHarbourRates, BankFourGeneralThreeResourceTwo) {
    freePhase();
    own(4, 2); // another player's wool harbour does not count
    press(310);
    EXPECT_TRUE(trade);
    for (int i = 0; i < 5; i++) EXPECT_EQ(tradeStep[i], 4) << i;

    own(3, 1);  // wool
    own(47, 1); // general
    tradeModus = true;
    pass();
    EXPECT_EQ(tradeStep[WOOL - 1], 2);
    for (int r : {WOOD, GRAIN, ORE, CLAY}) EXPECT_EQ(tradeStep[r - 1], 3) << r;

    // Each 2 for 1 harbour, from either of its spots, gives only its own kind.
    for (int kind = WOOD; kind <= CLAY; kind++) {
        for (int side = 0; side < 2; side++) {
            for (int s = 0; s < NUM_SPOTS; s++) houses[s][6] = houses[s][7] = 0;
            own(resourceHarbourSpots[kind - 1][side], 1);
            tradeModus = true;
            pass();
            for (int r = WOOD; r <= CLAY; r++) EXPECT_EQ(tradeStep[r - 1], r == kind ? 2 : 4);
        }
    }
    for (int i = 0; i < NUM_GENERAL_HARBOUR_SPOTS; i++) {
        for (int s = 0; s < NUM_SPOTS; s++) houses[s][6] = houses[s][7] = 0;
        own(generalHarbourSpots[i], 1);
        houses[generalHarbourSpots[i]][6] = 2; // a city counts as well
        tradeModus = true;
        pass();
        for (int r = 0; r < 5; r++) EXPECT_EQ(tradeStep[r], 3);
    }
}

TEST(RulesTradeDialog, OpeningShowsTheBankDialogAndHidesTheRoll) {
    freePhase();
    interfaceV[7] = diceV[0];
    pointerV[3] = interfaceP;
    tradeArray[2][1] = 5; // left over from an earlier turn
    tradePlayer = 2;
    press(310);
    EXPECT_TRUE(trade);
    EXPECT_EQ(tradePlayer, 0);
    EXPECT_EQ(tradeArray[2][1], 0);
    EXPECT_TRUE(empty(interfaceV[7]));
    EXPECT_TRUE(empty(pointerV[3]));
    EXPECT_TRUE(shows(interfaceV[13], TEX_DIALOG));
    EXPECT_TRUE(shows(interfaceV[14], TEX_BUTTON));
    for (int i = 0; i < 5; i++) {
        EXPECT_TRUE(shows(interfaceV[15 + i], TEX_TRADE + i));
        EXPECT_TRUE(shows(interfaceV[20 + i], TEX_TRADE + 5));
        EXPECT_TRUE(shows(interfaceV[25 + i], TEX_TRADE + 6));
        EXPECT_TRUE(shows(interfaceV[30 + i], TEX_TRADE + i));
    }
    for (int i = 35; i <= 44; i++) EXPECT_TRUE(empty(interfaceV[i])) << i;
    for (int i = 45; i <= 48; i++) EXPECT_TRUE(shows(interfaceV[i], TEX_BUTTON)) << i;
    EXPECT_TRUE(empty(interfaceV[49]));

    press(310); // "Bauen"
    EXPECT_FALSE(trade);
    EXPECT_TRUE(build);
    for (int i = 13; i <= 49; i++) EXPECT_TRUE(empty(interfaceV[i])) << i;
    press(310); // building mode cannot go back to trading
    EXPECT_FALSE(trade);
}

TEST(RulesBankTrade, StepsPayTheRateAndStopAtTheHoldings) {
    freePhase();
    give(1, 7, 0, 0, 0, 0);
    press(310);
    press(322); // minus on an empty incoming count
    for (int i = 0; i < 5; i++) EXPECT_EQ(tradeArray[i][0] + tradeArray[i][1], 0);
    press(327); // plus grain: pay 4 wood
    EXPECT_EQ(tradeArray[0][0], 4);
    EXPECT_EQ(tradeArray[2][1], 1);
    press(327); // 8 > 7
    EXPECT_EQ(tradeArray[0][0], 4);
    EXPECT_EQ(tradeArray[2][1], 1);
    EXPECT_EQ(tradePicked1, 0);
    EXPECT_FALSE(tradeCheck);
    press(337); // the outgoing buttons belong to player trades
    EXPECT_EQ(tradeArray[2][0], 0);

    // Another pay kind keeps the offer; minus then needs that kind offered.
    press(331);
    EXPECT_EQ(tradeItem, 1);
    EXPECT_EQ(tradeArray[0][0], 4);
    press(322);
    EXPECT_EQ(tradeArray[2][1], 1);
    press(330);
    press(322);
    EXPECT_EQ(tradeArray[0][0], 0);
    EXPECT_EQ(tradeArray[2][1], 0);

    press(329); // clay for 4 wood
    press(314);
    EXPECT_EQ(resources[1][WOOD], 3);
    EXPECT_EQ(resources[1][CLAY], 1);
    for (int i = 0; i < 5; i++) EXPECT_EQ(tradeArray[i][0] + tradeArray[i][1], 0);
    EXPECT_TRUE(trade);
    press(314); // the empty offer
    EXPECT_EQ(resources[1][WOOD], 3);
    EXPECT_EQ(resources[1][CLAY], 1);
}

TEST(RulesPlayerTrade, PartnersMustBeOtherPeopleInTheGame) {
    freePhase();
    give(1, 2, 0, 0, 0, 0);
    press(310);
    press(325);
    ASSERT_EQ(tradeArray[0][0], 0); // 2 wood do not pay for one card at 4

    give(1, 4, 0, 0, 0, 0);
    press(326);
    ASSERT_EQ(tradeArray[1][1], 1);
    press(346); // himself
    EXPECT_EQ(tradePlayer, 0);
    press(348); // seat 3 is a computer
    EXPECT_EQ(tradePlayer, 0);
    playerKI[4] = false;
    press(349); // seat 4 does not take part
    EXPECT_EQ(tradePlayer, 0);
    EXPECT_EQ(tradeArray[1][1], 1) << "a refused partner keeps the offer";

    press(347);
    EXPECT_EQ(tradePlayer, 2);
    EXPECT_EQ(tradeArray[1][1], 0);
    for (int i = 35; i <= 39; i++) EXPECT_TRUE(shows(interfaceV[i], TEX_TRADE + 6));
    for (int i = 40; i <= 44; i++) EXPECT_TRUE(shows(interfaceV[i], TEX_TRADE + 5));
    press(345);
    EXPECT_EQ(tradePlayer, 0);
    for (int i = 35; i <= 44; i++) EXPECT_TRUE(empty(interfaceV[i]));
}

TEST(RulesPlayerTrade, EachSideOffersAtMostWhatItHoldsAndRepeatedTradesWork) {
    freePhase();
    playersPicked = 4;
    playerKI[4] = false;
    give(1, 1, 0, 0, 2, 0);
    give(2, 0, 2, 0, 0, 0);
    give(4, 0, 0, 0, 0, 1);
    press(310);
    press(347);
    press(326), press(326), press(326); // partner holds 2 wool
    EXPECT_EQ(tradeArray[1][1], 2);
    press(338), press(338), press(338); // 2 ore of his own
    EXPECT_EQ(tradeArray[3][0], 2);
    press(335), press(335);
    EXPECT_EQ(tradeArray[0][0], 1);
    press(340);
    press(340);
    EXPECT_EQ(tradeArray[0][0], 0);
    press(321);
    EXPECT_EQ(tradeArray[1][1], 1);
    press(314);
    EXPECT_EQ(resources[1][WOOL], 1);
    EXPECT_EQ(resources[1][ORE], 0);
    EXPECT_EQ(resources[2][WOOL], 1);
    EXPECT_EQ(resources[2][ORE], 2);

    // A second trade with another partner in the same turn.
    press(349);
    press(329);
    press(335);
    press(314);
    EXPECT_EQ(resources[1][CLAY], 1);
    EXPECT_EQ(resources[1][WOOD], 0);
    EXPECT_EQ(resources[4][WOOD], 1);
    EXPECT_EQ(resources[4][CLAY], 0);
    EXPECT_TRUE(trade);
}

// Random button sequences: cards never go negative and player trades keep the card total.
TEST(RulesTradeFuzz, CardCountsNeverGoNegative) {
    freePhase();
    playersPicked = 4;
    playerKI[3] = playerKI[4] = false;
    own(3, 1); // wool 2 for 1
    srand(4242);
    for (int p = 1; p <= 4; p++)
        for (int r = 1; r <= 5; r++) resources[p][r] = rand() % 6;
    press(310);
    const int picks[] = {314, 330, 331, 332, 333, 334, 345, 346, 347, 348, 349};
    for (int step = 0; step < 3000; step++) {
        int pk = rand() % 3 == 0 ? picks[rand() % 11]
                                 : (rand() % 2 ? 320 + rand() % 10 : 335 + rand() % 10);
        int total[6] = {0};
        for (int p = 1; p <= 4; p++)
            for (int r = 1; r <= 5; r++) total[r] += resources[p][r];
        int q = tradePlayer;
        press(pk);
        ASSERT_TRUE(cardsNonNegative()) << "step " << step << " pick " << pk;
        if (pk == 314 && q != 0) {
            for (int r = 1; r <= 5; r++) {
                int now = 0;
                for (int p = 1; p <= 4; p++) now += resources[p][r];
                ASSERT_EQ(now, total[r]) << "kind " << r;
            }
        }
        if (rand() % 200 == 0)
            for (int r = 1; r <= 5; r++) resources[1][r] += rand() % 5;
    }
}

} // namespace
