// The game's languages: which one the environment asks for, the English catalogue taken on a
// system without English locales, and a catalogue for every text the game shows.
#include <dirent.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "assetgen.h"
#include "platform/language.h"

namespace {

// The printf conversions of a text, in order: a translation must take the same values.
std::string conversions(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); i++) {
        if (text[i] != '%') continue;
        size_t end = text.find_first_of("diouxXeEfFgGcsp%", i + 1);
        out += text.substr(i, end == std::string::npos ? 1 : end - i + 1) + " ";
        i = end == std::string::npos ? i : end;
    }
    return out;
}

// Every text the game marks for translation has a translation in every catalogue of po/
// (English first among them) that takes the same values, and no catalogue holds a text the
// game no longer shows.
void checkCatalogue(const std::vector<CatalogueEntry>& texts, const std::string& path) {
    std::vector<CatalogueEntry> translated;
    ASSERT_TRUE(readCatalogue(path, translated)) << path;
    for (const CatalogueEntry& text : texts) {
        const CatalogueEntry* found = nullptr;
        for (const CatalogueEntry& e : translated)
            if (e.id == text.id) found = &e;
        if (!found) {
            ADD_FAILURE() << path << ": no translation of \"" << text.id << "\"";
            continue;
        }
        EXPECT_FALSE(found->str.empty() || found->fuzzy) << path << ": " << text.id;
        EXPECT_EQ(conversions(found->str), conversions(text.id)) << path << ": " << text.id;
        EXPECT_EQ(found->cFormat, text.cFormat) << path << ": " << text.id;
    }
    for (const CatalogueEntry& e : translated) {
        bool used = false;
        for (const CatalogueEntry& text : texts) used |= text.id == e.id;
        EXPECT_TRUE(used) << path << ": \"" << e.id << "\" is no longer shown";
    }
}

TEST(Language, EveryCatalogueHasEveryTextOfTheGame) {
    std::vector<CatalogueEntry> texts;
    ASSERT_TRUE(readCatalogue(QUELVANE_TEXT_TEMPLATE, texts));
    EXPECT_GT(texts.size(), 60u);
    std::vector<std::string> catalogues = {QUELVANE_SOURCE_DIR "/po/en.po"};
    if (DIR* folder = opendir(QUELVANE_SOURCE_DIR "/po")) {
        while (const dirent* entry = readdir(folder)) {
            const std::string name = entry->d_name;
            if (name != "en.po" && name.size() > 3 && name.compare(name.size() - 3, 3, ".po") == 0)
                catalogues.push_back(QUELVANE_SOURCE_DIR "/po/" + name);
        }
        closedir(folder);
    }
    for (const std::string& path : catalogues) checkCatalogue(texts, path);
}

// LC_ALL, LC_MESSAGES and LANG in that order, the first set and not empty; only letters name
// a language.
TEST(Language, TheEnvironmentChoosesEnglishOrGermanAndTheCatalogueServesWithoutItsLocale) {
    struct Case {
        const char *all, *messages, *lang, *code;
    } const cases[] = {
        {nullptr, nullptr, "en_US.UTF-8", "en"},
        {"", "", "en_GB", "en"},
        {"de_DE.UTF-8", nullptr, "en_US", ""},
        {nullptr, "en_US", "de_DE", "en"},
        {nullptr, nullptr, "C", ""},
        {nullptr, nullptr, "POSIX", ""},
        {nullptr, nullptr, nullptr, ""},
        {nullptr, nullptr, "../../tmp/x", ""},
        {"C.UTF-8", nullptr, "en_US", ""},
        {nullptr, nullptr, "fr_FR@euro", "fr"},
    };
    auto set = [](const char* name, const char* value) {
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    };
    for (const Case& c : cases) {
        set("LC_ALL", c.all), set("LC_MESSAGES", c.messages), set("LANG", c.lang);
        char code[16] = "?";
        languageAsked(code, sizeof code);
        EXPECT_STREQ(code, c.code) << (c.all ? c.all : "-") << " " << (c.lang ? c.lang : "-");
    }
    unsetenv("LC_ALL"), unsetenv("LC_MESSAGES"), setenv("LANG", "en_US.UTF-8", 1);

    // This machine may have no English locale at all: the catalogue is taken all the same,
    // and numbers are still written as the configuration and the kept games read them.
    ASSERT_TRUE(useLanguage("en", QUELVANE_LOCALE_DIR));
    EXPECT_STREQ(language, "en");
    EXPECT_STREQ(tr("Wuerfeln"), "Roll");
    EXPECT_STREQ(tr("Spieler %u"), "Player %u");
    EXPECT_STREQ(tr("a text of no catalogue"), "a text of no catalogue");
    EXPECT_STREQ(tr(""), "");
    char number[16];
    std::snprintf(number, sizeof number, "%.2f", 1.5);
    EXPECT_STREQ(number, "1.50");

    // German, or a language without a catalogue, shows the game's own texts as they stand.
    for (const char* other : {"", "de", "xx", "../en"}) {
        EXPECT_FALSE(useLanguage(other, QUELVANE_LOCALE_DIR)) << other;
        EXPECT_STREQ(language, "") << other;
        EXPECT_STREQ(tr("Wuerfeln"), "Wuerfeln") << other;
    }
    unsetenv("LANG");
}

} // namespace
