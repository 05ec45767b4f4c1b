// A new game from the state the program starts in: every owner of state hands in its reset.
#pragma once

// Registers the reset of an owner of state (the game, the view, the input, the computer's
// pace, the message line, the frame requests, the queued presses) and runs it once: each
// owner's start values, set before main. Returns true, for a static flag to hold.
bool ownsState(void (*reset)());

// Runs every registered reset in the order they were handed in: all of the state a game and
// its view are made of goes back to the program's start. What the run itself set (the
// configuration's target, the display mode and its fonts, the clock's frame beat and waves,
// the kept game's file) is no owner's and stays.
void resetEveryOwner();
