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
bool newsAccepted;
int newsCount;

// A new report begins from nothing.
static void clearNews() {
    newsKind = NEWS_NONE;
    newsSum = newsReason = newsMove = newsSeat = 0;
    newsAccepted = false;
    std::memset(newsCards, 0, sizeof newsCards);
}

static void beginNews(int kind) {
    clearNews();
    newsKind = kind;
    newsCount++;
}

void resetNews() {
    clearNews();
    newsCount = 0;
}

[[maybe_unused]] static const bool started = ownsState(resetNews);

static bool seatOnTurn() {
    return player >= 1 && player <= 4;
}

void newsRolled(int sum) {
    beginNews(NEWS_ROLL);
    newsSum = sum;
}

void newsPaid(int seat, int kind, int cards) {
    if (newsKind != NEWS_ROLL || seat < 1 || seat > 4 || kind < WOOD || kind > CLAY) return;
    newsCards[seat][kind] += cards;
}

void newsMoved(int move) {
    if (!seatOnTurn()) return;
    beginNews(NEWS_MOVE);
    newsMove = move;
    newsSeat = player;
}

static void noteCards(const int given[6], const int received[6]) {
    std::memcpy(newsCards[0], given, sizeof newsCards[0]);
    std::memcpy(newsCards[1], received, sizeof newsCards[1]);
}

void newsTraded(const int given[6], const int received[6]) {
    if (!seatOnTurn()) return;
    newsMoved(MOVE_TRADE);
    noteCards(given, received);
}

void newsAnswered(int seat, bool accepted, const int given[6], const int received[6]) {
    if (!seatOnTurn() || seat < 1 || seat > 4) return;
    beginNews(NEWS_ANSWER);
    newsSeat = seat;
    newsAccepted = accepted;
    noteCards(given, received);
}

void newsRefused(int reason) {
    if (!seatOnTurn() || playerKI[player]) return;
    beginNews(NEWS_REFUSED);
    newsReason = reason;
}

void newsPressTaken() {
    if (newsKind == NEWS_REFUSED) clearNews();
}
