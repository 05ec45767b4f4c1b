// The per-frame pass: clock, command dispatch, building, animation, computer turns, refresh.
#pragma once

// One pass: takes one pending press (a person's queued press, else a click armed in the
// press flags) and dispatches it, then runs the timed and requested sections in order and
// asks for a frame when anything visible changed (endPass). Never waits.
void idle();

// A press or a request waits for the next pass.
bool workWaiting();

// Arms a click on pick name `name` for the next pass's dispatch, the way the computer
// player makes its moves: picked, lButtonDown set, lButtonOneTime cleared. Setting
// lButtonOneTime again before that pass withdraws it.
void postClick(int name);

// Hands the press flags back: both cleared, so whoever moves next starts a clean press.
void releaseClick();

// A person's presses waiting for the pass, their picks oldest first; the pass takes one each.
enum { MAX_PRESSES = 4 };
extern int pressPicks[MAX_PRESSES];
extern int pressCount;

// Queues the pick of a person's press; each pass dispatches the oldest one, so every press
// is one command even when its release comes before the next pass. Presses beyond the
// queue's room within one frame are more than any hand makes; they drop.
void queuePress(int name);
// Forgets the presses still queued.
void dropPresses();
