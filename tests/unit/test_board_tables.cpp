// The board tables agree with each other and with the shape of the board.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "game/board.h"
#include "game/state.h"

namespace {

std::vector<int> edgesAt(int s) {
    std::vector<int> v;
    for (int i = 3; i < 6; i++)
        if (availableCheck1[s][i] >= 0) v.push_back(availableCheck1[s][i]);
    return v;
}

int otherEnd(int e, int s) {
    return availableCheck2[e][0] == s ? availableCheck2[e][1] : availableCheck2[e][0];
}

bool isEndOf(int e, int s) {
    return availableCheck2[e][0] == s || availableCheck2[e][1] == s;
}

TEST(BoardTables, SpotsAndEdgesDescribeTheSameGraph) {
    int edgeEnds = 0;
    for (int s = 0; s < NUM_SPOTS; s++) {
        std::multiset<int> neighbours, farEnds;
        for (int i = 0; i < 3; i++)
            if (availableCheck1[s][i] >= 0) neighbours.insert(availableCheck1[s][i]);
        for (int e : edgesAt(s)) {
            ASSERT_GE(e, 0);
            ASSERT_LT(e, NUM_EDGES);
            EXPECT_TRUE(isEndOf(e, s)) << "edge " << e << " listed at spot " << s;
            farEnds.insert(otherEnd(e, s));
            edgeEnds++;
        }
        EXPECT_EQ(neighbours, farEnds) << "spot " << s;
        EXPECT_EQ(neighbours.size(), edgesAt(s).size()) << "spot " << s;
        EXPECT_GE(neighbours.size(), 2u) << "spot " << s;
        EXPECT_EQ(neighbours.count(s), 0u) << "spot " << s;
    }
    EXPECT_EQ(edgeEnds, 2 * NUM_EDGES);

    for (int e = 0; e < NUM_EDGES; e++) {
        int a = availableCheck2[e][0], b = availableCheck2[e][1];
        ASSERT_TRUE(a >= 0 && a < NUM_SPOTS && b >= 0 && b < NUM_SPOTS) << "edge " << e;
        EXPECT_NE(a, b);
        for (int side = 0; side < 2; side++) {
            int end = side ? b : a;
            std::set<int> listed, expected;
            for (int i = 2 + 2 * side; i < 4 + 2 * side; i++)
                if (availableCheck2[e][i] >= 0) listed.insert(availableCheck2[e][i]);
            for (int f : edgesAt(end))
                if (f != e) expected.insert(f);
            EXPECT_EQ(listed, expected) << "edge " << e << " end " << end;
        }
    }
}

TEST(BoardTables, TilesHaveSixCornersAndSpotsOneToThreeTiles) {
    int corners[NUM_TILES] = {0};
    int perCount[4] = {0};
    for (int s = 0; s < NUM_SPOTS; s++) {
        int n = 0;
        std::set<int> seen;
        for (int j = 0; j < 3; j++) {
            int t = spotTiles[s][j];
            if (t < 0) {
                for (int j2 = j; j2 < 3; j2++) EXPECT_LT(spotTiles[s][j2], 0) << "gap at " << s;
                break;
            }
            ASSERT_LT(t, NUM_TILES);
            EXPECT_TRUE(seen.insert(t).second) << "tile " << t << " twice at spot " << s;
            corners[t]++;
            n++;
        }
        EXPECT_GE(n, 1) << "spot " << s;
        perCount[n]++;
        // Only a corner that sticks out into the sea, touching one tile, has two roads.
        EXPECT_EQ(n == 1, edgesAt(s).size() == 2) << "spot " << s;
    }
    for (int t = 0; t < NUM_TILES; t++) EXPECT_EQ(corners[t], 6) << "tile " << t;
    EXPECT_EQ(perCount[1] + perCount[2] + perCount[3], NUM_SPOTS);
    EXPECT_EQ(perCount[1] + 2 * perCount[2] + 3 * perCount[3], 6 * NUM_TILES);

    // Neighbouring spots share a tile; so do the two ends of every edge.
    for (int e = 0; e < NUM_EDGES; e++) {
        int a = availableCheck2[e][0], b = availableCheck2[e][1];
        bool shared = false;
        for (int i = 0; i < 3; i++)
            for (int j = 0; j < 3; j++)
                shared |= spotTiles[a][i] >= 0 && spotTiles[a][i] == spotTiles[b][j];
        EXPECT_TRUE(shared) << "edge " << e;
    }
}

TEST(BoardTables, TheCoastAndTheNamedChainsAreWhereTheBoardPutsThem) {
    EXPECT_EQ(std::set<int>(availableCheck1[0], availableCheck1[0] + 3), (std::set<int>{1, 8, -1}));
    EXPECT_EQ(std::set<int>(availableCheck1[0] + 3, availableCheck1[0] + 6),
              (std::set<int>{0, 1, -1}));
    auto hasChain = [](int s, int t, std::vector<int> chain) {
        for (int j = 0; j < MAX_PATHS; j++) {
            const int* en = buildCheck[s][j];
            if (en[0] == t && std::vector<int>(en + 1, en + 4) == chain) return true;
        }
        return false;
    };
    EXPECT_TRUE(hasChain(13, 25, {20, 21, 22}));
    EXPECT_TRUE(hasChain(17, 30, {25, 26, 42}));
}

// Every entry is a chain of edges from the spot to its target that never visits a spot
// twice; the lists hold exactly all such chains of two and three edges, short ones first.
TEST(BoardTables, PathListsAreAllShortChainsFromTheirSpot) {
    std::multiset<int> sizes;
    for (int s = 0; s < NUM_SPOTS; s++) {
        int used = 0;
        while (used < MAX_PATHS && buildCheck[s][used][0] >= 0) used++;
        for (int j = used; j < MAX_PATHS; j++)
            for (int i = 0; i < 4; i++) EXPECT_EQ(buildCheck[s][j][i], -1) << s << "/" << j;
        sizes.insert(used);

        std::set<std::vector<int>> listed;
        bool threeSeen = false;
        for (int j = 0; j < used; j++) {
            const int* en = buildCheck[s][j];
            int length = en[3] < 0 ? 2 : 3;
            if (length == 3) threeSeen = true;
            EXPECT_FALSE(length == 2 && threeSeen) << "short chain after a long one at " << s;
            int at = s;
            std::set<int> visited = {s};
            for (int i = 1; i <= length; i++) {
                int e = en[i];
                ASSERT_TRUE(e >= 0 && e < NUM_EDGES) << s << "/" << j;
                ASSERT_TRUE(isEndOf(e, at)) << "edge " << e << " does not leave " << at;
                at = otherEnd(e, at);
                EXPECT_TRUE(visited.insert(at).second) << "spot " << at << " twice, " << s;
            }
            EXPECT_EQ(at, en[0]) << "chain " << j << " of spot " << s;
            EXPECT_TRUE(listed.insert(std::vector<int>(en + 1, en + 1 + length)).second)
                << "chain listed twice at " << s;
        }

        int all = 0;
        for (int e1 : edgesAt(s)) {
            int a1 = otherEnd(e1, s);
            for (int e2 : edgesAt(a1)) {
                int a2 = otherEnd(e2, a1);
                if (a2 == s) continue;
                all++;
                EXPECT_TRUE(listed.count({e1, e2})) << s << ": " << e1 << " " << e2;
                for (int e3 : edgesAt(a2)) {
                    int a3 = otherEnd(e3, a2);
                    if (a3 == s || a3 == a1) continue;
                    all++;
                    EXPECT_TRUE(listed.count({e1, e2, e3})) << s << ": " << e1 << " " << e2;
                }
            }
        }
        EXPECT_EQ(all, used) << "spot " << s;
    }
    for (int n : sizes) EXPECT_TRUE(n == 8 || n == 10 || n == 11 || n == 16 || n == 18) << n;
    EXPECT_EQ(std::set<int>(sizes.begin(), sizes.end()), (std::set<int>{8, 10, 11, 16, 18}));
}

TEST(BoardTables, HarboursLieOnCoastalEdges) {
    std::set<int> seen;
    int general = 0;
    for (int h = 0; h < NUM_HARBOURS; h++) {
        int a = harbourSpots[h][0], b = harbourSpots[h][1];
        bool joined = false;
        for (int e : edgesAt(a)) joined |= otherEnd(e, a) == b;
        EXPECT_TRUE(joined) << "harbour " << h;
        EXPECT_LT(edgesAt(a).size() + edgesAt(b).size(), 6u) << "harbour " << h << " inland";
        EXPECT_TRUE(seen.insert(a).second && seen.insert(b).second) << "harbour " << h;
        int kind = harbourKind[h];
        if (kind == 0) {
            general++;
            int found = 0;
            for (int i = 0; i < NUM_GENERAL_HARBOUR_SPOTS; i++)
                found += generalHarbourSpots[i] == a || generalHarbourSpots[i] == b;
            EXPECT_EQ(found, 2) << "harbour " << h;
        } else {
            EXPECT_EQ(std::set<int>({a, b}), std::set<int>(resourceHarbourSpots[kind - 1],
                                                           resourceHarbourSpots[kind - 1] + 2));
        }
    }
    EXPECT_EQ(general, 4);
    EXPECT_EQ(seen.size(), 18u);
}

} // namespace
