// The texture images, one function per texture file (or family of files).
#pragma once

#include "kit.h"

#include <string>

Image tileTexture(int terrain);
Image sandTexture();
Col playerColour(int p);         // players 1 red, 2 blue, 3 green, 4 purple
Image pieceTexture(int p);       // settlement, city and road in player p's colour
Image plainPlayerTexture(int p); // the player's plain colour
Image harbourTexture();
Image skyTexture(int face); // 0 top, 1 bottom, 2..5 sides 1..4
Image waterTexture();

Image cardTexture(int resource); // 1 wood, 2 wool, 3 grain, 4 ore, 5 clay
Image anyCardTexture();          // the 3:1 harbour sign
Image dieTexture(int pips);
Image minusTexture();
Image plusTexture();
Image whiteTexture();
Image barTexture();
Image buttonTexture();
// The words it shows, German unless a translation is given: the title and the three pieces.
struct CostsWords {
    std::string title = "Baukosten", road = "Strasse", settlement = "Siedlung", city = "Stadt";
};
Image costsTexture(const CostsWords& words = CostsWords());
Image tradePanelTexture();
Image optionsPanelTexture();
Image messageStripTexture();
Image scoreboardTexture();
Image endScreenTexture();
Image settingsTexture(); // the settings' panel under the seat selection
Image paidRingTexture();
