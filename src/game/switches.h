// Interface switches shared by the option buttons and the keyboard.
#pragma once

// Each flips its flag and applies its side effect through the platform hooks.
void toggleLight();     // light; GL lighting on or off
void toggleWire();      // wire; polygon mode and line width
void toggleFps();       // fps; frame counting starts or stops
void toggleNumbers();   // numberShow
void togglePortSigns(); // portSign

// The view straight down on the board: rX 90, rY 0, zoom -380, no shift.
void centerView();

// The two panels of the interface bar.
void toggleCostsPanel();   // interfaceToggle; the building-costs card in slot 6
void toggleOptionsPanel(); // options; the option buttons 65-70 and their panel 71

// Makes the GL state and the two panels follow the switches as they stand, after the view
// was reset.
void showSwitches();
