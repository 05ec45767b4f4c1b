// Configuration parsing: continuation lines, comments, the end marker, typed reads; mode ladders.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "app/modes.h"
#include "config/ConfigFile.h"

namespace {

// Exposes the parsed map for inspection.
struct Parsed : ConfigFile {
    explicit Parsed(const std::string& text, const std::string& comment_ = "#",
                    const std::string& sentry_ = "EndConfigFile") {
        comment = comment_;
        sentry = sentry_;
        std::istringstream in(text);
        in >> *this;
    }
    size_t size() const { return contents.size(); }
    std::string value(const std::string& key) const { return contents.at(key); }
};

TEST(ConfigParse, DelimiterInsideValueStaysInValue) {
    Parsed cfg("key = a = b\n");
    EXPECT_EQ(cfg.value("key"), "a = b");
}

TEST(ConfigParse, ContinuationLinesJoinWithLineFeeds) {
    Parsed cfg("text = first\n   second  part\n\tthird\n\nother = 1\n");
    EXPECT_EQ(cfg.value("text"), "first\n   second  part\n\tthird");
    EXPECT_EQ(cfg.value("other"), "1");
}

TEST(ConfigParse, ContinuationWithDelimiterStartsNewEntry) {
    Parsed cfg("a = 1\nb = 2\n");
    EXPECT_EQ(cfg.value("a"), "1");
    EXPECT_EQ(cfg.value("b"), "2");
}

TEST(ConfigParse, CommentOnlyLineKeepsValueOpenBlankLineEndsIt) {
    Parsed cfg("a = x\n# just a remark\ny\n\nz\n");
    EXPECT_EQ(cfg.value("a"), "x\ny");
    EXPECT_EQ(cfg.size(), 1u);
}

TEST(ConfigParse, EmptyValueBeforeBlankLine) {
    Parsed cfg("empty =\n\nnext = 2\n");
    EXPECT_EQ(cfg.value("empty"), "");
    EXPECT_EQ(cfg.value("next"), "2");
}

TEST(ConfigParse, EndMarkerStopsOnlyOutsideComments) {
    Parsed stopped("a = 1\nsome EndConfigFile here\nb = 2\n");
    EXPECT_TRUE(stopped.keyExists("a"));
    EXPECT_FALSE(stopped.keyExists("b"));

    Parsed commented("a = 1\n# EndConfigFile\nb = 2\n");
    EXPECT_TRUE(commented.keyExists("b"));

    // A marker on a continuation line ends the value and then the parse.
    Parsed continued("a = 1\nEndConfigFile\nb = 2\n");
    EXPECT_EQ(continued.value("a"), "1");
    EXPECT_FALSE(continued.keyExists("b"));
}

TEST(ConfigParse, RepeatedKeyKeepsLastValueAndKeysAreExact) {
    Parsed cfg("resolution = 1\nresolution = 3\n");
    EXPECT_EQ(cfg.read<int>("resolution"), 3);
    EXPECT_THROW(cfg.read<int>("Resolution"), ConfigFile::key_not_found);
}

TEST(ConfigParse, EmptyCommentMarkerCutsEverything) {
    Parsed cfg("a = 1\nb = 2\n", "");
    EXPECT_EQ(cfg.size(), 0u);
}

TEST(ConfigParse, LinesWithoutDelimiterAndCarriageReturnsAreHandled) {
    Parsed cfg("just words\r\nkey with blanks = 7 # trailing\r\n");
    EXPECT_EQ(cfg.size(), 1u);
    EXPECT_EQ(cfg.read<int>("key with blanks"), 7);
}

TEST(ConfigRead, IntegerConversion) {
    Parsed cfg("a = 3x\nb = abc\nc =\n\nd = -4\ne =   12  \n");
    EXPECT_EQ(cfg.read<int>("a"), 3);
    EXPECT_EQ(cfg.read<int>("b"), 0);
    EXPECT_EQ(cfg.read<int>("c"), 0);
    EXPECT_EQ(cfg.read<int>("d"), -4);
    EXPECT_EQ(cfg.read<int>("e"), 12);
}

TEST(ConfigRead, MissingKeyCarriesTheKey) {
    Parsed cfg("a = 1\n");
    try {
        cfg.read<int>("winPoints");
        FAIL();
    } catch (const ConfigFile::key_not_found& e) { EXPECT_EQ(e.key, "winPoints"); }
}

TEST(ConfigFileOps, MissingFileCarriesTheName) {
    try {
        ConfigFile cfg("no-such-dir/none.cfg");
        FAIL();
    } catch (const ConfigFile::file_not_found& e) { EXPECT_EQ(e.filename, "no-such-dir/none.cfg"); }
}

TEST(ConfigFileOps, RemoveAndPrint) {
    Parsed cfg("b = 2\na = 1\n");
    cfg.remove("absent");
    EXPECT_EQ(cfg.size(), 2u);
    cfg.remove("b");
    std::ostringstream out;
    out << cfg;
    EXPECT_EQ(out.str(), "a = 1\n");
}

TEST(ConfigFileOps, TrimRemovesAllSixWhitespaceBytes) {
    std::string s = " \n\t\v\r\fin ner\f\r\v\t\n ";
    ConfigFile::trim(s);
    EXPECT_EQ(s, "in ner");
    std::string blank = " \t ";
    ConfigFile::trim(blank);
    EXPECT_EQ(blank, "");
}

TEST(ConfigFileOps, ShippedConfigurationReads) {
    ConfigFile cfg(QUELVANE_SOURCE_DIR "/ZAVK.cfg", "=", "#", "EndConfigFile");
    EXPECT_EQ(cfg.read<int>("resolution"), 0);
    EXPECT_EQ(cfg.read<int>("winPoints"), 10);
    EXPECT_EQ(cfg.read<int>("fastComputers"), 0);
}

// Setting a value keeps the file as the player wrote it: comments, keys the game does not know,
// the order of the lines, their ends and the end marker with what follows it.
TEST(ConfigWrite, ChangesOnlyTheValueAndAddsAMissingKeyBeforeTheEndMarker) {
    const std::string file = "# Quelvane settings\n"
                             "resolution = 0\n"
                             "\n"
                             "# Victory points\n"
                             "winPoints =   10   # my favourite\n"
                             "playerName = Anna # not the game's\n"
                             "\n"
                             "EndConfigFile\n"
                             "winPoints = 3 # after the end, never read\n";
    const std::string changed = ConfigFile::withValue(file, "winPoints", "7", "unused");
    EXPECT_EQ(changed, "# Quelvane settings\n"
                       "resolution = 0\n"
                       "\n"
                       "# Victory points\n"
                       "winPoints =   7   # my favourite\n"
                       "playerName = Anna # not the game's\n"
                       "\n"
                       "EndConfigFile\n"
                       "winPoints = 3 # after the end, never read\n");
    const std::string added =
        ConfigFile::withValue(changed, "fastComputers", "1", "The pace.\nTwo lines.");
    Parsed read(added);
    EXPECT_EQ(read.read<int>("winPoints"), 7);
    EXPECT_EQ(read.read<int>("fastComputers"), 1);
    EXPECT_EQ(read.value("playerName"), "Anna");
    EXPECT_NE(added.find("playerName = Anna # not the game's\n\n# The pace.\n# Two lines.\n"
                         "fastComputers = 1\n\nEndConfigFile\n"),
              std::string::npos)
        << added;

    // Every line that gives the key a value takes the new one; what continued the old value
    // goes but for its comment; Windows line ends and a last line without one stay.
    EXPECT_EQ(
        ConfigFile::withValue("a = 1\r\nb =\r\n  2 # two\r\n more\r\nb = 4\r\nc = 5", "b", "9", ""),
        "a = 1\r\nb = 9\r\n# two\r\nb = 9\r\nc = 5");
    EXPECT_EQ(ConfigFile::withValue("a = 1", "z", "2", ""), "a = 1\n\nz = 2\n");
    EXPECT_EQ(ConfigFile::withValue("", "z", "2", "note"), "# note\nz = 2\n");
}

// The file is replaced whole: a link to the installed settings becomes a file of the player's
// own, and the installed one stays as it was; a file that is gone is not made anew.
TEST(ConfigWrite, WritesAFileOfThePlayersOwnInPlaceOfALink) {
    char folder[] = "/tmp/quelvane-config-XXXXXX";
    ASSERT_TRUE(mkdtemp(folder));
    const std::string installed = std::string(folder) + "/installed.cfg";
    const std::string own = std::string(folder) + "/ZAVK.cfg";
    std::ofstream(installed) << "resolution = 0\nwinPoints = 10\nEndConfigFile\n";
    ASSERT_EQ(symlink(installed.c_str(), own.c_str()), 0);
    char why[600] = "";
    EXPECT_EQ(writeConfigValue(own.c_str(), "winPoints", "12", nullptr, why, sizeof why), 0) << why;
    struct stat st;
    ASSERT_EQ(lstat(own.c_str(), &st), 0);
    EXPECT_TRUE(S_ISREG(st.st_mode));
    EXPECT_EQ(ConfigFile(own).read<int>("winPoints"), 12);
    EXPECT_EQ(ConfigFile(installed).read<int>("winPoints"), 10);
    const std::string gone = std::string(folder) + "/gone.cfg";
    EXPECT_NE(writeConfigValue(gone.c_str(), "winPoints", "5", nullptr, why, sizeof why), 0);
    EXPECT_NE(std::string(why).find("gone.cfg"), std::string::npos) << why;
    EXPECT_NE(access(gone.c_str(), F_OK), 0);
    std::remove(own.c_str());
    std::remove(installed.c_str());
    rmdir(folder);
}

static std::string ladderText(int resolution) {
    std::string out;
    for (const DisplayMode* m = modeLadder(resolution); m->mode; ++m)
        out += std::string(m->mode) + "/" + std::to_string(m->font) + " ";
    return out;
}

TEST(DisplayModes, ExplicitSizesNeverFallBack) {
    EXPECT_EQ(ladderText(1), "800x600:32@100/7 800x600:32@85/7 800x600:32@60/7 ");
    EXPECT_EQ(ladderText(2), "1024x768:32@100/8 1024x768:32@85/8 1024x768:32@60/8 ");
    EXPECT_EQ(ladderText(3), "1280x1024:32@100/-1 1280x1024:32@85/-1 1280x1024:32@60/-1 ");
    EXPECT_EQ(ladderText(4), "1600x1200:32@100/-1 1600x1200:32@85/-1 1600x1200:32@60/-1 ");
}

TEST(DisplayModes, OtherValuesWalkEverySizeLargestFirst) {
    const std::string all = ladderText(0);
    EXPECT_EQ(ladderText(7), all);
    EXPECT_EQ(ladderText(-1), all);
    EXPECT_EQ(all, "1600x1200:32@100/-1 1600x1200:32@85/-1 1600x1200:32@60/-1 "
                   "1280x1024:32@100/-1 1280x1024:32@85/-1 1280x1024:32@60/-1 "
                   "1024x768:32@100/8 1024x768:32@85/8 1024x768:32@60/8 "
                   "800x600:32@100/7 800x600:32@85/7 800x600:32@60/7 ");
}

} // namespace
