// The overlay texts: status line, trade panel, seat choice, win message, controls and speed.
#include "overlay.h"

#include <cstdio>

#include "game/ki.h"
#include "game/state.h"
#include "game/view.h"

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
static const char* const strongLabel[5] = {"", "Profi 1", "Profi 2", "Profi 3", "Profi 4"};

// A computer seat is named by how it plays: "Comp. n" the table, "Profi n" the strong one.
static const char* computerName(int k) {
    return kiStrength[k] == KI_STRONG ? strongLabel[k] : computerLabel[k];
}

// Trade panel rows of resources 1-5: heights of the counts and of the row lines.
static const float countRow[5] = {34.9f, 42.5f, 50.3f, 57.9f, 65.7f};
static const float lineRow[5] = {31.3f, 39, 46.7f, 54.5f, 62};
// Trade partner rows of players 1-4, and the seat rows of the player choice screen.
static const float partnerRow[5] = {0, 44, 49.2f, 54.4f, 59.6f};
static const float seatRow[5] = {0, 39.1f, 44.2f, 49.3f, 54.4f};
// Status line columns of the card counts of resources 1-5.
static const float cardColumn[5] = {25, 30, 35, 40, 45};

char s[30];

// Draws s at (X, Y) in layout units, in the given colour.
static void put(float X, float Y, const float* colour) {
    overlayOutput.colour(colour[0], colour[1], colour[2]);
    overlayOutput.text(X * xInterface, Y * yInterface, s);
}

static void label(float X, float Y, const float* colour, const char* text) {
    snprintf(s, sizeof s, "%s", text);
    put(X, Y, colour);
}

static void count(float X, float Y, const float* colour, const char* format, int value) {
    snprintf(s, sizeof s, format, (unsigned)value);
    put(X, Y, colour);
}

static bool isPlayer(int p) {
    return p >= 1 && p <= 4;
}

static bool isComputer(int p) {
    return isPlayer(p) && playerKI[p];
}

// The player's own name as the status line and the win message show it, in his colour.
static void playerName(float X, float Y) {
    if (isComputer(player))
        snprintf(s, sizeof s, "%s", computerName(player));
    else
        snprintf(s, sizeof s, "Spieler %u", (unsigned)player);
    put(X, Y, isPlayer(player) ? titleColour[player] : colourWhite);
}

static void drawStatusLine() {
    playerName(13.5f, 95.5f);
    const float* numbers = colourHighlight;
    const int p = isPlayer(player) ? player : 0;
    count(15.5f, 101, numbers, "%u", resources[p][0]);
    count(18, 101, numbers, "/%u", winPoints);
    for (int k = 0; k < 5; k++) count(cardColumn[k], 101, numbers, "%u", resources[p][k + 1]);
    label(14, 98.3f, numbers, "Punkte");
}

// The offer and the choices made in the dialog stand out while the computer makes them; the
// amounts the bank sets, its rates, the holdings and the headings always do.
static void drawTradePanel() {
    const bool bank = tradePlayer == 0;
    const float* choices = kiTurn > 0 ? colourHighlight : colourWhite;
    const float* fixed = colourHighlight;
    const float* given = bank ? fixed : choices;
    for (int k = 0; k < 5; k++) count(53, countRow[k], choices, "%u", tradeArray[k][1]);
    for (int k = 0; k < 5; k++) count(73.5f, countRow[k], given, "%u", tradeArray[k][0]);
    if (bank) {
        label(59, 39, choices, ">");
        for (int k = 0; k < 5; k++) count(77, lineRow[k], fixed, "%u:1", tradeStep[k]);
        if (tradeItem >= 0 && tradeItem < 5) label(71, lineRow[tradeItem], choices, ">");
    }
    if (isPlayer(tradePlayer)) {
        label(59, partnerRow[tradePlayer], choices, ">");
        for (int k = 0; k < 5; k++) {
            count(48.7f, lineRow[k], fixed, "%u/", resources[tradePlayer][k + 1]);
            count(77, lineRow[k], fixed, "/%u", resources[isPlayer(player) ? player : 0][k + 1]);
        }
    }
    label(49.2f, 26, fixed, "Incoming");
    label(69.5f, 26, fixed, "Outgoing");
    label(60.7f, 39, choices, "Hafen");
}

// The chosen side of each seat is coloured; the arrow on the seat's button points at it.
static void drawPlayerChoice() {
    label(61.6f, 62.3f, colourWhite, "Start");
    for (int k = 1; k <= 4; k++) {
        if (k > 1 && playersPicked < k) continue;
        const float y = seatRow[k];
        const bool computer = playerKI[k];
        label(52, y, computer ? colourWhite : listColour[k], personLabel[k]);
        if (computer)
            label(64.1f, y, colourWhite, ">");
        else
            label(62.6f, y, colourWhite, "<");
        // A person's seat offers the table's computer, which its button makes it.
        label(67.4f, y, computer ? listColour[k] : colourWhite,
              computer ? computerName(k) : computerLabel[k]);
    }
}

// Reads as one sentence: the player's name, "hat im", the move number, "ten Spielzug gewonnen!".
static void drawWinMessage() {
    playerName(43, 50);
    label(52, 50, colourWhite, "hat im");
    count(58.7f, 50, colourHighlight, "%u", runde);
    label(61.2f, 50, colourWhite, "ten Spielzug gewonnen!");
}

static void drawFrameRate() {
    snprintf(s, sizeof s, "%.2f", frameRate);
    put(1, 3, colourBlack);
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
        if (o.on) label(5.5f, o.y, colourWhite, ">");
        label(7, o.y, colourWhite, o.text);
    }
}

static void drawRollSum() {
    label(62, 98, colourHighlight, "+");
    count(75, 98, colourHighlight, "= %u", zufall);
}

// A toggle button's label is greyed while its panel is shown.
static void drawPersonControls() {
    label(1.2f, 96.5f, interfaceToggle ? colourGrey : colourWhite, "Baukosten");
    label(1.7f, 100.5f, options ? colourGrey : colourWhite, "Optionen");
    if (options) drawOptionLabels();

    if (wuerfeln) label(85, 98, colourWhite, "Wuerfeln");
    if (next && !trade && !build) {
        drawRollSum();
        label(97.3f, 98, colourWhite, "Naechster");
        label(85.3f, 98, colourWhite, "Handeln");
    }
    if (next && trade) {
        for (int k = 1; k <= 4; k++) {
            if (k == player || playerKI[k] || k > playersPicked) continue;
            label(60.7f, partnerRow[k], listColour[k], personLabel[k]);
        }
        label(59.6f, 72.4f, colourWhite, "tauschen");
        label(97.3f, 98, colourWhite, "Naechster");
        label(86.4f, 98, colourWhite, "Bauen");
    }
    if (next && build) label(97.3f, 98, colourWhite, "Naechster");
    label(115.2f, 98, colourWhite, "Schliessen");
}

static void drawComputerSpeed() {
    label(1, 6, colourHighlight, "Computer speed:");
    label(19, 6, colourHighlight, fastForward ? ">>>" : ">");
}

void drawOverlayTexts() {
    drawStatusLine();
    if (next && trade) drawTradePanel();
    if (playersChoice) drawPlayerChoice();
    if (win) drawWinMessage();
    if (fps) drawFrameRate();
    if (kiTurn == 0) drawPersonControls();
    // The computer's roll, once the opening placements are over.
    if (kiTurn > KI_ROLL && 4 * playersPicked < firstTime) drawRollSum();
    if (kiTurn > 0) drawComputerSpeed();
    // The scene of the next frame is drawn in the colour the overlay leaves.
    overlayOutput.colour(colourWhite[0], colourWhite[1], colourWhite[2]);
}
