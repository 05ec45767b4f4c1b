// Renders fixed game positions on a frozen clock into PPM files, to compare with the pictures
// the game drew before a change: the start view, a game in progress, the view from above, and
// the game in progress in wire frame from the start view's angle; and the start view after
// three steps of the sea, drawn over the kept picture and drawn whole.
#include <GL/freeglut.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/platform.h"
#include "app/shell.h"
#include "assets/catalogue.h"
#include "game/frames.h"
#include "game/rules.h"
#include "game/state.h"
#include "game/switches.h"
#include "game/view.h"
#include "positions.h"

namespace {

// Half the virtual screen: the frustum and the overlay keep their shape, the files stay small.
const int kWidth = 640, kHeight = 512;

int frozenClock() {
    return 5000;
}

bool writeFront(const char* path) {
    std::vector<unsigned char> rgb((size_t)kWidth * kHeight * 3);
    glFinish();
    glReadBuffer(GL_FRONT);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    FILE* f = std::fopen(path, "wb");
    if (!f) return false;
    std::fprintf(f, "P6\n%d %d\n255\n", kWidth, kHeight);
    for (int y = kHeight - 1; y >= 0; y--)
        std::fwrite(&rgb[(size_t)y * kWidth * 3], 1, kWidth * 3, f);
    return std::fclose(f) == 0;
}

bool save(const char* dir, const char* name) {
    char path[512];
    std::snprintf(path, sizeof path, "%s/%s.ppm", dir, name);
    return writeFront(path);
}

bool shoot(const char* dir, const char* name) {
    for (int i = 0; i < 3; i++) glutMainLoopEvent();
    display();
    return save(dir, name);
}

// Three steps of the sea drawn over the kept picture, then the whole frame of the same sea;
// the sea goes back to where it was.
bool shootSeaSteps(const char* dir) {
    static float kept[720][2][3];
    std::memcpy(kept, water, sizeof kept);
    const int wave = waveCount;
    buffersKept = true; // one buffer, kept as it is
    for (int i = 0; i < 3; i++) {
        waterStep(frozenClock());
        onlySeaMoved = true;
        display();
    }
    bool ok = save(dir, "sea-steps");
    ok = shoot(dir, "sea-whole") && ok;
    std::memcpy(water, kept, sizeof kept);
    waveCount = wave;
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: e2e-pictures RUN_DIR OUT_DIR\n");
        return 2;
    }
    const char* out = argv[2];
    if (chdir(argv[1]) != 0) return 2;
    glutInit(&argc, argv);
    // Single-buffered, so the picture display() leaves can be read back after its swap.
    glutInitDisplayMode(GLUT_RGB | GLUT_SINGLE | GLUT_DEPTH);
    glutInitWindowPosition(0, 0);
    glutInitWindowSize(kWidth, kHeight);
    glutCreateWindow("quelvane-pictures");
    installWindowHooks();
    platform.milliseconds = frozenClock;
    winPoints = 10;
    init();
    glutDisplayFunc(display);
    glutReshapeFunc(resize);
    resize(kWidth, kHeight);
    font = 7; // the overlay font the game takes for a picture this wide

    startPosition();
    bool ok = shoot(out, "start");
    ok = shootSeaSteps(out) && ok;
    midGame();
    ok = shoot(out, "midgame") && ok;
    closeTradeAndBuild();
    refreshPieces();
    showBuildOffers();
    centerView();
    ok = shoot(out, "top") && ok;
    // Last, as switching wire frame off leaves the wider lines of the tile numbers.
    rX = 30, zoom = -300;
    toggleWire();
    ok = shoot(out, "wire") && ok;
    return ok ? 0 : 1;
}
