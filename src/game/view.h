// The view of the game: camera, display switches, frame clock, water animation and display
// settings. What a player sees and how, never part of a game, never kept with one.
#pragma once

// Puts the view back to its start: the camera from the front and above, the switches at
// their defaults, the frame rate uncounted. Runs before main and for every new game; the
// switches' side effects are showSwitches' (switches.h).
void resetView();
// Puts the display back to its start: the virtual screen and its fonts, no frame beat, the
// waves from the beginning. resolution, read from the configuration, is left as it is. Runs
// once before main; the display mode and the clock then own these for the run.
void resetDisplay();

// Camera: the board turned and tilted in front of the eye, and the limits of its moves
extern float rX, rY, zoom, trans1, trans2;
extern float zoomFactor, rspeed, transSpeed;
extern int transLimit;
extern float xAngle, yAngle, yBorder, zDistance, zBorder, roomDistance;
extern float xLimit, yLimit, zLimit; // mouse-drag scales, fixed at start

// Display switches, flipped by the option buttons and the keyboard
extern bool interfaceToggle; // building-costs card shown
extern bool options;         // options panel shown
extern bool light;
extern bool wire;
extern bool fps;
extern bool numberShow;
extern bool portSign;

// Frame clock and animation
extern int frames;
extern int frameTime;
extern float frameRate;
extern int waveCount;
extern float hold;
// Frame pacing: the shortest time from one frame to the next, in microseconds, and when the
// next frame is due. A period of 0 leaves the pace to the swap (or to the driver's speed).
extern int framePeriodUs;
extern long long frameDueUs;

// Display settings
extern int width, height;           // the virtual screen, 1280 x 1024, never changed
extern int font, font3D;            // GLUT font handles as small integers
extern int xInterface, yInterface;  // overlay layout units
extern int resolution;              // display-mode ladder selector
extern float sizeTex, skyCorection; // sky box half size and face inset
