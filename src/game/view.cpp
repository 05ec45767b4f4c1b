// Definitions and start values of the view.
#include "view.h"
#include "fresh.h"

float rX, rY, zoom, trans1, trans2;
float zoomFactor, rspeed, transSpeed;
int transLimit;
float xAngle, yAngle, yBorder;
float zDistance, zBorder, roomDistance;
float xLimit, yLimit, zLimit;

bool interfaceToggle;
bool options;
bool light;
bool wire;
bool fps;
bool numberShow;
bool portSign;

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

// From the front and above; the drag scales follow from the virtual screen.
static void resetCamera() {
    rX = 30.0f, rY = 0.0f, zoom = -300.0f, trans1 = 0.0f, trans2 = 0.0f;
    zoomFactor = 4.0f, rspeed = 4.0f, transSpeed = 2.0f;
    transLimit = 100;
    xAngle = 360.0f, yAngle = 90.0f, yBorder = 10.0f;
    zDistance = -500.0f, zBorder = -50.0f, roomDistance = 3300.0f;
    xLimit = width / xAngle;
    yLimit = height / yAngle;
    zLimit = height / zDistance;
}

void resetDisplay() {
    width = 1280, height = 1024;
    font = 5, font3D = 0;
    xInterface = width / 128;
    yInterface = height / 102;
    sizeTex = 2000.0f, skyCorection = 8.0f;
    framePeriodUs = 0;
    frameDueUs = 0;
    waveCount = 3000;
    hold = 0;
}

void resetView() {
    resetCamera();
    interfaceToggle = options = wire = fps = false;
    light = numberShow = portSign = true;
    frames = frameTime = 0;
    frameRate = 0;
}

// The display first: the camera's drag scales follow from its virtual screen.
[[maybe_unused]] static const bool started = (resetDisplay(), ownsState(resetView));
