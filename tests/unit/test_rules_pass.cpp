// The per-frame pass: the interface switches, the frames it asks for, the water and the seed.
#include "game_test_util.h"
#include "game/view.h"
#include "game/fresh.h"

#include "game/board.h"
#include "game/news.h"
#include "game/frames.h"
#include "game/ki.h"
#include "game/rules.h"
#include "game/switches.h"
#include "input/input.h"

#include <vector>

namespace {

using namespace gt;

TEST(RulesSwitches, PanelsShowAndHideTheirSlots) {
    setUpGame();
    press(PICK_COSTS);
    EXPECT_TRUE(shows(interfaceV[SLOT_COSTS_CARD], TEX_COSTS));
    press(PICK_COSTS);
    EXPECT_TRUE(empty(interfaceV[SLOT_COSTS_CARD]));
    press(PICK_OPTIONS);
    EXPECT_TRUE(options);
    for (int i = 65; i <= 70; i++) EXPECT_TRUE(shows(interfaceV[i], TEX_BUTTON)) << i;
    EXPECT_TRUE(shows(interfaceV[SLOT_OPTIONS_PANEL], TEX_OPTIONS));
    press(PICK_OPTIONS);
    for (int i = 65; i <= 71; i++) EXPECT_TRUE(empty(interfaceV[i])) << i;
}

TEST(RulesSwitches, OptionButtonsFlipTheirFlagsAndTheGlState) {
    setUpGame();
    press(PICK_OPT_LIGHT);
    EXPECT_FALSE(light);
    EXPECT_EQ(lightingCalls, 1);
    EXPECT_FALSE(lastLighting);
    toggleLight(); // the keyboard's way
    EXPECT_TRUE(light && lastLighting);
    press(PICK_OPT_LIGHT);
    EXPECT_FALSE(light || lastLighting);
    EXPECT_EQ(lightingCalls, 3);

    press(PICK_OPT_WIRE);
    EXPECT_TRUE(wire && lastWire);
    toggleWire();
    EXPECT_FALSE(wire || lastWire);
    press(PICK_OPT_FPS);
    EXPECT_TRUE(fps);
    press(PICK_OPT_NUMBERS);
    EXPECT_FALSE(numberShow);
    press(PICK_OPT_SIGNS);
    EXPECT_FALSE(portSign);

    rX = 45, rY = 120, zoom = -200, trans1 = 7, trans2 = -3;
    press(PICK_OPT_CENTER);
    EXPECT_EQ(rX, 90.0f);
    EXPECT_EQ(rY, 0.0f);
    EXPECT_EQ(zoom, -380.0f);
    EXPECT_EQ(trans1, 0.0f);
    EXPECT_EQ(trans2, 0.0f);
    EXPECT_EQ(quitCalls, 0);
}

// The reading counts the frames the pass asks for: here one a pass, each with a change.
TEST(RulesFrameRate, MeasuresEveryHalfSecondOnlyWhileSwitchedOn) {
    setUpGame();
    clockMs = 0;
    for (int i = 0; i < 100; i++) {
        clockMs += 16;
        wantFrame();
        pass();
    }
    EXPECT_EQ(frames, 0);
    toggleFps();
    int measured = 0;
    float first = 0;
    for (int i = 0; i < 120; i++) { // two seconds at 60 frames per second
        clockMs = 1600 + (i + 1) * 1000 / 60;
        wantFrame();
        pass();
        if (frames == 0) {
            if (measured++ == 0) first = frameRate;
            EXPECT_EQ(frameTime, clockMs);
        }
    }
    EXPECT_GE(measured, 3);
    EXPECT_LT(first, 40.0f) << "the first interval starts at program start";
    EXPECT_NEAR(frameRate, 60.0f, 1.5f);
}

int redisplays;
void countRedisplay() {
    redisplays++;
}

// A pass that changes nothing asks for no frame and rests until the next water step; every
// kind of change asks for one, held to the display period; a hidden window gets none, and
// its first frame the moment it is seen again.
TEST(RulesFrames, OnlyForChangesHeldToTheDisplayNoneWhileHidden) {
    setUpGame();
    platform.postRedisplay = countRedisplay;
    redisplays = 0;
    clockMs = 1000;
    pass();
    pass();
    EXPECT_EQ(redisplays, 0);
    EXPECT_EQ(timeToNextPass(clockMs), 2000 * 1000);

    int expected = 0;
    press(PICK_COSTS); // a panel
    EXPECT_EQ(redisplays, ++expected);
    EXPECT_EQ(timeToNextPass(clockMs), 0) << "a change is followed by a pass at once";
    pass();
    EXPECT_EQ(redisplays, expected);
    key('x', 0, 0); // the camera, by a key and by a drag
    pass();
    EXPECT_EQ(redisplays, ++expected);
    mouseButton(MOUSE_RIGHT, MOUSE_PRESS, 10, 10);
    mouseMotion(30, 12);
    mouseMotion(50, 14);
    pass();
    EXPECT_EQ(redisplays, ++expected);
    mouseButton(MOUSE_RIGHT, MOUSE_RELEASE, 50, 14);
    mouseMotion(60, 14);
    pass();
    EXPECT_EQ(redisplays, expected) << "moving without a drag changes nothing";
    clockMs = 3000; // the sea
    pass();
    EXPECT_EQ(redisplays, ++expected);
    playersChoice = false, playersPicked = 2, firstTime = 9, player = 1;
    kiTurn = KI_START; // a computer step, then its pause
    pass();
    EXPECT_EQ(redisplays, ++expected);
    pass();
    EXPECT_EQ(redisplays, expected);
    EXPECT_EQ(timeToNextPass(clockMs), 40 * 1000) << "the sea before the computer's roll";
    mouseButton(MOUSE_LEFT, MOUSE_PRESS, 10, 10); // its pace, shown as the speed marks
    pass();
    EXPECT_EQ(redisplays, ++expected);
    mouseButton(MOUSE_LEFT, MOUSE_RELEASE, 10, 10);
    kiTurn = 0;

    framePeriodUs = 10000; // a 100 Hz display: changes in one period share a frame
    key('x', 0, 0);
    pass();
    key('x', 0, 0);
    pass();
    EXPECT_EQ(redisplays, ++expected);
    EXPECT_EQ(timeToNextPass(clockMs), 10000);
    clockMs += 10;
    pass();
    EXPECT_EQ(redisplays, ++expected);

    showWindow(false);
    key('x', 0, 0);
    clockMs = 3040;
    pass();
    EXPECT_EQ(redisplays, expected);
    EXPECT_EQ(waveCount, 3080) << "the sea moves on unseen";
    EXPECT_EQ(timeToNextPass(clockMs), 40 * 1000) << "no frame to wait for";
    clockMs = 3045;
    showWindow(true);
    pass();
    EXPECT_EQ(redisplays, ++expected);
}

struct Trace {
    int kiTurn, kiTime, player, firstTime, zufall, waveCount, frames, redisplays;
    long long frameDueUs;
    bool operator==(const Trace& o) const { return std::memcmp(this, &o, sizeof o) == 0; }
};

// Plays `ms` of a game between two computer seats from the seat selection, on a 60 Hz display,
// with a pass every millisecond or only when timeToNextPass says; the trace of every ms.
std::vector<Trace> playComputers(bool everyMs, int ms, int* passes) {
    resetDisplay();
    resetEveryOwner();
    setUpGame();
    platform.postRedisplay = countRedisplay;
    redisplays = 0;
    framePeriodUs = 16667;
    clockMs = 1000;
    press(PICK_PLAYER_COUNT + 2);
    press(PICK_SEAT_COMPUTER + 1);
    press(PICK_SEAT_COMPUTER + 2);
    press(PICK_START);
    std::vector<Trace> seen(ms);
    *passes = 0;
    const int start = clockMs;
    for (int t = start, due = start; t < start + ms; t++) {
        clockMs = t;
        if (everyMs || t >= due) {
            pass();
            ++*passes;
            const int rest = (timeToNextPass(t) + 999) / 1000;
            due = t + (rest > 0 ? rest : 1);
        }
        seen[t - start] = {kiTurn,    kiTime, player,     firstTime, zufall,
                           waveCount, frames, redisplays, frameDueUs};
    }
    return seen;
}

// Resting between the passes that have work changes nothing of the game, whose computer turns,
// dice and waves keep their times to the millisecond, nor of its frames.
TEST(RulesFrames, RestingKeepsTheWavesAndTheComputersTimes) {
    int every, resting;
    const std::vector<Trace> a = playComputers(true, 20000, &every);
    const std::vector<Trace> b = playComputers(false, 20000, &resting);
    EXPECT_GT(b.back().firstTime, 4) << "the opening was played";
    for (size_t t = 0; t < a.size(); t++)
        if (!(a[t] == b[t])) {
            ADD_FAILURE() << "the games part at ms " << t;
            break;
        }
    for (size_t t = 2000; t < b.size(); t++)
        if (b[t].waveCount != 3040 + (int)(t - 2000) / 40 * 40) {
            ADD_FAILURE() << "the sea is late at ms " << t;
            break;
        }
    EXPECT_LT(resting, 2000) << "of " << every << " passes";
}

TEST(RulesWater, StepsEvery40MsAfterThreeSecondsOneStepPerPass) {
    setUpGame();
    for (int i = 0; i < 720; i++)
        for (int j = 0; j < 2; j++) water[i][j][2] = (float)(i * 2 + j);
    clockMs = 2999;
    pass();
    EXPECT_EQ(water[0][0][2], 0.0f);
    clockMs = 3000;
    pass();
    EXPECT_EQ(water[719][0][2], 0.0f);
    EXPECT_EQ(water[719][1][2], 1.0f);
    EXPECT_EQ(water[0][0][2], 2.0f);
    EXPECT_EQ(waveCount, 3040);
    pass(); // not due again yet
    EXPECT_EQ(water[0][0][2], 2.0f);
    clockMs = 10000; // far behind: still one step per pass
    pass();
    pass();
    EXPECT_EQ(water[0][0][2], 6.0f);
    EXPECT_EQ(waveCount, 3120);
    for (int i = 0; i < 720; i++) EXPECT_EQ(water[i][0][0], 0.0f); // x stays
}

TEST(RulesPassClock, TheSameMillisecondRollsTheSameDice) {
    setUpGame();
    playersChoice = false;
    player = 1;
    firstTime = 9;
    clockMs = 777;
    wuerfeln = true;
    press(PICK_MAIN);
    int a = zufall1, b = zufall2;
    next = false;
    wuerfeln = true;
    press(PICK_MAIN);
    EXPECT_EQ(zufall1, a);
    EXPECT_EQ(zufall2, b);
}

// What the message line is told, by the rules where they decide: every command accepted with
// what it did, every refusal with its reason; a click beside every offer and a press that means
// nothing tell nothing, and any new press ends a refusal told before.
TEST(RulesNews, EachCommandTellsWhatItDidOrWhyNot) {
    setUpGame();
    startPeople(2);
    auto personPresses = [](int pick) {
        queuePress(pick);
        pass();
    };
    auto refused = [](int reason) { return newsKind == NEWS_REFUSED && newsReason == reason; };
    auto moved = [](int move) { return newsKind == NEWS_MOVE && newsMove == move; };
    personPresses(PICK_NONE);
    EXPECT_EQ(newsKind, NEWS_NONE) << "a click beside every offer";
    personPresses(spotPick(10));
    EXPECT_TRUE(moved(MOVE_SETTLEMENT) && newsSeat == 1) << "a person's build, named";
    personPresses(spotPick(10));
    EXPECT_TRUE(refused(REASON_TAKEN));
    personPresses(PICK_MAIN);
    EXPECT_EQ(newsKind, NEWS_NONE) << "the main button means nothing here; the refusal is over";
    personPresses(edgePick(availableCheck1[10][3]));
    EXPECT_TRUE(moved(MOVE_ROAD));
    playOpening();

    houses[10][SPOT_LEVEL] = CITY, resources[1][0]++;
    clockMs = clockForRoll(number[spotTiles[10][0]]);
    press(PICK_MAIN);
    ASSERT_EQ(newsKind, NEWS_ROLL);
    EXPECT_EQ(newsSum, zufall);
    const int kind = model[spotTiles[10][0]];
    if (kind != DESERT) { EXPECT_GE(newsCards[1][kind], 2) << "the city's two cards"; }
    int paid = 0;
    for (int p = 1; p <= 4; p++)
        for (int k = WOOD; k <= CLAY; k++) paid += newsCards[p][k];
    int held = 0;
    for (int p = 1; p <= 2; p++)
        for (int k = WOOD; k <= CLAY; k++) held += resources[p][k];
    EXPECT_EQ(paid, held) << "every card paid is told";

    personPresses(PICK_MAIN); // "Handeln"
    for (int k = WOOD; k <= CLAY; k++) resources[1][k] = 0;
    personPresses(PICK_IN_PLUS + WOOD);
    EXPECT_TRUE(refused(REASON_CARDS));
    personPresses(PICK_IN_MINUS + WOOD);
    EXPECT_TRUE(refused(REASON_NOTHING_CHOSEN));
    personPresses(PICK_TRADE_GO);
    EXPECT_TRUE(refused(REASON_NOTHING_CHOSEN));
    personPresses(PICK_PARTNERS + 1);
    EXPECT_TRUE(refused(REASON_PARTNER)) << "not with oneself";
    personPresses(PICK_PARTNERS + 2);
    EXPECT_EQ(newsKind, NEWS_NONE);
    personPresses(PICK_OUT_PLUS + ORE);
    EXPECT_TRUE(refused(REASON_CARDS)) << "no ore to give";
    personPresses(PICK_BANK);
    resources[1][GRAIN] = 4;
    personPresses(PICK_PAY_KIND + GRAIN);
    personPresses(PICK_IN_PLUS + WOOD);
    personPresses(PICK_TRADE_GO);
    ASSERT_TRUE(moved(MOVE_TRADE));
    EXPECT_EQ(newsCards[0][GRAIN], tradeStep[GRAIN - 1]);
    EXPECT_EQ(newsCards[1][WOOD], 1);

    personPresses(PICK_MAIN); // "Bauen"
    int settlement = 0;
    while (houses[settlement][SPOT_OWNER] != 1 || houses[settlement][SPOT_LEVEL] != SETTLEMENT)
        settlement++;
    personPresses(spotPick(settlement));
    EXPECT_TRUE(refused(REASON_CARDS)) << "a city, and no cards for one";
    personPresses(spotPick(10));
    EXPECT_TRUE(refused(REASON_TAKEN)) << "a city already";
    resources[1][CLAY] = 1;
    int road = -1;
    for (int e = 0; e < NUM_EDGES && road < 0; e++)
        if (roadAllowed(e)) road = e;
    ASSERT_GE(road, 0);
    personPresses(edgePick(road));
    EXPECT_TRUE(moved(MOVE_ROAD) && newsSeat == 1);
    personPresses(PICK_UNDO);
    EXPECT_TRUE(moved(MOVE_TAKE_BACK + PIECE_ROAD));

    // The computer's own clicks tell what they do, never a refusal.
    playerKI[1] = true;
    clickEdge(road);
    EXPECT_TRUE(moved(MOVE_ROAD) && newsSeat == 1);
    clickEdge(road);
    EXPECT_TRUE(moved(MOVE_ROAD));
}

} // namespace
