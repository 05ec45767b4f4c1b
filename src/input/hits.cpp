// Reduction of the selection pass's hit records to one pick name, and the pick of a press.
#include "input.h"

#include "game/picks.h"
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

static bool onBoard(int pick) {
    return pickedSpot(pick) >= 0 || pickedEdge(pick) >= 0;
}

// Whether the records name a settlement spot and a road edge both.
static bool spotAndEdgeRecorded(int hits, const unsigned int* buffer, int words) {
    bool spot = false, edge = false;
    int at = 0;
    for (int i = 0; i < hits && words - at >= 3; i++) {
        const unsigned int names = buffer[at];
        if (names > (unsigned int)(words - at - 3)) break;
        if (names > 0) {
            spot |= pickedSpot((int)buffer[at + 3]) >= 0;
            edge |= pickedEdge((int)buffer[at + 3]) >= 0;
        }
        at += 3 + (int)names;
    }
    return spot && edge;
}

// A spot's offer and the road offers beside it lie a few pixels apart, and the nearer may be
// the one beside the pointer: only then does the pointer's own pixel decide, where it shows
// either of them. Everything else keeps the rule of the nearest record.
void pickPress(int (*select)(int side, unsigned int* buffer)) {
    unsigned int buffer[PICK_BUFFER_WORDS];
    const int hits = select(5, buffer);
    processHits(hits, buffer);
    if (!onBoard(picked) || !spotAndEdgeRecorded(hits, buffer, PICK_BUFFER_WORDS)) return;
    const int inRegion = picked;
    processHits(select(1, buffer), buffer);
    if (!onBoard(picked)) picked = inRegion;
}
