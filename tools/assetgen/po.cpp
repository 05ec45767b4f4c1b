// Reading the game's gettext catalogues (po/*.po) and their template: the words baked into
// textures are translated from them, and the tests check them.
#include "assetgen.h"

#include <fstream>

// The text of one quoted string of a catalogue line, from its opening quote, with the escapes
// a catalogue uses.
static std::string unquoted(const std::string& line, size_t from) {
    std::string out;
    for (size_t i = from + 1; i < line.size() && line[i] != '"'; i++) {
        char c = line[i];
        if (c == '\\' && i + 1 < line.size()) {
            c = line[++i];
            c = c == 'n' ? '\n' : c == 't' ? '\t' : c;
        }
        out += c;
    }
    return out;
}

static bool startsWith(const std::string& s, const char* prefix) {
    return s.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

bool readCatalogue(const std::string& path, std::vector<CatalogueEntry>& entries) {
    std::ifstream in(path);
    if (!in) return false;
    entries.clear();
    CatalogueEntry entry;
    std::string* into = nullptr; // the string a continuation line adds to
    bool fuzzy = false;
    auto finish = [&]() {
        if (into && !entry.id.empty()) {
            entry.fuzzy = fuzzy;
            entries.push_back(entry);
        }
        entry = CatalogueEntry();
        into = nullptr;
        fuzzy = false;
    };
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (startsWith(line, "#,")) {
            if (into == &entry.str) finish();
            fuzzy = line.find("fuzzy") != std::string::npos;
            entry.cFormat = line.find(" c-format") != std::string::npos;
        } else if (startsWith(line, "msgid ")) {
            if (into == &entry.str) finish();
            entry.id = unquoted(line, line.find('"'));
            into = &entry.id;
        } else if (startsWith(line, "msgstr ")) {
            entry.str = unquoted(line, line.find('"'));
            into = &entry.str;
        } else if (startsWith(line, "\"") && into) {
            *into += unquoted(line, 0);
        } else if (line.empty() || startsWith(line, "#")) {
            if (into == &entry.str) finish();
        }
    }
    if (into == &entry.str) finish();
    return true;
}

// The letters of the texture font: a letter with an accent as its plain letter, other
// characters outside ASCII left out.
std::string plainLetters(const std::string& utf8) {
    static const char latin1[] = "AAAAAAACEEEEIIIIDNOOOOOxOUUUUYPsaaaaaaaceeeeiiiidnooooo-ouuuuypy";
    std::string out;
    for (size_t i = 0; i < utf8.size(); i++) {
        const unsigned char c = utf8[i];
        if (c < 0x80) {
            out += (char)c;
        } else if ((c == 0xC3) && i + 1 < utf8.size()) {
            const unsigned char next = utf8[++i];
            if (next >= 0x80 && next <= 0xBF) out += latin1[next - 0x80];
        }
    }
    return out;
}
