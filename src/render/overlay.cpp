// The overlay texts: status line, trade panel, seat choice, win message, controls and speed.
#include "overlay.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "assets/catalogue.h"
#include "game/ki.h"
#include "game/news.h"
#include "game/picks.h"
#include "game/rules.h"
#include "game/save.h"
#include "game/settings.h"
#include "game/state.h"
#include "game/view.h"
#include "layout.h"
#include "platform/language.h"
#include "platform/platform.h"

static void noColour(float, float, float) {}
static void noText(float, float, const char*) {}
// Without a window a glyph of the overlay font is taken as 10 units wide, one of the small
// font as 9, and a line of the small font as 22 units high.
static float noWidth(const char* text) {
    return 10.0f * (float)std::strlen(text);
}
static float noSmallWidth(const char* text) {
    return 9.0f * (float)std::strlen(text);
}
static float noLine() {
    return 22;
}

OverlayOutput overlayOutput = {noColour, noText, noWidth, noText, noSmallWidth, noLine};

const float colourWhite[3] = {1, 1, 1};
const float colourHighlight[3] = {1, 1, 0.3f};
// Dimmed, yet readable on the dark wood of the buttons.
const float colourGrey[3] = {0.6f, 0.6f, 0.6f};
const float colourBlack[3] = {0, 0, 0};
// The seats' red, blue, green and purple, each as bright as its background asks.
const float seatOnPanel[5][3] = {
    {1, 1, 1}, // nobody: unused
    {1, 0.42f, 0.38f}, {0.5f, 0.65f, 1}, {0.3f, 0.95f, 0.3f}, {1, 0.4f, 1},
};
const float seatOnButton[5][3] = {
    {1, 1, 1}, // nobody: unused
    {1, 0.66f, 0.62f}, {0.7f, 0.76f, 1}, {0.55f, 0.95f, 0.3f}, {0.95f, 0.64f, 1},
};

// A seat's names, with its number: a person's, the table computer's and the strong one's.
static const char* const personName = N_("Spieler %u");
static const char* const tableName = N_("Comp. %u");
static const char* const strongName = N_("Profi %u");

// One of the names above for seat k, in the language chosen.
static const char* named(char* out, int size, const char* name, int k) {
    snprintf(out, size, tr(name), (unsigned)k);
    return out;
}

// A computer seat is named by how it plays: "Comp. n" the table, "Profi n" the strong one.
static const char* computerName(int k) {
    return kiStrength[k] == KI_STRONG ? strongName : tableName;
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

static void setColour(const float* colour) {
    overlayOutput.colour(colour[0], colour[1], colour[2]);
}

// Draws s at (X, Y) in layout units, in the given colour.
static void put(float X, float Y, const float* colour) {
    setColour(colour);
    overlayOutput.text(X * xInterface, Y * yInterface, s);
}

// Room for a label along a line of the canvas: from left to right.
struct Room {
    float left, right;
};

// Canvas units a label keeps from the edges of its panel.
static const float labelMargin = 4;

// The room inside panel slot `slot` when it shows a record shaped like `shape`: the panels lie
// in eye space, projected by the frame's frustum (x from -1.25 to 1.25 at the near distance 2)
// onto the canvas.
static Room slotRoom(int slot, const obj_type& shape) {
    const float* at = positionI[slot];
    const float halfWidth = shape.vertices[1].x, depth = -at[2];
    const float left = (1 + 1.6f * (at[0] - halfWidth) / depth) * width / 2;
    const float right = (1 + 1.6f * (at[0] + halfWidth) / depth) * width / 2;
    return {left + labelMargin, right - labelMargin};
}

// Draws s at canvas x in the overlay font, or, where that is wider than the room or the small
// one is asked for, in the small one: at x where it fits, moved left as far as it must to end
// inside the room, and never to the left of it; centred where even the small font is wider.
static void putIn(const Room& room, float x, float y, const float* colour, bool small = false) {
    setColour(colour);
    const float wide = overlayOutput.width(s);
    if (!small && wide <= room.right - room.left) {
        overlayOutput.text(std::fmax(room.left, std::fmin(x, room.right - wide)), y, s);
        return;
    }
    const float narrow = overlayOutput.smallWidth(s);
    if (narrow > room.right - room.left) x = (room.left + room.right - narrow) / 2;
    overlayOutput.small(std::fmax(room.left, std::fmin(x, room.right - narrow)), y, s);
}

// A label at its place (X, Y) inside panel slot `slot` of the given shape.
static void labelOn(int slot, const obj_type& shape, float X, float Y, const float* colour,
                    const char* text, bool small = false) {
    snprintf(s, sizeof s, "%s", text);
    putIn(slotRoom(slot, shape), X * xInterface, Y * yInterface, colour, small);
}

// The labels written on buttons, besides the seats' names.
enum ButtonLabel {
    LABEL_COSTS,
    LABEL_OPTIONS,
    LABEL_ROLL,
    LABEL_TRADE,
    LABEL_BUILD,
    LABEL_UNDO,
    LABEL_NEXT,
    LABEL_CLOSE,
    LABEL_TRADE_GO,
    LABEL_BANK,
    LABEL_START,
    LABEL_RESUME,
    LABEL_NEW_GAME, // on the wider button, last
    BUTTON_LABELS
};
static const char* const buttonLabel[BUTTON_LABELS] = {
    N_("Baukosten"), N_("Optionen"),   N_("Wuerfeln"),    N_("Handeln"),  N_("Bauen"),
    N_("Zurueck"),   N_("Naechster"),  N_("Schliessen"),  N_("tauschen"), N_("Hafen"),
    N_("Start"),     N_("Fortsetzen"), N_("Neues Spiel"),
};
// The option buttons' labels, from the top: "Zeichen" on slot 65 to "Licht" on slot 70.
static const char* const optionLabel[6] = {N_("Licht"),  N_("Frames"), N_("Wire"),
                                           N_("Center"), N_("Zahlen"), N_("Zeichen")};

// The room of an option's label, which keeps clear of the marker before it, whatever the font.
static Room optionRoom(int slot) {
    Room room = slotRoom(slot, interface4);
    room.left = std::fmax(7.0f * xInterface, 5.5f * xInterface + overlayOutput.width("> "));
    return room;
}

// The computers' pace on its button, by fastComputers.
static const char* const paceLabel[2] = {N_("Computer: normal"), N_("Computer: schnell")};

// All buttons' labels stand in one font: the overlay font where every one of them fits its
// button in it ("Neues Spiel" the wider one), else the small one. Chosen once a frame.
static bool buttonsSmall;

static void chooseButtonFont() {
    const Room button = slotRoom(SLOT_MAIN, interface4), option = optionRoom(SLOT_OPT_SIGNS);
    auto tooWide = [](const Room& room, const char* text) {
        return overlayOutput.width(tr(text)) > room.right - room.left;
    };
    buttonsSmall = tooWide(slotRoom(SLOT_NEW_GAME, interfaceWide), buttonLabel[LABEL_NEW_GAME]);
    for (int i = 0; i < LABEL_NEW_GAME; i++) buttonsSmall |= tooWide(button, buttonLabel[i]);
    for (const char* text : optionLabel) buttonsSmall |= tooWide(option, text);
    for (const char* text : paceLabel)
        buttonsSmall |= tooWide(slotRoom(SLOT_PACE, interfaceLong), text);
    for (int k = 1; k <= 4; k++)
        for (const char* name : {personName, tableName, strongName}) {
            char text[32];
            buttonsSmall |= tooWide(button, named(text, sizeof text, name, k));
        }
}

// A button's label: the seat's name or one of the table's.
static void buttonText(int slot, const obj_type& shape, float X, float Y, const float* colour,
                       const char* text) {
    labelOn(slot, shape, X, Y, colour, text, buttonsSmall);
}

static void buttonLabelOn(int slot, const obj_type& shape, float X, float Y, const float* colour,
                          int which) {
    buttonText(slot, shape, X, Y, colour, tr(buttonLabel[which]));
}

// A label in the middle of its button.
static void centredLabel(int slot, const obj_type& shape, float Y, const float* colour,
                         const char* text) {
    const Room room = slotRoom(slot, shape);
    snprintf(s, sizeof s, "%s", text);
    const float wide = buttonsSmall ? overlayOutput.smallWidth(s) : overlayOutput.width(s);
    putIn(room, (room.left + room.right - wide) / 2, Y * yInterface, colour, buttonsSmall);
}

// A seat's name on its button.
static void seatButton(int slot, float X, float Y, const float* colour, const char* name, int k) {
    char text[sizeof s];
    buttonText(slot, interface4, X, Y, colour, named(text, sizeof text, name, k));
}

// Pieces of text that read as one line, each at its place in layout units.
enum { MAX_PIECES = 4 };
struct Span {
    float X;
    const float* colour;
    char text[32];
    bool joined = false; // follows the one before without a space ("12" "ten Spielzug")
};

// Lays the pieces out from their places, each moved right where the one before runs into it,
// the line then moved left as far as it must to end inside the room; in the small font where
// the overlay font makes the line wider than the room.
static void putLine(const Room& room, float Y, const Span* pieces, int n) {
    for (int font = 0; font < 2; font++) {
        float (*measure)(const char*) = font == 0 ? overlayOutput.width : overlayOutput.smallWidth;
        const float space = measure(" ");
        float x[MAX_PIECES], end = -1e9f;
        for (int i = 0; i < n && i < MAX_PIECES; i++) {
            x[i] = std::fmax(pieces[i].X * xInterface, end + (pieces[i].joined ? 0 : space));
            end = x[i] + measure(pieces[i].text);
        }
        const float shift = std::fmax(0, end - room.right);
        if (font == 0 && x[0] - shift < room.left) continue;
        for (int i = 0; i < n && i < MAX_PIECES; i++) {
            snprintf(s, sizeof s, "%s", pieces[i].text);
            setColour(pieces[i].colour);
            (font == 0 ? overlayOutput.text : overlayOutput.small)(x[i] - shift, Y * yInterface, s);
        }
        return;
    }
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

// A seat's name as the game writes it: "Spieler 1" for a person, "Comp. 2" or "Profi 2" for the
// computer.
static void seatName(char* out, int size, int p) {
    named(out, size, isComputer(p) ? computerName(p) : personName, p);
}

// The plate under the name of the seat on turn in the bar, in canvas units.
static const Room namePlate = {130 + labelMargin, 224 - labelMargin};

// Before a game there is nobody on turn, and no name to show.
static void drawStatusLine() {
    if (isPlayer(player)) {
        seatName(s, sizeof s, player);
        putIn(namePlate, 13.5f * xInterface, 95.5f * yInterface, seatOnPanel[player]);
    }
    const float* numbers = colourHighlight;
    const int p = isPlayer(player) ? player : 0;
    count(15.5f, 101, numbers, "%u", resources[p][0]);
    count(18, 101, numbers, "/%u", winPoints);
    for (int k = 0; k < 5; k++) count(cardColumn[k], 101, numbers, "%u", resources[p][k + 1]);
    label(14, 98.3f, numbers, tr("Punkte"));
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
    labelOn(SLOT_TRADE_PANEL, interface5, 49.2f, 26, fixed, tr("Incoming"));
    labelOn(SLOT_TRADE_PANEL, interface5, 69.5f, 26, fixed, tr("Outgoing"));
    buttonLabelOn(SLOT_BANK, interface4, 60.7f, 39, choices, LABEL_BANK);
}

// The chosen side of each seat is coloured; the arrow on the seat's button points at it. A kept
// game offered moves "Start" aside for "Fortsetzen".
static void drawPlayerChoice() {
    if (keptGameOffered) {
        buttonLabelOn(SLOT_START_BESIDE, interface4, 55.5f, 62.3f, colourWhite, LABEL_START);
        buttonLabelOn(SLOT_RESUME, interface4, 65.1f, 62.3f, colourWhite, LABEL_RESUME);
    } else {
        buttonLabelOn(SLOT_START, interface4, 61.6f, 62.3f, colourWhite, LABEL_START);
    }
    for (int k = 1; k <= 4; k++) {
        if (k > 1 && playersPicked < k) continue;
        const float y = seatRow[k];
        const bool computer = playerKI[k];
        seatButton(SLOT_SEAT_PERSON + k, 52, y, computer ? colourWhite : seatOnButton[k],
                   personName, k);
        if (computer)
            label(64.1f, y, colourWhite, ">");
        else
            label(62.6f, y, colourWhite, "<");
        // A person's seat offers the table's computer, which its button makes it.
        seatButton(SLOT_SEAT_COMPUTER + k, 67.4f, y, computer ? seatOnButton[k] : colourWhite,
                   computer ? computerName(k) : tableName, k);
    }
}

// The target between its "-" and "+", its number in the highlight colour: the text around the
// number in the overlay font, centred between the buttons, or in the small one where it is
// too wide there.
static void drawTarget(float Y) {
    const Room room = {slotRoom(SLOT_TARGET_LOWER, interface6).right + labelMargin,
                       slotRoom(SLOT_TARGET_RAISE, interface6).left - labelMargin};
    const char* format = tr("Ziel: %d Punkte");
    const char* number = std::strstr(format, "%d");
    char before[32], count[8], after[32];
    snprintf(before, sizeof before, "%.*s", number ? (int)(number - format) : 0, format);
    snprintf(count, sizeof count, "%d", configuredWinPoints);
    snprintf(after, sizeof after, "%s", number ? number + 2 : "");
    const char* pieces[3] = {before, count, after};
    const float* colours[3] = {colourWhite, colourHighlight, colourWhite};
    const bool small =
        overlayOutput.width(before) + overlayOutput.width(count) + overlayOutput.width(after) >
        room.right - room.left;
    float (*measure)(const char*) = small ? overlayOutput.smallWidth : overlayOutput.width;
    float x = (room.left + room.right - (measure(before) + measure(count) + measure(after))) / 2;
    for (int i = 0; i < 3; i++) {
        setColour(colours[i]);
        (small ? overlayOutput.small : overlayOutput.text)(x, Y * yInterface, pieces[i]);
        x += measure(pieces[i]);
    }
}

// "-" and "+" in the overlay font, as the arrows on the seats' middle buttons.
static void signOn(int slot, float Y, const char* sign) {
    const Room room = slotRoom(slot, interface6);
    snprintf(s, sizeof s, "%s", sign);
    setColour(colourWhite);
    overlayOutput.text((room.left + room.right - overlayOutput.width(s)) / 2, Y * yInterface, s);
}

// The settings under the seats: the target of a new game and the computers' pace.
static void drawSettings() {
    signOn(SLOT_TARGET_LOWER, 73.3f, "-");
    signOn(SLOT_TARGET_RAISE, 73.3f, "+");
    drawTarget(73.3f);
    centredLabel(SLOT_PACE, interfaceLong, 79.5f, colourWhite,
                 tr(paceLabel[fastComputers ? 1 : 0]));
}

// Reads as one sentence: the player's name, "hat im", the move number, "ten Spielzug gewonnen!".
static void drawWinMessage() {
    Span line[4] = {{43, isPlayer(player) ? seatOnPanel[player] : colourWhite, ""},
                    {52, colourWhite, ""},
                    {58.7f, colourHighlight, ""},
                    {61.2f, colourWhite, "", true}};
    seatName(line[0].text, sizeof line[0].text, player);
    // TRANSLATORS: the win message reads: the winner's name, this, the move's number and the
    // text after it, which follows the number without a space.
    snprintf(line[1].text, sizeof line[1].text, "%s", tr("hat im"));
    snprintf(line[3].text, sizeof line[3].text, "%s", tr("ten Spielzug gewonnen!"));
    snprintf(line[2].text, sizeof line[2].text, "%u", (unsigned)runde);
    putLine(slotRoom(SLOT_END_SCREEN, interfaceEnd), 50, line, 4);
    buttonLabelOn(SLOT_NEW_GAME, interfaceWide, 58.2f, 70.4f, colourWhite, LABEL_NEW_GAME);
}

static void drawFrameRate() {
    snprintf(s, sizeof s, "%.2f", frameRate);
    put(1, 3, colourBlack);
}

static bool cameraCentred() {
    return rX == 90 && rY == 0 && zoom == -380 && trans1 == 0 && trans2 == 0;
}

// The options from the top, each with its marker shown while it is on.
static void drawOptionLabels() {
    static const float row[6] = {31.5f, 36.5f, 41.7f, 46.9f, 52.1f, 57.3f};
    const bool on[6] = {light, fps, wire, cameraCentred(), numberShow, portSign};
    for (int i = 0; i < 6; i++) {
        if (on[i]) label(5.5f, row[i], colourWhite, ">");
        const Room room = optionRoom(SLOT_OPT_LIGHT - i);
        snprintf(s, sizeof s, "%s", tr(optionLabel[i]));
        putIn(room, room.left, row[i] * yInterface, colourWhite, buttonsSmall);
    }
}

static void drawRollSum() {
    label(62, 98, colourHighlight, "+");
    count(75, 98, colourHighlight, "= %u", zufall);
}

// The main button's label, on it.
static void mainLabel(float X, int which) {
    buttonLabelOn(SLOT_MAIN, interface4, X, 98, colourWhite, which);
}

static void nextLabel() {
    buttonLabelOn(SLOT_NEXT, interface4, 97.3f, 98, colourWhite, LABEL_NEXT);
}

// A toggle button's label is greyed while its panel is shown.
static void drawPersonControls() {
    buttonLabelOn(SLOT_COSTS, interfaceOpB, 1.2f, 96.5f, interfaceToggle ? colourGrey : colourWhite,
                  LABEL_COSTS);
    buttonLabelOn(SLOT_OPTIONS, interfaceOpB, 1.7f, 100.5f, options ? colourGrey : colourWhite,
                  LABEL_OPTIONS);
    if (options) drawOptionLabels();

    if (wuerfeln) mainLabel(85, LABEL_ROLL);
    if (next && !trade && !build) {
        nextLabel();
        mainLabel(85.3f, LABEL_TRADE);
    }
    if (next && trade) {
        for (int k = 1; k <= 4; k++) {
            if (k == player || k > playersPicked) continue;
            seatButton(SLOT_PARTNERS + k, 60.7f, partnerRow[k], seatOnButton[k],
                       isComputer(k) ? computerName(k) : personName, k);
        }
        buttonLabelOn(SLOT_TRADE_GO, interface4, 59.6f, 72.4f, colourWhite, LABEL_TRADE_GO);
        nextLabel();
        mainLabel(86.4f, LABEL_BUILD);
    }
    if (next && build) nextLabel();
    if (canTakeBack()) mainLabel(85.6f, LABEL_UNDO);
    buttonLabelOn(SLOT_CLOSE, interface4, 115.2f, 98, colourWhite, LABEL_CLOSE);
}

// One mark at the normal pace, three at three times its speed (the fast pace, or the button
// held), five at both.
static void drawComputerSpeed() {
    static const char* const marks[3] = {">", ">>>", ">>>>>"};
    Span line[2] = {{1, colourHighlight, ""}, {19, colourHighlight, ""}};
    snprintf(line[0].text, sizeof line[0].text, "%s", tr("Computer speed:"));
    snprintf(line[1].text, sizeof line[1].text, "%s", marks[fastComputers + fastForward]);
    putLine({0, (float)width}, 6, line, 2);
}

// The middle panel of the bar, and the strip above it that takes the message while the dice
// fill the panel; canvas units.
const TextBox messageInPanel = {528, 936, 274, 3};
const TextBox messageInStrip = {452, 869, 430, 2};

static const char* const kindName[6] = {"",        N_("Holz"), N_("Wolle"), N_("Getreide"),
                                        N_("Erz"), N_("Lehm")};
static const char* const noCards = N_("nichts");
static const char* const otherSide = N_("gegen");

// Appends to a text of `size` bytes, never past its end.
static void append(char* out, int size, const char* format, ...)
    __attribute__((format(printf, 3, 4)));
static void append(char* out, int size, const char* format, ...) {
    const int used = (int)std::strlen(out);
    if (used >= size - 1) return;
    va_list args;
    va_start(args, format);
    vsnprintf(out + used, size - used, format, args);
    va_end(args);
}

// "4 Wolle, 3 Erz": every kind with cards, as the game names them; "nichts" for none.
static void appendCards(char* out, int size, const int* cards) {
    bool first = true;
    for (int kind = WOOD; kind <= CLAY; kind++) {
        if (cards[kind] == 0) continue;
        append(out, size, "%s%d %s", first ? "" : ", ", cards[kind], tr(kindName[kind]));
        first = false;
    }
    if (first) append(out, size, "%s", tr(noCards));
}

// What the last roll paid to whom: "Wurf 8: Spieler 1 +2 Holz, Comp. 2 +1 Erz".
static const char* const rollName = N_("Wurf %d:");

static void rollNews(char* out, int size) {
    append(out, size, tr(rollName), newsSum);
    bool any = false;
    for (int p = 1; p <= 4; p++) {
        bool named = false;
        for (int kind = WOOD; kind <= CLAY; kind++) {
            if (newsCards[p][kind] == 0) continue;
            char name[16];
            seatName(name, sizeof name, p);
            if (!named) append(out, size, "%s %s", any ? "," : "", name);
            append(out, size, " +%d %s", newsCards[p][kind], tr(kindName[kind]));
            named = any = true;
        }
    }
    if (!any) append(out, size, " %s", tr("kein Ertrag"));
}

// What the seat on turn did, by NewsMove; a trade names its cards after the verb.
static const char* const moveText[] = {
    N_("baut eine Strasse"),
    N_("baut eine Siedlung"),
    N_("baut eine Stadt"),
    N_("tauscht"),
    N_("nimmt eine Strasse zurueck"),
    N_("nimmt eine Siedlung zurueck"),
    N_("nimmt eine Stadt zurueck"),
};
enum { MOVE_TEXTS = sizeof moveText / sizeof moveText[0] };

// A computer seat's answer to an offer, refused or accepted; an accepted one names the cards.
static const char* const answerText[2] = {N_("lehnt ab"), N_("nimmt an")};

// Why the rules refused a press, by NewsReason.
static const char* const reasonText[] = {N_("zu wenige Karten"), N_("nichts gewaehlt"),
                                         N_("Platz schon bebaut"), N_("nur mit Spielern")};
enum { REASON_TEXTS = sizeof reasonText / sizeof reasonText[0] };

// The next step of a person, by phase.
static const char* const stepText[] = {
    N_("Siedlung setzen"),
    N_("Strasse setzen"),
    N_("Wuerfeln"),
    N_("Karte waehlen, dann tauschen"),
    N_("Bauplatz waehlen"),
    N_("nichts zu bauen, weiter mit Naechster"),
    N_("Handeln, dann Bauen, oder Naechster"),
    N_("Ziel erreicht: Naechster gewinnt das Spiel"),
    N_("ist am Zug"),
};
enum {
    STEP_SETTLEMENT,
    STEP_ROAD,
    STEP_ROLL,
    STEP_TRADE,
    STEP_BUILD,
    STEP_NOTHING_TO_BUILD,
    STEP_FREE,
    STEP_WIN,
    STEP_COMPUTER,
};

static void moveNews(char* out, int size) {
    seatName(out, size, newsSeat);
    if (newsMove < 0 || newsMove >= MOVE_TEXTS) return;
    append(out, size, " %s", tr(moveText[newsMove]));
    if (newsMove != MOVE_TRADE) return;
    append(out, size, " ");
    appendCards(out, size, newsCards[0]);
    append(out, size, " %s ", tr(otherSide));
    appendCards(out, size, newsCards[1]);
}

// "Profi 2 nimmt an: 1 Wolle gegen 1 Erz", the cards as the seat on turn gives and receives.
static void answerNews(char* out, int size) {
    seatName(out, size, newsSeat);
    append(out, size, " %s", tr(answerText[newsAccepted ? 1 : 0]));
    if (!newsAccepted) return;
    append(out, size, ": ");
    appendCards(out, size, newsCards[0]);
    append(out, size, " %s ", tr(otherSide));
    appendCards(out, size, newsCards[1]);
}

static void refusalNews(char* out, int size) {
    if (newsReason >= 0 && newsReason < REASON_TEXTS)
        append(out, size, "%s", tr(reasonText[newsReason]));
}

// A person who has reached the target wins with the end of the turn, which the step says
// once the turn is open; building on is still allowed.
static const char* nextStep() {
    if (isComputer(player)) return stepText[STEP_COMPUTER];
    if (inOpening()) return stepText[firstTime % 2 == 0 ? STEP_SETTLEMENT : STEP_ROAD];
    if (wuerfeln) return stepText[STEP_ROLL];
    if (next && resources[player][0] >= winPoints) return stepText[STEP_WIN];
    if (trade) return stepText[STEP_TRADE];
    if (build) return stepText[offersUp > 0 ? STEP_BUILD : STEP_NOTHING_TO_BUILD];
    if (next) return stepText[STEP_FREE];
    return "";
}

void composeMessage(MessageLine* m) {
    m->name[0] = m->step[0] = m->news[0] = 0;
    if (playersChoice || win || !isPlayer(player)) return;
    seatName(m->name, sizeof m->name, player);
    if (!isComputer(player)) append(m->name, sizeof m->name, ":");
    snprintf(m->step, sizeof m->step, "%s", tr(nextStep()));
    if (newsKind == NEWS_ROLL) rollNews(m->news, sizeof m->news);
    if (newsKind == NEWS_MOVE) moveNews(m->news, sizeof m->news);
    if (newsKind == NEWS_REFUSED) refusalNews(m->news, sizeof m->news);
    if (newsKind == NEWS_ANSWER) answerNews(m->news, sizeof m->news);
}

// Lays words into a box line by line in the small font, each in its colour; a word that does
// not fit on a full box is left out with the rest.
struct Flow {
    const TextBox& box;
    float line, x;
    int row;
    bool dry = false; // only counts the rows
};

static bool placeWord(Flow& f, const char* word, const float* colour) {
    const float width = overlayOutput.smallWidth(word), space = overlayOutput.smallWidth(" ");
    float x = f.x;
    int row = f.row;
    if (x > 0 && x + space + width > f.box.width) row++, x = 0;
    if (row >= f.box.lines || width > f.box.width) return false;
    if (x > 0) x += space;
    if (!f.dry) {
        overlayOutput.colour(colour[0], colour[1], colour[2]);
        overlayOutput.small(f.box.x + x, f.box.y + f.line * (row + 0.78f), word);
    }
    f.x = x + width, f.row = row;
    return true;
}

// Whether the n letters of word are the word before the number in `name` ("Wurf" of
// "Wurf %d:"), in the language chosen.
static bool wordOf(const char* name, const char* word, int n) {
    const char* text = tr(name);
    const char* number = std::strstr(text, " %");
    return number && number - text == n && !std::strncmp(word, text, n);
}

// Words that belong with the next one and never end a line: a seat's name ("Comp. 2",
// "Profi 2"), a count of cards ("+2 Holz"), the roll ("Wurf 8:"), the other side of a trade
// ("gegen 1 Holz").
static bool bindsToNext(const char* word, int n) {
    if (word[0] == '+') return true;
    for (const char* name : {personName, tableName, strongName, rollName})
        if (wordOf(name, word, n)) return true;
    const char* against = tr(otherSide);
    return (int)std::strlen(against) == n && !std::strncmp(word, against, n);
}

// Places the text unit by unit; what finds no room is left out, marked by "..." where that fits.
static void placeWords(Flow& f, const char* text, const float* colour) {
    char unit[64];
    for (const char* at = text; *at;) {
        while (*at == ' ') at++;
        int n = 0;
        for (int start = 0;;) {
            while (at[n] && at[n] != ' ') n++;
            if (!at[n] || !bindsToNext(at + start, n - start)) break;
            start = ++n;
        }
        if (n == 0) break;
        if (n > (int)sizeof unit - 1) n = (int)sizeof unit - 1;
        std::memcpy(unit, at, n);
        unit[n] = 0;
        if (!placeWord(f, unit, colour)) {
            placeWord(f, "...", colour);
            return;
        }
        at += n;
    }
}

// While the game is not kept, the message line says so and why on its last rows, at the seat
// selection and after a win as well; what just happened gives way to it. The reason stays on
// one line.
static const float colourWarning[3] = {1, 0.6f, 0.2f};

// A notice on the box's last rows: its lead, then the reason on one line.
static void drawNotice(TextBox* box, float line, const char* lead, const char* reason) {
    if (box->lines <= 0) return;
    Flow count = {*box, line, 0, 0, true};
    placeWords(count, lead, colourWarning);
    placeWord(count, reason, colourWarning);
    const int rows = count.row + 1 < box->lines ? count.row + 1 : box->lines;
    box->lines -= rows;
    const TextBox below = {box->x, box->y + line * box->lines, box->width, rows};
    Flow f = {below, line, 0, 0};
    placeWords(f, lead, colourWarning);
    placeWord(f, reason, colourWarning);
}

// A setting chosen that could not be written is said at the seat selection, where settings
// are chosen.
static void drawSettingNotice(TextBox* box, float line) {
    static const char* const why[] = {
        "", N_("Datentraeger voll"), N_("Ordner schreibgeschuetzt"),  N_("ZAVK.cfg ist belegt"),
        "", N_("Schreibfehler"),     N_("ZAVK.cfg schreibgeschuetzt")};
    const char* reason = settingTrouble == SETTING_INSTALLED ? N_("Datei der Installation")
                         : settingTrouble > WRITE_OK && settingTrouble <= WRITE_FILE_READ_ONLY
                             ? why[settingTrouble]
                             : "";
    if (!playersChoice || !reason[0]) return;
    drawNotice(box, line, tr("Einstellung nicht gesichert:"), tr(reason));
}

static void drawKeepingNotice(TextBox* box, float line) {
    static const char* const why[] = {"",
                                      N_("Datentraeger voll"),
                                      N_("Ordner schreibgeschuetzt"),
                                      N_("quelvane.sav ist belegt"),
                                      N_("zweites Quelvane im Ordner"),
                                      N_("Schreibfehler")};
    if (keepTrouble <= WRITE_OK || keepTrouble > WRITE_FAILED) return;
    drawNotice(box, line, tr("Spiel wird nicht gesichert:"), tr(why[keepTrouble]));
}

// The name in the seat's colour, the step in white, what just happened on a line of its own
// in the highlight colour.
static void drawMessageLine() {
    MessageLine m;
    composeMessage(&m);
    TextBox box = diceShown && !playersChoice && !win ? messageInStrip : messageInPanel;
    drawKeepingNotice(&box, overlayOutput.smallLine());
    drawSettingNotice(&box, overlayOutput.smallLine());
    if (m.name[0] && box.lines > 0) {
        Flow f = {box, overlayOutput.smallLine(), 0, 0};
        placeWords(f, m.name, seatOnPanel[player]);
        placeWords(f, m.step, colourWhite);
        if (m.news[0]) {
            f.row++, f.x = 0;
            placeWords(f, m.news, colourHighlight);
        }
    }
    overlayOutput.colour(colourWhite[0], colourWhite[1], colourWhite[2]);
}

// Canvas units of the scoreboard in the top right corner: where the names begin and where the
// last column ends inside the panel's frame, the gap between the columns, the rows. The
// columns of points and cards stand right to left from there, each as wide as its heading in
// the font of the picture's size, so that the headings never run into each other.
static const float scoreName = 1038, scoreRight = 1240, scoreGap = 6;
static const float scoreHeading = 36, scoreRow0 = 63, scoreRowStep = 26;

static void centred(float x, float y, const char* text, const float* colour) {
    overlayOutput.colour(colour[0], colour[1], colour[2]);
    overlayOutput.small(x - overlayOutput.smallWidth(text) / 2, y, text);
}

static int cardsHeld(int p) {
    int n = 0;
    for (int kind = WOOD; kind <= CLAY; kind++) n += resources[p][kind];
    return n;
}

// Every seat in play with its points and the cards in its hand; the seat on turn marked.
static void drawScoreboard() {
    const char *cards = tr("Karten"), *points = tr("Punkte");
    const float cardsWidth = overlayOutput.smallWidth(cards);
    const float scoreCards = scoreRight - cardsWidth / 2;
    const float scorePoints =
        scoreCards - cardsWidth / 2 - scoreGap - overlayOutput.smallWidth(points) / 2;
    centred(scorePoints, scoreHeading, points, colourWhite);
    centred(scoreCards, scoreHeading, cards, colourWhite);
    for (int p = 1; p <= playersPicked && p <= 4; p++) {
        const float y = scoreRow0 + (p - 1) * scoreRowStep;
        char text[16];
        if (p == player && !win) centred(scoreName - 10, y, ">", colourHighlight);
        seatName(text, sizeof text, p);
        setColour(seatOnPanel[p]);
        overlayOutput.small(scoreName, y, text);
        snprintf(text, sizeof text, "%d", resources[p][0]);
        centred(scorePoints, y, text, colourHighlight);
        snprintf(text, sizeof text, "%d", cardsHeld(p));
        centred(scoreCards, y, text, colourHighlight);
    }
    overlayOutput.colour(colourWhite[0], colourWhite[1], colourWhite[2]);
}

// Below the win message on the end screen: every seat's final points.
static void drawFinalPoints() {
    for (int p = 1; p <= playersPicked && p <= 4; p++) {
        Span line[3] = {{47, seatOnPanel[p], ""}, {66, colourHighlight, ""}, {70, colourWhite, ""}};
        seatName(line[0].text, sizeof line[0].text, p);
        snprintf(line[2].text, sizeof line[2].text, "%s", tr("Punkte"));
        snprintf(line[1].text, sizeof line[1].text, "%u", (unsigned)resources[p][0]);
        putLine(slotRoom(SLOT_END_SCREEN, interfaceEnd), 54.5f + (p - 1) * 3.2f, line, 3);
    }
}

void drawOverlayTexts() {
    chooseButtonFont();
    drawStatusLine();
    drawMessageLine();
    if (!playersChoice) drawScoreboard();
    if (win) drawFinalPoints();
    if (next && trade) drawTradePanel();
    if (playersChoice) drawPlayerChoice();
    if (playersChoice) drawSettings();
    if (win) drawWinMessage();
    if (fps) drawFrameRate();
    if (kiTurn == 0) drawPersonControls();
    // The sum stands beside the dice, a person's roll or the computer's, and goes with them.
    if (diceShown && !playersChoice && !win) drawRollSum();
    if (kiTurn > 0) drawComputerSpeed();
    // The scene of the next frame is drawn in the colour the overlay leaves.
    overlayOutput.colour(colourWhite[0], colourWhite[1], colourWhite[2]);
}
