// Definitions and start values of the game state.
#include "state.h"

#include <cstring>

int model[19];
int number[19];
int houses[54][8];
int streets[72];
int dice[12][3];
int k;
int zufall1, zufall2, zufall;

int playersPicked;
bool playerKI[5];
int player;
int resources[5][6];
int winPoints;
int runde;
bool win;
int firstTime;

bool playersChoice;
bool wuerfeln;
bool next;
bool trade;
bool build;
bool buildFT;
bool redraw;
bool playerCheck;

int tradeArray[5][2];
int tradeStep[5];
int tradePlayer;
int tradeItem;
int tradePicked1;
int tradePicked2;
bool tradeDelete;
bool tradeCheck;
bool tradeModus;
bool kiTrade;
bool player3too1[7];

int kiTurn;
int kiTime;
int kiWait1, kiWait2;
bool fastForward;
bool buildHouse[5][3];
int houseBuild[5];
int posPoints, posPoints1, posPoints2, posPointsTop;

int picked;
bool lButtonDown;
bool lButtonOneTime;
bool rButtonDown, mButtonDown;
int x1, y01, z1;
float x2, y2, z2;
int pressPicks[MAX_PRESSES];
int pressCount;

bool interfaceToggle;
bool options;
bool light;
bool wire;
bool fps;
bool numberShow;
bool portSign;

float rX, rY, zoom, trans1, trans2;
float zoomFactor, rspeed, transSpeed;
int transLimit;
float xAngle, yAngle, yBorder;
float zDistance, zBorder, roomDistance;
float xLimit, yLimit, zLimit;

int frames;
int frameTime;
float frameRate;
int framePeriodUs;
long long frameDueUs;
int waveCount;
float hold;

int width, height;
int font, font3D;
int xInterface, yInterface;
int resolution;
float sizeTex, skyCorection;

#define CLEAR(var) std::memset(&(var), 0, sizeof(var))

static void resetBoard() {
    CLEAR(model), CLEAR(number), CLEAR(houses), CLEAR(streets), CLEAR(dice);
    k = zufall1 = zufall2 = zufall = 0;
}

// Two seats, seats 1, 3 and 4 played by the computer, the seat selection shown.
static void resetPlayers() {
    static const bool startKI[5] = {false, true, false, true, true};
    playersPicked = 2;
    std::memcpy(playerKI, startKI, sizeof playerKI);
    player = 0;
    CLEAR(resources);
    runde = 1;
    win = false;
    firstTime = 0;
    playersChoice = true;
    wuerfeln = next = trade = build = buildFT = redraw = playerCheck = false;
}

static void resetTrade() {
    CLEAR(tradeArray), CLEAR(tradeStep), CLEAR(player3too1);
    tradePlayer = tradeItem = tradePicked1 = tradePicked2 = 0;
    tradeDelete = tradeCheck = tradeModus = kiTrade = false;
}

// Every computer seat starts out wishing for a road and a city, with no settlement spot.
static void resetComputer() {
    kiTurn = kiTime = 0;
    kiWait1 = 1500;
    kiWait2 = 3000;
    fastForward = false;
    for (int p = 0; p < 5; p++) {
        buildHouse[p][0] = buildHouse[p][2] = p > 0;
        buildHouse[p][1] = false;
        houseBuild[p] = -1;
    }
    posPoints = posPoints1 = posPoints2 = posPointsTop = 0;
}

static void resetInput() {
    picked = 0;
    lButtonDown = lButtonOneTime = rButtonDown = mButtonDown = false;
    x1 = y01 = z1 = 0;
    x2 = y2 = z2 = 0;
    CLEAR(pressPicks);
    pressCount = 0;
    interfaceToggle = options = wire = fps = false;
    light = numberShow = portSign = true;
}

// The view from the front and above; the drag scales follow from the virtual screen.
static void resetView() {
    rX = 30.0f, rY = 0.0f, zoom = -300.0f, trans1 = 0.0f, trans2 = 0.0f;
    zoomFactor = 4.0f, rspeed = 4.0f, transSpeed = 2.0f;
    transLimit = 100;
    xAngle = 360.0f, yAngle = 90.0f, yBorder = 10.0f;
    zDistance = -500.0f, zBorder = -50.0f, roomDistance = 3300.0f;
    xLimit = width / xAngle;
    yLimit = height / yAngle;
    zLimit = height / zDistance;
}

void resetGameState() {
    width = 1280, height = 1024;
    font = 5, font3D = 0;
    xInterface = width / 128;
    yInterface = height / 102;
    sizeTex = 2000.0f, skyCorection = 8.0f;
    resetBoard();
    resetPlayers();
    resetTrade();
    resetComputer();
    resetInput();
    resetView();
    frames = frameTime = 0;
    frameRate = 0;
    framePeriodUs = 0;
    frameDueUs = 0;
    waveCount = 3000;
    hold = 0;
}

[[maybe_unused]] static const bool started = (resetGameState(), true);
