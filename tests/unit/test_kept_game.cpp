// The kept game: written only when the game changed, read back whole, by name, from every
// release; a damaged or foreign file never taken and never lost; one copy keeps, and a write
// that fails is said and tried again.
#include "game_test_util.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <fstream>
#include <iterator>
#include <algorithm>
#include <cctype>
#include <sstream>
#include <set>

#include "game/checks.h"
#include "game/news.h"
#include "game/rules.h"
#include "game/save.h"

namespace {

using namespace gt;

std::string scratchFolder() {
    char dir[] = "/tmp/quelvane-kept.XXXXXX";
    EXPECT_NE(mkdtemp(dir), nullptr);
    return dir;
}

std::string contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void put(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string written(int now) {
    unsigned char bytes[KEPT_GAME_ROOM];
    return std::string((const char*)bytes, writeGame(bytes, now));
}

// Two people in the opening, player 1's settlement placed and a road due.
std::string openingGame() {
    startPeople(2);
    press(spotPick(10));
    return written(clockMs);
}

// What openKeptGame says on standard error.
std::string opened() {
    testing::internal::CaptureStderr();
    openKeptGame();
    return testing::internal::GetCapturedStderr();
}

bool readBack(const std::string& bytes, std::string* why = nullptr) {
    char reason[600] = "";
    const bool read =
        readGame((const unsigned char*)bytes.data(), (int)bytes.size(), clockMs, reason, 600);
    if (why) *why = reason;
    return read;
}

// A kept game with its lines changed and its checksum made right again.
std::string edited(std::string game, const std::string& from, const std::string& to) {
    const size_t at = game.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    game.replace(at, from.size(), to);
    resealGame((unsigned char*)&game[0], (int)game.size());
    return game;
}

void pointAt(const std::string& folder) {
    std::snprintf(keptGamePath, sizeof keptGamePath, "%s/quelvane.sav", folder.c_str());
}

TEST(KeptGame, OfferedAtStartAndResumedWhole) {
    setUpGame();
    configuredWinPoints = winPoints = 10;
    const std::string folder = scratchFolder();
    pointAt(folder);
    EXPECT_EQ(opened(), "");
    EXPECT_TRUE(keeping) << "no file yet: the game is kept";
    EXPECT_FALSE(keptGameOffered);

    winPoints = 8; // a game to 8 kept while the configuration asked for 10
    const std::string game = openingGame();
    kiTime = 900; // a delay that began 100 ms before the game was kept at 1000
    const std::string timed = written(clockMs);
    put(keptGamePath, timed);
    resetGame();
    showGame();
    EXPECT_EQ(opened(), "");
    EXPECT_TRUE(keptGameOffered);
    EXPECT_TRUE(playersChoice) << "the seat selection comes first";
    EXPECT_EQ(winPoints, 10) << "with the configured target, until the kept game is taken up";
    pass();
    EXPECT_TRUE(shows(interfaceV[SLOT_RESUME], TEX_BUTTON));
    EXPECT_TRUE(empty(interfaceV[SLOT_START])) << "Start moves aside";
    clockMs = 5000;
    press(PICK_RESUME);
    EXPECT_FALSE(keptGameOffered);
    EXPECT_EQ(kiTime, 4900);
    EXPECT_EQ(winPoints, 8) << "Fortsetzen plays the kept game to its own target";
    kiTime = 900;
    EXPECT_TRUE(written(1000) == timed) << "the same game";
    kiTime = -2147483000; // a stamp from long ago is held within reach, with no overflow
    put(keptGamePath, written(1000));
    resetGame();
    showGame();
    opened();
    press(PICK_RESUME);
    EXPECT_EQ(kiTime, -(INT_MAX / 2));
    EXPECT_TRUE(shows(housesV[10], TEX_SETTLEMENT));
    EXPECT_TRUE(shows(streetsV[3], TEX_BUILD + 3)) << "the road offers of the opening";
    EXPECT_TRUE(shows(modelV[28], TEX_TERRAIN));
    EXPECT_TRUE(empty(interfaceV[SLOT_SEATS_PANEL]));

    // The seat selection shows the offered game's seats; Start passes over the kept game for
    // good and deals a new one with the seats as then shown or changed, to the configured
    // target.
    resetGame();
    showGame();
    press(PICK_PLAYER_COUNT + 3);
    press(PICK_SEAT_PERSON + 1);
    press(PICK_SEAT_COMPUTER + 3); // the strong computer
    press(PICK_START);
    put(keptGamePath, written(clockMs));
    resetGame();
    showGame();
    opened();
    EXPECT_TRUE(playersPicked == 3 && !playerKI[1] && !playerKI[2] && playerKI[3]);
    EXPECT_EQ(kiStrength[3], KI_STRONG);
    EXPECT_TRUE(playersChoice && player == 0 && streets[3] == 0) << "nothing else of the game";
    press(PICK_SEAT_COMPUTER + 2);
    press(PICK_START_BESIDE);
    EXPECT_FALSE(keptGameOffered);
    EXPECT_FALSE(playersChoice);
    EXPECT_TRUE(playersPicked == 3 && !playerKI[1] && playerKI[2] && playerKI[3]);
    EXPECT_EQ(winPoints, 10);

    // A won game is kept as won and not offered again.
    resetGame();
    showGame();
    openingGame();
    press(edgePick(3));
    playOpening();
    winPoints = 4;
    for (int s = 0; s < NUM_SPOTS; s++)
        if (houses[s][SPOT_OWNER] == 1) houses[s][SPOT_LEVEL] = CITY, resources[1][0]++;
    wuerfeln = false, next = true;
    press(PICK_NEXT);
    ASSERT_TRUE(win);
    put(keptGamePath, written(clockMs));
    resetGame();
    EXPECT_EQ(opened(), "");
    EXPECT_FALSE(keptGameOffered);
    EXPECT_TRUE(keeping);
}

TEST(KeptGame, DamagedOrForeignFilesAreMovedAsideAndNeverLost) {
    setUpGame();
    configuredWinPoints = winPoints = 10;
    const std::string folder = scratchFolder();
    const std::string path = folder + "/quelvane.sav";
    pointAt(folder);
    winPoints = 7;
    const std::string game = openingGame();
    resetGame();
    const Snapshot fresh = takeSnapshot();
    const std::string firstFormat =
        contents(QUELVANE_SOURCE_DIR "/tests/kept/1.0.0/person-opening.sav");
    std::string checksum = game, firstChecksum = firstFormat;
    checksum[100] ^= 1;
    firstChecksum[100] ^= 1;
    const struct {
        std::string bytes, reason;
    } damaged[] = {
        {"", "the file is empty"},
        {"#!/bin/sh\n", "not a kept game of Quelvane"},
        {game.substr(0, game.size() - 9), "the file is cut short"},
        {game + "model = 1\n", "the file runs on past its end"},
        {edited(game, "format = 2", "format = 3"), "format version 3 of Quelvane "},
        {checksum, "the checksum does not match"},
        {edited(game, "resources = 0 0 0 0 0 0 1", "resources = 0 0 0 0 0 0 3"),
         "an impossible game: player 1 has 3 points"},
        {edited(game, "win = 0", "win = 2"), "win holds 2 where only 0 or 1 can stand"},
        {edited(game, "streets = 0 0", "streets = 0"), "streets holds 71 values where 72 belong"},
        {edited(game, "player = 1", "player = 1x"), "player holds something that is not a number"},
        {edited(game, "runde = 1\n", "runde = 1\nrunde = 1\n"), "runde stands twice"},
        {firstFormat.substr(0, 1000), "the file is cut short"},
        {firstChecksum, "the checksum does not match"},
    };
    std::vector<std::string> aside;
    for (const auto& d : damaged) {
        put(path, d.bytes);
        const std::string said = opened();
        const std::string moved =
            aside.empty() ? path + ".bad" : path + ".bad." + std::to_string(aside.size() + 1);
        EXPECT_NE(said.find(d.reason), std::string::npos) << said;
        EXPECT_NE(said.find(moved), std::string::npos) << said;
        EXPECT_FALSE(keptGameOffered) << d.reason;
        EXPECT_TRUE(keeping && keepTrouble == WRITE_OK) << "the name is free again";
        EXPECT_TRUE(takeSnapshot().same(fresh))
            << d.reason << ": the refused file left " << joined(fresh.diff(takeSnapshot()));
        EXPECT_EQ(access(path.c_str(), F_OK), -1);
        aside.push_back(d.bytes);
        for (size_t i = 0; i < aside.size(); i++) {
            const std::string name =
                i == 0 ? path + ".bad" : path + ".bad." + std::to_string(i + 1);
            EXPECT_TRUE(contents(name) == aside[i]) << name << " kept as it was";
        }
        resetKeeping();
        pointAt(folder);
    }

    // Something else by that name stays where it is, and the game is not kept until it is
    // gone.
    ASSERT_EQ(mkdir(path.c_str(), 0755), 0);
    const std::string said = opened();
    EXPECT_NE(said.find("is not a file; the game is not kept"), std::string::npos) << said;
    EXPECT_EQ(keepTrouble, WRITE_IN_THE_WAY);
    press(PICK_START);
    struct stat st;
    EXPECT_TRUE(stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode));
    ASSERT_EQ(rmdir(path.c_str()), 0);
    testing::internal::CaptureStderr();
    press(spotPick(10));
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Quelvane: " + path + ": the game is kept again\n");
    EXPECT_EQ(keepTrouble, WRITE_OK);
    EXPECT_TRUE(readBack(contents(path)));
}

// The variables a file of src/game defines at its top level, or declares extern.
std::set<std::string> variablesIn(const std::string& source, bool declared) {
    std::set<std::string> names;
    std::istringstream lines(contents(QUELVANE_SOURCE_DIR "/src/game/" + source));
    for (std::string line; std::getline(lines, line);) {
        if (declared && line.rfind("extern ", 0) != 0) continue;
        if (declared) line = line.substr(7);
        const size_t type = line.find(' '), end = line.find(';');
        if (!std::isalpha((unsigned char)line[0]) || type == std::string::npos ||
            end == std::string::npos || line.find('(') < end || line.rfind("static", 0) == 0 ||
            line.rfind("using", 0) == 0 || line.rfind("enum", 0) == 0)
            continue;
        std::stringstream list(line.substr(type + 1, end - type - 1));
        for (std::string name; std::getline(list, name, ',');) {
            name = name.substr(0, name.find_first_of("[="));
            name.erase(std::remove(name.begin(), name.end(), ' '), name.end());
            if (!name.empty()) names.insert(name);
        }
    }
    return names;
}

TEST(KeptGame, ReadByNameFromEveryRelease) {
    const std::set<std::string> defined = variablesIn("state.cpp", false);
    EXPECT_GT(defined.size(), 40u);
    EXPECT_EQ(defined, variablesIn("state.h", true));
    for (const std::string& name : defined)
        EXPECT_TRUE(keptGameHolds(name.c_str()) != keptGameLeavesOut(name.c_str()))
            << name << " is neither kept nor left out on purpose";

    // A later release's name is passed over; a name not found keeps its fresh value.
    setUpGame();
    configuredWinPoints = winPoints = 10;
    startPeople(2);
    press(spotPick(10));
    tradeDelete = true;
    const std::string game = written(clockMs);
    EXPECT_LT(game.size(), 2500u);
    EXPECT_EQ(game.find("posPoints"), std::string::npos) << "no scratch of the computer's search";
    ASSERT_TRUE(readBack(edited(game, "clock", "harbourOwners = 0 1 0 -5 x\n# a note\nclock")));
    EXPECT_TRUE(written(clockMs) == game);
    ASSERT_TRUE(readBack(edited(game, "tradeDelete = 1\n", "")));
    EXPECT_FALSE(tradeDelete);
    EXPECT_EQ(houses[10][SPOT_OWNER], 1);

    // A person's dialog with a computer seat as partner reads back as it stood, the offer on
    // the table, and "tauschen" asks the seat. The turn passes with the bank as partner again:
    // the seat asked, now on turn, would otherwise be its own partner.
    resetGame();
    setUpGame();
    press(PICK_PLAYER_COUNT + 2);
    press(PICK_SEAT_PERSON + 1);
    press(PICK_SEAT_COMPUTER + 2);
    press(PICK_START);
    firstTime = 9, build = false, next = true;
    resources[1][WOOD] = resources[2][ORE] = 1;
    press(PICK_MAIN);
    press(PICK_PARTNERS + 2);
    press(PICK_OUT_PLUS + WOOD);
    press(PICK_IN_PLUS + ORE);
    ASSERT_TRUE(readBack(written(clockMs)));
    showGame();
    EXPECT_TRUE(tradePlayer == 2 && tradeArray[WOOD - 1][0] == 1 && tradeArray[ORE - 1][1] == 1);
    EXPECT_TRUE(shows(interfaceV[SLOT_OUT_PLUS], TEX_TRADE + 6)) << "the partner's buttons";
    press(PICK_TRADE_GO);
    EXPECT_EQ(newsKind, NEWS_ANSWER);
    press(PICK_MAIN);
    press(PICK_NEXT);
    ASSERT_EQ(player, 2);
    EXPECT_EQ(tradePlayer, 0);
    std::string why;
    EXPECT_TRUE(readBack(written(clockMs), &why)) << why;

    // The games release 1.0.0 kept: each taken up where it stood, without a word, and played
    // on by its seats; none is moved aside.
    const struct {
        const char* file;
        bool offered;
        int passes; // the computer's passes to the end
    } first[] = {
        {"person-opening.sav", true, 0},
        {"person-trading.sav", true, 0},
        {"computer-before-win.sav", true, 40},
        {"computer-won.sav", false, 0},
    };
    const std::string folder = scratchFolder();
    for (const auto& f : first) {
        SCOPED_TRACE(f.file);
        resetKeeping();
        pointAt(folder);
        const std::string bytes =
            contents(std::string(QUELVANE_SOURCE_DIR "/tests/kept/1.0.0/") + f.file);
        put(keptGamePath, bytes);
        configuredWinPoints = winPoints = 6;
        resetGame();
        showGame();
        EXPECT_EQ(opened(), "");
        EXPECT_EQ(keptGameOffered, f.offered);
        EXPECT_TRUE(contents(keptGamePath) == bytes);
        std::string why;
        ASSERT_TRUE(readBack(bytes, &why)) << why;
        showGame();
        EXPECT_EQ(winPoints, 10);
        EXPECT_EQ(keptGameClock((const unsigned char*)bytes.data(), (int)bytes.size()) > 0, true);
        ASSERT_TRUE(readBack(written(clockMs))) << "and kept again, it reads back";
        char problem[200];
        if (!std::strcmp(f.file, "person-opening.sav")) {
            const int roadsBefore = firstTime;
            int e = 0;
            while (e < NUM_EDGES && !shows(streetsV[e], TEX_BUILD + 3 * player)) e++;
            press(edgePick(e));
            EXPECT_EQ(firstTime, roadsBefore + 1) << "player 2's road";
        } else if (!std::strcmp(f.file, "person-trading.sav")) {
            press(PICK_MAIN);
            EXPECT_TRUE(build && !trade) << "Bauen";
        } else if (f.passes > 0) {
            for (int i = 0; i < f.passes && !win; i++, clockMs += 500) pass();
            EXPECT_TRUE(win) << "the computer ends its turn and wins";
        } else {
            press(PICK_NEW_GAME);
            EXPECT_TRUE(playersChoice) << "Neues Spiel";
            EXPECT_EQ(winPoints, 6) << "a new game plays to the configured target";
        }
        EXPECT_TRUE(checkInvariants(problem, sizeof problem)) << problem;
    }
}

int writes = 0;
int failWith = WRITE_OK;
void countedKeep(const char*, const void*, int) {
    writes++;
}
int countedState(char* why, int whySize) {
    if (failWith != WRITE_OK) std::snprintf(why, whySize, "cannot write quelvane.sav.1.tmp: full");
    return failWith;
}

TEST(KeptGame, WrittenWhenTheGameChangedAndSaysWhenItCannot) {
    setUpGame();
    platform.keepFile = countedKeep;
    platform.keptFileState = countedState;
    writes = 0, failWith = WRITE_OK;
    keeping = true;
    press(PICK_PLAYER_COUNT + 2);
    press(PICK_SEAT_PERSON + 1);
    pass();
    EXPECT_EQ(writes, 0) << "no game under way at the seat selection";
    press(PICK_START);
    EXPECT_EQ(writes, 1);
    pass();
    postClick(PICK_SPOT - 1); // a person's press on nothing, held over a pass
    lButtonOneTime = true;
    pass();
    releaseClick();
    pass();
    EXPECT_EQ(writes, 1) << "nothing changed";
    press(spotPick(10));
    EXPECT_EQ(writes, 2);

    // A full disk: said once, tried again at every change, and over once a write gets through.
    failWith = WRITE_DISK_FULL;
    testing::internal::CaptureStderr();
    press(edgePick(3));
    pass();
    press(spotPick(40));
    EXPECT_EQ(writes, 4) << "tried again with the next change";
    EXPECT_EQ(keepTrouble, WRITE_DISK_FULL);
    failWith = WRITE_OK;
    pass();
    EXPECT_EQ(keepTrouble, WRITE_OK) << "the background writer's next write got through";
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Quelvane: cannot write quelvane.sav.1.tmp: full; the game is not kept until that "
              "is mended\nQuelvane: quelvane.sav: the game is kept again\n");
}

TEST(KeptGame, OneCopyKeepsAFolder) {
    setUpGame();
    configuredWinPoints = winPoints = 10;
    const std::string folder = scratchFolder();
    pointAt(folder);
    const std::string game = openingGame();
    resetGame();
    put(keptGamePath, game);
    int trouble;
    char why[600];
    const int other = sysLockFile(keptGamePath, &trouble, why, sizeof why);
    ASSERT_GE(other, 0) << why;
    const std::string said = opened();
    EXPECT_EQ(said, "Quelvane: another copy of the game is playing in this folder and keeps " +
                        std::string(keptGamePath) + "; this copy plays without keeping\n");
    EXPECT_FALSE(keeping || keptGameOffered);
    EXPECT_EQ(keepTrouble, WRITE_LOCKED);
    startPeople(2);
    press(spotPick(20));
    EXPECT_TRUE(contents(keptGamePath) == game) << "the other copy's game stays whole";
    EXPECT_EQ(
        access((std::string(keptGamePath) + "." + std::to_string(getpid()) + ".tmp").c_str(), F_OK),
        -1);

    // A copy that ended leaves no lock behind.
    sysUnlockFile(other);
    resetKeeping();
    pointAt(folder);
    resetGame();
    EXPECT_EQ(opened(), "");
    EXPECT_TRUE(keeping && keptGameOffered);
}

} // namespace
