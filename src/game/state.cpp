// Definitions and start values of the game state.
#include "state.h"

int model[19];
int number[19];
int houses[54][8];
int streets[72];
int dice[12][3];
int k;
int zufall1, zufall2, zufall;

int playersPicked = 2;
bool playerKI[5] = {false, true, false, true, true};
int player;
int resources[5][6];
int winPoints;
int runde = 1;
bool win;
int firstTime;

bool playersChoice = true;
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
int kiWait1 = 1500, kiWait2 = 3000;
bool fastForward;
bool buildHouse[5][3] = {
    {false, false, false}, {true, false, true}, {true, false, true},
    {true, false, true},   {true, false, true},
};
int houseBuild;
int posPoints, posPoints1, posPoints2, posPointsTop;

int picked;
bool lButtonDown;
bool lButtonOneTime;
int pressPicks[MAX_PRESSES];
int pressCount;
bool rButtonDown, mButtonDown;
int x1, y01, z1;
float x2, y2, z2;

bool interfaceToggle;
bool options;
bool light = true;
bool wire;
bool fps;
bool numberShow = true;
bool portSign = true;

float rX = 30.0f, rY = 0.0f, zoom = -300.0f, trans1 = 0.0f, trans2 = 0.0f;
float zoomFactor = 4.0f, rspeed = 4.0f, transSpeed = 2.0f;
int transLimit = 100;
float xAngle = 360.0f, yAngle = 90.0f, yBorder = 10.0f;
float zDistance = -500.0f, zBorder = -50.0f, roomDistance = 3300.0f;

int frames;
int frameTime;
float frameRate;
int waveCount = 3000;
float hold;

int width = 1280, height = 1024;
int font = 5, font3D = 0;
int resolution;
float sizeTex = 2000.0f, skyCorection = 8.0f;
char s[30];

// Derived from the values above, once, in this order within this file.
float xLimit = width / xAngle;
float yLimit = height / yAngle;
float zLimit = height / zDistance;
int xInterface = width / 128;
int yInterface = height / 102;
