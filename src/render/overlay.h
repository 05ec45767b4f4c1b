// The overlay texts: which labels, counts and messages show, where and in which colour.
#pragma once

// Where the texts go. The window shell points these at GL colour and bitmap text; tests
// record them. Positions are canvas units (1280 x 1024, y down), the left end of the baseline.
struct OverlayOutput {
    void (*colour)(float r, float g, float b);
    void (*text)(float x, float y, const char* text);
};

extern OverlayOutput overlayOutput;

// Text colours (red, green, blue).
extern const float colourWhite[3];
extern const float colourHighlight[3]; // numbers, the computer's actions, column headings
extern const float colourGrey[3];      // label of a toggle button that is on
extern const float colourBlack[3];     // frame rate
extern const float titleColour[5][3];  // player 1-4 in the status line and win message
extern const float listColour[5][3];   // player 1-4 in the seat and trade partner lists

// The text buffer every label of a frame is formatted into (the tile numbers too): the one
// thing drawing writes.
extern char s[30];

// Draws every text group from the game state, in drawing order, each text formatted into s
// and given its colour. Ends with white, the colour the scene is drawn in.
void drawOverlayTexts();
