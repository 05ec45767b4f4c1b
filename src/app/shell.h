// The application shell: the window's display and reshape callbacks, GL state and hooks.
#pragma once

#include <string>

// Draws a whole frame, or over the last one only what the sea's step changed, where the
// buffers still hold that frame and nothing else moved (onlySeaMoved).
void display();
// The back buffer holds the last frame: asked of the platform every time where it can tell
// (GLX_EXT_buffer_age, whose answer changes when a compositor starts flipping buffers), else
// buffersKept.
bool lastFrameKept();
// Where the platform cannot tell: the swap copies the frame out, as the software rasteriser's
// does (found by startFramePacing), or the drawing goes to one buffer (set by whoever draws so).
extern bool buffersKept;
// The viewport follows the window: the whole of it in game mode, as the mode was chosen for
// the game; in a window the largest 5:4 part of it, centred, with black bars beside it.
void resize(int w, int h);

// Opens a window instead of game mode: covering the screen, or a normal resizable window
// of a 5:4 shape. The overlay font then follows the window's size.
void openWindow(bool fullScreen);
extern bool windowed; // the game plays in a window, not in game mode

// Enters the first mode of the ladder that the resolution setting chooses which the display
// offers, with the mode's overlay font; false where it offers none, with the modes tried in
// `tried`.
bool enterGameMode(std::string* tried);

// Names the current window as desktops know the game: the title "Quelvane", the class
// quelvane / Quelvane (the desktop entry's StartupWMClass), the process and its machine, and
// the game's icon.
void nameWindow();
// The window's icon as _NET_WM_ICON holds it, made by the asset generator.
extern const unsigned long windowIcon[];
extern const int windowIconLength;

// Hands the current window the game's callbacks, and its size to resize; every window the
// game plays in takes them.
void handCallbacks();

// F11 (platform.switchScreen) asks; the next pass switches between game mode and a window,
// or, where the display offers no game mode, between a window covering the screen and a
// normal one. A new window takes over the old one's GL state, textures and callbacks; the
// game, the view and the input go on as they were.
void switchScreenWhenAsked();

// Sets the GL state of the scene, then loads every asset (the scene initialisation).
void init();

// Points the platform hooks at GLUT and OpenGL; called once the window exists.
void installWindowHooks();

// Keeps the game from drawing more frames than the display shows: a swap interval of one
// where the driver offers it, else framePeriodUs for the pass to keep; and finds how
// lastFrameKept can tell. Needs the window's context current.
void startFramePacing();

// The idle callback: rests until a pass has work (the next water step, the computer's next
// move, a frame the display period held back), waking early for input, then runs the pass.
void passWhenDue();
// The window-status callback: a hidden or wholly covered window asks for no frames.
void windowStatus(int state);

// Shows the text in the game's message box, caption "Quelvane" and an "OK" button, and returns
// once it is closed: on a panel in the middle of the current window, or, before there is one,
// in a small window of its own. The window's callbacks are the box's afterwards.
void showMessageBox(const char* text);
// The loaders' reports during start-up (platform.errorBox of the window), shown together in one
// box by showGatheredErrors once the scene is loaded.
void gatherError(const char* text);
void showGatheredErrors();
