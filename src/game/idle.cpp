// Placeholder per-frame pass until the rules land.
#include "idle.h"
#include "app/platform.h"

void idle() {
    platform.postRedisplay();
}
