// The whole game state: plain globals with their start values, shared by every subsystem.
#pragma once

// Puts every global below back to its start value; runs once before main. The two values
// read from the configuration, resolution and winPoints, are left as they are.
void resetGameState();

// Players are 1-4 (0 nobody) and index per-player arrays directly. Resource kinds are
// 1 wood, 2 wool, 3 grain, 4 ore, 5 clay; terrain kinds 1 forest .. 5 clay pit, 6 desert.
enum { WOOD = 1, WOOL, GRAIN, ORE, CLAY };
enum { FOREST = 1, PASTURE, FIELD, MOUNTAIN, CLAYPIT, DESERT };
enum { NUM_TILES = 19, NUM_SPOTS = 54, NUM_EDGES = 72, NUM_HARBOURS = 9 };

// Fields of a spot record houses[s]: the dice numbers and terrain kinds of the up to three
// tiles it touches (0 where there is none), its building level and the building's owner.
enum { SPOT_NUMBERS = 0, SPOT_TERRAINS = 3, SPOT_LEVEL = 6, SPOT_OWNER = 7 };
enum { NO_BUILDING = 0, SETTLEMENT = 1, CITY = 2 }; // building levels

// Board
extern int model[19];                // terrain kind of each tile
extern int number[19];               // dice number of each tile
extern int houses[54][8];            // per spot, the fields below
extern int streets[72];              // owner of the road on each edge, 0 none
extern int dice[12][3];              // production list of a roll: kind, level, owner
extern int k;                        // entries in dice
extern int zufall1, zufall2, zufall; // the two dice and their sum

// Players and progress
extern int playersPicked;   // seats in play, 1-4
extern bool playerKI[5];    // seat played by the computer
extern int player;          // whose turn it is
extern int resources[5][6]; // [p][0] victory points, [p][1-5] cards
extern int winPoints;       // points to win, from the configuration, held to 4..12
extern int runde;           // round counter
extern bool win;            // game over; player is the winner
extern int firstTime;       // opening placements made

// Turn phases and requests served later in the same or the next idle pass
extern bool playersChoice; // seat selection shown, game not started
extern bool wuerfeln;      // a human roll is due
extern bool next;          // rolled: trade, build and end of turn are open
extern bool trade;         // trade dialog open
extern bool build;         // clicks on spots and edges build
extern bool buildFT;       // request: recompute the build offers
extern bool redraw;        // request: rebuild the piece meshes
extern bool playerCheck;   // request: pass the turn during the opening

// Trade
extern int tradeArray[5][2]; // [kind-1][0] cards given, [kind-1][1] cards received
extern int tradeStep[5];     // bank rate per kind: 4, 3 or 2 for one
extern int tradePlayer;      // partner: 0 bank, 1-4 a player
extern int tradeItem;        // kind-1 paid to the bank
extern int tradePicked1;     // kind whose incoming amount changes, 0 none
extern int tradePicked2;     // kind whose outgoing amount changes, 0 none
extern bool tradeDelete;     // the pending change is a decrease
extern bool tradeCheck;      // request: apply the pending change
extern bool tradeModus;      // request: recompute tradeStep
extern bool kiTrade;         // the computer has finished trading this turn
extern bool player3too1[7];  // computer p holds a 3:1 harbour; [0] search scratch

// Computer player
extern int kiTurn;            // step of the computer turn machine, 0 none
extern int kiTime;            // when the current delay began
extern int kiWait1, kiWait2;  // delays between computer steps, ms
extern bool fastForward;      // left button held during a computer turn
extern bool buildHouse[5][3]; // wishes: road, settlement, city
extern int houseBuild[5];     // per computer seat, spot of its wished settlement, -1 none
extern int posPoints, posPoints1, posPoints2, posPointsTop; // search scores

// Input
extern int picked;                    // pick name of the last click, human or computer
extern bool lButtonDown;              // left button down, or a computer click pending
extern bool lButtonOneTime;           // the current press has been handled
extern bool rButtonDown, mButtonDown; // camera drags
extern int x1, y01, z1;               // cursor at the start of a drag
extern float x2, y2, z2;              // rX, rY, zoom at the start of a drag
// A person's presses waiting for the pass, their picks oldest first; the pass takes one each.
enum { MAX_PRESSES = 4 };
extern int pressPicks[MAX_PRESSES];
extern int pressCount;

// Interface switches
extern bool interfaceToggle; // building-costs card shown
extern bool options;         // options panel shown
extern bool light;
extern bool wire;
extern bool fps;
extern bool numberShow;
extern bool portSign;

// View
extern float rX, rY, zoom, trans1, trans2;
extern float zoomFactor, rspeed, transSpeed;
extern int transLimit;
extern float xAngle, yAngle, yBorder, zDistance, zBorder, roomDistance;
extern float xLimit, yLimit, zLimit; // mouse-drag scales, fixed at start

// Timing and animation
extern int frames;
extern int frameTime;
extern float frameRate;
extern int waveCount;
extern float hold;
// Frame pacing: the shortest time from one frame to the next, in microseconds, and when the
// next frame is due. A period of 0 leaves the pace to the swap (or to the driver's speed).
extern int framePeriodUs;
extern long long frameDueUs;

// Display settings
extern int width, height;           // the virtual screen, 1280 x 1024, never changed
extern int font, font3D;            // GLUT font handles as small integers
extern int xInterface, yInterface;  // overlay layout units
extern int resolution;              // display-mode ladder selector
extern float sizeTex, skyCorection; // sky box half size and face inset
