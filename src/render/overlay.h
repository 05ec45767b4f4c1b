// The overlay texts: which labels, counts and messages show, where and in which colour.
#pragma once

// Where the texts go. The window shell points these at GL colour and bitmap text; tests
// record them. Positions are canvas units (1280 x 1024, y down), the left end of the baseline.
struct OverlayOutput {
    void (*colour)(float r, float g, float b);
    void (*text)(float x, float y, const char* text);
    // The smaller font of the status line and the scoreboard: a text, its width and the
    // height of a line, both in canvas units, whatever the picture's size.
    void (*small)(float x, float y, const char* text);
    float (*smallWidth)(const char* text);
    float (*smallLine)();
};

extern OverlayOutput overlayOutput;

// Text colours (red, green, blue).
extern const float colourWhite[3];
extern const float colourHighlight[3]; // numbers, the computer's actions, column headings
extern const float colourGrey[3];      // label of a toggle button that is on
extern const float colourBlack[3];     // frame rate
extern const float titleColour[5][3];  // player 1-4 in the status line and win message
extern const float listColour[5][3];   // player 1-4 in the seat and trade partner lists
extern const float brightColour[5][3]; // player 1-4 on the dark panels added later

// The text buffer every label of a frame is formatted into (the tile numbers too): the one
// thing drawing writes.
extern char s[30];

// Where the message line goes: inside the middle panel of the bar, or, while the dice fill
// it, in the strip above it; left edge, top and width of the box in canvas units, and lines.
struct TextBox {
    float x, y, width;
    int lines;
};
extern const TextBox messageInPanel, messageInStrip;

// The message line as it reads now: the name of the seat on turn (drawn in its colour, with a
// colon for a person) and its next step, then what just happened. All empty at the seat
// selection and after a win.
struct MessageLine {
    char name[16];
    char step[48];
    char news[128];
};
void composeMessage(MessageLine* message);

// Draws every text group from the game state, in drawing order, each text formatted into s
// and given its colour. Ends with white, the colour the scene is drawn in.
void drawOverlayTexts();
