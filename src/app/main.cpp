// Program entry: the options, the configuration, the display-mode ladder, the callbacks.
#include <GL/freeglut.h>

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/language.h"
#include "platform/platform.h"
#include "app/shell.h"
#include "config/ConfigFile.h"
#include "game/rules.h"
#include "game/ki.h"
#include "game/save.h"
#include "game/settings.h"
#include "game/state.h"
#include "game/view.h"

// Whether a display can show the game's message box; GLUT is started as soon as there is one.
static bool hasDisplay;

// A start-up failure: one line on standard error, the same in a message box where there is a
// display, and status 1 once the player has closed it.
[[noreturn]] static void failToStart(const char* text) {
    std::fprintf(stderr, "Quelvane: %s\n", text);
    if (hasDisplay) showMessageBox(text);
    std::exit(1);
}

// A file that is there but cannot be read is told from one that is missing; the folder is
// named, as a player who started the game from a menu does not know where it looks.
static ConfigFile openConfig(const char* filename) {
    try {
        return ConfigFile(filename, "=", "#", "EndConfigFile");
    } catch (const ConfigFile::file_not_found& e) {
        const int error = errno;
        char folder[2048] = ".", text[2600];
        if (!getcwd(folder, sizeof folder)) std::snprintf(folder, sizeof folder, ".");
        if (access(filename, F_OK) == 0)
            std::snprintf(text, sizeof text, "configuration file %s in %s cannot be read: %s",
                          e.filename.c_str(), folder, std::strerror(error));
        else
            std::snprintf(text, sizeof text, "configuration file %s not found in %s",
                          e.filename.c_str(), folder);
        failToStart(text);
    }
}

static int readSetting(const ConfigFile& cfg, const char* key) {
    try {
        return cfg.read<int>(key);
    } catch (const ConfigFile::key_not_found& e) {
        char text[300];
        std::snprintf(text, sizeof text, "key %s missing in ZAVK.cfg", e.key.c_str());
        failToStart(text);
    }
}

// Read first thing in main rather than before it, so that --version and --help answer in any
// folder. The computers' pace came later: a file without it plays at the normal pace.
static void readSettings() {
    ConfigFile config = openConfig("ZAVK.cfg");
    resolution = readSetting(config, "resolution");
    configuredWinPoints = winPoints = clampWinPoints(readSetting(config, "winPoints"));
    fastComputers = config.keyExists("fastComputers") && readSetting(config, "fastComputers");
    resetPace();
}

// The installed game keeps its data, the catalogues beside it, two folders above the
// program (prefix/libexec/quelvane/quelvane, prefix/share/...); the run folder of a build holds
// the program and locale/ together.
static void findInstallation(char* data, char* locale, int size) {
    char program[2048] = ".";
    sysProgramFolder(program, sizeof program);
    std::snprintf(data, size, "%s/../../share/quelvane", program);
    std::snprintf(locale, size, "%s/locale", program);
    if (access(locale, F_OK) != 0) std::snprintf(locale, size, "%s/../../share/locale", program);
}

// The language the environment asks for, where a catalogue of it is installed; and the
// settings' file, unless the game runs from the installed data, which it never changes.
static void settleIn() {
    char data[2200], locale[2200], code[16];
    findInstallation(data, locale, sizeof data);
    languageAsked(code, sizeof code);
    useLanguage(code, locale);
    if (sysSameFolder(".", data)) settingsPath[0] = 0;
}

// Walks the ladder and enters the first possible mode. Where none is (an X server without
// the video-mode extension: Xvfb, VNC, most remote desktops) the game plays in a window
// covering the screen instead, and says so.
static void enterDisplayMode() {
    std::string tried;
    if (enterGameMode(&tried)) return;
    const std::string text =
        "game mode is not available (tried " + tried + "); playing in a window";
    std::fprintf(stderr, "Quelvane: %s\n", text.c_str());
    openWindow(true);
    showMessageBox(text.c_str());
}

#define USAGE "quelvane [--window] [--message TEXT] [--version] [--help]"

// --version and --help need neither settings nor a display: a package tool or a player without
// X asks them. Returns true when one was answered.
static bool answerQuestion(int argc, char** argv) {
    for (int i = 1; i < argc; i++) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::printf(
                "Usage: " USAGE "\n"
                "Quelvane, a three-dimensional board game of settling, building and trading on a\n"
                "hex island, for one screen and one to four seats.\n\n"
                "  --window        play in a normal, resizable window instead of full screen\n"
                "  --message TEXT  show TEXT in the game's message box and exit once it is\n"
                "                  closed (on standard error without a display)\n"
                "  --version       print the version and exit\n"
                "  --help          print this help and exit\n\n"
                "The game reads its settings ZAVK.cfg and its folders models/ and texturen/ from\n"
                "the working directory; the points to win and the computers' pace chosen on the\n"
                "seat selection are written back to ZAVK.cfg. F11 switches between full screen\n"
                "and a window. The texts are German, or English where LC_ALL, LC_MESSAGES or\n"
                "LANG names English.\n");
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

// --message TEXT: what the launcher cannot do reaches the player as the game's own failures
// do. Returns the text, or null.
static const char* messageAsked(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; i++)
        if (std::strcmp(argv[i], "--message") == 0) return argv[i + 1];
    return nullptr;
}

int main(int argc, char** argv) {
    if (answerQuestion(argc, argv)) return 0;
    hasDisplay = std::getenv("DISPLAY") != nullptr;
    if (hasDisplay) glutInit(&argc, argv);
    if (const char* message = messageAsked(argc, argv)) {
        if (hasDisplay)
            showMessageBox(message);
        else
            std::fprintf(stderr, "Quelvane: %s\n", message);
        return 0;
    }
    readSettings();
    settleIn();
    if (!hasDisplay) {
        std::fprintf(stderr, "Quelvane: no X display (DISPLAY is not set)\n");
        return 1;
    }
    bool window;
    if (!readOptions(argc, argv, &window)) return 2;
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    if (window)
        openWindow(false);
    else
        enterDisplayMode();
    installWindowHooks();
    init();
    showGatheredErrors();
    openKeptGame();
    startFramePacing();
    handCallbacks();
    glutMainLoop();
    return 0;
}
