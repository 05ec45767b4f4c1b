// The game: every variable a game consists of, the whole of what a kept game holds.
#pragma once

// Puts the game back to its start: no game running, the seat selection shown with its default
// seats, the configured target. Runs before main and for every new game (fresh.h).
void resetGame();

// Players are 1-4 (0 nobody) and index per-player arrays directly. Resource kinds are
// 1 wood, 2 wool, 3 grain, 4 ore, 5 clay; terrain kinds 1 forest .. 5 clay pit, 6 desert.
enum { WOOD = 1, WOOL, GRAIN, ORE, CLAY };
enum { FOREST = 1, PASTURE, FIELD, MOUNTAIN, CLAYPIT, DESERT };
enum { NUM_TILES = 19, NUM_SPOTS = 54, NUM_EDGES = 72, NUM_HARBOURS = 9 };

// Fields of a spot record houses[s]: the dice numbers and terrain kinds of the up to three
// tiles it touches (0 where there is none), its building level and the building's owner.
enum { SPOT_NUMBERS = 0, SPOT_TERRAINS = 3, SPOT_LEVEL = 6, SPOT_OWNER = 7 };
enum { NO_BUILDING = 0, SETTLEMENT = 1, CITY = 2 }; // building levels

// How a computer seat plays: the fixed table of choices, or by the worth of the positions
// its moves lead to; or the table's choices after asking the other computer seats for trades,
// a stand-in for a person that only the simulator seats.
enum { KI_TABLE = 1, KI_STRONG = 2, KI_TRADER = 3 };

// Board
extern int model[19];                // terrain kind of each tile
extern int number[19];               // dice number of each tile
extern int houses[54][8];            // per spot, the fields below
extern int streets[72];              // owner of the road on each edge, 0 none
extern int dice[12][3];              // production list of a roll: kind, level, owner
extern int k;                        // entries in dice
extern int zufall1, zufall2, zufall; // the two dice and their sum
extern bool diceShown;               // the dice and markers of the last roll are up

// Players and progress
extern int playersPicked;       // seats in play, 1-4
extern bool playerKI[5];        // seat played by the computer
extern int kiStrength[5];       // how each computer seat plays: KI_TABLE, _STRONG, _TRADER
extern int player;              // whose turn it is
extern int resources[5][6];     // [p][0] victory points, [p][1-5] cards
extern int winPoints;           // points to win in this game, held to 4..12
extern int configuredWinPoints; // the configuration's target: every new game's winPoints
extern int runde;               // round counter
extern bool win;                // game over; player is the winner
extern int firstTime;           // opening placements made

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
extern bool buildHouse[5][3]; // wishes: road, settlement, city
extern int houseBuild[5];     // per computer seat, spot of its wished settlement, -1 none
extern int kiOffer;           // the trader's offer under way this turn, by partner and kinds
extern int posPoints, posPoints1, posPoints2, posPointsTop; // search scores

// The click in flight: what the next dispatch acts on. A person's press sets it through the
// pass; a computer move is written here a pass ahead, so a kept game holds it too.
extern int picked;          // pick name of the last click, human or computer
extern bool lButtonDown;    // left button down, or a computer click pending
extern bool lButtonOneTime; // the current press has been handled

// What the person on turn may take back: the pieces built since the turn began or since its
// last trade, oldest first. Each entry is a Piece (rules.h) and its spot or edge.
enum { MAX_TAKE_BACKS = 64 };
extern int takeBacks[MAX_TAKE_BACKS][2];
extern int takeBackCount;
