// The frame-rate measurement and the water waves, by the pass clock.
#include "rules.h"
#include "view.h"
#include "assets/catalogue.h"

void countFrame(int t) {
    if (!fps) return;
    frames++;
    if (t - frameTime > 499) {
        frameRate = frames / ((t - frameTime) / 1000.0f);
        frameTime = t;
        frames = 0;
    }
}

// The strip holds a whole number of wave periods, so rotating the heights shows no seam.
bool waterStep(int t) {
    if (waveCount > t) return false;
    for (int j = 0; j < 2; j++) {
        hold = water[0][j][2];
        for (int i = 0; i < 719; i++) water[i][j][2] = water[i + 1][j][2];
        water[719][j][2] = hold;
    }
    waveCount += 40;
    return true;
}
