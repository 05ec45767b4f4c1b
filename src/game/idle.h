// The per-frame pass: clock, command dispatch, building, animation, computer turns, refresh.
#pragma once

void idle();
