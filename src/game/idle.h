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
