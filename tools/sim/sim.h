// The headless simulator: games between computer seats on a fake clock, with state checks.
#pragma once

enum GameStatus {
    GAME_WON,     // someone ended a turn with the points to win
    GAME_STALLED, // nothing on the board changed for too long: no computer can go on
    GAME_LIMIT,   // still running at the round limit
    GAME_BROKEN,  // a state check failed or the game crashed
};

struct SimOptions {
    int players;     // seats, all played by the computer
    int winPoints;   // held to 4..12 as the game does
    int step;        // ms of fake clock per pass
    int stallRounds; // rounds without a change on the board that count as a stall
    int maxRounds;   // rounds after which a game is given up
};

struct GameResult {
    int seed; // the fake clock at the first pass; the deal follows from it
    int status;
    int winner; // player on turn at the end
    int rounds; // runde at the end
    long passes;
    int points[5];
    unsigned hash; // of the final state, to compare replays
    char problem[200];
};

// Plays one game from program start state (the caller forks for each game): seat selection
// and start through the dispatch, then passes until the game is won, stalls or breaks.
void playGame(const SimOptions& options, int seed, GameResult* result);

// Checks the state after a pass: no negative card, points equal settlements plus twice the
// cities, every spot record consistent, no two buildings next to each other, every road
// joined to its owner's buildings, and after the opening every building at an own road.
// Returns false and describes the first fault found.
bool checkInvariants(char* problem, int size);
