// The list of every file the game loads, each built from its mesh or image.
#include "assetgen.h"
#include "textures.h"

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
    model(out, "ring", paidRing());
    texture(out, "ring", paidRingTexture());
    return out;
}
