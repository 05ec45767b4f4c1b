// Checks of the game's state: what the rules always keep true, and whether a game read from a
// file is one the rules could have reached.
#pragma once

// What the rules keep true after every pass: no negative card, points equal settlements plus
// twice the cities, every spot record consistent, no two buildings next to each other, every
// road joined to its owner's buildings, and after the opening every building at an own road.
// Returns false and describes the first fault found in problem (size bytes).
bool checkInvariants(char* problem, int size);

// The invariants and everything else a game under way must satisfy: the seats and the target,
// the deal and the spot records made from it, the opening's count of pieces, the roll, the
// trade dialog's values, the phase flags, the computer's state, the take-backs. A game that
// passes can be played on by the rules without reading out of range.
bool checkGame(char* problem, int size);
