// The computer player: its turn machine and its choices, of the table and of the strong seat.
#pragma once
#include "rules.h"

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
    KI_OFFER,      // the trader: one click towards its next offer to a computer seat
    KI_LAST = KI_OFFER
};

// The computer's pace: its two delays between steps in ms, 1500 and 3000 at the normal pace,
// a third as long at the fast one, and a third again as long while the left button is held
// during its turn. Set from the mouse and the settings; not part of a game.
extern int kiWait1, kiWait2;
extern bool fastForward;   // the left button is held during a computer turn
extern bool fastComputers; // the configured pace is the fast one; no owner's, it lasts the run
// The button held or let go; the delays follow.
void holdPace(bool held);
// Back to the configured pace with the button let go; runs before main and for every new game.
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

// The first wish of seat p, in the order road, settlement, city, whose cards it does not
// hold yet: the piece it is saving for, or -1 when it holds the cards of every wish.
int kiWishedPiece(int p);

// Cards of a kind seat p could part with by its trade steps: once it holds more than its bank
// rate and the reserve its step keeps of the kind, all but that reserve and the one card more
// a step always leaves; else none.
int kiSpareCards(int p, int kind);

// The computer seat q's answer to the offer on the table from the seat on turn. Never when the
// exchange would let the asker end this turn with the points to win, nor for cards q does not
// hold; a "Profi" takes it when it raises the value of q's position, a "Comp." when it brings
// q nearer the cards of the piece it saves for and costs it only cards it could spare.
bool partnerAccepts(int q);

// The trader (kiStrength KI_TRADER): the table's computer that in each of its turns, before
// anything else, asks every computer seat in seat order for each one-for-one trade a person
// could offer towards its wish (a card it lacks for it against one it holds beyond it), and
// takes those accepted. The simulator measures the partners with it.
bool traderSeat();
enum { TRADER_OFFERS = 4 * 5 * 5 }; // by partner, kind wanted and kind paid: kiOffer's range

// The strong computer (kiStrength KI_STRONG). It tries each legal action on the game state
// and takes it back, and compares the positions they lead to by one value of the seat's
// prospects; it keeps nothing of its own from one pass to the next.

bool strongSeat(); // the seat on turn is played by the strong computer

// What the machine does in its current step for the seat on turn: in the opening the
// settlement or road that is due; in a regular turn the first step of the best plan for the
// rest of the turn, a unit of bank trade (planned only while the trade dialog may still be
// used), a build, or ACT_END_TURN. An offer on the table counts as carried out. Leaves the
// game state as it found it.
Action strongDecision();
// The value of seat p's position as the strong computer weighs it, in victory points.
float strongValue(int p);

// What the value of a position is made of; one table, tuned with the simulator. Production
// is counted in expected cards per roll; every worth is in the units of `point`.
struct StrongWeights {
    float point;      // a victory point
    float win;        // the points to win reached
    float kind[6];    // one card a roll, by kind (index 0 unused)
    float saturation; // cards a roll of one kind at which they count half: x / (1 + x / s)
    float trade;      // each card a roll counted once more at its bank rate, any kind
    float horizon;    // production's worth while the whole target lies ahead; it falls
                      // with the points still missing
    float reach;      // the best free spot the seat's roads can reach, as its production
    float second;     // the second best, as a share of that
    float roadDecay;  // the share of a spot's worth kept per road still to build to it
    float hand;       // the build the cards in hand come nearest to, as a share of its worth
    float handCurve;  // exponent of the share of that build's cost held, a whole number
    float card;       // each card in hand
    float pair;       // the opening's first settlement: the position after the second, as a
                      // share added to the position after the first
};
extern StrongWeights strongWeights;
// Sets one weight by its field name (kind by kind: wood, wool, grain, ore, clay); false for
// an unknown name. For tuning runs of the simulator.
bool setStrongWeight(const char* name, float value);
