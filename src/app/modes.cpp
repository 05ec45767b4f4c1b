// Display-mode ladders: game-mode strings in the order they are tried, with their fonts.
#include "modes.h"

static const DisplayMode ladder800[] = {
    {"800x600:32@100", 7}, {"800x600:32@85", 7}, {"800x600:32@60", 7}, {nullptr, -1}};
static const DisplayMode ladder1024[] = {
    {"1024x768:32@100", 8}, {"1024x768:32@85", 8}, {"1024x768:32@60", 8}, {nullptr, -1}};
static const DisplayMode ladder1280[] = {
    {"1280x1024:32@100", -1}, {"1280x1024:32@85", -1}, {"1280x1024:32@60", -1}, {nullptr, -1}};
static const DisplayMode ladder1600[] = {
    {"1600x1200:32@100", -1}, {"1600x1200:32@85", -1}, {"1600x1200:32@60", -1}, {nullptr, -1}};
static const DisplayMode ladderAll[] = {{"1600x1200:32@100", -1},
                                        {"1600x1200:32@85", -1},
                                        {"1600x1200:32@60", -1},
                                        {"1280x1024:32@100", -1},
                                        {"1280x1024:32@85", -1},
                                        {"1280x1024:32@60", -1},
                                        {"1024x768:32@100", 8},
                                        {"1024x768:32@85", 8},
                                        {"1024x768:32@60", 8},
                                        {"800x600:32@100", 7},
                                        {"800x600:32@85", 7},
                                        {"800x600:32@60", 7},
                                        {nullptr, -1}};

const DisplayMode* modeLadder(int resolution) {
    switch (resolution) {
    case 1:
        return ladder800;
    case 2:
        return ladder1024;
    case 3:
        return ladder1280;
    case 4:
        return ladder1600;
    default:
        return ladderAll;
    }
}
