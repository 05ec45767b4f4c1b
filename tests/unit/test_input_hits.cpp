// Pick reduction: which hit record becomes the pick, and records it must never read.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "game/picks.h"
#include "game/state.h"
#include "input/input.h"

namespace {

// Builds selection-buffer records of one name each: names, minimum depth, maximum depth, name.
struct Hits {
    std::vector<unsigned int> words;
    int count = 0;
    Hits& add(unsigned int name, unsigned int depth) {
        words.insert(words.end(), {1u, depth, depth, name});
        count++;
        return *this;
    }
    void reduce() { processHits(count, words.data(), (int)words.size()); }
};

const unsigned int overlay = 0x7fffffffu; // window depth 0.5: the overlay texts
const unsigned int panel = 0x80140000u;   // about 0.5003: interface panels
const unsigned int button = 0x8013f000u;  // a hair nearer: a button on its panel
const unsigned int board = 0xf6000000u;   // 0.96: the board

TEST(PickReduction, NearestRecordBeforeTheOverlayWins) {
    picked = 7;
    Hits h;
    h.add(0, 0xfff00000u).add(0, board).add(112, board - 5000).add(0, panel).add(313, panel);
    h.add(314, button).add(0, overlay).reduce();
    EXPECT_EQ(picked, PICK_TRADE_GO); // the button in front of its panel

    Hits board_only;
    board_only.add(0, 0xfff00000u).add(0, board).add(105, board - 100).add(230, board + 10);
    board_only.add(0, board - 50).add(0, overlay).reduce();
    EXPECT_EQ(picked, spotPick(5)); // farther and later records do not displace the spot

    Hits water;
    water.add(0, 0xfff00000u).add(0, board).add(0, overlay).reduce();
    EXPECT_EQ(picked, 0);
}

TEST(PickReduction, PreviousOfTheLastImprovementNotTheNearestOverall) {
    // A nearer record after the overlay's is the last improvement; the overlay becomes previous.
    Hits h;
    h.add(150, board).add(0, overlay).add(201, overlay - 1).reduce();
    EXPECT_EQ(picked, 0);
}

TEST(PickReduction, EqualDepthKeepsTheEarlierRecord) {
    Hits h;
    h.add(0, board).add(110, board - 10).add(210, board - 10).add(0, overlay).reduce();
    EXPECT_EQ(picked, spotPick(10));
}

// Whatever was picked before must not run again: nothing usable picks 0.
TEST(PickReduction, NothingToTakePicksNothing) {
    const unsigned int buffer[4] = {1, 5, 5, 123};

    picked = 42;
    processHits(0, buffer, 4);
    EXPECT_EQ(picked, 0);

    picked = 42;
    processHits(-1, buffer, 4); // the selection buffer overflowed
    EXPECT_EQ(picked, 0);

    picked = 42;
    Hits single;
    single.add(310, overlay).reduce(); // the only improvement is also the last: no previous
    EXPECT_EQ(picked, 0);

    picked = 42;
    Hits descending;
    descending.add(0, board).add(0, board + 1).add(0, board + 2).reduce();
    EXPECT_EQ(picked, 0); // the first record is the only improvement

    picked = 42;
    const unsigned int far[4] = {1, 0xffffffffu, 0xffffffffu, 9};
    processHits(1, far, 4); // never improves on the start value
    EXPECT_EQ(picked, 0);
}

TEST(PickReduction, NeverReadsPastTheBuffer) {
    // Claimed counts larger than the buffer holds stop at its end, on a heap block sized
    // exactly to the records so that the sanitizer catches any stray read.
    picked = 42;
    Hits h;
    h.add(0, board).add(120, board - 1).add(0, overlay);
    std::vector<unsigned int> exact(h.words);
    processHits(1000, exact.data(), (int)exact.size());
    EXPECT_EQ(picked, spotPick(20));

    // A record whose name count runs beyond the buffer is not taken.
    picked = 42;
    std::vector<unsigned int> cut = {1, board, board, 130, 9, overlay, overlay};
    processHits(2, cut.data(), (int)cut.size());
    EXPECT_EQ(picked, 0);

    // A record with no names cannot give a pick name.
    picked = 42;
    std::vector<unsigned int> empty = {0, board, board, 1, overlay, overlay, 0};
    processHits(2, empty.data(), (int)empty.size());
    EXPECT_EQ(picked, 0);
}

TEST(PickReduction, RecordsWithSeveralNamesAreSteppedOver) {
    std::vector<unsigned int> w = {2,         board, board, 0,       0,       1, board - 1,
                                   board - 1, 140,   1,     overlay, overlay, 0};
    processHits(3, w.data(), (int)w.size());
    EXPECT_EQ(picked, spotPick(40));
}

// The selection passes of a press, by the side of their square: the 5 x 5 region and the
// pointer's own pixel.
Hits region, pixel;
int passes;
int fakeSelect(int side, unsigned int* buffer) {
    const Hits& h = side == 1 ? pixel : region;
    std::copy(h.words.begin(), h.words.end(), buffer);
    passes++;
    return h.count;
}

// A city offer with a road offer in front of it within the 5 x 5 region: the road was the
// nearer record, but the pointer's own pixel shows the city. Only the case of a spot and an
// edge both in the region asks the pixel; a panel in front, or a pixel between the two,
// keeps the nearest record.
TEST(PickReduction, ASpotAndAnEdgeInTheRegionGoToThePointersPixel) {
    auto press = [](Hits r, Hits p) {
        region = r, pixel = p, passes = 0;
        pickPress(fakeSelect);
        return picked;
    };
    Hits spotBehindEdge;
    spotBehindEdge.add(0, board).add(112, board - 100).add(230, board - 200).add(0, overlay);
    Hits onTheSpot;
    onTheSpot.add(0, board).add(112, board - 100).add(0, overlay);
    EXPECT_EQ(press(spotBehindEdge, onTheSpot), spotPick(12));
    EXPECT_EQ(passes, 2);
    Hits onTheTile;
    onTheTile.add(0, board).add(0, overlay);
    EXPECT_EQ(press(spotBehindEdge, onTheTile), edgePick(30)) << "between them: the nearer";

    Hits edgeAlone;
    edgeAlone.add(0, board).add(230, board - 200).add(0, overlay);
    EXPECT_EQ(press(edgeAlone, onTheSpot), edgePick(30));
    EXPECT_EQ(passes, 1);
    Hits buttonOverBoth(spotBehindEdge);
    buttonOverBoth.words.resize(buttonOverBoth.words.size() - 4);
    buttonOverBoth.count--;
    buttonOverBoth.add(310, button).add(0, overlay);
    EXPECT_EQ(press(buttonOverBoth, onTheSpot), PICK_MAIN);
    EXPECT_EQ(passes, 1);
}

} // namespace
