// Fixed game positions, drawn by the picture check and timed by the benchmark.
#pragma once

// Four seats, persons on 1 and 3, dealt from a fixed seed: the opening's first turn, with its
// build offers.
void startPosition();

// Buildings of all four players on every fourth free spot, each with its roads (at most
// maxRoads in all), and their points. Returns the number of buildings; roads in *roads.
int placePieces(int maxRoads, int* roads);

// Player 2 in the middle of a turn: rolled, cards in hand, the bank trade open with an offer
// on the table, and the roll shown with the dialog; the pieces of placePieces.
void midGame();
