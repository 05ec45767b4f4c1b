// The scene as the computer sees it without a window: texture names and the offers it finds.
#include <gtest/gtest.h>

#include "platform/platform.h"
#include "assets/catalogue.h"
#include "game/idle.h"
#include "game/ki.h"
#include "game/rules.h"
#include "game/picks.h"
#include "game/state.h"

namespace {

int now = 0;
int fakeClock() {
    return now;
}

TEST(KiScene, TextureNamesWithoutAWindowFollowTheCatalogue) {
    initScene();
    EXPECT_EQ(objectF0.texture_id, 0);
    EXPECT_EQ(objectF7.texture_id, 7);
    EXPECT_EQ(object1.texture_id, 8);
    EXPECT_EQ(object12.texture_id, 19);
    EXPECT_EQ(sky[0], 32);
    EXPECT_EQ(interfaceP.texture_id, 76);
    for (int p = 1; p <= 4; p++) {
        EXPECT_EQ(buildV[3 * p].texture_id, 27 + p) << "road offer of player " << p;
        EXPECT_EQ(buildV[3 * p + 1].texture_id, 19 + p) << "settlement offer of player " << p;
        EXPECT_EQ(buildV[3 * p + 2].texture_id, 23 + p) << "city offer of player " << p;
    }
}

// After the deal the opening offers stand in the slots; the computer must find them there.
TEST(KiScene, OpeningSearchesFindTheOffersOfARealStart) {
    initScene();
    platform.milliseconds = fakeClock;
    winPoints = 10;
    playerKI[1] = playerKI[2] = true;
    now = 4321;
    postClick(PICK_START);
    idle();
    ASSERT_FALSE(playersChoice);

    kiOpeningSettlement();
    const int s = pickedSpot(picked);
    ASSERT_GE(s, 0);
    EXPECT_TRUE(settlementAllowed(s));
    for (int other = 0; other < 54; other++) {
        if (settlementAllowed(other)) { EXPECT_LE(kiSpotRating(other), kiSpotRating(s)); }
    }

    now += 10;
    idle(); // places it and puts up the road offers
    ASSERT_EQ(houses[s][SPOT_OWNER], 1);
    kiRoadSearch(true);
    ASSERT_GE(pickedEdge(picked), 0);
    EXPECT_TRUE(roadAllowed(pickedEdge(picked)));
}

} // namespace
