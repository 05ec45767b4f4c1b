// The kept game: written only when the game changed, read back whole, and a damaged or
// foreign file never taken and never lost.
#include "game_test_util.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <fstream>
#include <iterator>

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

int writes = 0;
bool failWrites = false;
bool countedKeep(const char*, const void*, int, char* why, int whySize) {
    writes++;
    if (failWrites) std::snprintf(why, whySize, "the disk is full");
    return !failWrites;
}

TEST(KeptGame, OfferedAtStartAndResumedWhole) {
    setUpGame();
    winPoints = 10;
    const std::string folder = scratchFolder();
    std::snprintf(keptGamePath, sizeof keptGamePath, "%s/quelvane.sav", folder.c_str());
    EXPECT_EQ(opened(), "");
    EXPECT_TRUE(keeping) << "no file yet: the game is kept";
    EXPECT_FALSE(keptGameOffered);

    const std::string game = openingGame();
    kiTime = 900; // a delay that began 100 ms before the game was kept at 1000
    const std::string timed = written(clockMs);
    put(keptGamePath, timed);
    resetGame();
    showGame();
    EXPECT_EQ(opened(), "");
    EXPECT_TRUE(keptGameOffered);
    EXPECT_TRUE(playersChoice) << "the seat selection comes first";
    pass();
    EXPECT_TRUE(shows(interfaceV[SLOT_RESUME], TEX_BUTTON));
    EXPECT_TRUE(empty(interfaceV[SLOT_START])) << "Start moves aside";
    clockMs = 5000;
    press(PICK_RESUME);
    EXPECT_FALSE(keptGameOffered);
    EXPECT_EQ(kiTime, 4900);
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
    // good and deals a new one with the seats as then shown or changed.
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
    winPoints = 10;
    const std::string folder = scratchFolder();
    const std::string path = folder + "/quelvane.sav";
    std::snprintf(keptGamePath, sizeof keptGamePath, "%s", path.c_str());
    const std::string game = openingGame();
    const int points = resources[1][0];
    resources[1][0] = 3; // points without the buildings to hold them
    const std::string impossible = written(clockMs);
    resources[1][0] = points;
    posPoints1 = 7; // a rating's sum, which a pass always leaves at zero
    const std::string leftOver = written(clockMs);
    std::string otherVersion = game, checksum = game;
    otherVersion[8] = 2;
    checksum[100] ^= 1;
    const struct {
        std::string bytes, reason;
    } damaged[] = {
        {"", "the file is empty"},
        {"#!/bin/sh\n", "not a kept game of Quelvane"},
        {game.substr(0, game.size() - 9), "the file is cut short"},
        {otherVersion, "format version 2"},
        {checksum, "the checksum does not match"},
        {impossible, "an impossible game: player 1 has 3 points"},
        {leftOver, "a spot rating of 7 by 0 left over"},
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
        EXPECT_TRUE(keeping) << "the name is free again";
        EXPECT_TRUE(playersChoice) << "the game starts at the seat selection";
        EXPECT_EQ(access(path.c_str(), F_OK), -1);
        aside.push_back(d.bytes);
        for (size_t i = 0; i < aside.size(); i++) {
            const std::string name =
                i == 0 ? path + ".bad" : path + ".bad." + std::to_string(i + 1);
            EXPECT_TRUE(contents(name) == aside[i]) << name << " kept as it was";
        }
    }

    // Something else by that name stays where it is, and the game is not kept.
    ASSERT_EQ(mkdir(path.c_str(), 0755), 0);
    const std::string said = opened();
    EXPECT_NE(said.find("is not a file; the game is not kept"), std::string::npos) << said;
    EXPECT_FALSE(keeping);
    struct stat st;
    EXPECT_TRUE(stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode));
}

TEST(KeptGame, WrittenWhenTheGameChangedAndNeverWithout) {
    setUpGame();
    platform.keepFile = countedKeep;
    writes = 0, failWrites = false;
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

    failWrites = true;
    testing::internal::CaptureStderr();
    press(edgePick(3));
    press(spotPick(40));
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(writes, 3) << "no further tries";
    EXPECT_FALSE(keeping);
    EXPECT_EQ(said, "Quelvane: the disk is full; the game is no longer kept\n");
}

} // namespace
