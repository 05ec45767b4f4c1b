// Mouse buttons: the click handshake, the computer's pace and the camera drags.
#include <gtest/gtest.h>

#include "game/picks.h"
#include "game/state.h"
#include "game/view.h"
#include "game/ki.h"
#include "input/input.h"

namespace {

TEST(MouseButtons, HumanPressAsksForAPickAndReleaseEndsTheClick) {
    picked = PICK_NEXT;
    lButtonOneTime = true; // the previous press was handled
    EXPECT_TRUE(mouseButton(MOUSE_LEFT, MOUSE_PRESS, 100, 200));
    EXPECT_TRUE(lButtonDown);
    EXPECT_TRUE(lButtonOneTime) << "the press leaves the handshake to the dispatch";
    EXPECT_EQ(picked, PICK_NEXT) << "the pick itself happens in the selection pass";

    EXPECT_FALSE(mouseButton(MOUSE_LEFT, MOUSE_RELEASE, 100, 200));
    EXPECT_FALSE(lButtonDown);
    EXPECT_FALSE(lButtonOneTime);
    EXPECT_EQ(kiWait1, 1500);
    EXPECT_FALSE(fastForward);
}

TEST(MouseButtons, ComputerTurnOnlyChangesThePace) {
    kiTurn = 3;
    picked = PICK_MAIN;
    lButtonDown = true; // the computer's own click flags
    lButtonOneTime = false;
    EXPECT_FALSE(mouseButton(MOUSE_LEFT, MOUSE_PRESS, 10, 10));
    EXPECT_EQ(kiWait1, 500);
    EXPECT_EQ(kiWait2, 1000);
    EXPECT_TRUE(fastForward);

    EXPECT_FALSE(mouseButton(MOUSE_LEFT, MOUSE_RELEASE, 10, 10));
    EXPECT_EQ(kiWait1, 1500);
    EXPECT_EQ(kiWait2, 3000);
    EXPECT_FALSE(fastForward);
    EXPECT_TRUE(lButtonDown);
    EXPECT_FALSE(lButtonOneTime);
    EXPECT_EQ(picked, PICK_MAIN);

    // At the fast pace the computer plays as if the button were held, and holding it still
    // speeds it up.
    fastComputers = true;
    resetPace();
    EXPECT_EQ(kiWait1, 500);
    EXPECT_FALSE(fastForward);
    mouseButton(MOUSE_LEFT, MOUSE_PRESS, 10, 10);
    EXPECT_EQ(kiWait1, 166);
    EXPECT_EQ(kiWait2, 333);
    mouseButton(MOUSE_LEFT, MOUSE_RELEASE, 10, 10);
    EXPECT_EQ(kiWait2, 1000);
}

TEST(MouseButtons, ReleaseAfterTheTurnPassedToAPersonRestoresThePace) {
    kiTurn = 5;
    mouseButton(MOUSE_LEFT, MOUSE_PRESS, 0, 0);
    EXPECT_TRUE(fastForward);
    kiTurn = 0; // the computer handed the turn back while the button was held
    lButtonDown = true;
    lButtonOneTime = true;
    mouseButton(MOUSE_LEFT, MOUSE_RELEASE, 0, 0);
    EXPECT_EQ(kiWait1, 1500);
    EXPECT_EQ(kiWait2, 3000);
    EXPECT_FALSE(fastForward);
    EXPECT_FALSE(lButtonDown);
    EXPECT_FALSE(lButtonOneTime);
}

TEST(MouseButtons, DragButtonsSetAnchorsInAnyTurn) {
    kiTurn = 2;
    rX = 42.0f;
    rY = -7.0f;
    zoom = -222.0f;
    EXPECT_FALSE(mouseButton(MOUSE_RIGHT, MOUSE_PRESS, 300, 400));
    EXPECT_TRUE(rButtonDown);
    EXPECT_EQ(x1, 300);
    EXPECT_EQ(y01, 400);
    EXPECT_FLOAT_EQ(x2, 42.0f);
    EXPECT_FLOAT_EQ(y2, -7.0f);
    EXPECT_FALSE(mouseButton(MOUSE_MIDDLE, MOUSE_PRESS, 5, 600));
    EXPECT_TRUE(mButtonDown);
    EXPECT_EQ(z1, 600);
    EXPECT_FLOAT_EQ(z2, -222.0f);

    mouseButton(MOUSE_RIGHT, MOUSE_RELEASE, 0, 0);
    mouseButton(MOUSE_MIDDLE, MOUSE_RELEASE, 0, 0);
    EXPECT_FALSE(rButtonDown);
    EXPECT_FALSE(mButtonDown);
    EXPECT_EQ(x1, 300) << "a release keeps the anchors";
    EXPECT_FALSE(lButtonDown);
    EXPECT_EQ(kiWait1, 1500);

    // Wheel and extra buttons do nothing.
    EXPECT_FALSE(mouseButton(3, MOUSE_PRESS, 1, 1));
    EXPECT_FALSE(mouseButton(4, MOUSE_RELEASE, 1, 1));
    EXPECT_FALSE(rButtonDown || mButtonDown || lButtonDown);
}

TEST(MouseDrags, RightDragIsAbsoluteClampedAndLeavesZoom) {
    mouseButton(MOUSE_RIGHT, MOUSE_PRESS, 640, 512); // from rX 30, rY 0
    mouseMotion(640 + 1280, 512 + 512);
    EXPECT_NEAR(rX, 75.0f, 1e-3);
    EXPECT_NEAR(rY, 360.0f, 1e-3);
    mouseMotion(640, 512); // back to the press point restores the view
    EXPECT_NEAR(rX, 30.0f, 1e-3);
    EXPECT_NEAR(rY, 0.0f, 1e-3);

    mouseMotion(0, 2000);
    EXPECT_FLOAT_EQ(rX, 90.0f);
    EXPECT_NEAR(rY, -180.0f, 1e-3);
    mouseMotion(0, -2000);
    EXPECT_FLOAT_EQ(rX, 10.0f);
    EXPECT_FLOAT_EQ(zoom, -300.0f);
}

TEST(MouseDrags, MiddleDragIsClampedAndLeavesTheAngles) {
    mouseButton(MOUSE_MIDDLE, MOUSE_PRESS, 0, 500); // from zoom -300
    mouseMotion(900, 500 - 512);                    // up brings the camera closer
    EXPECT_NEAR(zoom, -50.0f, 1e-3);
    mouseMotion(900, 500 + 1024);
    EXPECT_FLOAT_EQ(zoom, -500.0f);
    mouseMotion(900, 500 - 4000);
    EXPECT_FLOAT_EQ(zoom, -50.0f);
    mouseMotion(0, 500 + 102);
    EXPECT_NEAR(zoom, -349.8f, 1e-2);
    EXPECT_FLOAT_EQ(rX, 30.0f);
    EXPECT_FLOAT_EQ(rY, 0.0f);
}

TEST(MouseDrags, BothButtonsApplyInOneEventAndNoneDoesNothing) {
    mouseMotion(999, 999);
    EXPECT_FLOAT_EQ(rX, 30.0f);
    EXPECT_FLOAT_EQ(zoom, -300.0f);

    mouseButton(MOUSE_RIGHT, MOUSE_PRESS, 0, 0);
    mouseButton(MOUSE_MIDDLE, MOUSE_PRESS, 0, 0);
    mouseMotion(0, 1024 / 9); // about 10 degrees of tilt and 55 units farther
    EXPECT_NEAR(rX, 40.0f, 0.1);
    EXPECT_NEAR(zoom, -355.2f, 0.5);
}

} // namespace
