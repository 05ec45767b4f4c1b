// What just happened, for the status line: a roll's payout, what the seat on turn built,
// traded or took back, a computer seat's answer to an offer, why the rules refused a person's
// press. Reported by the rules where
// they decide; not part of a game and never kept with one.
#pragma once

// Back to nothing to tell. Runs before main and for every new game.
void resetNews();

// The latest event, overwritten by the next one.
enum NewsKind {
    NEWS_NONE,
    NEWS_ROLL,    // newsSum was rolled and paid newsCards
    NEWS_REFUSED, // the rules refused a person's press, for newsReason
    NEWS_MOVE,    // the seat on turn made newsMove
    NEWS_ANSWER,  // computer seat newsSeat answered an offer: newsAccepted, for newsCards
};
// Why a press was refused: the cards for it are missing (the player's, or a trade partner's);
// the offer holds nothing to take off or to trade; the place is taken; trades are only made
// with the other people at the table.
enum NewsReason { REASON_CARDS, REASON_NOTHING_CHOSEN, REASON_TAKEN, REASON_PARTNER };
// What a seat did: built a road, a settlement or a city, traded, took a piece back.
enum NewsMove {
    MOVE_ROAD,
    MOVE_SETTLEMENT,
    MOVE_CITY,
    MOVE_TRADE,
    MOVE_TAKE_BACK, // + the piece (rules.h): a road, a settlement, a city
};

extern int newsKind;
extern int newsSum;         // NEWS_ROLL: the sum rolled
extern int newsCards[5][6]; // NEWS_ROLL: cards paid to each seat, by kind; NEWS_MOVE of a
                            // trade and NEWS_ANSWER: [0] the cards the seat on turn gives,
                            // [1] the cards it receives, by kind
extern int newsReason;      // NEWS_REFUSED
extern int newsMove;        // NEWS_MOVE
extern int newsSeat;        // NEWS_MOVE: the seat that moved; NEWS_ANSWER: the one asked
extern bool newsAccepted;   // NEWS_ANSWER
extern int newsCount;       // reports since the start, to tell a new one from the last

// The rules' reports.
void newsRolled(int sum); // before the payout, which then adds each seat's cards
void newsPaid(int seat, int kind, int cards);
void newsMoved(int move); // by the seat on turn
void newsTraded(const int given[6], const int received[6]);
// Computer seat `seat` took or refused the offer of the seat on turn.
void newsAnswered(int seat, bool accepted, const int given[6], const int received[6]);
// A command refused for `reason`: told while a person is on turn; the computer's own clicks
// are its business.
void newsRefused(int reason);

// A person's press is about to be dispatched: a refusal told before is over.
void newsPressTaken();
