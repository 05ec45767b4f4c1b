// The settings a player chooses on the seat selection: the target of every new game and the
// computers' pace, written back to the configuration file at once.
#pragma once

// The configuration file the settings go to: ZAVK.cfg in the working directory, or none
// (empty) where that is the installation's own, which the game never changes.
extern char settingsPath[1024];

// Why the last setting chosen is not in the file: a WriteTrouble (platform.h), or
// SETTING_INSTALLED where there is no file of the player's; WRITE_OK once it is. Shown at the
// seat selection for as long as it lasts.
enum { SETTING_INSTALLED = 100 };
extern int settingTrouble;

// The target one lower or one higher, held to 4..12: the configuration's and, as no game is
// under way at the seat selection, the one shown. Written to the file at once.
void lowerTarget();
void raiseTarget();
// The computers play at the normal pace or at the fast one, as if the button were held.
// Written to the file at once.
void switchPace();
