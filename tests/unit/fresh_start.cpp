// Every unit test starts from the program's start state, whichever tests ran before it in
// the same process: the game state, the host hooks, the scene's slots and texture names.
#include <gtest/gtest.h>

#include <cstring>

#include "assets/catalogue.h"
#include "game/fresh.h"
#include "game/ki.h"
#include "game/save.h"
#include "game/settings.h"
#include "game/view.h"
#include "platform/language.h"
#include "platform/platform.h"

namespace {

template <int N> void empty(obj_type (&records)[N]) {
    for (obj_type& r : records) r = obj_type();
}

void emptyScene() {
    static const obj_type none = obj_type();
    obj_type* prototypes[] = {&objectF0,      &objectF1,          &objectF2,
                              &objectF3,      &objectF4,          &objectF5,
                              &objectF6,      &objectF7,          &object1,
                              &object2,       &object3,           &object4,
                              &object5,       &object6,           &object7,
                              &object8,       &object9,           &object10,
                              &object11,      &object12,          &objectB1,
                              &objectB2,      &objectB3,          &objectB4,
                              &objectB5,      &objectB6,          &objectB7,
                              &objectB8,      &objectB9,          &objectB10,
                              &objectB11,     &objectB12,         &object,
                              &deleteObj,     &interfaceW,        &interfaceOp,
                              &interfaceWide, &interfaceStrip,    &interfaceScore,
                              &interfaceEnd,  &objectRing,        &interface0,
                              &interface1,    &interface2,        &interface3,
                              &interface4,    &interface5,        &interface6,
                              &interface7,    &interface8,        &interfaceP,
                              &interfaceOpB,  &interfaceSettings, &interfaceLong};
    for (obj_type* r : prototypes) *r = none;
    empty(buildV), empty(tradeV), empty(diceV), empty(playerV), empty(modelV);
    empty(housesV), empty(streetsV), empty(portV), empty(pointerV), empty(paidV), empty(interfaceV);
    buildPanels();
    std::memset(water, 0, sizeof water);
    std::memset(sky, 0, sizeof sky);
}

class FreshStart : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        resetDisplay();
        // No test writes the run folder's ZAVK.cfg: a setting chosen stays in the game.
        settingsPath[0] = 0;
        language[0] = 0;
        settingTrouble = WRITE_OK;
        fastComputers = false;
        resetEveryOwner();
        resetKeeping();
        platform = headlessPlatform;
        num_texture = -1;
        emptyScene();
    }
};

[[maybe_unused]] const bool installed =
    (::testing::UnitTest::GetInstance()->listeners().Append(new FreshStart), true);

} // namespace
