// The full-screen mode ladders chosen by the resolution setting.
#pragma once

struct DisplayMode {
    const char* mode; // GLUT game-mode string; null ends a ladder
    int font;         // overlay font handle for the mode, -1 keeps the current one
};

// The ladder for a resolution setting: 1-4 one size at 100, 85, 60 Hz; anything else every
// size, largest first.
const DisplayMode* modeLadder(int resolution);
