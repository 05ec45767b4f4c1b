// The click handshake between the mouse and the per-frame pass: one command per press.
#include <gtest/gtest.h>

#include "platform/platform.h"
#include "game/idle.h"
#include "game/picks.h"
#include "game/state.h"
#include "game/view.h"
#include "input/input.h"

namespace {

int now;

class Handshake : public ::testing::Test {
  protected:
    void SetUp() override {
        platform.milliseconds = [] { return now; };
        platform.postRedisplay = [] {};
    }
    static void frames(int n) {
        for (int i = 0; i < n; i++) {
            now += 16;
            idle();
        }
    }
    // A human press whose selection pass found `name` under the cursor.
    static void press(int name) {
        if (!mouseButton(MOUSE_LEFT, MOUSE_PRESS, 20, 1000)) return;
        picked = name;
        queuePress(picked);
    }
    static void release() { mouseButton(MOUSE_LEFT, MOUSE_RELEASE, 20, 1000); }
};

TEST_F(Handshake, OnePressOneCommandHoldingDoesNotRepeat) {
    press(PICK_COSTS); // "Baukosten"
    frames(5);
    EXPECT_TRUE(interfaceToggle);
    release();
    frames(2);
    EXPECT_TRUE(interfaceToggle);
    press(PICK_COSTS);
    frames(1);
    EXPECT_FALSE(interfaceToggle);
}

// A tap: press and release arrive back to back, before the next pass.
TEST_F(Handshake, ReleaseBeforeTheNextFrameStillTakesThePressOnce) {
    press(PICK_COSTS);
    release();
    frames(3);
    EXPECT_TRUE(interfaceToggle);
    press(PICK_COSTS); // two taps within one frame are two commands, one pass each
    release();
    press(PICK_OPTIONS);
    release();
    frames(1);
    EXPECT_FALSE(interfaceToggle);
    EXPECT_FALSE(options);
    frames(1);
    EXPECT_TRUE(options);
    frames(3);
    EXPECT_TRUE(options);
}

// A press on nothing usable picks 0: the previous command does not run again.
TEST_F(Handshake, PressOnNothingRunsNothing) {
    press(PICK_OPTIONS);
    release();
    frames(1);
    ASSERT_TRUE(options);
    const unsigned int water[8] = {1, 0xf6000000u, 0xf6000000u, 0, 1, 0x7fffffffu, 0x7fffffffu, 0};
    if (mouseButton(MOUSE_LEFT, MOUSE_PRESS, 20, 1000)) {
        processHits(2, water, 8); // the water, then the overlay texts
        queuePress(picked);
    }
    release();
    frames(2);
    EXPECT_EQ(picked, 0);
    EXPECT_TRUE(options);
}

TEST_F(Handshake, PressDuringAComputerTurnIsNeverDispatched) {
    kiTurn = 2;
    kiTime = 1 << 30; // the computer is still waiting
    picked = 0;
    mouseButton(MOUSE_LEFT, MOUSE_PRESS, 20, 1000);
    EXPECT_FALSE(lButtonDown);
    frames(3);
    mouseButton(MOUSE_LEFT, MOUSE_RELEASE, 20, 1000);
    EXPECT_EQ(picked, 0);
    EXPECT_FALSE(interfaceToggle || options);

    // Presses a person queued before the turn passed to the computer are dropped.
    kiTurn = 0;
    press(PICK_COSTS);
    kiTurn = 2;
    frames(2);
    EXPECT_FALSE(interfaceToggle);
    EXPECT_EQ(pressCount, 0);
}

TEST_F(Handshake, SeatClicksThenStartDealTheBoard) {
    press(PICK_SEAT_PERSON + 1); // seat 1 played by a person
    frames(1);
    release();
    EXPECT_FALSE(playerKI[1]);
    press(PICK_START); // "Start"
    frames(1);
    release();
    EXPECT_FALSE(playersChoice);
    EXPECT_EQ(player, 1);
    EXPECT_EQ(kiTurn, 0);
}

} // namespace
