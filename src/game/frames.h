// When the game asks for a frame, and when its next pass has work to do.
#pragma once

// A frame is drawn only when something visible changed, never more often than the display
// shows them (framePeriodUs, state.h), and never while the window cannot be seen. Between
// the passes that have work the shell rests, woken early by any input.

// Visible changes noted since the last frame was asked for.
extern int frameRequests;
// The window can be seen: mapped and not wholly covered. True from the start.
extern bool windowShown;
// The last pass changed the game: the next one follows at once, for what it set in motion.
extern bool passChanged;
// A water step waits for the frame that shows it.
extern bool seaMoved;
// Nothing but the sea moved since the frame before the one asked for: the drawing may keep
// that frame and redraw the sea alone. Any other change clears it, and so does the drawing.
extern bool onlySeaMoved;

// Puts the five above back to their start values; before main and for every new game.
void resetFrames();

// Notes a visible change: the camera, a switch, a panel, the board, a text.
void wantFrame();
// Notes a water step. The sea moves one step a frame at most, so a sea behind its time
// never jumps: while its last step waits to be shown (in a window that is seen), it waits.
void wantSeaFrame();
bool seaWaits();

// From the window's status: hidden or wholly covered, or seen again. A window seen again
// gets its frame at once, whatever the display period says.
void showWindow(bool shown);

// The last section of a pass at pass time t (ms); `changed` tells whether the pass changed
// the game. Asks the display for one frame when a change waits for it, the window is seen
// and the display period since the last frame is over, and counts it for the frame rate.
void endPass(int t, bool changed);

// Microseconds from pass time t (ms) until a pass has work: none after a pass that changed
// the game or while a press or a request waits; else until the next water step, a frame
// held back by the display period or the end of the computer's pause, whichever comes first.
int timeToNextPass(int t);
