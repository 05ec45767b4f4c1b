// The click handshake between the mouse and the per-frame pass: one command per press.
#include <gtest/gtest.h>

#include "app/platform.h"
#include "game/idle.h"
#include "game/state.h"
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
        if (mouseButton(MOUSE_LEFT, MOUSE_PRESS, 20, 1000)) picked = name;
    }
    static void release() { mouseButton(MOUSE_LEFT, MOUSE_RELEASE, 20, 1000); }
};

TEST_F(Handshake, OnePressOneCommandHoldingDoesNotRepeat) {
    press(309); // "Baukosten"
    frames(5);
    EXPECT_TRUE(interfaceToggle);
    release();
    frames(2);
    EXPECT_TRUE(interfaceToggle);
    press(309);
    frames(1);
    EXPECT_FALSE(interfaceToggle);
}

TEST_F(Handshake, ReleaseBeforeTheNextFrameDropsThePress) {
    press(309);
    release();
    frames(3);
    EXPECT_FALSE(interfaceToggle);
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
}

TEST_F(Handshake, SeatClicksThenStartDealTheBoard) {
    press(356); // seat 1 played by a person
    frames(1);
    release();
    EXPECT_FALSE(playerKI[1]);
    press(351); // "Start"
    frames(1);
    release();
    EXPECT_FALSE(playersChoice);
    EXPECT_EQ(player, 1);
    EXPECT_EQ(kiTurn, 0);
}

} // namespace
