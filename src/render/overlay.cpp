// The overlay texts: status line, trade panel, seat choice, win message, controls and speed.
#include "overlay.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "game/ki.h"
#include "game/news.h"
#include "game/rules.h"
#include "game/save.h"
#include "game/state.h"
#include "game/view.h"
#include "platform/platform.h"

static void noColour(float, float, float) {}
static void noText(float, float, const char*) {}
// Without a window a small glyph is taken as 9 units wide and a line as 22 units high.
static float noWidth(const char* text) {
    return 9.0f * (float)std::strlen(text);
}
static float noLine() {
    return 22;
}

OverlayOutput overlayOutput = {noColour, noText, noText, noWidth, noLine};

const float colourWhite[3] = {1, 1, 1};
const float colourHighlight[3] = {1, 1, 0.3f};
const float colourGrey[3] = {0.3f, 0.3f, 0.3f};
const float colourBlack[3] = {0, 0, 0};
const float titleColour[5][3] = {
    {1, 1, 1}, // nobody: unused
    {1, 0, 0}, {0, 0, 1}, {0, 1, 0}, {1, 0, 1},
};
const float brightColour[5][3] = {
    {1, 1, 1}, // nobody: unused
    {1, 0.3f, 0.25f}, {0.4f, 0.6f, 1}, {0.3f, 0.95f, 0.3f}, {1, 0.35f, 1},
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

// A seat's name as the game writes it: "Spieler 1" for a person, "Comp. 2" or "Profi 2" for the
// computer.
static void seatName(char* out, int size, int p) {
    if (isComputer(p))
        snprintf(out, size, "%s", computerName(p));
    else
        snprintf(out, size, "Spieler %u", (unsigned)p);
}

// The player's own name as the status line and the win message show it, in his colour.
static void playerName(float X, float Y) {
    seatName(s, sizeof s, player);
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

// The chosen side of each seat is coloured; the arrow on the seat's button points at it. A kept
// game offered moves "Start" aside for "Fortsetzen".
static void drawPlayerChoice() {
    if (keptGameOffered) {
        label(55.5f, 62.3f, colourWhite, "Start");
        label(65.1f, 62.3f, colourWhite, "Fortsetzen");
    } else {
        label(61.6f, 62.3f, colourWhite, "Start");
    }
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
    label(58.2f, 70.4f, colourWhite, "Neues Spiel");
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
    if (canTakeBack()) label(85.6f, 98, colourWhite, "Zurueck");
    label(115.2f, 98, colourWhite, "Schliessen");
}

static void drawComputerSpeed() {
    label(1, 6, colourHighlight, "Computer speed:");
    label(19, 6, colourHighlight, fastForward ? ">>>" : ">");
}

// The middle panel of the bar, and the strip above it that takes the message while the dice
// fill the panel; canvas units.
const TextBox messageInPanel = {528, 936, 274, 3};
const TextBox messageInStrip = {452, 869, 430, 2};

static const char* const kindName[6] = {"", "Holz", "Wolle", "Getreide", "Erz", "Lehm"};

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

// "4 Wolle, 3 Erz": every kind with cards, as the game names them.
static void appendCards(char* out, int size, const int* cards) {
    bool first = true;
    for (int kind = WOOD; kind <= CLAY; kind++) {
        if (cards[kind] == 0) continue;
        append(out, size, "%s%d %s", first ? "" : ", ", cards[kind], kindName[kind]);
        first = false;
    }
}

// What the last roll paid to whom: "Wurf 8: Spieler 1 +2 Holz, Comp. 2 +1 Erz".
static void rollNews(char* out, int size) {
    append(out, size, "Wurf %d:", newsSum);
    bool any = false;
    for (int p = 1; p <= 4; p++) {
        bool named = false;
        for (int kind = WOOD; kind <= CLAY; kind++) {
            if (newsCards[p][kind] == 0) continue;
            char name[16];
            seatName(name, sizeof name, p);
            if (!named) append(out, size, "%s %s", any ? "," : "", name);
            append(out, size, " +%d %s", newsCards[p][kind], kindName[kind]);
            named = any = true;
        }
    }
    if (!any) append(out, size, " kein Ertrag");
}

static void moveNews(char* out, int size) {
    static const char* const built[3] = {"eine Strasse", "eine Siedlung", "eine Stadt"};
    seatName(out, size, newsSeat);
    if (newsMove >= MOVE_ROAD && newsMove <= MOVE_CITY) {
        append(out, size, " baut %s", built[newsMove - MOVE_ROAD]);
        return;
    }
    append(out, size, " tauscht ");
    appendCards(out, size, newsCards[0]);
    append(out, size, " gegen ");
    appendCards(out, size, newsCards[1]);
}

static void refusalNews(char* out, int size) {
    static const char* const reason[4] = {"zu wenige Karten", "nichts gewaehlt",
                                          "kein Bauplatz frei", "nur mit Spielern"};
    if (newsReason >= 0 && newsReason < 4) append(out, size, "%s", reason[newsReason]);
}

// The building step says what stands in the way when nothing can be built.
static const char* buildingStep() {
    for (int s = 0; s < NUM_SPOTS; s++)
        if (settlementAllowed(s) || cityAllowed(s)) return "Bauplatz waehlen";
    for (int e = 0; e < NUM_EDGES; e++)
        if (roadAllowed(e)) return "Bauplatz waehlen";
    for (int piece = PIECE_ROAD; piece <= PIECE_CITY; piece++)
        if (holdsCost(player, piece)) return "kein Bauplatz frei";
    return "zu wenige Karten";
}

static const char* nextStep() {
    if (isComputer(player)) return "ist am Zug";
    if (inOpening()) return firstTime % 2 == 0 ? "Siedlung setzen" : "Strasse setzen";
    if (wuerfeln) return "Wuerfeln";
    if (trade) return "Karte waehlen, dann tauschen";
    if (build) return buildingStep();
    if (next) return "Handeln, dann Bauen, oder Naechster";
    return "";
}

void composeMessage(MessageLine* m) {
    m->name[0] = m->step[0] = m->news[0] = 0;
    if (playersChoice || win || !isPlayer(player)) return;
    seatName(m->name, sizeof m->name, player);
    if (!isComputer(player)) append(m->name, sizeof m->name, ":");
    snprintf(m->step, sizeof m->step, "%s", nextStep());
    if (newsKind == NEWS_ROLL) rollNews(m->news, sizeof m->news);
    if (newsKind == NEWS_MOVE) moveNews(m->news, sizeof m->news);
    if (newsKind == NEWS_REFUSED) refusalNews(m->news, sizeof m->news);
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

// Words that belong with the next one and never end a line: a seat's name ("Comp. 2",
// "Profi 2"), a count of cards ("+2 Holz"), the roll ("Wurf 8:").
static bool bindsToNext(const char* word, int n) {
    return word[0] == '+' ||
           (n == 5 && (!std::strncmp(word, "Comp.", 5) || !std::strncmp(word, "Profi", 5))) ||
           (n == 7 && !std::strncmp(word, "Spieler", 7)) ||
           (n == 4 && !std::strncmp(word, "Wurf", 4));
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

static void drawKeepingNotice(TextBox* box, float line) {
    static const char* const why[] = {"",
                                      "Datentraeger voll",
                                      "Ordner schreibgeschuetzt",
                                      "quelvane.sav ist belegt",
                                      "zweites Quelvane im Ordner",
                                      "Schreibfehler"};
    if (keepTrouble <= WRITE_OK || keepTrouble > WRITE_FAILED) return;
    const char* const lead = "Spiel wird nicht gesichert:";
    Flow count = {*box, line, 0, 0, true};
    placeWords(count, lead, colourWarning);
    placeWord(count, why[keepTrouble], colourWarning);
    const int rows = count.row + 1;
    box->lines -= rows;
    const TextBox below = {box->x, box->y + line * box->lines, box->width, rows};
    Flow f = {below, line, 0, 0};
    placeWords(f, lead, colourWarning);
    placeWord(f, why[keepTrouble], colourWarning);
}

// The name in the seat's colour, the step in white, what just happened on a line of its own
// in the highlight colour.
static void drawMessageLine() {
    MessageLine m;
    composeMessage(&m);
    TextBox box = diceShown && !playersChoice && !win ? messageInStrip : messageInPanel;
    drawKeepingNotice(&box, overlayOutput.smallLine());
    if (m.name[0] && box.lines > 0) {
        Flow f = {box, overlayOutput.smallLine(), 0, 0};
        placeWords(f, m.name, brightColour[player]);
        placeWords(f, m.step, colourWhite);
        if (m.news[0]) {
            f.row++, f.x = 0;
            placeWords(f, m.news, colourHighlight);
        }
    }
    overlayOutput.colour(colourWhite[0], colourWhite[1], colourWhite[2]);
}

// Canvas units of the scoreboard in the top right corner: the columns' centres, the rows.
static const float scoreName = 1032, scorePoints = 1152, scoreCards = 1216;
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
    centred(scorePoints, scoreHeading, "Punkte", colourWhite);
    centred(scoreCards, scoreHeading, "Karten", colourWhite);
    for (int p = 1; p <= playersPicked && p <= 4; p++) {
        const float y = scoreRow0 + (p - 1) * scoreRowStep;
        char text[16];
        if (p == player && !win) centred(scoreName - 12, y, ">", colourHighlight);
        seatName(text, sizeof text, p);
        overlayOutput.colour(brightColour[p][0], brightColour[p][1], brightColour[p][2]);
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
        const float Y = 54.5f + (p - 1) * 3.2f;
        seatName(s, sizeof s, p);
        put(47, Y, brightColour[p]);
        count(66, Y, colourHighlight, "%u", resources[p][0]);
        label(70, Y, colourWhite, "Punkte");
    }
}

void drawOverlayTexts() {
    drawStatusLine();
    drawMessageLine();
    if (!playersChoice) drawScoreboard();
    if (win) drawFinalPoints();
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
