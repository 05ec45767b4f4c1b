// Seat selection, the random deal and the start of the game.
#include "game_test_util.h"
#include "test_assets_files.h"

#include "game/board.h"
#include "game/ki.h"
#include "game/rules.h"
#include "game/settings.h"
#include "config/ConfigFile.h"
#include "platform/platform.h"

namespace {

using namespace gt;

TEST(RulesSeatSelection, CountAndSeatButtonsRespectTheSeatsTakingPart) {
    setUpGame();
    EXPECT_EQ(playersPicked, 2);
    EXPECT_TRUE(playerKI[1]);
    EXPECT_FALSE(playerKI[2]);
    EXPECT_TRUE(playerKI[3] && playerKI[4]);

    press(PICK_SEAT_PERSON + 3);   // seat 3 human: only two seats take part
    press(PICK_SEAT_COMPUTER + 4); // seat 4 computer
    EXPECT_TRUE(playerKI[3]);
    press(PICK_SEAT_PERSON + 4);
    EXPECT_TRUE(playerKI[4]);

    press(PICK_SEAT_PERSON + 1);
    EXPECT_FALSE(playerKI[1]);
    press(PICK_SEAT_COMPUTER + 2);
    EXPECT_TRUE(playerKI[2]);
    press(PICK_SEAT_PERSON + 2);
    EXPECT_FALSE(playerKI[2]);

    press(PICK_PLAYER_COUNT + 4);
    EXPECT_EQ(playersPicked, 4);
    press(PICK_SEAT_PERSON + 4);
    EXPECT_FALSE(playerKI[4]);
    press(PICK_PLAYER_COUNT + 1); // lowering keeps the dropped seats' flags
    EXPECT_EQ(playersPicked, 1);
    EXPECT_FALSE(playerKI[4]);
    press(PICK_SEAT_COMPUTER + 1);
    EXPECT_TRUE(playerKI[1]);
    EXPECT_TRUE(playersChoice);
    EXPECT_EQ(player, 0);

    // The computer button of a computer seat switches how it plays; a person's seat made a
    // computer again starts with the table.
    EXPECT_EQ(kiStrength[1], KI_TABLE);
    press(PICK_SEAT_COMPUTER + 1);
    EXPECT_TRUE(playerKI[1]);
    EXPECT_EQ(kiStrength[1], KI_STRONG);
    press(PICK_SEAT_COMPUTER + 1);
    EXPECT_EQ(kiStrength[1], KI_TABLE);
    press(PICK_SEAT_COMPUTER + 1);
    press(PICK_SEAT_PERSON + 1);
    press(PICK_SEAT_COMPUTER + 1);
    EXPECT_EQ(kiStrength[1], KI_TABLE);
    press(PICK_SEAT_COMPUTER + 3); // not taking part
    EXPECT_EQ(kiStrength[3], KI_TABLE);
}

// The target and the pace chosen under the seats: held to 4..12, shown at once, played by the
// next game and written to the settings' file at once, or said where they cannot be.
TEST(RulesSeatSelection, SettingsGoToTheNextGameAndIntoTheFile) {
    scratch_dir dir;
    const std::string file =
        dir.write("ZAVK.cfg", bytes{'#', ' ', 'm', 'i', 'n', 'e', '\n', 'w', 'i', 'n', 'P',
                                    'o', 'i', 'n', 't', 's', ' ', '=',  ' ', '1', '0', '\n'});
    std::snprintf(settingsPath, sizeof settingsPath, "%s", file.c_str());
    configuredWinPoints = 10;
    setUpGame();
    EXPECT_TRUE(shows(interfaceV[SLOT_TARGET_LOWER], TEX_COUNT_BUTTON));
    for (int i = 0; i < 8; i++) press(PICK_TARGET_LOWER);
    EXPECT_EQ(configuredWinPoints, 4);
    EXPECT_EQ(winPoints, 4) << "the bar shows the target chosen";
    press(PICK_TARGET_RAISE);
    EXPECT_EQ(ConfigFile(file).read<int>("winPoints"), 5);
    for (int i = 0; i < 9; i++) press(PICK_TARGET_RAISE);
    EXPECT_EQ(configuredWinPoints, 12);
    press(PICK_PACE);
    EXPECT_TRUE(fastComputers);
    EXPECT_EQ(kiWait1, 500);
    const ConfigFile written(file);
    EXPECT_EQ(written.read<int>("winPoints"), 12);
    EXPECT_EQ(written.read<int>("fastComputers"), 1);
    EXPECT_EQ(settingTrouble, WRITE_OK);

    // A setting that cannot be written holds for the run, and the seat selection says why.
    std::snprintf(settingsPath, sizeof settingsPath, "%s", dir.path.c_str());
    ::testing::internal::CaptureStderr();
    press(PICK_TARGET_LOWER);
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("holds until the game ends"),
              std::string::npos);
    EXPECT_EQ(settingTrouble, WRITE_IN_THE_WAY);
    settingsPath[0] = 0; // the installation's own file
    ::testing::internal::CaptureStderr();
    press(PICK_PACE);
    ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(settingTrouble, SETTING_INSTALLED);
    EXPECT_FALSE(fastComputers);
    EXPECT_EQ(kiWait1, 1500);

    press(PICK_START);
    EXPECT_EQ(winPoints, 11) << "the game plays to the target chosen";
    press(PICK_TARGET_RAISE);
    EXPECT_EQ(configuredWinPoints, 11) << "only at the seat selection";
}

TEST(RulesSeatSelection, StartHidesThePanelAndOpensWithPlayerOne) {
    setUpGame();
    press(PICK_SEAT_PERSON + 1); // seat 1 human
    press(PICK_START);
    EXPECT_FALSE(playersChoice);
    EXPECT_TRUE(build);
    EXPECT_EQ(player, 1);
    EXPECT_EQ(kiTurn, 0);
    EXPECT_EQ(firstTime, 0);
    for (int i = 50; i <= 63; i++) EXPECT_TRUE(empty(interfaceV[i])) << i;
    // The same pass refreshed the pieces and put up the opening settlement offers.
    EXPECT_FALSE(redraw);
    EXPECT_FALSE(buildFT);
    for (int s = 0; s < NUM_SPOTS; s++) EXPECT_TRUE(shows(housesV[s], TEX_BUILD + 4)) << s;
    for (int e = 0; e < NUM_EDGES; e++) EXPECT_TRUE(empty(streetsV[e])) << e;
    for (int t = 0; t < NUM_TILES; t++) EXPECT_TRUE(shows(modelV[t], TEX_TERRAIN + model[t])) << t;
    for (int i = 19; i <= 27; i++) EXPECT_TRUE(shows(modelV[i], TEX_TERRAIN + 7));
    EXPECT_TRUE(shows(modelV[28], TEX_TERRAIN));

    // The first spot click places player 1's settlement; the seat panel is gone for good.
    press(spotPick(10));
    EXPECT_EQ(houses[10][SPOT_LEVEL], 1);
    EXPECT_EQ(houses[10][SPOT_OWNER], 1);
    int before = playersPicked;
    press(PICK_PLAYER_COUNT + 3);
    press(PICK_START);
    EXPECT_EQ(playersPicked, before);
    EXPECT_EQ(houses[10][SPOT_LEVEL], 1);
}

TEST(RulesSeatSelection, AComputerFirstSeatStartsItsTurnMachine) {
    setUpGame();
    press(PICK_START); // seat 1 is a computer seat by default
    EXPECT_GT(kiTurn, 0);
    EXPECT_EQ(player, 1);
}

// Many deals: the counts of the two tables always come out, and every spot record
// carries the numbers and terrain of exactly the tiles it touches.
TEST(RulesDeal, EveryDealHasTheFixedCountsAndMatchingSpotRecords) {
    setUpGame();
    const int terrainLimit[7] = {0, 4, 4, 4, 3, 3, 1};
    const int numberLimit[13] = {0, 0, 1, 2, 2, 2, 2, 1, 2, 2, 2, 2, 1};
    int deals = 0, differentFromFirst = 0;
    int firstModel[NUM_TILES];
    for (int seed = 0; seed < 400; seed++) {
        srand(seed * 7919 + 3);
        dealBoard();
        int terrain[7] = {0}, numbers[13] = {0};
        for (int t = 0; t < NUM_TILES; t++) {
            ASSERT_TRUE(model[t] >= 1 && model[t] <= 6);
            ASSERT_TRUE(number[t] >= 2 && number[t] <= 12);
            terrain[model[t]]++;
            numbers[number[t]]++;
        }
        for (int i = 1; i <= 6; i++) ASSERT_EQ(terrain[i], terrainLimit[i]) << "seed " << seed;
        for (int i = 2; i <= 12; i++) ASSERT_EQ(numbers[i], numberLimit[i]) << "seed " << seed;
        for (int s = 0; s < NUM_SPOTS; s++) {
            for (int j = 0; j < 3; j++) {
                int t = spotTiles[s][j];
                ASSERT_EQ(houses[s][SPOT_NUMBERS + j], t < 0 ? 0 : number[t]) << s << "/" << j;
                ASSERT_EQ(houses[s][SPOT_TERRAINS + j], t < 0 ? 0 : model[t]) << s << "/" << j;
            }
            ASSERT_EQ(houses[s][SPOT_LEVEL], 0);
            ASSERT_EQ(houses[s][SPOT_OWNER], 0);
        }
        if (seed % 50 == 0) {
            for (int t = 0; t < NUM_TILES; t++)
                ASSERT_TRUE(shows(modelV[t], TEX_TERRAIN + model[t]));
        }
        if (seed == 0)
            std::memcpy(firstModel, model, sizeof model);
        else
            differentFromFirst += std::memcmp(firstModel, model, sizeof model) != 0;
        deals++;
    }
    EXPECT_EQ(deals, 400);
    EXPECT_GT(differentFromFirst, 390) << "deals hardly vary with the seed";
}

// The deal follows the seed of the pass that starts the game: the same millisecond gives
// the same board.
TEST(RulesDeal, TheStartPassSeedDecidesTheBoard) {
    setUpGame();
    clockMs = 123456;
    press(PICK_START);
    int dealtModel[NUM_TILES], dealtNumber[NUM_TILES];
    std::memcpy(dealtModel, model, sizeof model);
    std::memcpy(dealtNumber, number, sizeof number);
    srand(123456);
    dealBoard();
    EXPECT_EQ(0, std::memcmp(dealtModel, model, sizeof model));
    EXPECT_EQ(0, std::memcmp(dealtNumber, number, sizeof number));
}

} // namespace
