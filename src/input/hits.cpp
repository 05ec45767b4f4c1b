// Reduction of the selection pass's hit records to one pick name.
#include "input.h"

#include "game/state.h"

// A record is: name count, minimum depth, maximum depth, then the names.
void processHits(int hits, const unsigned int* buffer, int words) {
    unsigned int nearest = 0xffffffffu;
    const unsigned int* current = nullptr;
    const unsigned int* previous = nullptr;
    int at = 0;
    for (int i = 0; i < hits; i++) {
        if (words - at < 3) break;
        const unsigned int names = buffer[at];
        if (names > (unsigned int)(words - at - 3)) break;
        if (buffer[at + 1] < nearest) {
            nearest = buffer[at + 1];
            previous = current;
            current = buffer + at;
        }
        at += 3 + (int)names;
    }
    // Without a usable record the click hit nothing: keeping the last pick would run the
    // previous command again.
    picked = previous && previous[0] > 0 ? (int)previous[3] : 0;
}
