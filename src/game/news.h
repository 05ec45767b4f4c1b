// What just happened, for the status line: a roll's payout, why a person's click changed
// nothing, the computer's latest move. Written by the rules as it happens; not part of a game
// and never kept with one.
#pragma once

// Back to nothing to tell. Runs once before main.
void resetNews();

// The latest event, overwritten by the next one.
enum NewsKind {
    NEWS_NONE,
    NEWS_ROLL,    // newsSum was rolled and paid newsCards
    NEWS_REFUSED, // a person's click changed nothing, for newsReason
    NEWS_MOVE,    // the computer on turn made newsMove
};
enum NewsReason { REASON_CARDS, REASON_NOTHING_CHOSEN, REASON_NO_PLACE, REASON_PARTNER };
enum NewsMove { MOVE_ROAD, MOVE_SETTLEMENT, MOVE_CITY, MOVE_TRADE };

extern int newsKind;
extern int newsSum;         // NEWS_ROLL: the sum rolled
extern int newsCards[5][6]; // NEWS_ROLL: cards paid to each seat, by kind; NEWS_MOVE of a
                            // trade: [0] the cards given, [1] the cards received, by kind
extern int newsReason;      // NEWS_REFUSED
extern int newsMove;        // NEWS_MOVE
extern int newsSeat;        // NEWS_MOVE: the computer seat that moved

// The rules' reports.
void newsRolled(int sum); // before the payout, which then adds each seat's cards
void newsPaid(int seat, int kind, int cards);
void newsComputerMoved(int move); // by the seat on turn, when it is a computer's
void newsComputerTraded(const int given[6], const int received[6]);

// Around each person's press the pass dispatches: newsPressTaken before the command,
// newsPressDone once the pass has carried it out. A press that changed nothing leaves its
// reason, where the game has one; any other press ends a reason shown before.
void newsPressTaken();
void newsPressDone(int pick);
