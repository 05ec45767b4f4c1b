// The seat selection's settings and their writing to the configuration file.
#include "settings.h"

#include <cstdio>

#include "frames.h"
#include "ki.h"
#include "rules.h"
#include "state.h"
#include "config/ConfigFile.h"
#include "platform/platform.h"

char settingsPath[1024] = "ZAVK.cfg";
int settingTrouble;

// Said once on standard error when a setting cannot be written, and again once it can.
static void noteSetting(int trouble, const char* why) {
    if (trouble == settingTrouble) return;
    if (trouble == WRITE_OK)
        std::fprintf(stderr, "Quelvane: %s: the settings are written again\n", settingsPath);
    else
        std::fprintf(stderr, "Quelvane: %s; the setting holds until the game ends\n", why);
    settingTrouble = trouble;
    wantFrame();
}

static void writeSetting(const char* key, int value, const char* note) {
    if (!settingsPath[0])
        return noteSetting(SETTING_INSTALLED, "the settings are the installation's own");
    char text[16], why[600] = "";
    std::snprintf(text, sizeof text, "%d", value);
    noteSetting(writeConfigValue(settingsPath, key, text, note, why, sizeof why), why);
}

// At a bound the target stays, and the file too.
static void setTarget(int points) {
    if (clampWinPoints(points) == configuredWinPoints) return;
    configuredWinPoints = clampWinPoints(points);
    if (playersChoice) winPoints = configuredWinPoints;
    writeSetting("winPoints", configuredWinPoints,
                 "Victory points needed to win, held between 4 and 12.");
}

void lowerTarget() {
    setTarget(configuredWinPoints - 1);
}

void raiseTarget() {
    setTarget(configuredWinPoints + 1);
}

void switchPace() {
    fastComputers = !fastComputers;
    holdPace(false);
    writeSetting("fastComputers", fastComputers ? 1 : 0,
                 "The computers' pace: 0 the normal one, 1 three times as fast, as while the\n"
                 "mouse button is held during their turn.");
}
