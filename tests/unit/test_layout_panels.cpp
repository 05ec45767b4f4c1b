// The interface panel table: depth layering of buttons over backgrounds, and that every
// button lies on the background it belongs to.
#include <gtest/gtest.h>

#include <cmath>

#include "render/layout.h"

namespace {

// Window depth with the frustum near 2, far 3300, quantised to a 24-bit depth buffer.
unsigned long windowDepth24(float zEye) {
    const float n = 2, f = 3300;
    const float ndc = (f + n) / (f - n) + 2 * f * n / ((f - n) * zEye);
    return (unsigned long)std::lround((ndc + 1) / 2 * 16777215.0);
}

bool isBackground(int slot) {
    return slot == 0 || slot == 13 || slot == 50 || slot == 71;
}

struct Background {
    int slot;
    float halfWidth, halfHeight;
    int first, last; // the slots that sit on it
};

// Trade panel 1.5 x 2.2, player choice panel 1.2 x 1.5, options panel 0.6 x 1.4.
const Background backgrounds[] = {
    {13, 0.75f, 1.1f, 14, 49},
    {50, 0.6f, 0.75f, 51, 63},
    {71, 0.3f, 0.7f, 65, 70},
};

} // namespace

TEST(LayoutPanels, ButtonsLieAHairInFrontOfTheBackgrounds) {
    for (int i = 0; i < 72; i++) {
        if (isBackground(i))
            EXPECT_EQ(positionI[i][2], -4.0f) << "slot " << i;
        else
            EXPECT_EQ(positionI[i][2], -3.9999f) << "slot " << i;
    }
    // The hair must survive the depth buffer, whichever is drawn first.
    EXPECT_LT(windowDepth24(-3.9999f), windowDepth24(-4.0f));
}

TEST(LayoutPanels, ButtonsSitOnTheirBackgrounds) {
    for (const Background& b : backgrounds) {
        for (int i = b.first; i <= b.last; i++) {
            EXPECT_LE(std::fabs(positionI[i][0] - positionI[b.slot][0]), b.halfWidth)
                << "slot " << i << " beside panel " << b.slot;
            EXPECT_LE(std::fabs(positionI[i][1] - positionI[b.slot][1]), b.halfHeight)
                << "slot " << i << " above or below panel " << b.slot;
        }
    }
    // The main bar (5 x 0.4) carries the cards, dice and buttons of slots 1-12 but the
    // build-cost card (6), and the options button (64).
    for (int i = 1; i <= 64; i++) {
        if (i == 6 || (i > 12 && i < 64)) continue;
        EXPECT_LE(std::fabs(positionI[i][1] - positionI[0][1]), 0.2f) << "slot " << i;
        EXPECT_LE(std::fabs(positionI[i][0]), 2.5f) << "slot " << i;
    }
}

TEST(LayoutPanels, PanelsStayOnTheScreen) {
    // At depth 4 the view spans x -2.5..2.5 and y -2..2.
    for (int i = 0; i < 72; i++) {
        EXPECT_LE(std::fabs(positionI[i][0]), 2.5f) << "slot " << i;
        EXPECT_LE(std::fabs(positionI[i][1]), 2.0f) << "slot " << i;
    }
}
