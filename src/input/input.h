// Mouse, keyboard and camera input: the GLUT input callbacks and the pick reduction.
#pragma once

// GLUT's codes for buttons, button states and the special keys read here; the windowed shell
// checks them against GLUT's own headers.
enum { MOUSE_LEFT = 0, MOUSE_MIDDLE = 1, MOUSE_RIGHT = 2 };
enum { MOUSE_PRESS = 0, MOUSE_RELEASE = 1 };
enum {
    SPECIAL_F2 = 2,
    SPECIAL_F3 = 3,
    SPECIAL_F4 = 4,
    SPECIAL_F11 = 11,
    SPECIAL_LEFT = 100,
    SPECIAL_RIGHT = 102
};

// Words in the selection buffer of one pick: 128 records of one name each.
enum { PICK_BUFFER_WORDS = 512 };

// Puts the input back to its start: no button held, no drag under way. Runs before main and
// for every new game.
void resetInput();

// Camera drags: the buttons held, the cursor and the camera where each drag began
extern bool rButtonDown, mButtonDown;
extern int x1, y01, z1;  // cursor at the start of a drag
extern float x2, y2, z2; // rX, rY, zoom at the start of a drag

// GLUT callbacks. mouse makes the selection pass when mouseButton asks for one and queues
// its pick for the pass; the keys and the drags note the frame their change needs.
void mouse(int button, int state, int x, int y);
void mouseMotion(int x, int y);
void key(unsigned char key, int x, int y);
void key2(int key, int x, int y);

// The button logic of mouse without the selection pass: sets the click flags, the computer's
// pace and the drag anchors. Returns true when the press at (x, y) is to be picked: a left
// press during a human turn. Any left release restores the computer's normal pace.
bool mouseButton(int button, int state, int x, int y);

// Reduces the hit records of a selection pass to one pick name in picked: the nearest record
// before the last one that came nearer (the overlay texts, always drawn last and nearest).
// No hits, an overflow (hits < 0) or no such record give 0, which runs nothing. Never
// reads beyond `words` words of buffer.
void processHits(int hits, const unsigned int* buffer, int words = PICK_BUFFER_WORDS);

// The pick of a person's press into picked. `select` draws the selection pass over a square
// of `side` pixels around the pointer into the buffer (PICK_BUFFER_WORDS words) and returns
// the hit count. The 5 x 5 square's nearest record decides, unless it holds a settlement spot
// and a road edge both: then the pointer's own pixel (1 x 1) decides where it shows a spot
// or an edge.
void pickPress(int (*select)(int side, unsigned int* buffer));
