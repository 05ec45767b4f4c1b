// Trading: harbour rates, the offer buttons and their limits, partners and "tauschen".
#include "game_test_util.h"

#include "game/board.h"
#include "game/news.h"
#include "game/rules.h"

#include <random>

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
    houses[s][SPOT_LEVEL] = 1;
    houses[s][SPOT_OWNER] = p;
}

TEST(RulesHarbourRates, BankFourGeneralThreeResourceTwo) {
    freePhase();
    own(4, 2); // another player's wool harbour does not count
    press(PICK_MAIN);
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
            for (int s = 0; s < NUM_SPOTS; s++) houses[s][SPOT_LEVEL] = houses[s][SPOT_OWNER] = 0;
            own(resourceHarbourSpots[kind - 1][side], 1);
            tradeModus = true;
            pass();
            for (int r = WOOD; r <= CLAY; r++) EXPECT_EQ(tradeStep[r - 1], r == kind ? 2 : 4);
        }
    }
    for (int i = 0; i < NUM_GENERAL_HARBOUR_SPOTS; i++) {
        for (int s = 0; s < NUM_SPOTS; s++) houses[s][SPOT_LEVEL] = houses[s][SPOT_OWNER] = 0;
        own(generalHarbourSpots[i], 1);
        houses[generalHarbourSpots[i]][SPOT_LEVEL] = 2; // a city counts as well
        tradeModus = true;
        pass();
        for (int r = 0; r < 5; r++) EXPECT_EQ(tradeStep[r], 3);
    }
}

TEST(RulesTradeDialog, OpeningShowsTheBankDialogAndHidesTheRoll) {
    freePhase();
    interfaceV[SLOT_DIE1] = diceV[0];
    pointerV[3] = interfaceP;
    tradeArray[2][1] = 5; // left over from an earlier turn
    tradePlayer = 2;
    press(PICK_MAIN);
    EXPECT_TRUE(trade);
    EXPECT_EQ(tradePlayer, 0);
    EXPECT_EQ(tradeArray[2][1], 0);
    EXPECT_TRUE(empty(interfaceV[SLOT_DIE1]));
    EXPECT_TRUE(empty(pointerV[3]));
    EXPECT_TRUE(shows(interfaceV[SLOT_TRADE_PANEL], TEX_DIALOG));
    EXPECT_TRUE(shows(interfaceV[SLOT_TRADE_GO], TEX_BUTTON));
    for (int i = 0; i < 5; i++) {
        EXPECT_TRUE(shows(interfaceV[SLOT_IN_CARDS + i], TEX_TRADE + i));
        EXPECT_TRUE(shows(interfaceV[SLOT_IN_MINUS + i], TEX_TRADE + 5));
        EXPECT_TRUE(shows(interfaceV[SLOT_IN_PLUS + i], TEX_TRADE + 6));
        EXPECT_TRUE(shows(interfaceV[SLOT_OUT_CARDS + i], TEX_TRADE + i));
    }
    for (int i = 35; i <= 44; i++) EXPECT_TRUE(empty(interfaceV[i])) << i;
    for (int i = 45; i <= 48; i++) EXPECT_TRUE(shows(interfaceV[i], TEX_BUTTON)) << i;
    EXPECT_TRUE(empty(interfaceV[SLOT_TRADE_LAST]));

    press(PICK_MAIN); // "Bauen"
    EXPECT_FALSE(trade);
    EXPECT_TRUE(build);
    for (int i = 13; i <= 49; i++) EXPECT_TRUE(empty(interfaceV[i])) << i;
    press(PICK_MAIN); // building mode cannot go back to trading
    EXPECT_FALSE(trade);
}

TEST(RulesBankTrade, StepsPayTheRateAndStopAtTheHoldings) {
    freePhase();
    give(1, 7, 0, 0, 0, 0);
    press(PICK_MAIN);
    press(PICK_IN_MINUS + GRAIN); // minus on an empty incoming count
    for (int i = 0; i < 5; i++) EXPECT_EQ(tradeArray[i][0] + tradeArray[i][1], 0);
    press(PICK_IN_PLUS + GRAIN); // plus grain: pay 4 wood
    EXPECT_EQ(tradeArray[0][0], 4);
    EXPECT_EQ(tradeArray[2][1], 1);
    press(PICK_IN_PLUS + GRAIN); // 8 > 7
    EXPECT_EQ(tradeArray[0][0], 4);
    EXPECT_EQ(tradeArray[2][1], 1);
    EXPECT_EQ(tradePicked1, 0);
    EXPECT_FALSE(tradeCheck);
    press(PICK_OUT_PLUS + GRAIN); // the outgoing buttons belong to player trades
    EXPECT_EQ(tradeArray[2][0], 0);

    // Another pay kind keeps the offer; minus then needs that kind offered.
    press(PICK_PAY_KIND + WOOL);
    EXPECT_EQ(tradeItem, 1);
    EXPECT_EQ(tradeArray[0][0], 4);
    press(PICK_IN_MINUS + GRAIN);
    EXPECT_EQ(tradeArray[2][1], 1);
    press(PICK_PAY_KIND + WOOD);
    press(PICK_IN_MINUS + GRAIN);
    EXPECT_EQ(tradeArray[0][0], 0);
    EXPECT_EQ(tradeArray[2][1], 0);

    press(PICK_IN_PLUS + CLAY); // clay for 4 wood
    press(PICK_TRADE_GO);
    EXPECT_EQ(resources[1][WOOD], 3);
    EXPECT_EQ(resources[1][CLAY], 1);
    for (int i = 0; i < 5; i++) EXPECT_EQ(tradeArray[i][0] + tradeArray[i][1], 0);
    EXPECT_TRUE(trade);
    press(PICK_TRADE_GO); // the empty offer
    EXPECT_EQ(resources[1][WOOD], 3);
    EXPECT_EQ(resources[1][CLAY], 1);
}

TEST(RulesPlayerTrade, PartnersAreTheOtherSeatsInTheGame) {
    freePhase();
    give(1, 2, 0, 0, 0, 0);
    press(PICK_MAIN);
    press(PICK_IN_PLUS + WOOD);
    ASSERT_EQ(tradeArray[0][0], 0); // 2 wood do not pay for one card at 4

    give(1, 4, 0, 0, 0, 0);
    press(PICK_IN_PLUS + WOOL);
    ASSERT_EQ(tradeArray[1][1], 1);
    press(PICK_PARTNERS + 1); // himself
    EXPECT_EQ(tradePlayer, 0);
    playerKI[4] = false;
    press(PICK_PARTNERS + 4); // seat 4 does not take part
    EXPECT_EQ(tradePlayer, 0);
    EXPECT_EQ(tradeArray[1][1], 1) << "a refused partner keeps the offer";
    press(PICK_PARTNERS + 3); // seat 3, a computer, is asked when the offer is carried out
    EXPECT_EQ(tradePlayer, 3);
    player = 3;
    EXPECT_FALSE(partnerAllowed(1)) << "the computer seats trade with the bank alone";
    player = 1;

    press(PICK_PARTNERS + 2);
    EXPECT_EQ(tradePlayer, 2);
    EXPECT_EQ(tradeArray[1][1], 0);
    for (int i = 35; i <= 39; i++) EXPECT_TRUE(shows(interfaceV[i], TEX_TRADE + 6));
    for (int i = 40; i <= 44; i++) EXPECT_TRUE(shows(interfaceV[i], TEX_TRADE + 5));
    press(PICK_BANK);
    EXPECT_EQ(tradePlayer, 0);
    for (int i = 35; i <= 44; i++) EXPECT_TRUE(empty(interfaceV[i]));
}

// Player 1 offers seat 3 one card for another; the answer stands on the message line.
bool offered(int pay, int want) {
    press(PICK_PARTNERS + 3);
    press(PICK_OUT_PLUS + pay);
    press(PICK_IN_PLUS + want);
    press(PICK_TRADE_GO);
    EXPECT_EQ(newsKind, NEWS_ANSWER);
    EXPECT_EQ(newsSeat, 3);
    return newsAccepted;
}

TEST(RulesPlayerTrade, ComputerPartnersAnswer) {
    freePhase();
    winPoints = 10;
    kiStrength[3] = KI_STRONG;
    own(20, 3); // Profi 3 saves for a city on its settlement, one grain short
    houses[20][SPOT_TERRAINS] = PASTURE, houses[20][SPOT_NUMBERS] = 6;
    own(44, 1);
    resources[1][0] = 5, resources[3][0] = 1;
    give(3, 0, 0, 1, 6, 0);
    give(1, 0, 0, 3, 2, 0);
    press(PICK_MAIN);
    EXPECT_TRUE(offered(GRAIN, ORE)) << "the grain it lacks for ore it has over";
    EXPECT_EQ(resources[3][GRAIN], 2);
    EXPECT_EQ(resources[1][ORE], 3);

    give(3, 0, 0, 1, 6, 0);
    give(1, 0, 0, 3, 2, 0);
    resources[1][0] = 9;
    EXPECT_FALSE(offered(GRAIN, ORE)) << "the ore makes player 1's winning city";
    EXPECT_EQ(resources[1][ORE], 2);
    EXPECT_EQ(tradeArray[ORE - 1][1], 1) << "a refused offer stays on the table";

    kiStrength[3] = KI_TABLE; // Comp. 3 saves for its city too
    buildHouse[3][PIECE_ROAD] = false;
    resources[1][0] = 5;
    give(3, 0, 6, 1, 3, 0);
    EXPECT_FALSE(offered(GRAIN, ORE)) << "not the ore of its wish";
    EXPECT_TRUE(offered(GRAIN, WOOL)) << "wool it can spare";
    EXPECT_FALSE(offered(ORE, WOOL)) << "nothing it saves for";
}

TEST(RulesPlayerTrade, EachSideOffersAtMostWhatItHoldsAndRepeatedTradesWork) {
    freePhase();
    playersPicked = 4;
    playerKI[4] = false;
    give(1, 1, 0, 0, 2, 0);
    give(2, 0, 2, 0, 0, 0);
    give(4, 0, 0, 0, 0, 1);
    press(PICK_MAIN);
    press(PICK_PARTNERS + 2);
    press(PICK_IN_PLUS + WOOL), press(PICK_IN_PLUS + WOOL),
        press(PICK_IN_PLUS + WOOL); // partner holds 2 wool
    EXPECT_EQ(tradeArray[1][1], 2);
    press(PICK_OUT_PLUS + ORE), press(PICK_OUT_PLUS + ORE),
        press(PICK_OUT_PLUS + ORE); // 2 ore of his own
    EXPECT_EQ(tradeArray[3][0], 2);
    press(PICK_OUT_PLUS + WOOD), press(PICK_OUT_PLUS + WOOD);
    EXPECT_EQ(tradeArray[0][0], 1);
    press(PICK_OUT_MINUS + WOOD);
    press(PICK_OUT_MINUS + WOOD);
    EXPECT_EQ(tradeArray[0][0], 0);
    press(PICK_IN_MINUS + WOOL);
    EXPECT_EQ(tradeArray[1][1], 1);
    press(PICK_TRADE_GO);
    EXPECT_EQ(resources[1][WOOL], 1);
    EXPECT_EQ(resources[1][ORE], 0);
    EXPECT_EQ(resources[2][WOOL], 1);
    EXPECT_EQ(resources[2][ORE], 2);

    // A second trade with another partner in the same turn.
    press(PICK_PARTNERS + 4);
    press(PICK_IN_PLUS + CLAY);
    press(PICK_OUT_PLUS + WOOD);
    press(PICK_TRADE_GO);
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
    // Its own generator: every pass reseeds rand() from the clock, which stands still here.
    std::minstd_rand random(4242);
    auto draw = [&](int n) { return (int)(random() % n); };
    for (int p = 1; p <= 4; p++)
        for (int r = 1; r <= 5; r++) resources[p][r] = draw(6);
    press(PICK_MAIN);
    // "tauschen", the pay kinds and the partners; else one of the plus and minus buttons.
    const int picks[] = {PICK_TRADE_GO,
                         PICK_PAY_KIND + WOOD,
                         PICK_PAY_KIND + WOOL,
                         PICK_PAY_KIND + GRAIN,
                         PICK_PAY_KIND + ORE,
                         PICK_PAY_KIND + CLAY,
                         PICK_BANK,
                         PICK_PARTNERS + 1,
                         PICK_PARTNERS + 2,
                         PICK_PARTNERS + 3,
                         PICK_PARTNERS + 4};
    for (int step = 0; step < 3000; step++) {
        int pk = draw(3) == 0
                     ? picks[draw(11)]
                     : (draw(2) ? PICK_IN_MINUS + 1 + draw(10) : PICK_OUT_PLUS + 1 + draw(10));
        int total[6] = {0};
        for (int p = 1; p <= 4; p++)
            for (int r = 1; r <= 5; r++) total[r] += resources[p][r];
        int q = tradePlayer;
        press(pk);
        ASSERT_TRUE(cardsNonNegative()) << "step " << step << " pick " << pk;
        // With the bank every card asked for is paid at the rate of the kind that pays for
        // it: wool at 2, the rest at 4, in any mix of pay kinds, plus and minus.
        if (tradePlayer == 0) {
            int bought = 0, asked = 0;
            for (int i = 0; i < 5; i++) {
                bought += tradeArray[i][0] * 12 / tradeStep[i];
                asked += 12 * tradeArray[i][1];
            }
            ASSERT_EQ(bought, asked) << "step " << step << " pick " << pk;
        }
        if (pk == PICK_TRADE_GO && q != 0) {
            for (int r = 1; r <= 5; r++) {
                int now = 0;
                for (int p = 1; p <= 4; p++) now += resources[p][r];
                ASSERT_EQ(now, total[r]) << "kind " << r;
            }
        }
        if (draw(200) == 0)
            for (int r = 1; r <= 5; r++) resources[1][r] += draw(5);
    }
}

} // namespace
