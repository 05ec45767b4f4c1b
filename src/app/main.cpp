// Program entry: the configuration read before main, the display-mode ladder, the callbacks.
#include <GL/freeglut.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/modes.h"
#include "platform/platform.h"
#include "app/shell.h"
#include "config/ConfigFile.h"
#include "game/idle.h"
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

// Walks the ladder and enters the first possible mode; reports every string tried otherwise.
static void enterDisplayMode() {
    const DisplayMode* ladder = modeLadder(resolution);
    std::string tried;
    for (const DisplayMode* m = ladder; m->mode; ++m) {
        glutGameModeString(m->mode);
        if (glutGameModeGet(GLUT_GAME_MODE_POSSIBLE)) {
            if (m->font >= 0) font = m->font;
            glutEnterGameMode();
            return;
        }
        tried += tried.empty() ? "" : ", ";
        tried += m->mode;
    }
    std::fprintf(stderr, "Quelvane: no display mode possible (tried %s)\n", tried.c_str());
    std::exit(2);
}

int main(int argc, char** argv) {
    (void)settingsRead;
    if (!std::getenv("DISPLAY")) {
        std::fprintf(stderr, "Quelvane: no X display (DISPLAY is not set)\n");
        return 1;
    }
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
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
    glutIdleFunc(idle);
    glutMainLoop();
    return 0;
}
