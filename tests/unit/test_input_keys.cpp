// Keyboard: camera steps stop exactly on their limits, other keys do nothing, Escape quits.
#include <gtest/gtest.h>

#include <vector>

#include "platform/platform.h"
#include "game/view.h"
#include "game/frames.h"
#include "game/state.h"
#include "input/input.h"

namespace {

int quits;
int quitStatus;
int lightingCalls, wireCalls;
bool lightingOn, wireOn;

class Keys : public ::testing::Test {
  protected:
    void SetUp() override {
        quits = lightingCalls = wireCalls = 0;
        platform.quit = [](int status) {
            quits++;
            quitStatus = status;
        };
        platform.setLighting = [](bool on) {
            lightingCalls++;
            lightingOn = on;
        };
        platform.setWireFrame = [](bool on) {
            wireCalls++;
            wireOn = on;
        };
    }
    // The values of v after each of n presses of c, starting with the value before.
    std::vector<float> run(unsigned char c, const float& v, int n) {
        std::vector<float> seen{v};
        for (int i = 0; i < n; i++) {
            key(c, 0, 0);
            seen.push_back(v);
        }
        return seen;
    }
    std::vector<float> runSpecial(int code, const float& v, int n) {
        std::vector<float> seen{v};
        for (int i = 0; i < n; i++) {
            key2(code, 0, 0);
            seen.push_back(v);
        }
        return seen;
    }
    static std::vector<float> steps(float from, float by, float to, int total) {
        std::vector<float> v;
        for (float x = from; by > 0 ? x <= to : x >= to; x += by) v.push_back(x);
        while ((int)v.size() < total) v.push_back(to);
        return v;
    }
};

TEST_F(Keys, TiltStopsAtNinetyAndTen) {
    EXPECT_EQ(run('c', rX, 20), steps(30, 4, 90, 21)); // 30, 34 .. 86, 90, 90 ..
    EXPECT_EQ(run('d', rX, 25), steps(90, -4, 10, 26));
    rX = 30.0f;
    EXPECT_EQ(run('d', rX, 8), steps(30, -4, 10, 9)); // 30, 26 .. 14, 10, 10 ..
    EXPECT_EQ(frameRequests, 53);

    rX = 88.0f; // reachable by dragging: above 86, so "c" cannot step
    key('c', 0, 0);
    EXPECT_FLOAT_EQ(rX, 88.0f);
    rX = 12.0f;
    key('d', 0, 0);
    EXPECT_FLOAT_EQ(rX, 12.0f);
}

TEST_F(Keys, ZoomStopsAtMinusFiveHundredAndMinusFifty) {
    EXPECT_EQ(run('a', zoom, 52), steps(-300, -4, -500, 53)); // .. -496, -500, -500
    // Closer, the steps of 4 from -300 miss -54: the last step that passes the test ends on
    // -52. Only a drag reaches -50 itself, and the keys step on from there.
    zoom = -300.0f;
    EXPECT_EQ(run('y', zoom, 66), steps(-300, 4, -52, 67)); // .. -56, -52, -52
    zoom = -50.0f;
    EXPECT_EQ(run('a', zoom, 2), (std::vector<float>{-50, -54, -58}));
    EXPECT_EQ(run('y', zoom, 3), (std::vector<float>{-58, -54, -50, -50}));
}

TEST_F(Keys, TurnHasNoLimit) {
    for (int i = 0; i < 100; i++) key('x', 0, 0);
    EXPECT_FLOAT_EQ(rY, 400.0f);
    for (int i = 0; i < 150; i++) key('s', 0, 0);
    EXPECT_FLOAT_EQ(rY, -200.0f);
}

TEST_F(Keys, ArrowsShiftInStepsOfTwoWithinAHundred) {
    EXPECT_EQ(runSpecial(SPECIAL_RIGHT, trans1, 55), steps(0, 2, 100, 56));
    EXPECT_EQ(runSpecial(SPECIAL_LEFT, trans1, 105), steps(100, -2, -100, 106));
    EXPECT_EQ(frameRequests, 160);
}

TEST_F(Keys, OtherKeysOnlyAskForAFrame) {
    const char* others = "CDXSAYMNB qz1\r";
    for (const char* c = others; *c; c++) key((unsigned char)*c, 0, 0);
    const int specials[] = {1, 5, 12, 101, 103, 104, 105, 106};
    for (int code : specials) key2(code, 0, 0);
    EXPECT_FLOAT_EQ(rX, 30.0f);
    EXPECT_FLOAT_EQ(rY, 0.0f);
    EXPECT_FLOAT_EQ(zoom, -300.0f);
    EXPECT_FLOAT_EQ(trans1, 0.0f);
    EXPECT_FLOAT_EQ(trans2, 0.0f);
    EXPECT_TRUE(numberShow && portSign && light);
    EXPECT_FALSE(fps || wire);
    EXPECT_EQ(frameRequests, 14 + 8);
    EXPECT_EQ(quits, 0);
}

TEST_F(Keys, CentreKeyResetsTheWholeView) {
    rX = 14.0f;
    rY = -88.0f;
    zoom = -496.0f;
    trans1 = -40.0f;
    trans2 = 3.0f;
    key('m', 0, 0);
    EXPECT_FLOAT_EQ(rX, 90.0f);
    EXPECT_FLOAT_EQ(rY, 0.0f);
    EXPECT_FLOAT_EQ(zoom, -380.0f);
    EXPECT_FLOAT_EQ(trans1, 0.0f);
    EXPECT_FLOAT_EQ(trans2, 0.0f);
    key('c', 0, 0); // already at the top view
    EXPECT_FLOAT_EQ(rX, 90.0f);
}

TEST_F(Keys, CentreDuringADragIsOverriddenByTheNextMotion) {
    mouseButton(MOUSE_RIGHT, MOUSE_PRESS, 100, 100);
    key('m', 0, 0);
    mouseMotion(100, 100);
    EXPECT_FLOAT_EQ(rX, 30.0f);
    EXPECT_FLOAT_EQ(zoom, -380.0f) << "the right drag does not restore the distance";
}

TEST_F(Keys, SwitchesFlipAndApplyTheirEffect) {
    key('n', 0, 0);
    key('b', 0, 0);
    EXPECT_FALSE(numberShow);
    EXPECT_FALSE(portSign);
    key('n', 0, 0);
    EXPECT_TRUE(numberShow);

    key2(SPECIAL_F2, 0, 0);
    EXPECT_TRUE(fps);
    key2(SPECIAL_F3, 0, 0);
    EXPECT_TRUE(wire);
    EXPECT_TRUE(wireOn);
    key2(SPECIAL_F3, 0, 0);
    EXPECT_FALSE(wire);
    EXPECT_FALSE(wireOn);
    EXPECT_EQ(wireCalls, 2);
    key2(SPECIAL_F4, 0, 0);
    EXPECT_FALSE(light);
    EXPECT_FALSE(lightingOn);
    key2(SPECIAL_F4, 0, 0);
    EXPECT_TRUE(light);
    EXPECT_TRUE(lightingOn);
    EXPECT_EQ(lightingCalls, 2);
    EXPECT_EQ(frameRequests, 8);
    EXPECT_FLOAT_EQ(rX, 30.0f);
}

TEST_F(Keys, EscapeQuitsWithStatusZeroAndNoFrame) {
    key(27, 0, 0);
    EXPECT_EQ(quits, 1);
    EXPECT_EQ(quitStatus, 0);
    EXPECT_EQ(frameRequests, 0);
}

} // namespace
