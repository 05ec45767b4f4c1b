// The list of every file the game loads, each built from its mesh or image.
#include "assetgen.h"
#include "textures.h"

#include <cstdio>

// Marks the words of the textures for the catalogues' template, as the game marks its texts.
#define N_(text) text

static void model(std::vector<AssetFile>& out, const char* name, const Mesh& m) {
    out.push_back({std::string("models/") + name + ".3ds", encode3DS(m, name)});
}

static void texture(std::vector<AssetFile>& out, const std::string& name, const Image& img) {
    out.push_back({"texturen/" + name + ".bmp", encodeBMP(img)});
}

std::vector<AssetFile> buildAllAssets() {
    std::vector<AssetFile> out;
    static const char* tileNames[7] = {"", "wald", "schaf", "weizenfeld", "berg", "lehm", "wueste"};
    model(out, "strand", beachBase());
    texture(out, "sand", sandTexture());
    for (int t = T_FOREST; t <= T_DESERT; t++) {
        model(out, tileNames[t], landTile(t));
        texture(out, tileNames[t], tileTexture(t));
    }
    model(out, "hafen", harbourPiece());
    texture(out, "hafen", harbourTexture());
    model(out, "siedlung", settlementPiece());
    model(out, "stadt", cityPiece());
    model(out, "weg", roadPiece());
    for (int p = 1; p <= 4; p++) {
        Image piece = pieceTexture(p);
        std::string n = std::to_string(p);
        texture(out, "siedlung" + n, piece);
        texture(out, "stadt" + n, piece);
        texture(out, "weg" + n, piece);
        texture(out, "spieler" + n, plainPlayerTexture(p));
    }
    static const char* skyNames[6] = {"top", "bot", "side1", "side2", "side3", "side4"};
    for (int f = 0; f < 6; f++) texture(out, skyNames[f], skyTexture(f));
    texture(out, "wasser", waterTexture());
    for (int r = 1; r <= 5; r++) texture(out, "karten" + std::to_string(r), cardTexture(r));
    texture(out, "3zu1", anyCardTexture());
    for (int d = 1; d <= 6; d++) texture(out, "wuerfel" + std::to_string(d), dieTexture(d));
    texture(out, "minus", minusTexture());
    texture(out, "plus", plusTexture());
    texture(out, "weiss", whiteTexture());
    texture(out, "gui", barTexture());
    texture(out, "knopf2", buttonTexture());
    texture(out, "bauen", costsTexture());
    texture(out, "handelgui", tradePanelTexture());
    texture(out, "waehlgui", optionsPanelTexture());
    texture(out, "meldung", messageStripTexture());
    texture(out, "punkte", scoreboardTexture());
    texture(out, "ende", endScreenTexture());
    texture(out, "einstellungen", settingsTexture());
    model(out, "ring", paidRing());
    texture(out, "ring", paidRingTexture());
    return out;
}

std::vector<AssetFile> buildLanguageAssets(const std::string& language,
                                           const std::vector<CatalogueEntry>& catalogue) {
    auto translated = [&](const char* german) {
        for (const CatalogueEntry& e : catalogue)
            if (e.id == german && !e.fuzzy && !e.str.empty()) return plainLetters(e.str);
        return std::string(german);
    };
    CostsWords words;
    words.title = translated(N_("Baukosten"));
    words.road = translated(N_("Strasse"));
    words.settlement = translated(N_("Siedlung"));
    words.city = translated(N_("Stadt"));
    std::vector<AssetFile> out;
    texture(out, language + "/bauen", costsTexture(words));
    return out;
}

// The window's icon at the sizes a task bar, a switcher and a dock ask for.
std::string windowIconSource() {
    std::string out = "// The window's icon, made by the asset generator: for each size its width, "
                      "height and\n// ARGB pixels from the top row down.\n"
                      "extern const unsigned long windowIcon[] = {\n";
    int values = 0;
    char number[32];
    for (int size : {16, 32, 48, 64, 128}) {
        std::vector<float> alpha;
        const Image img = iconImage(size, alpha);
        std::snprintf(number, sizeof number, "%d, %d,\n", size, size);
        out += number;
        values += 2;
        for (int y = size - 1; y >= 0; y--) {
            for (int x = 0; x < size; x++) {
                const Col c = img.at(x, y);
                auto byte = [](float v) { return (unsigned long)(clampf(v, 0, 1) * 255 + 0.5f); };
                const unsigned long argb = byte(alpha[(size_t)y * size + x]) << 24 |
                                           byte(c.r) << 16 | byte(c.g) << 8 | byte(c.b);
                std::snprintf(number, sizeof number, "0x%08lx,", argb);
                out += number;
                values++;
            }
            out += "\n";
        }
    }
    std::snprintf(number, sizeof number, "%d", values);
    return out + "};\nextern const int windowIconLength = " + number + ";\n";
}
