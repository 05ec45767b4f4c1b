// Placeholder computer player until it lands.
#include "ki.h"

void kiStep(int) {}
