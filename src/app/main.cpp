// Program entry: the options, the configuration, the display-mode ladder, the callbacks.
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
#include "game/save.h"
#include "game/state.h"
#include "game/view.h"
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

// Read first thing in main rather than before it, so that --version and --help answer in any
// folder.
static void readSettings() {
    ConfigFile config = openConfig("ZAVK.cfg");
    resolution = readSetting(config, "resolution");
    configuredWinPoints = winPoints = clampWinPoints(readSetting(config, "winPoints"));
}

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

#define USAGE "quelvane [--window] [--version] [--help]"

// --version and --help need neither settings nor a display: a package tool or a player without
// X asks them. Returns true when one was answered.
static bool answerQuestion(int argc, char** argv) {
    for (int i = 1; i < argc; i++) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::printf(
                "Usage: " USAGE "\n"
                "Quelvane, a three-dimensional board game of settling, building and trading on a\n"
                "hex island, for one screen and one to four seats.\n\n"
                "  --window   play in a normal, resizable window instead of full screen\n"
                "  --version  print the version and exit\n"
                "  --help     print this help and exit\n\n"
                "The game reads its settings ZAVK.cfg and its folders models/ and texturen/ from\n"
                "the working directory.\n");
            return true;
        }
    }
    for (int i = 1; i < argc; i++) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("Quelvane " QUELVANE_VERSION "\n");
            return true;
        }
    }
    return false;
}

// The one option of the game's own; GLUT has taken its options out of argv already.
static bool readOptions(int argc, char** argv, bool* window) {
    *window = false;
    for (int i = 1; i < argc; i++) {
        if (std::strcmp(argv[i], "--window") == 0) {
            *window = true;
            continue;
        }
        std::fprintf(stderr, "Quelvane: unknown option %s (usage: " USAGE ")\n", argv[i]);
        return false;
    }
    return true;
}

int main(int argc, char** argv) {
    if (answerQuestion(argc, argv)) return 0;
    readSettings();
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
    openKeptGame();
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
