// What just happened, as the rules report it for the status line.
#include "news.h"

#include <cstring>

#include "picks.h"
#include "save.h"
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

[[maybe_unused]] static const bool started = (resetNews(), true);

void newsRolled(int sum) {
    resetNews();
    newsKind = NEWS_ROLL;
    newsSum = sum;
}

void newsPaid(int seat, int kind, int cards) {
    if (newsKind != NEWS_ROLL || seat < 1 || seat > 4 || kind < WOOD || kind > CLAY) return;
    newsCards[seat][kind] += cards;
}

void newsComputerMoved(int move) {
    if (player < 1 || player > 4 || !playerKI[player]) return;
    resetNews();
    newsKind = NEWS_MOVE;
    newsMove = move;
    newsSeat = player;
}

void newsComputerTraded(const int given[6], const int received[6]) {
    if (player < 1 || player > 4 || !playerKI[player]) return;
    newsComputerMoved(MOVE_TRADE);
    std::memcpy(newsCards[0], given, sizeof newsCards[0]);
    std::memcpy(newsCards[1], received, sizeof newsCards[1]);
}

// The game as it stood when the press was taken.
static unsigned char beforePress[KEPT_GAME_ROOM];
static int beforePressSize;

void newsPressTaken() {
    gameChanged(beforePress, &beforePressSize);
}

static bool inRange(int pick, int base, int count) {
    return pick > base && pick <= base + count;
}

// The reason the rules had for refusing a press, or -1 where a press simply does nothing.
static int reasonFor(int pick) {
    if (trade && (inRange(pick, PICK_IN_PLUS, 5) || inRange(pick, PICK_OUT_PLUS, 5)))
        return REASON_CARDS;
    if (trade && (pick == PICK_TRADE_GO || inRange(pick, PICK_IN_MINUS, 5) ||
                  inRange(pick, PICK_OUT_MINUS, 5)))
        return REASON_NOTHING_CHOSEN;
    if (trade && inRange(pick, PICK_PARTNERS, 4)) return REASON_PARTNER;
    const bool onBoard = pick == PICK_NONE || pickedSpot(pick) >= 0 || pickedEdge(pick) >= 0;
    if (build && !trade && onBoard) return REASON_NO_PLACE;
    return -1;
}

void newsPressDone(int pick) {
    if (gameChanged(beforePress, &beforePressSize)) {
        if (newsKind == NEWS_REFUSED) resetNews();
        return;
    }
    const int reason = reasonFor(pick);
    if (reason < 0) return;
    resetNews();
    newsKind = NEWS_REFUSED;
    newsReason = reason;
}
