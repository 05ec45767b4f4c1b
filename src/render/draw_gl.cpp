// Placeholder frame until the scene drawing lands.
#include "draw.h"

void draw(unsigned int) {}
