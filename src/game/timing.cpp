// The frame-rate measurement, the water waves and the frame pacing, by the pass clock.
#include "rules.h"
#include "view.h"
#include "assets/catalogue.h"
#include "platform/platform.h"

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
void waterStep(int t) {
    if (waveCount > t) return;
    for (int j = 0; j < 2; j++) {
        hold = water[0][j][2];
        for (int i = 0; i < 719; i++) water[i][j][2] = water[i + 1][j][2];
        water[719][j][2] = hold;
    }
    waveCount += 40;
}

// The frames keep the beat of the display period: a pass a little late still aims at the next
// beat, one more than a period late starts a new beat from now.
void paceFrame() {
    if (framePeriodUs <= 0) return;
    const long long now = platform.milliseconds() * 1000LL;
    if (now < frameDueUs)
        platform.sleepMicroseconds((int)(frameDueUs - now));
    else if (now - frameDueUs >= framePeriodUs)
        frameDueUs = now;
    frameDueUs += framePeriodUs;
}
