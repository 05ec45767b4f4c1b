// Placeholder input callbacks until the input lands.
#include "input.h"
#include "app/platform.h"

void mouse(int, int, int, int) {}
void mouseMotion(int, int) {}
void key(unsigned char c, int, int) {
    if (c == 27) platform.quit(0);
}
void key2(int, int, int) {}
