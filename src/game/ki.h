// The computer player: its turn machine and its choices.
#pragma once

// One step of the computer turn machine at pass time t (ms); does nothing while kiTurn <= 0.
void kiStep(int t);
