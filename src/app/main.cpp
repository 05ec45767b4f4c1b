// Program entry: the configuration read before main, the display-mode ladder, the callbacks.
#include <GL/freeglut.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/modes.h"
#include "platform/platform.h"
#include "app/shell.h"
#include "config/ConfigFile.h"
#include "game/rules.h"
#include "game/state.h"
#include "input/input.h"

// A missing file or key ends the program here, before any window, with one line and status 1.
static ConfigFile openConfig(const char* filename) {
    try {
        return ConfigFile(filename, "=", "#", "EndConfigFile");
    } catch (const ConfigFile::file_not_found& e) {
        std::fprintf(stderr, "Quelvane: configuration file %s not found\n", e.filename.c_str());
        std::exit(1);
    }
}

static int readSetting(const ConfigFile& cfg, const char* key) {
    try {
        return cfg.read<int>(key);
    } catch (const ConfigFile::key_not_found& e) {
        std::fprintf(stderr, "Quelvane: key %s missing in ZAVK.cfg\n", e.key.c_str());
        std::exit(1);
    }
}

ConfigFile config = openConfig("ZAVK.cfg");
static const bool settingsRead =
    (resolution = readSetting(config, "resolution"),
     winPoints = clampWinPoints(readSetting(config, "winPoints")), true);

// Walks the ladder and enters the first possible mode. Where none is (an X server without
// the video-mode extension: Xvfb, VNC, most remote desktops) the game plays in a window
// covering the screen instead, and says so.
static void enterDisplayMode() {
    const DisplayMode* ladder = modeLadder(resolution);
    std::string tried;
    for (const DisplayMode* m = ladder; m->mode; ++m) {
        glutGameModeString(m->mode);
        if (glutGameModeGet(GLUT_GAME_MODE_POSSIBLE)) {
            if (m->font >= 0) font = m->font;
            glutEnterGameMode();
            // For the log: which mode a player's screen took is the first question asked.
            std::printf("Quelvane: display mode %s\n", m->mode);
            return;
        }
        tried += tried.empty() ? "" : ", ";
        tried += m->mode;
    }
    std::fprintf(stderr, "Quelvane: game mode is not available (tried %s); playing in a window\n",
                 tried.c_str());
    openWindow(true);
}

// The one option of the game's own; GLUT has taken its options out of argv already.
static bool readOptions(int argc, char** argv, bool* window) {
    *window = false;
    for (int i = 1; i < argc; i++) {
        if (std::strcmp(argv[i], "--window") == 0) {
            *window = true;
            continue;
        }
        std::fprintf(stderr, "Quelvane: unknown option %s (usage: quelvane [--window])\n", argv[i]);
        return false;
    }
    return true;
}

int main(int argc, char** argv) {
    (void)settingsRead;
    if (!std::getenv("DISPLAY")) {
        std::fprintf(stderr, "Quelvane: no X display (DISPLAY is not set)\n");
        return 1;
    }
    glutInit(&argc, argv);
    bool window;
    if (!readOptions(argc, argv, &window)) return 2;
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    if (window)
        openWindow(false);
    else
        enterDisplayMode();
    installWindowHooks();
    init();
    startFramePacing();
    glutMouseFunc(mouse);
    glutReshapeFunc(resize);
    glutDisplayFunc(display);
    glutMotionFunc(mouseMotion);
    glutSpecialFunc(key2);
    glutKeyboardFunc(key);
    glutWindowStatusFunc(windowStatus);
    glutIdleFunc(passWhenDue);
    glutMainLoop();
    return 0;
}
