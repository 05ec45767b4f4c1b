// The list of every owner of state's reset, run through for a new game.
#include "fresh.h"

// Plain static storage, zero before any owner registers, whatever the order of start-up.
enum { MAX_OWNERS = 16 };
static void (*owners[MAX_OWNERS])();
static int ownerCount;

bool ownsState(void (*reset)()) {
    if (ownerCount < MAX_OWNERS) owners[ownerCount++] = reset;
    reset();
    return true;
}

void resetEveryOwner() {
    for (int i = 0; i < ownerCount; i++) owners[i]();
}
