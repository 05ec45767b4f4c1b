// The interface switches: panels, display options and the view reset.
#include "switches.h"
#include "picks.h"
#include "view.h"
#include "assets/catalogue.h"
#include "platform/platform.h"

void toggleLight() {
    light = !light;
    platform.setLighting(light);
}

void toggleWire() {
    wire = !wire;
    platform.setWireFrame(wire);
}

// Counting itself is done by the pass while the flag is on.
void toggleFps() {
    fps = !fps;
}

void toggleNumbers() {
    numberShow = !numberShow;
}

void togglePortSigns() {
    portSign = !portSign;
}

void centerView() {
    rX = 90.0f;
    rY = 0.0f;
    zoom = -380.0f;
    trans1 = 0.0f;
    trans2 = 0.0f;
}

static void showCostsPanel() {
    interfaceV[SLOT_COSTS_CARD] = interfaceToggle ? interface2 : deleteObj;
}

static void showOptionsPanel() {
    for (int i = SLOT_OPT_SIGNS; i <= SLOT_OPT_LIGHT; i++)
        interfaceV[i] = options ? interface4 : deleteObj;
    interfaceV[SLOT_OPTIONS_PANEL] = options ? interfaceOp : deleteObj;
}

void toggleCostsPanel() {
    interfaceToggle = !interfaceToggle;
    showCostsPanel();
}

void toggleOptionsPanel() {
    options = !options;
    showOptionsPanel();
}

void showSwitches() {
    platform.setLighting(light);
    platform.setWireFrame(wire);
    showCostsPanel();
    showOptionsPanel();
}
