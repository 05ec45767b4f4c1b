// What just happened, as the rules report it for the status line.
#include "news.h"
#include "fresh.h"

#include <cstring>

#include "state.h"

int newsKind;
int newsSum;
int newsCards[5][6];
int newsReason;
int newsMove;
int newsSeat;

void resetNews() {
    newsKind = NEWS_NONE;
    newsSum = newsReason = newsMove = newsSeat = 0;
    std::memset(newsCards, 0, sizeof newsCards);
}

[[maybe_unused]] static const bool started = ownsState(resetNews);

static bool seatOnTurn() {
    return player >= 1 && player <= 4;
}

void newsRolled(int sum) {
    resetNews();
    newsKind = NEWS_ROLL;
    newsSum = sum;
}

void newsPaid(int seat, int kind, int cards) {
    if (newsKind != NEWS_ROLL || seat < 1 || seat > 4 || kind < WOOD || kind > CLAY) return;
    newsCards[seat][kind] += cards;
}

void newsMoved(int move) {
    if (!seatOnTurn()) return;
    resetNews();
    newsKind = NEWS_MOVE;
    newsMove = move;
    newsSeat = player;
}

void newsTraded(const int given[6], const int received[6]) {
    if (!seatOnTurn()) return;
    newsMoved(MOVE_TRADE);
    std::memcpy(newsCards[0], given, sizeof newsCards[0]);
    std::memcpy(newsCards[1], received, sizeof newsCards[1]);
}

void newsRefused(int reason) {
    if (!seatOnTurn() || playerKI[player]) return;
    resetNews();
    newsKind = NEWS_REFUSED;
    newsReason = reason;
}

void newsPressTaken() {
    if (newsKind == NEWS_REFUSED) resetNews();
}
