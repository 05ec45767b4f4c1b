// The fixed board: which tiles, spots and edges touch, the road chains and the harbours.
#pragma once

// Every table marks a missing entry with -1 (coastal spots and edges have fewer neighbours).

// Land tiles each spot touches, in the order they fill houses fields 0-2 and 3-5.
extern const int spotTiles[54][3];

// Per spot: neighbour spots one edge away [0-2], the edges that meet at the spot [3-5].
extern const int availableCheck1[54][6];

// Per edge: end spots A and B [0-1], the other edges at A [2-3], the other edges at B [4-5].
extern const int availableCheck2[72][6];

// Per spot: up to 18 chains {target spot, first, second, third edge} leading away from it
// without visiting a spot twice; two-edge chains (third edge -1) come first, then three-edge
// chains. The first {-1, -1, -1, -1} entry ends the list.
enum { MAX_PATHS = 18 };
extern const int buildCheck[54][18][4];

// Harbours. A player holds one when he owns a building on either of its spots.
enum { NUM_GENERAL_HARBOUR_SPOTS = 8 };
extern const int generalHarbourSpots[8];     // 3 for 1 in any kind, in the computer's order
extern const int resourceHarbourSpots[5][2]; // by kind - 1: the spots of its 2 for 1 harbour
extern const int harbourSpots[9][2];         // harbour i, whose piece and sign are slot 19 + i, i
extern const int harbourKind[9];             // the kind harbour i takes 2 for 1; 0 general
