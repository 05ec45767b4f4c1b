// The overlay texts: which texts each phase shows, where, and in which colour.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/state.h"
#include "game/view.h"
#include "game/ki.h"
#include "game/news.h"
#include "game/save.h"
#include "platform/platform.h"
#include "render/overlay.h"

namespace {

struct Text {
    float r, g, b;
    float x, y;
    std::string text;
};

float cr = -1, cg = -1, cb = -1;
std::vector<Text> texts;

void recordColour(float r, float g, float b) {
    cr = r, cg = g, cb = b;
}

void recordText(float x, float y, const char* text) {
    texts.push_back({cr, cg, cb, x, y, text});
}

// The small font taken as 9 units a glyph and 22 a line, as without a window.
float smallWidth(const char* text) {
    return 9.0f * (float)std::string(text).size();
}
float smallLine() {
    return 22;
}

class Overlay : public ::testing::Test {
  protected:
    void SetUp() override {
        overlayOutput = {recordColour, recordText, recordText, smallWidth, smallLine};
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
    expectColour(person1, 1, 0, 0);
    expectColour(comp1, 1, 1, 1);
    expectAt(person1, 52, 39.1f);
    const Text left = one("<");
    expectColour(left, 1, 1, 1);
    expectAt(left, 62.6f, 39.1f);

    const Text person2 = one("Spieler 2"), comp2 = one("Comp. 2");
    expectColour(person2, 1, 1, 1);
    expectColour(comp2, 0, 0, 1);
    expectAt(comp2, 67.4f, 44.2f);
    expectAt(one(">"), 64.1f, 44.2f);

    EXPECT_FALSE(shown("Spieler 3"));
    EXPECT_FALSE(shown("Comp. 4"));
    expectAt(one("Start"), 61.6f, 62.3f);
    EXPECT_FLOAT_EQ(cr + cg + cb, 3); // ends white

    // The strong computer in its place, in the seat's colour; a person's seat offers the
    // table's computer, which its button makes it.
    kiStrength[2] = KI_STRONG;
    kiStrength[1] = KI_STRONG;
    draw();
    EXPECT_FALSE(shown("Comp. 2"));
    const Text strong2 = one("Profi 2");
    expectColour(strong2, 0, 0, 1);
    expectAt(strong2, 67.4f, 44.2f);
    EXPECT_FALSE(shown("Profi 1"));
    expectColour(one("Comp. 1"), 1, 1, 1);
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
    expectColour(name, 1, 0, 1);
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
    expectColour(all("Profi 4")[1], 1, 0, 1);
    win = false;

    // A player outside 1-4 keeps white and reads no foreign memory.
    player = 9;
    draw();
    expectColour(one("Spieler 9"), 1, 1, 1);
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

    kiTurn = 0;
    draw();
    EXPECT_FALSE(shown("Computer speed:"));
    EXPECT_TRUE(shown("Schliessen"));
}

TEST_F(Overlay, ComputerRollShowsOnlyAfterTheOpening) {
    playersChoice = false;
    kiTurn = 3;
    playersPicked = 2;
    zufall = 8;
    firstTime = 8; // four placements each: the opening is still on
    draw();
    EXPECT_FALSE(shown("= 8"));
    firstTime = 9;
    draw();
    expectAt(one("= 8"), 75, 98);
    expectColour(one("+"), 1, 1, 0.3f);
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
    expectColour(one("Optionen"), 0.3f, 0.3f, 0.3f);

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
    expectColour(textAt(60.7f, 49.2f), 0, 0, 1);
    expectColour(textAt(60.7f, 54.4f), 0.4f, 0.91f, 0);
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
    expectColour(names[1], 0, 1, 0);
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
    EXPECT_EQ(step(), "zu wenige Karten");
    houses[10][SPOT_LEVEL] = 1, houses[10][SPOT_OWNER] = 1;
    resources[1][GRAIN] = 2, resources[1][ORE] = 3;
    EXPECT_EQ(step(), "Bauplatz waehlen") << "a city can be raised";

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
    newsComputerMoved(MOVE_CITY);
    composeMessage(&m);
    EXPECT_STREQ(m.news, "Comp. 2 baut eine Stadt");
    const int gave[6] = {0, 0, 4, 0, 3, 0}, got[6] = {0, 1, 0, 0, 0, 1};
    newsComputerTraded(gave, got);
    composeMessage(&m);
    EXPECT_STREQ(m.news, "Comp. 2 tauscht 4 Wolle, 3 Erz gegen 1 Holz, 1 Lehm");

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
