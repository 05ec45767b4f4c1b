// The computer player: its turn machine and its choices.
#pragma once

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
// wish for its target (houseBuild).
void kiRoadSearch(bool opening);

// Settlement click on houseBuild if it is still empty, and the wishes that follow.
void kiSettlement();

// City search: clicks the best of the player's settlements and sets the city wish.
void kiCity();

// One unit of a bank trade. Returns false when nothing is worth trading; otherwise sets
// the kind paid (1-5) and the kind wanted (1-5).
bool kiTradeUnit(int* pay, int* want);
