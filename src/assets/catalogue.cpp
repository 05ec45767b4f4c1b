// The scene's mesh prototypes, display slots and panels, and their loading at start-up.
#include "catalogue.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "platform/language.h"
#include "platform/platform.h"

obj_type objectF0, objectF1, objectF2, objectF3, objectF4, objectF5, objectF6, objectF7;
obj_type object1, object2, object3, object4, object5, object6, object7, object8;
obj_type object9, object10, object11, object12;
obj_type objectB1, objectB2, objectB3, objectB4, objectB5, objectB6, objectB7, objectB8;
obj_type objectB9, objectB10, objectB11, objectB12;

obj_type interface0, interface1, interface2, interface3, interface4, interface5;
obj_type interface6, interface7, interface8, interfaceW, interfaceP, interfaceOpB;
obj_type interfaceOp;
obj_type interfaceWide, interfaceStrip, interfaceScore, interfaceEnd;
obj_type interfaceSettings, interfaceLong;
obj_type objectRing;

obj_type object;
obj_type deleteObj;

obj_type buildV[15];
obj_type tradeV[7];
obj_type diceV[6];
obj_type playerV[4];

obj_type modelV[29];
obj_type housesV[54];
obj_type streetsV[72];
obj_type portV[9];
obj_type pointerV[20];
obj_type paidV[19];
obj_type interfaceV[NUM_INTERFACE_SLOTS];

int sky[7];
float water[720][2][3];

// The flat panels: rectangles in the z = 0 plane around the origin, half-width w and
// half-height h, made of the triangles (3, 2, 0) and (2, 1, 0).
struct quad_panel {
    obj_type* record;
    float w, h;
};

static const quad_panel quadPanels[] = {
    {&interface0, 2.5f, 0.2f},    {&interface1, 0.1f, 0.1f},         {&interface2, 0.5f, 0.5f},
    {&interface3, 0.15f, 0.15f},  {&interface4, 0.22f, 0.1f},        {&interface5, 0.75f, 1.1f},
    {&interface6, 0.07f, 0.07f},  {&interface7, 0.03f, 0.03f},       {&interface8, 0.6f, 0.75f},
    {&interfaceW, 5.0f, 5.0f},    {&interfaceOpB, 0.22f, 0.08f},     {&interfaceOp, 0.3f, 0.7f},
    {&interfaceWide, 0.3f, 0.1f}, {&interfaceStrip, 0.9f, 0.1f},     {&interfaceScore, 0.5f, 0.31f},
    {&interfaceEnd, 0.9f, 0.6f},  {&interfaceSettings, 0.6f, 0.25f}, {&interfaceLong, 0.52f, 0.09f},
};

// Corner signs of the quad's vertices and their texture coordinates.
static const struct {
    float sx, sy, u, v;
} quadCorners[4] = {
    {-1, +1, 0, 1},
    {+1, +1, 1, 1},
    {+1, -1, 1, 0},
    {-1, -1, 0, 0},
};

static const polygon_type quadTriangles[2] = {{3, 2, 0}, {2, 1, 0}};

// The pointer: a downward wedge with its tip at the origin.
static const vertex_type pointerVertices[3] = {{-2.5f, 5, 0}, {2.5f, 5, 0}, {0, 0, 0}};
static const mapcoord_type pointerMapping[3] = {{-5, 5}, {0, 5}, {5, 0}};
static const polygon_type pointerTriangle = {2, 1, 0};

static void makeQuad(const quad_panel& panel) {
    obj_type* obj = panel.record;
    obj->vertex_count = 4;
    obj->polygon_count = 2;
    for (int i = 0; i < 4; i++) {
        obj->vertices[i] = {quadCorners[i].sx * panel.w, quadCorners[i].sy * panel.h, 0};
        obj->mapping[i] = {quadCorners[i].u, quadCorners[i].v};
    }
    obj->polygons[0] = quadTriangles[0];
    obj->polygons[1] = quadTriangles[1];
    markWritten(obj, 4);
}

void buildPanels() {
    for (const quad_panel& panel : quadPanels) makeQuad(panel);
    interfaceP.vertex_count = 3;
    interfaceP.polygon_count = 1;
    for (int i = 0; i < 3; i++) {
        interfaceP.vertices[i] = pointerVertices[i];
        interfaceP.mapping[i] = pointerMapping[i];
    }
    interfaceP.polygons[0] = pointerTriangle;
    markWritten(&interfaceP, 3);
}

// The panels hold their geometry before anything runs, like any other static data.
[[maybe_unused]] static const bool panelsBuilt = (buildPanels(), true);

// Each loaded model: its record, files, and the build-menu slot that takes a copy.
struct model_row {
    obj_type* record;
    const char* model;
    const char* texture;
    obj_type* copy;
};

static const model_row modelRows[] = {
    {&objectF0, "models/strand.3ds", "texturen/sand.bmp", nullptr},
    {&objectF1, "models/wald.3ds", "texturen/wald.bmp", nullptr},
    {&objectF2, "models/schaf.3ds", "texturen/schaf.bmp", nullptr},
    {&objectF3, "models/weizenfeld.3ds", "texturen/weizenfeld.bmp", nullptr},
    {&objectF4, "models/berg.3ds", "texturen/berg.bmp", nullptr},
    {&objectF5, "models/lehm.3ds", "texturen/lehm.bmp", nullptr},
    {&objectF6, "models/wueste.3ds", "texturen/wueste.bmp", nullptr},
    {&objectF7, "models/hafen.3ds", "texturen/hafen.bmp", nullptr},
    {&object1, "models/siedlung.3ds", "texturen/siedlung1.bmp", nullptr},
    {&object2, "models/siedlung.3ds", "texturen/siedlung2.bmp", nullptr},
    {&object3, "models/siedlung.3ds", "texturen/siedlung3.bmp", nullptr},
    {&object4, "models/siedlung.3ds", "texturen/siedlung4.bmp", nullptr},
    {&object5, "models/stadt.3ds", "texturen/stadt1.bmp", nullptr},
    {&object6, "models/stadt.3ds", "texturen/stadt2.bmp", nullptr},
    {&object7, "models/stadt.3ds", "texturen/stadt3.bmp", nullptr},
    {&object8, "models/stadt.3ds", "texturen/stadt4.bmp", nullptr},
    {&object9, "models/weg.3ds", "texturen/weg1.bmp", nullptr},
    {&object10, "models/weg.3ds", "texturen/weg2.bmp", nullptr},
    {&object11, "models/weg.3ds", "texturen/weg3.bmp", nullptr},
    {&object12, "models/weg.3ds", "texturen/weg4.bmp", nullptr},
    {&objectB1, "models/siedlung.3ds", "texturen/spieler1.bmp", &buildV[4]},
    {&objectB2, "models/siedlung.3ds", "texturen/spieler2.bmp", &buildV[7]},
    {&objectB3, "models/siedlung.3ds", "texturen/spieler3.bmp", &buildV[10]},
    {&objectB4, "models/siedlung.3ds", "texturen/spieler4.bmp", &buildV[13]},
    {&objectB5, "models/stadt.3ds", "texturen/spieler1.bmp", &buildV[5]},
    {&objectB6, "models/stadt.3ds", "texturen/spieler2.bmp", &buildV[8]},
    {&objectB7, "models/stadt.3ds", "texturen/spieler3.bmp", &buildV[11]},
    {&objectB8, "models/stadt.3ds", "texturen/spieler4.bmp", &buildV[14]},
    {&objectB9, "models/weg.3ds", "texturen/spieler1.bmp", &buildV[3]},
    {&objectB10, "models/weg.3ds", "texturen/spieler2.bmp", &buildV[6]},
    {&objectB11, "models/weg.3ds", "texturen/spieler3.bmp", &buildV[9]},
    {&objectB12, "models/weg.3ds", "texturen/spieler4.bmp", &buildV[12]},
};

// Water and sky box, in loading order.
static const struct {
    int entry;
    const char* texture;
} skyRows[] = {
    {0, "texturen/wasser.bmp"}, {2, "texturen/top.bmp"},   {1, "texturen/bot.bmp"},
    {6, "texturen/side1.bmp"},  {5, "texturen/side2.bmp"}, {3, "texturen/side3.bmp"},
    {4, "texturen/side4.bmp"},
};

// Each step gives a panel its texture and then copies the panel into the slots listed, so a
// slot keeps the texture the panel had at that moment.
enum { MAX_STEP_SLOTS = 12 };
struct panel_step {
    obj_type* panel;
    const char* texture;
    obj_type* slots[MAX_STEP_SLOTS + 1]; // ends at the first null
};

static const panel_step panelSteps[] = {
    {&interfaceW, "texturen/karten1.bmp", {&portV[4]}},
    {&interfaceW, "texturen/karten2.bmp", {&portV[0]}},
    {&interfaceW, "texturen/karten3.bmp", {&portV[6]}},
    {&interfaceW, "texturen/karten4.bmp", {&portV[7]}},
    {&interfaceW, "texturen/karten5.bmp", {&portV[3]}},
    {&interfaceW, "texturen/3zu1.bmp", {&portV[1], &portV[2], &portV[5], &portV[8]}},
    {&interface0, "texturen/gui.bmp", {&interfaceV[0]}},
    {&interface1, "texturen/karten1.bmp", {&interfaceV[1]}},
    {&interface1, "texturen/karten2.bmp", {&interfaceV[2]}},
    {&interface1, "texturen/karten3.bmp", {&interfaceV[3]}},
    {&interface1, "texturen/karten4.bmp", {&interfaceV[4]}},
    {&interface1, "texturen/karten5.bmp", {&interfaceV[5]}},
    {&interface6, "texturen/karten1.bmp", {&tradeV[0]}},
    {&interface6, "texturen/karten2.bmp", {&tradeV[1]}},
    {&interface6, "texturen/karten3.bmp", {&tradeV[2]}},
    {&interface6, "texturen/karten4.bmp", {&tradeV[3]}},
    {&interface6, "texturen/karten5.bmp", {&tradeV[4]}},
    {&interface6,
     "texturen/knopf2.bmp",
     {&interfaceV[52], &interfaceV[53], &interfaceV[54], &interfaceV[55]}},
    {&interface7, "texturen/minus.bmp", {&tradeV[5]}},
    {&interface7, "texturen/plus.bmp", {&tradeV[6]}},
    {&interface2, "texturen/bauen.bmp", {}},
    {&interface3, "texturen/wuerfel1.bmp", {&diceV[0]}},
    {&interface3, "texturen/wuerfel2.bmp", {&diceV[1]}},
    {&interface3, "texturen/wuerfel3.bmp", {&diceV[2]}},
    {&interface3, "texturen/wuerfel4.bmp", {&diceV[3]}},
    {&interface3, "texturen/wuerfel5.bmp", {&diceV[4]}},
    {&interface3, "texturen/wuerfel6.bmp", {&diceV[5]}},
    {&interface4,
     "texturen/knopf2.bmp",
     {&interfaceV[10], &interfaceV[11], &interfaceV[12], &interfaceV[51], &interfaceV[56],
      &interfaceV[57], &interfaceV[58], &interfaceV[59], &interfaceV[60], &interfaceV[61],
      &interfaceV[62], &interfaceV[63]}},
    {&interfaceOpB, "texturen/knopf2.bmp", {&interfaceV[9], &interfaceV[64]}},
    {&interface5, "texturen/handelgui.bmp", {}},
    {&interfaceOp, "texturen/waehlgui.bmp", {}},
    {&interface8, "texturen/handelgui.bmp", {&interfaceV[50]}},
    {&interface3, "texturen/weiss.bmp", {&pointerV[19]}},
    {&interface3, "texturen/spieler1.bmp", {&playerV[0]}},
    {&interface3, "texturen/spieler2.bmp", {&playerV[1]}},
    {&interface3, "texturen/spieler3.bmp", {&playerV[2]}},
    {&interface3, "texturen/spieler4.bmp", {&playerV[3]}},
    {&interfaceP, "texturen/spieler1.bmp", {}},
};

// Panels added to the interface since: their pictures load after the first ones, which so keep
// their names 0-76; a panel may wear the picture of one loaded above instead.
static const struct {
    obj_type* panel;
    const char* texture;
    const obj_type* looksLike;
} addedPanels[] = {
    {&interfaceWide, nullptr, &interface4},
    {&interfaceStrip, "texturen/meldung.bmp", nullptr},
    {&interfaceScore, "texturen/punkte.bmp", nullptr},
    {&interfaceEnd, "texturen/ende.bmp", nullptr},
    {&interfaceSettings, "texturen/einstellungen.bmp", nullptr},
    {&interfaceLong, nullptr, &interface4},
};

// A texture with words in its picture has one per language, in texturen/<language>/ beside
// the German one; every other serves in every language.
static int loadTexture(const char* path) {
    const char* file = std::strrchr(path, '/');
    char own[256];
    if (language[0] && file &&
        std::snprintf(own, sizeof own, "texturen/%s%s", language, file) < (int)sizeof own &&
        !sysNothingAt(own))
        return LoadBMP(own);
    return LoadBMP(path);
}

int ObjLoad(const char* object_file, const char* texture_file) {
    if (!Load3DS(&object, object_file)) return 0;
    object.texture_id = LoadBMP(texture_file);
    ObjCalcNormals(&object);
    return 1;
}

// A strip of 720 x 2 points from (-4.5, -4.5); the height is the sine of 8 i degrees.
static void buildWater() {
    for (int i = 0; i < 720; i++)
        for (int j = 0; j < 2; j++) {
            water[i][j][0] = (float)(5.6 * i - 4.5);
            water[i][j][1] = (float)(4020.0 * j - 4.5);
            water[i][j][2] = (float)std::sin(2 * 3.141592654 * (i / 10.0) * 80 / 360);
        }
}

// What stands where a model could not be loaded, missing or damaged, so that no tile or piece
// of the board is left out: a prism over a regular polygon in the model's own frame, its
// corners at (cx + rx cos a, cy + ry sin a) for a = turn + 360 k / sides, from z0 to z1, with
// a flat top where `capped`. Its picture is the model's texture spread over its extent.
struct stand_in {
    const char* model;
    int sides;
    float turn, cx, cy, rx, ry, z0, z1;
    bool capped;
};

const float BOX = 1.41421356f; // a four-sided prism turned by 45 degrees: a box

static const stand_in standIns[] = {
    {"models/strand.3ds", 24, 0, 0, 0, 170, 170, -16, 6, true},
    {"models/wald.3ds", 6, 0, 0, 0, 30, 30, -9, 0.5f, true},
    {"models/schaf.3ds", 6, 0, 0, 0, 30, 30, -9, 0.5f, true},
    {"models/weizenfeld.3ds", 6, 0, 0, 0, 30, 30, -9, 0.5f, true},
    {"models/berg.3ds", 6, 0, 0, 0, 30, 30, -9, 0.5f, true},
    {"models/lehm.3ds", 6, 0, 0, 0, 30, 30, -9, 0.5f, true},
    {"models/wueste.3ds", 6, 0, 0, 0, 30, 30, -9, 0.5f, true},
    {"models/hafen.3ds", 4, 45, 1.6f, 5, 9.2f * BOX, 21 * BOX, -14, 4.6f, true},
    {"models/siedlung.3ds", 4, 45, 0, 0, 3.9f * BOX, 3.2f * BOX, -0.4f, 7, true},
    {"models/stadt.3ds", 4, 45, 0, 0, 6.2f * BOX, 4.2f * BOX, -0.4f, 16, true},
    {"models/weg.3ds", 4, 45, 0, 0, 1.7f * BOX, 11 * BOX, -0.4f, 1.9f, true},
    {"models/ring.3ds", 6, 0, 0, 0, 28.8f, 28.8f, 0.5f, 1.5f, false},
};

// Corners counter-clockwise seen from above, bottom then top; the sides and the top face
// outwards.
static void buildStandIn(obj_type* obj, const stand_in& shape) {
    const int n = shape.sides;
    for (int k = 0; k < n; k++) {
        const double a = (shape.turn + 360.0 * k / n) * 3.14159265358979 / 180;
        const float x = shape.cx + shape.rx * (float)std::cos(a);
        const float y = shape.cy + shape.ry * (float)std::sin(a);
        const mapcoord_type uv = {(float)(0.5 + 0.5 * std::cos(a)),
                                  (float)(0.5 + 0.5 * std::sin(a))};
        obj->vertices[k] = {x, y, shape.z0};
        obj->vertices[n + k] = {x, y, shape.z1};
        obj->mapping[k] = obj->mapping[n + k] = uv;
    }
    int t = 0;
    for (int k = 0; k < n; k++) {
        const int next = (k + 1) % n;
        obj->polygons[t++] = {k, next, n + next};
        obj->polygons[t++] = {k, n + next, n + k};
    }
    for (int k = 1; shape.capped && k + 1 < n; k++) obj->polygons[t++] = {n, n + k, n + k + 1};
    obj->vertex_count = 2 * n;
    obj->polygon_count = t;
    markWritten(obj, 2 * n);
}

static void standIn(obj_type* obj, const char* model) {
    for (const stand_in& shape : standIns)
        if (!std::strcmp(shape.model, model)) return buildStandIn(obj, shape);
}

// A model that does not load, or holds no triangle to draw, is reported by the loader or here
// and has its stand-in; a missing texture leaves texture name -1, and the game starts all the
// same.
static void loadModel(const model_row& row) {
    if (Load3DS(row.record, row.model) && row.record->polygon_count == 0)
        sysErrorBox("3DS file damaged (no triangles)", row.model);
    if (row.record->polygon_count == 0) standIn(row.record, row.model);
    row.record->texture_id = loadTexture(row.texture);
    ObjCalcNormals(row.record);
    if (row.copy) *row.copy = *row.record;
}

// Models added later, loaded after everything the first catalogue loads, so that its texture
// names stay as they were.
static const model_row addedModels[] = {
    {&objectRing, "models/ring.3ds", "texturen/ring.bmp", nullptr},
};

static void loadModels(const model_row* rows, int count) {
    for (int i = 0; i < count; i++) loadModel(rows[i]);
}

static void loadSky() {
    for (const auto& row : skyRows) sky[row.entry] = loadTexture(row.texture);
}

static void loadPanels() {
    for (const panel_step& step : panelSteps) {
        step.panel->texture_id = loadTexture(step.texture);
        for (int i = 0; i < MAX_STEP_SLOTS && step.slots[i]; i++) *step.slots[i] = *step.panel;
    }
    for (const auto& added : addedPanels)
        added.panel->texture_id =
            added.texture ? loadTexture(added.texture) : added.looksLike->texture_id;
}

void initScene() {
    buildWater();
    loadModels(modelRows, sizeof modelRows / sizeof modelRows[0]);
    loadSky();
    loadPanels();
    loadModels(addedModels, sizeof addedModels / sizeof addedModels[0]);
}
