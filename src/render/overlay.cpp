// The overlay texts: status line, trade panel, seat choice, win message, controls and speed.
#include "overlay.h"

#include <cstdio>

#include "game/state.h"

static void noColour(float, float, float) {}
static void noText(float, float, const char*) {}

OverlayOutput overlayOutput = {noColour, noText};

const float colourWhite[3] = {1, 1, 1};
const float colourHighlight[3] = {1, 1, 0.3f};
const float colourGrey[3] = {0.3f, 0.3f, 0.3f};
const float colourBlack[3] = {0, 0, 0};
const float titleColour[5][3] = {
    {1, 1, 1}, // nobody: unused
    {1, 0, 0}, {0, 0, 1}, {0, 1, 0}, {1, 0, 1},
};
const float listColour[5][3] = {
    {1, 1, 1}, // nobody: unused
    {1, 0, 0}, {0, 0, 1}, {0.4f, 0.91f, 0}, {0.51f, 0, 0.91f},
};

static const char* const personLabel[5] = {"", "Spieler 1", "Spieler 2", "Spieler 3", "Spieler 4"};
static const char* const computerLabel[5] = {"", "Comp. 1", "Comp. 2", "Comp. 3", "Comp. 4"};

// Trade panel rows of resources 1-5: heights of the counts and of the row lines.
static const float countRow[5] = {34.9f, 42.5f, 50.3f, 57.9f, 65.7f};
static const float lineRow[5] = {31.3f, 39, 46.7f, 54.5f, 62};
// Trade partner rows of players 1-4, and the seat rows of the player choice screen.
static const float partnerRow[5] = {0, 44, 49.2f, 54.4f, 59.6f};
static const float seatRow[5] = {0, 39.1f, 44.2f, 49.3f, 54.4f};
// Status line columns of the card counts of resources 1-5.
static const float cardColumn[5] = {25, 30, 35, 40, 45};

static void setColour(const float* c) {
    overlayOutput.colour(c[0], c[1], c[2]);
}

// Draws s at (X, Y) in layout units.
static void put(float X, float Y) {
    overlayOutput.text(X * xInterface, Y * yInterface, s);
}

static void label(float X, float Y, const char* text) {
    snprintf(s, sizeof s, "%s", text);
    put(X, Y);
}

static void count(float X, float Y, const char* format, int value) {
    snprintf(s, sizeof s, format, (unsigned)value);
    put(X, Y);
}

static bool isPlayer(int p) {
    return p >= 1 && p <= 4;
}

static bool isComputer(int p) {
    return isPlayer(p) && playerKI[p];
}

// The player's own name as the status line and the win message show it.
static void playerName(float X, float Y) {
    snprintf(s, sizeof s, isComputer(player) ? "Comp. %u" : "Spieler %u", (unsigned)player);
    put(X, Y);
}

static void drawStatusLine() {
    setColour(colourWhite);
    if (isPlayer(player)) setColour(titleColour[player]);
    playerName(13.5f, 95.5f);
    setColour(colourHighlight);
    const int p = isPlayer(player) ? player : 0;
    count(15.5f, 101, "%u", resources[p][0]);
    count(18, 101, "/%u", winPoints);
    for (int k = 0; k < 5; k++) count(cardColumn[k], 101, "%u", resources[p][k + 1]);
    label(14, 98.3f, "Punkte");
    setColour(colourWhite);
}

static void drawTradePanel() {
    if (kiTurn > 0) setColour(colourHighlight);
    for (int k = 0; k < 5; k++) count(53, countRow[k], "%u", tradeArray[k][1]);

    if (tradePlayer == 0) setColour(colourHighlight);
    for (int k = 0; k < 5; k++) count(73.5f, countRow[k], "%u", tradeArray[k][0]);
    if (tradePlayer == 0) setColour(colourWhite);

    if (tradePlayer == 0) {
        if (kiTurn > 0) setColour(colourHighlight);
        label(59, 39, ">");
        setColour(colourHighlight);
        for (int k = 0; k < 5; k++) count(77, lineRow[k], "%u:1", tradeStep[k]);
        setColour(colourWhite);
        if (kiTurn > 0) setColour(colourHighlight);
        if (tradeItem >= 0 && tradeItem < 5) label(71, lineRow[tradeItem], ">");
    }
    if (isPlayer(tradePlayer)) label(59, partnerRow[tradePlayer], ">");

    setColour(colourHighlight);
    if (isPlayer(tradePlayer)) {
        for (int k = 0; k < 5; k++) {
            count(48.7f, lineRow[k], "%u/", resources[tradePlayer][k + 1]);
            count(77, lineRow[k], "/%u", resources[isPlayer(player) ? player : 0][k + 1]);
        }
    }
    label(49.2f, 26, "Incoming");
    label(69.5f, 26, "Outgoing");
    if (kiTurn == 0) setColour(colourWhite);
    label(60.7f, 39, "Hafen");
    setColour(colourWhite);
}

// The chosen side of each seat is coloured; the arrow on the seat's button points at it.
static void drawPlayerChoice() {
    label(61.6f, 62.3f, "Start");
    for (int k = 1; k <= 4; k++) {
        if (k > 1 && playersPicked < k) continue;
        const float y = seatRow[k];
        if (!playerKI[k]) {
            setColour(listColour[k]);
            label(52, y, personLabel[k]);
            setColour(colourWhite);
            label(62.6f, y, "<");
            label(67.4f, y, computerLabel[k]);
        } else {
            setColour(colourWhite);
            label(52, y, personLabel[k]);
            label(64.1f, y, ">");
            setColour(listColour[k]);
            label(67.4f, y, computerLabel[k]);
            setColour(colourWhite);
        }
    }
}

// Reads as one sentence: the player's name, "hat im", the move number, "ten Spielzug gewonnen!".
static void drawWinMessage() {
    if (isPlayer(player)) setColour(titleColour[player]);
    playerName(43, 50);
    setColour(colourWhite);
    label(52, 50, "hat im");
    setColour(colourHighlight);
    count(58.7f, 50, "%u", runde);
    setColour(colourWhite);
    label(61.2f, 50, "ten Spielzug gewonnen!");
}

static void drawFrameRate() {
    setColour(colourBlack);
    snprintf(s, sizeof s, "%.2f", frameRate);
    put(1, 3);
    setColour(colourWhite);
}

static bool cameraCentred() {
    return rX == 90 && rY == 0 && zoom == -380 && trans1 == 0 && trans2 == 0;
}

static void drawOptionLabels() {
    const struct {
        const char* text;
        float y;
        bool on;
    } option[6] = {
        {"Licht", 31.5f, light},       {"Frames", 36.5f, fps},
        {"Wire", 41.7f, wire},         {"Center", 46.9f, cameraCentred()},
        {"Zahlen", 52.1f, numberShow}, {"Zeichen", 57.3f, portSign},
    };
    for (const auto& o : option) {
        if (o.on) label(5.5f, o.y, ">");
        label(7, o.y, o.text);
    }
}

static void drawRollSum() {
    setColour(colourHighlight);
    label(62, 98, "+");
    count(75, 98, "= %u", zufall);
    setColour(colourWhite);
}

static void drawPersonControls() {
    if (interfaceToggle) setColour(colourGrey);
    label(1.2f, 96.5f, "Baukosten");
    if (interfaceToggle) setColour(colourWhite);
    if (options) setColour(colourGrey);
    label(1.7f, 100.5f, "Optionen");
    if (options) setColour(colourWhite);
    if (options) drawOptionLabels();

    if (wuerfeln) label(85, 98, "Wuerfeln");
    if (next && !trade && !build) {
        drawRollSum();
        label(97.3f, 98, "Naechster");
        label(85.3f, 98, "Handeln");
    }
    if (next && trade) {
        for (int k = 1; k <= 4; k++) {
            if (k == player || playerKI[k] || k > playersPicked) continue;
            setColour(listColour[k]);
            label(60.7f, partnerRow[k], personLabel[k]);
        }
        setColour(colourWhite);
        label(59.6f, 72.4f, "tauschen");
        label(97.3f, 98, "Naechster");
        label(86.4f, 98, "Bauen");
    }
    if (next && build) label(97.3f, 98, "Naechster");
    label(115.2f, 98, "Schliessen");
}

static void drawComputerSpeed() {
    setColour(colourHighlight);
    label(1, 6, "Computer speed:");
    label(19, 6, fastForward ? ">>>" : ">");
    setColour(colourWhite);
}

void drawOverlayTexts() {
    drawStatusLine();
    if (next && trade) drawTradePanel();
    if (playersChoice) drawPlayerChoice();
    if (win) drawWinMessage();
    if (fps) drawFrameRate();
    if (kiTurn == 0) drawPersonControls();
    // The computer's roll, once the opening placements are over.
    if (kiTurn > 2 && 4 * playersPicked < firstTime) drawRollSum();
    if (kiTurn > 0) drawComputerSpeed();
}
