// The headless simulator: games between computer seats on a fake clock, with state checks.
#pragma once

enum GameStatus {
    GAME_WON,         // someone ended a turn with the points to win
    GAME_UNREACHABLE, // no seat can reach the points to win under the rules any more
    GAME_STALLED,     // nothing on the board changed for too long, the target in reach
    GAME_LIMIT,       // still running at the round limit
    GAME_BROKEN,      // a state check failed or the game crashed
    GAME_KEPT,        // written to its file at the pass asked for, to be played on elsewhere
};

struct SimOptions {
    int players;        // seats, all played by the computer
    int winPoints;      // held to 4..12 as the game does
    int step;           // ms of fake clock per pass
    int stallRounds;    // rounds without a change on the board that count as a stall
    int maxRounds;      // rounds after which a game is given up
    bool checkSaves;    // after every change, write the game, read it back and play on from it
    int stopAtPass;     // > 0: keep the game in keepPath after this pass and stop
    bool keepBeforeWin; // a won game leaves in keepPath the game as the winner reached the target
    const char* keepPath;
    int strength[5]; // per seat 1-4: KI_TABLE, KI_STRONG or KI_TRADER
};

struct GameResult {
    int seed; // the fake clock at the first pass; the deal follows from it
    int status;
    int winner; // player on turn at the end
    int rounds; // runde at the end
    long passes;
    int points[5];
    unsigned hash;         // of the final state, to compare replays
    bool resumedOtherwise; // kept at a pass and played on elsewhere, it ended otherwise
    int offers[5];         // offers the computer seats answered, by the seat asked
    int accepted[5];       // and those they took
    char problem[200];
};

// Keeps the scene slots as the scene set-up left them, for every later game to start from;
// called once after initScene.
void keepStartScene();

// Plays one game from the program's start state, whatever ran before in the process: the
// game state reset, the kept slots restored (the deal and the first piece refresh rebuild
// the tile, spot and edge slots). Seat selection and start go through the dispatch, then
// passes until the game is won, its target is out of reach, it stalls or it breaks.
void playGame(const SimOptions& options, int seed, GameResult* result);

// Plays on the game kept in data, from the clock it was kept at, with every seat played by
// the computer; the seed of the result is that clock.
void playKeptGame(const SimOptions& options, const unsigned char* data, int size,
                  GameResult* result);

// Whether no seat in play can reach the points to win under the rules any more, after the
// opening: not even by raising every settlement it holds and settling, then raising, every
// free spot (empty, no building beside it) it could reach from its buildings and roads over
// free edges and its own roads. A bound, never a guess: a free spot only a seat that falls
// short even with it could reach leaves the target out of reach, any other does not.
bool targetOutOfReach();
