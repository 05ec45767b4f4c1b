// Whole games played only with picks and the click handshake: two people, a person
// against the computer, and two computer seats.
#include "game_test_util.h"

#include "game/frames.h"
#include "game/news.h"
#include "game/rules.h"
#include "input/input.h"

#include <algorithm>

namespace {

using namespace gt;

int offeredSpot(int p, int which) {
    for (int s = 0; s < NUM_SPOTS; s++)
        if (shows(housesV[s], TEX_BUILD + 3 * p + which)) return s;
    return -1;
}

int offeredEdge(int p, int start) {
    for (int i = 0; i < NUM_EDGES; i++) {
        int e = (start + i) % NUM_EDGES;
        if (shows(streetsV[e], TEX_BUILD + 3 * p)) return e;
    }
    return -1;
}

// Trades one card of `want` from the bank with the kind held most, if the rate allows.
bool bankTrade(int want) {
    int p = player, best = 0;
    for (int i = 1; i < 5; i++)
        if (resources[p][i + 1] - tradeStep[i] > resources[p][best + 1] - tradeStep[best]) best = i;
    if (best == want - 1 || resources[p][best + 1] < tradeStep[best] + 1) return false;
    int before = resources[p][want];
    press(PICK_PAY_KIND + best + 1);
    press(PICK_IN_PLUS + want);
    press(PICK_TRADE_GO);
    return resources[p][want] == before + 1;
}

// What a careful person would do with his cards: city first, then settlement, then road.
void buildWhatHeCan(int turn) {
    int p = player;
    for (int guard = 0; guard < 20; guard++) {
        int s = offeredSpot(p, 2);
        if (s < 0) s = offeredSpot(p, 1);
        if (s >= 0) {
            press(spotPick(s));
            continue;
        }
        int e = offeredEdge(p, turn * 7);
        if (e < 0 || resources[p][WOOD] + resources[p][CLAY] < 3) return;
        press(edgePick(e));
    }
}

// One turn of a person: roll, trade towards a city, build what he can, end the turn.
void playTurn(int turn) {
    int p = player;
    press(PICK_MAIN); // roll
    ASSERT_TRUE(next);
    press(PICK_MAIN); // trade
    ASSERT_TRUE(trade);
    for (int n = 0; n < 3; n++) {
        int need = resources[p][ORE] < 3 ? ORE : resources[p][GRAIN] < 2 ? GRAIN : CLAY;
        if (!bankTrade(need)) break;
    }
    press(PICK_MAIN); // build
    ASSERT_TRUE(build);
    buildWhatHeCan(turn);
    ASSERT_EQ(resources[p][0], countLevel(p, 1) + 2 * countLevel(p, 2)) << "turn " << turn;
    ASSERT_TRUE(cardsNonNegative()) << "turn " << turn;
    press(PICK_NEXT);
}

bool pointsMatchPieces() {
    for (int q = 1; q <= playersPicked; q++)
        if (resources[q][0] != countLevel(q, 1) + 2 * countLevel(q, 2)) return false;
    return true;
}

// Passes at 4 passes a second; a person's seat is played by presses whenever the
// computer has handed the turn over.
int playMixed(int limitMs) {
    int humanTurns = 0;
    while (!win && clockMs < limitMs) {
        clockMs += 250;
        if (kiTurn == 0 && !playerKI[player]) {
            if (inOpening()) {
                placeOpening(player * 13);
            } else if (wuerfeln) {
                playTurn(humanTurns++);
            }
        }
        pass();
        if (!pointsMatchPieces() || !cardsNonNegative()) {
            ADD_FAILURE() << "state broken at " << clockMs << " ms";
            break;
        }
    }
    return humanTurns;
}

TEST(RulesScriptedGame, TwoPeoplePlayFromTheSeatPanelToAWin) {
    setUpGame();
    winPoints = 8;
    clockMs = 5000;
    press(PICK_PLAYER_COUNT + 2);
    press(PICK_SEAT_PERSON + 1); // seat 1 a person
    press(PICK_SEAT_PERSON + 2);
    press(PICK_START);
    ASSERT_FALSE(playersChoice);
    for (int i = 0; i < 4; i++) {
        int p = player;
        int s = placeOpening(i * 11);
        ASSERT_GE(s, 0);
        ASSERT_EQ(houses[s][SPOT_OWNER], p);
    }
    ASSERT_EQ(firstTime, 9);

    int turns = 0;
    while (!win && turns < 600) {
        int p = player;
        ASSERT_TRUE(wuerfeln);
        clockMs += 37;
        playTurn(turns);
        turns++;
        if (!win) {
            ASSERT_EQ(player, p == 2 ? 1 : 2);
            ASSERT_EQ(runde, 1 + turns / 2);
        }
    }
    ASSERT_TRUE(win) << "no winner after " << turns << " turns";
    EXPECT_GE(resources[player][0], winPoints);
    for (int q = 1; q <= 2; q++)
        EXPECT_EQ(resources[q][0], countLevel(q, 1) + 2 * countLevel(q, 2));
    RecordProperty("turns", turns);
    printf("game won by player %d in round %d after %d turns\n", player, runde, turns);
}

TEST(RulesScriptedGame, APersonAgainstTheComputer) {
    setUpGame();
    winPoints = 7;
    press(PICK_START); // default seats: computer, person
    int humanTurns = playMixed(4000000);
    ASSERT_TRUE(win) << "no winner by " << clockMs << " ms";
    EXPECT_GT(humanTurns, 3);
    printf("won by player %d in round %d, %d turns of the person\n", player, runde, humanTurns);
    clockMs += 100000;
    for (int i = 0; i < 20; i++) pass();
    EXPECT_EQ(kiTurn, 0);
}

// Two computer seats play to a win; "Neues Spiel" then starts from the state the program
// started in, whatever every owner of state held, only the seats kept as they were.
TEST(RulesScriptedGame, TwoComputerSeatsPlayToAWinAndANewGameStartsAfresh) {
    setUpGame();
    configuredWinPoints = winPoints = 6;
    playerKI[2] = true; // seat 2 a computer too
    const Snapshot atStart = takeSnapshot();
    press(PICK_START);
    playMixed(4000000);
    ASSERT_TRUE(win) << "no winner by " << clockMs << " ms";
    printf("won by player %d in round %d\n", player, runde);
    clockMs += 100000;
    for (int i = 0; i < 20; i++) pass();
    EXPECT_EQ(kiTurn, 0);

    // The end screen, as a player may leave it: the view turned, switches and panels changed,
    // a drag under way, the computer's pace up, a message told, presses queued.
    for (int pick : {PICK_OPT_LIGHT, PICK_OPT_WIRE, PICK_OPT_FPS, PICK_OPTIONS, PICK_COSTS})
        press(pick);
    key('x', 0, 0), key('a', 0, 0);
    mouseButton(MOUSE_RIGHT, MOUSE_PRESS, 10, 20);
    mouseButton(MOUSE_MIDDLE, MOUSE_PRESS, 30, 40);
    kiWait1 = 500, kiWait2 = 1000, fastForward = true;
    newsRolled(8);
    wantFrame();
    queuePress(PICK_NEW_GAME);
    queuePress(PICK_MAIN);
    pass();
    std::vector<std::string> left = takeSnapshot().diff(atStart);
    left.erase(std::remove(left.begin(), left.end(), "waveCount"), left.end()); // the clock's
    EXPECT_TRUE(left.empty()) << "left over: " << joined(left);
    EXPECT_EQ(newsKind, NEWS_NONE);
    EXPECT_FALSE(rButtonDown || mButtonDown || x1 || y01 || z1 || x2 || y2 || z2);
    EXPECT_EQ(pressCount, 0) << "the press queued behind Neues Spiel belongs to the game before";
    EXPECT_TRUE(lastLighting && !lastWire) << "the GL switches follow the view";
}

} // namespace
