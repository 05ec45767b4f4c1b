// The computer player: its turn machine and its choices.
#pragma once

// States of the turn machine in kiTurn (0: no computer turn). The opening variant places one
// settlement and one road; the main-game variant plays a regular turn. Either starts in
// state 1, KI_START, which the rules set when a computer seat's turn begins.
enum KiOpeningState {
    KI_OPENING_START = 1,
    KI_OPENING_SETTLEMENT,
    KI_OPENING_ROAD,
    KI_OPENING_END
};
enum KiState {
    KI_START = 1,  // stamp the time
    KI_ROLL,       // roll the dice
    KI_DECIDE,     // open the bank trade, go building, or end the turn
    KI_TRADE,      // one unit more on the offer, or carry it out
    KI_BUILD,      // the first affordable wish
    KI_ROAD,       // road search and click
    KI_SETTLEMENT, // settlement click on the wished spot
    KI_CITY,       // city search and click
    KI_END_TURN,   // "Naechster"
    KI_END,        // hand the press flags back
};

// The computer's pace: its two delays between steps in ms, a third as long while the left
// button is held during its turn. Set from the mouse; not part of a game.
extern int kiWait1, kiWait2;
extern bool fastForward; // the left button is held during a computer turn
// Back to the normal pace, 1500 and 3000 ms; runs once before main.
void resetPace();

// One step of the computer turn machine at pass time t (ms); does nothing while kiTurn <= 0.
// Runs the opening variant while firstTime <= 4 * playersPicked, the main-game one after.
// Every move is a click through picked and the press flags, dispatched by the next pass.
void kiStep(int t);

// The choices behind the steps, over the current state. None draws a random number.

// Rating of spot x: terrain part times number part over its tiles (desert numbers not
// counted). Leaves the terms in posPoints1/posPoints2 only while rating, the result in
// posPoints.
int kiSpotRating(int x);

bool kiGeneralHarbourSpot(int s); // a 3:1 harbour spot
bool kiSpecialHarbourSpot(int s); // a 2:1 harbour spot of any resource

// Opening settlement: clicks the best spot showing the player's settlement offer (the
// first offered spot when none rates above 0) and notes a general harbour it chose.
void kiOpeningSettlement();

// Path search over the player's buildings. In the opening only paths whose first edge shows
// the player's road offer count; if none rates above 0 the first offered edge is clicked.
// In the main game a free first edge sets the road wish, a complete path the settlement
// wish for its target (houseBuild[player]); no other seat's wishes change.
void kiRoadSearch(bool opening);

// Settlement click on the player's own wished spot houseBuild[player] if it is still empty,
// and the wishes that follow.
void kiSettlement();

// City search: clicks the best of the player's settlements and sets the city wish.
void kiCity();

// One unit of a bank trade. Returns false when nothing is worth trading; otherwise sets
// the kind paid (1-5) and the kind wanted (1-5). The first kind held above its rate and
// reserve decides; with a city wished, a kind its rows leave unasked is grain below 2 or
// else ore below 3, never the kind paid.
bool kiTradeUnit(int* pay, int* want);
