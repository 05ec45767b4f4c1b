// The overlay texts: which texts each phase shows, where, and in which colour.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/picks.h"
#include "game/save.h"
#include "game/state.h"
#include "game/view.h"
#include "game/ki.h"
#include "game/news.h"
#include "game/save.h"
#include "platform/language.h"
#include "platform/platform.h"
#include "render/layout.h"
#include "render/overlay.h"

namespace {

struct Text {
    float r, g, b;
    float x, y;
    std::string text;
    bool small;
};

float cr = -1, cg = -1, cb = -1;
std::vector<Text> texts;

void recordColour(float r, float g, float b) {
    cr = r, cg = g, cb = b;
}

void recordText(float x, float y, const char* text) {
    texts.push_back({cr, cg, cb, x, y, text, false});
}
void recordSmall(float x, float y, const char* text) {
    texts.push_back({cr, cg, cb, x, y, text, true});
}

// Both fonts taken as 9 units a glyph, and a line of the small one as 22.
float smallWidth(const char* text) {
    return 9.0f * (float)std::string(text).size();
}
float smallLine() {
    return 22;
}

class Overlay : public ::testing::Test {
  protected:
    void SetUp() override {
        overlayOutput = {recordColour, recordText, smallWidth, recordSmall, smallWidth, smallLine};
        player = 1;
    }
    void draw() {
        texts.clear();
        drawOverlayTexts();
    }
    // The texts reading `text`, in drawing order.
    std::vector<Text> all(const std::string& text) {
        std::vector<Text> found;
        for (const Text& t : texts)
            if (t.text == text) found.push_back(t);
        return found;
    }
    bool shown(const std::string& text) { return !all(text).empty(); }
    Text one(const std::string& text) {
        std::vector<Text> found = all(text);
        EXPECT_EQ(found.size(), 1u) << "\"" << text << "\"";
        return found.empty() ? Text{} : found[0];
    }
    // Whether a text stands at layout position (X, Y).
    bool at(float X, float Y) {
        for (const Text& t : texts)
            if (t.x == X * xInterface && t.y == Y * yInterface) return true;
        return false;
    }
    // The first text at layout position (X, Y).
    Text textAt(float X, float Y) {
        for (const Text& t : texts)
            if (t.x == X * xInterface && t.y == Y * yInterface) return t;
        ADD_FAILURE() << "no text at (" << X << ", " << Y << ")";
        return Text{};
    }
};

void expectColour(const Text& t, float r, float g, float b) {
    EXPECT_FLOAT_EQ(t.r, r) << t.text;
    EXPECT_FLOAT_EQ(t.g, g) << t.text;
    EXPECT_FLOAT_EQ(t.b, b) << t.text;
}

void expectAt(const Text& t, float X, float Y) {
    EXPECT_FLOAT_EQ(t.x, X * 10) << t.text;
    EXPECT_FLOAT_EQ(t.y, Y * 10) << t.text;
}

} // namespace

TEST_F(Overlay, PlayerChoiceColoursTheChosenSideOfEachSeat) {
    playersChoice = true;
    player = 0; // nobody's turn before the start
    playersPicked = 2;
    playerKI[1] = false;
    playerKI[2] = true;
    draw();

    const Text person1 = one("Spieler 1"), comp1 = one("Comp. 1");
    expectColour(person1, seatOnButton[1][0], seatOnButton[1][1], seatOnButton[1][2]);
    expectColour(comp1, 1, 1, 1);
    expectAt(person1, 52, 39.1f);
    const Text left = one("<");
    expectColour(left, 1, 1, 1);
    expectAt(left, 62.6f, 39.1f);

    const Text person2 = one("Spieler 2"), comp2 = one("Comp. 2");
    expectColour(person2, 1, 1, 1);
    expectColour(comp2, seatOnButton[2][0], seatOnButton[2][1], seatOnButton[2][2]);
    expectAt(comp2, 67.4f, 44.2f);
    expectAt(one(">"), 64.1f, 44.2f);

    EXPECT_FALSE(shown("Spieler 3"));
    EXPECT_FALSE(shown("Comp. 4"));
    EXPECT_FALSE(shown("Spieler 0")) << "nobody is on turn yet";
    expectAt(one("Start"), 61.6f, 62.3f);
    EXPECT_FLOAT_EQ(cr + cg + cb, 3); // ends white

    // The strong computer in its place, in the seat's colour; a person's seat offers the
    // table's computer, which its button makes it.
    kiStrength[2] = KI_STRONG;
    kiStrength[1] = KI_STRONG;
    draw();
    EXPECT_FALSE(shown("Comp. 2"));
    const Text strong2 = one("Profi 2");
    expectColour(strong2, seatOnButton[2][0], seatOnButton[2][1], seatOnButton[2][2]);
    expectAt(strong2, 67.4f, 44.2f);
    EXPECT_FALSE(shown("Profi 1"));
    expectColour(one("Comp. 1"), 1, 1, 1);

    // The settings under the seats: the target with its number in the highlight colour
    // between "-" and "+", and the computers' pace on its button.
    configuredWinPoints = 7;
    draw();
    expectColour(one("7"), 1, 1, 0.3f);
    EXPECT_LT(one("-").x, one("Ziel: ").x);
    EXPECT_LT(one(" Punkte").x, one("+").x);
    EXPECT_TRUE(shown("Computer: normal"));
    fastComputers = true;
    draw();
    EXPECT_TRUE(shown("Computer: schnell"));
    playersChoice = false;
    draw();
    EXPECT_FALSE(shown("Computer: schnell") || shown("Ziel: ")) << "only before a game";
}

TEST_F(Overlay, StatusLineNamesThePlayerInHisTitleColour) {
    playersChoice = false;
    player = 4;
    playerKI[4] = true;
    resources[4][0] = 7;
    resources[4][3] = 2;
    winPoints = 10;
    draw();
    const Text name = all("Comp. 4").front(); // the bar's, before the message line's
    expectColour(name, seatOnPanel[4][0], seatOnPanel[4][1], seatOnPanel[4][2]);
    expectAt(name, 13.5f, 95.5f);
    EXPECT_EQ(textAt(15.5f, 101).text, "7");
    EXPECT_EQ(textAt(18, 101).text, "/10");
    EXPECT_EQ(textAt(35, 101).text, "2");
    expectColour(textAt(35, 101), 1, 1, 0.3f);

    // The strong computer's name, in the status line and in the win message.
    kiStrength[4] = KI_STRONG;
    win = true;
    draw();
    EXPECT_FALSE(shown("Comp. 4"));
    ASSERT_EQ(all("Profi 4").size(), 2u);
    expectColour(all("Profi 4")[1], seatOnPanel[4][0], seatOnPanel[4][1], seatOnPanel[4][2]);
    win = false;

    // A player outside 1-4 has no name to show and reads no foreign memory.
    player = 9;
    draw();
    EXPECT_FALSE(shown("Spieler 9"));
}

TEST_F(Overlay, ComputerTurnHidesThePersonsControlsAndShowsTheSpeed) {
    playersChoice = false;
    kiTurn = 3;
    playerKI[1] = true;
    next = true;
    fastForward = false;
    draw();
    for (const char* hidden : {"Baukosten", "Optionen", "Naechster", "Schliessen", "Handeln"})
        EXPECT_FALSE(shown(hidden)) << hidden;
    const Text speed = one("Computer speed:");
    expectColour(speed, 1, 1, 0.3f);
    EXPECT_EQ(textAt(19, 6).text, ">");

    fastForward = true;
    draw();
    EXPECT_EQ(textAt(19, 6).text, ">>>");
    fastComputers = true; // the fast pace, and the button held still speeds it up
    draw();
    EXPECT_EQ(textAt(19, 6).text, ">>>>>");
    fastForward = false;
    draw();
    EXPECT_EQ(textAt(19, 6).text, ">>>");

    kiTurn = 0;
    draw();
    EXPECT_FALSE(shown("Computer speed:"));
    EXPECT_TRUE(shown("Schliessen"));
}

// The sum stands beside the dice while they show, in a person's turn or the computer's; when
// the dice go (trading opens, the turn passes) it goes with them, and never shows through the
// message line that takes their place.
TEST_F(Overlay, TheRollSumGoesWithTheDice) {
    playersChoice = false;
    kiTurn = 3;
    playerKI[1] = true;
    zufall = 8;
    firstTime = 9;
    draw();
    EXPECT_FALSE(shown("= 8")) << "the computer trades or builds: its dice are gone";
    diceShown = true;
    draw();
    expectAt(one("= 8"), 75, 98);
    expectColour(one("+"), 1, 1, 0.3f);
    kiTurn = 0, playerKI[1] = false, next = true;
    draw();
    expectAt(one("= 8"), 75, 98);
    trade = true, diceShown = false;
    draw();
    EXPECT_FALSE(shown("= 8") || shown("+"));
}

TEST_F(Overlay, CentreMarkerFollowsTheCamera) {
    playersChoice = false;
    player = 0; // no seat on turn marked on the scoreboard
    options = true;
    light = fps = wire = numberShow = portSign = false;
    rX = 90, rY = 0, zoom = -380, trans1 = trans2 = 0;
    draw();
    ASSERT_EQ(all(">").size(), 1u);
    expectAt(one(">"), 5.5f, 46.9f);
    expectColour(one("Optionen"), colourGrey[0], colourGrey[1], colourGrey[2]);

    rY = 1;
    draw();
    EXPECT_FALSE(shown(">"));

    light = portSign = true;
    draw();
    EXPECT_TRUE(at(5.5f, 31.5f));
    EXPECT_TRUE(at(5.5f, 57.3f));
    EXPECT_FALSE(at(5.5f, 41.7f));
}

TEST_F(Overlay, HarbourTradeHighlightsTheOutgoingCountsAndShowsTheRates) {
    playersChoice = false;
    next = trade = true;
    tradePlayer = 0;
    tradeItem = 2;
    tradeArray[2][0] = 4;
    tradeArray[0][1] = 1;
    tradeStep[2] = 3;
    draw();
    const Text outgoing = textAt(73.5f, 50.3f);
    EXPECT_EQ(outgoing.text, "4");
    expectColour(outgoing, 1, 1, 0.3f);
    const Text incoming = textAt(53, 34.9f);
    EXPECT_EQ(incoming.text, "1");
    expectColour(incoming, 1, 1, 1);
    EXPECT_EQ(textAt(77, 46.7f).text, "3:1");
    EXPECT_TRUE(at(71, 46.7f)); // ">" in the row of the kind paid
    EXPECT_TRUE(at(59, 39));    // ">" beside "Hafen"

    // A kind outside 0-4 marks no row.
    tradeItem = 7;
    draw();
    for (float r : {31.3f, 39.0f, 46.7f, 54.5f, 62.0f}) EXPECT_FALSE(at(71, r));
}

TEST_F(Overlay, PlayerTradeFramesTheCountsAndListsThePartners) {
    playersChoice = false;
    next = trade = true;
    playersPicked = 3;
    player = 1;
    playerKI[1] = playerKI[2] = playerKI[3] = false;
    tradePlayer = 2;
    resources[2][1] = 5;
    resources[1][1] = 6;
    draw();
    EXPECT_EQ(textAt(48.7f, 31.3f).text, "5/");
    EXPECT_EQ(textAt(77, 31.3f).text, "/6");
    EXPECT_TRUE(at(59, 49.2f)); // ">" beside partner 2
    EXPECT_FALSE(shown("3:1"));

    // Only the other people in play are listed as partners.
    EXPECT_FALSE(at(60.7f, 44));
    expectColour(textAt(60.7f, 49.2f), seatOnButton[2][0], seatOnButton[2][1], seatOnButton[2][2]);
    expectColour(textAt(60.7f, 54.4f), seatOnButton[3][0], seatOnButton[3][1], seatOnButton[3][2]);
    EXPECT_TRUE(shown("tauschen"));
    EXPECT_TRUE(shown("Bauen"));

    // A partner beyond the seats marks nobody and reads no foreign memory.
    tradePlayer = 6;
    draw();
    for (float q : {44.0f, 49.2f, 54.4f, 59.6f}) EXPECT_FALSE(at(59, q));
}

TEST_F(Overlay, WinMessageReadsInFourPieces) {
    playersChoice = false;
    win = true;
    player = 3;
    playerKI[3] = false;
    runde = 12;
    draw();
    std::vector<Text> names = all("Spieler 3");
    ASSERT_EQ(names.size(), 2u); // status line and message
    expectAt(names[1], 43, 50);
    expectColour(names[1], seatOnPanel[3][0], seatOnPanel[3][1], seatOnPanel[3][2]);
    expectColour(one("hat im"), 1, 1, 1);
    const Text move = textAt(58.7f, 50);
    EXPECT_EQ(move.text, "12");
    expectColour(move, 1, 1, 0.3f);
    const Text rest = one("ten Spielzug gewonnen!");
    expectColour(rest, 1, 1, 1);
    expectAt(rest, 61.2f, 50);
}

TEST_F(Overlay, FrameRateIsBlackAndLeavesWhite) {
    fps = true;
    frameRate = 59.5f;
    draw();
    const Text rate = one("59.50");
    expectColour(rate, 0, 0, 0);
    expectAt(rate, 1, 3);
    EXPECT_FLOAT_EQ(cr + cg + cb, 3);
}

// The message line: who is on turn and the next step in every phase, what just happened, all
// inside the bar's middle panel, or in the strip above it while the dice are shown.
TEST_F(Overlay, MessageLineTellsWhoIsOnTurnTheNextStepAndWhatHappened) {
    playersChoice = false;
    winPoints = 10;
    playersPicked = 4;
    playerKI[1] = false, playerKI[2] = playerKI[3] = playerKI[4] = true;
    MessageLine m;
    auto step = [&] {
        composeMessage(&m);
        return std::string(m.step);
    };
    EXPECT_EQ(step(), "Siedlung setzen");
    EXPECT_STREQ(m.name, "Spieler 1:");
    firstTime = 1, build = true;
    EXPECT_EQ(step(), "Strasse setzen");
    firstTime = 17, build = false, wuerfeln = true;
    EXPECT_EQ(step(), "Wuerfeln");
    wuerfeln = false, next = true;
    EXPECT_EQ(step(), "Handeln, dann Bauen, oder Naechster");
    trade = true;
    EXPECT_EQ(step(), "Karte waehlen, dann tauschen");
    trade = false, build = true;
    EXPECT_EQ(step(), "nichts zu bauen, weiter mit Naechster") << "no offer stands";
    offersUp = 1;
    EXPECT_EQ(step(), "Bauplatz waehlen");
    resources[1][0] = winPoints;
    EXPECT_EQ(step(), "Ziel erreicht: Naechster gewinnt das Spiel");
    build = false;
    EXPECT_EQ(step(), "Ziel erreicht: Naechster gewinnt das Spiel") << "in every phase of the turn";
    resources[1][0] = 0;

    // What the seat on turn did, a person's like a computer's, and why a press was refused.
    const char* const moves[] = {"baut eine Strasse",
                                 "baut eine Siedlung",
                                 "baut eine Stadt",
                                 nullptr,
                                 "nimmt eine Strasse zurueck",
                                 "nimmt eine Siedlung zurueck",
                                 "nimmt eine Stadt zurueck"};
    for (int move = 0; move < 7; move++) {
        if (!moves[move]) continue; // a trade names its cards, below
        newsMoved(move);
        composeMessage(&m);
        EXPECT_EQ(std::string(m.news), std::string("Spieler 1 ") + moves[move]);
    }
    const char* const reasons[] = {"zu wenige Karten", "nichts gewaehlt", "Platz schon bebaut",
                                   "nur mit Spielern"};
    for (int reason = 0; reason < 4; reason++) {
        newsRefused(reason);
        composeMessage(&m);
        EXPECT_STREQ(m.news, reasons[reason]);
    }

    newsRolled(8);
    newsPaid(1, WOOD, 2);
    newsPaid(3, ORE, 1);
    newsPaid(3, CLAY, 2);
    composeMessage(&m);
    EXPECT_STREQ(m.news, "Wurf 8: Spieler 1 +2 Holz, Comp. 3 +1 Erz +2 Lehm");
    newsRolled(7);
    composeMessage(&m);
    EXPECT_STREQ(m.news, "Wurf 7: kein Ertrag");

    player = 2, next = build = false;
    EXPECT_EQ(step(), "ist am Zug");
    EXPECT_STREQ(m.name, "Comp. 2");
    newsMoved(MOVE_CITY);
    composeMessage(&m);
    EXPECT_STREQ(m.news, "Comp. 2 baut eine Stadt");
    const int gave[6] = {0, 0, 4, 0, 3, 0}, got[6] = {0, 1, 0, 0, 0, 1};
    newsTraded(gave, got);
    composeMessage(&m);
    EXPECT_STREQ(m.news, "Comp. 2 tauscht 4 Wolle, 3 Erz gegen 1 Holz, 1 Lehm");
    // A computer seat's answer to the offer of the seat on turn; a gift is taken for nothing.
    const int none[6] = {};
    newsAnswered(3, true, gave, none);
    composeMessage(&m);
    EXPECT_STREQ(m.news, "Comp. 3 nimmt an: 4 Wolle, 3 Erz gegen nichts");
    newsAnswered(3, false, gave, got);
    composeMessage(&m);
    EXPECT_STREQ(m.news, "Comp. 3 lehnt ab");
    newsTraded(gave, got);

    // Drawn word by word inside its box: the panel, or the strip while the dice are shown.
    for (bool dice : {false, true}) {
        diceShown = dice;
        const TextBox& box = dice ? messageInStrip : messageInPanel;
        draw();
        int words = 0;
        for (const Text& t : texts) {
            if (t.y < box.y || t.y > box.y + 22 * box.lines) continue;
            if (t.x < box.x || t.x > box.x + box.width) continue;
            EXPECT_LE(t.x + smallWidth(t.text.c_str()), box.x + box.width) << t.text;
            words++;
        }
        EXPECT_GE(words, 6) << "Comp. 2 ist am Zug and the trade";
        expectColour(one("ist"), 1, 1, 1);
    }
    // In English the same, word for word from the catalogue; a seat's name and the roll stay
    // on one line with their numbers.
    ASSERT_TRUE(useLanguage("en", QUELVANE_LOCALE_DIR));
    composeMessage(&m);
    EXPECT_STREQ(m.name, "Comp. 2");
    EXPECT_STREQ(m.step, "is playing");
    EXPECT_STREQ(m.news, "Comp. 2 trades 4 wool, 3 ore for 1 wood, 1 clay");
    player = 1, firstTime = 0;
    newsRolled(8);
    newsPaid(1, WOOD, 2);
    composeMessage(&m);
    EXPECT_STREQ(m.name, "Player 1:");
    EXPECT_STREQ(m.step, "place a settlement");
    EXPECT_STREQ(m.news, "Roll 8: Player 1 +2 wood");
    draw();
    EXPECT_TRUE(shown("Roll 8:") && shown("+2 wood"));
    EXPECT_FALSE(shown("Roll") || shown("8:"));
    useLanguage("", QUELVANE_LOCALE_DIR);
    player = 2, firstTime = 17;

    win = true;
    composeMessage(&m);
    EXPECT_STREQ(m.name, "") << "the end screen says it all";

    // A game not kept says so on the last rows, in every phase; the step keeps its row.
    keepTrouble = WRITE_DISK_FULL;
    for (int phase = 0; phase < 3; phase++) {
        win = phase == 1, playersChoice = phase == 2, diceShown = phase == 0;
        const TextBox& box = phase == 0 ? messageInStrip : messageInPanel;
        draw();
        const Text full = one("Datentraeger voll");
        expectColour(full, 1, 0.6f, 0.2f);
        EXPECT_FLOAT_EQ(full.y, box.y + 22 * (box.lines - 0.22f)) << phase;
        EXPECT_TRUE(shown("gesichert:"));
        EXPECT_EQ(shown("ist"), phase == 0) << "the seat on turn, when there is a game";
    }
    keepTrouble = WRITE_OK;
}

// The scoreboard lists every seat in play with its points and cards, the seat on turn marked.
TEST_F(Overlay, ScoreboardFollowsTheGame) {
    playersChoice = false;
    playersPicked = 3;
    playerKI[2] = false, playerKI[3] = true;
    player = 2;
    resources[2][0] = 5, resources[2][WOOD] = 3, resources[2][ORE] = 4;
    resources[3][0] = 2;
    draw();
    EXPECT_TRUE(shown("Punkte") && shown("Karten"));
    EXPECT_TRUE(shown("Comp. 3"));
    EXPECT_FALSE(shown("Comp. 4"));
    const float row = all("Spieler 2").back().y; // the bar's name comes first
    std::vector<Text> rowOf2;
    for (const Text& t : texts)
        if (t.y == row && t.x > 1000) rowOf2.push_back(t);
    ASSERT_EQ(rowOf2.size(), 4u) << "marker, name, points, cards";
    EXPECT_EQ(rowOf2[0].text, ">");
    EXPECT_EQ(rowOf2[2].text, "5");
    EXPECT_EQ(rowOf2[3].text, "7");
    resources[2][WOOD] = 0;
    draw();
    EXPECT_TRUE(shown("4"));
    EXPECT_FALSE(shown("7"));
    playersChoice = true;
    draw();
    EXPECT_FALSE(shown("Karten")) << "no scoreboard at the seat selection";
}

// In a picture 640 pixels wide a glyph of the overlay font takes about 12 canvas units and one
// of the small font about 10: every label still stands inside its button or panel, in the
// small font where the overlay font is too wide for the room; in German and in English.
TEST_F(Overlay, LabelsStayInsideTheirButtonsAtTheSmallestSize) {
    overlayOutput.width = [](const char* t) { return 12.0f * (float)std::string(t).size(); };
    overlayOutput.smallWidth = [](const char* t) { return 10.0f * (float)std::string(t).size(); };
    struct On {
        const char* text[2]; // German, English
        int slot;
        float halfWidth, halfHeight; // of the panel, in eye units
    } const on[] = {
        {{"Baukosten", "Costs"}, SLOT_COSTS, 0.22f, 0.08f},
        {{"Optionen", "Options"}, SLOT_OPTIONS, 0.22f, 0.08f},
        {{"Handeln", "Trade"}, SLOT_MAIN, 0.22f, 0.1f},
        {{"Bauen", "Build"}, SLOT_MAIN, 0.22f, 0.1f},
        {{"Naechster", "Next"}, SLOT_NEXT, 0.22f, 0.1f},
        {{"Schliessen", "Quit"}, SLOT_CLOSE, 0.22f, 0.1f},
        {{"tauschen", "exchange"}, SLOT_TRADE_GO, 0.22f, 0.1f},
        {{"Hafen", "Harbour"}, SLOT_BANK, 0.22f, 0.1f},
        {{"Spieler 2", "Player 2"}, SLOT_PARTNERS + 2, 0.22f, 0.1f},
        {{"Zeichen", "Signs"}, SLOT_OPT_SIGNS, 0.22f, 0.1f},
        {{"Frames", "Frames"}, SLOT_OPT_FPS, 0.22f, 0.1f},
        {{"Start", "Start"}, SLOT_START_BESIDE, 0.22f, 0.1f},
        {{"Fortsetzen", "Continue"}, SLOT_RESUME, 0.22f, 0.1f},
        {{"Profi 2", "Pro 2"}, SLOT_SEAT_COMPUTER + 2, 0.22f, 0.1f},
        {{"Computer: normal", "Computers: normal"}, SLOT_PACE, 0.52f, 0.09f},
        {{"Neues Spiel", "New game"}, SLOT_NEW_GAME, 0.3f, 0.1f},
        {{"ten Spielzug gewonnen!", "!"}, SLOT_END_SCREEN, 0.9f, 0.6f},
    };
    for (int english = 0; english < 2; english++) {
        ASSERT_EQ(useLanguage(english ? "en" : "", QUELVANE_LOCALE_DIR), english == 1);
        // The labels found on their panels, each checked to end inside.
        auto inside = [&](const char* phase) {
            int checked = 0;
            for (const Text& t : texts)
                for (const On& o : on) {
                    const float* at = positionI[o.slot];
                    const float top = (1 - 2 * (at[1] + o.halfHeight) / -at[2]) * 512;
                    const float bottom = (1 - 2 * (at[1] - o.halfHeight) / -at[2]) * 512;
                    if (t.text != o.text[english] || t.y < top || t.y > bottom) continue;
                    const float left = (1 + 1.6f * (at[0] - o.halfWidth) / -at[2]) * 640;
                    const float right = (1 + 1.6f * (at[0] + o.halfWidth) / -at[2]) * 640;
                    const float w = (t.small ? 10.0f : 12.0f) * (float)t.text.size();
                    EXPECT_TRUE(t.x >= left && t.x + w <= right) << t.text << " " << phase;
                    checked++;
                }
            return checked;
        };
        playersChoice = keptGameOffered = win = false, player = 1, playersPicked = 2;
        playerKI[1] = playerKI[2] = false, kiStrength[2] = KI_TABLE;
        next = options = true;
        draw();
        EXPECT_EQ(inside("in the free phase"), 7);
        EXPECT_TRUE(one(on[5].text[english]).small && one(on[2].text[english]).small)
            << "the buttons in one font";
        trade = true;
        draw();
        EXPECT_EQ(inside("while trading"), 10);
        EXPECT_FALSE(one(tr("Incoming")).small) << "a heading that fits its panel keeps its font";
        next = trade = options = false, playersChoice = keptGameOffered = true;
        playerKI[2] = true, kiStrength[2] = KI_STRONG;
        draw();
        EXPECT_EQ(inside("at the seat selection"), 7);
        playersChoice = false, win = true, runde = 12;
        draw();
        EXPECT_EQ(inside("on the end screen"), 5);
    }
    useLanguage("", QUELVANE_LOCALE_DIR);
}
