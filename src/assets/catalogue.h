// Every mesh prototype, display slot and texture name of the scene, and their loading.
#pragma once
#include "mesh.h"

// Tile prototypes: beach, forest, pasture, field, mountain, clay pit, desert, harbour.
extern obj_type objectF0, objectF1, objectF2, objectF3, objectF4, objectF5, objectF6, objectF7;
// Pieces of players 1-4: settlements object1-4, cities object5-8, roads object9-12.
extern obj_type object1, object2, object3, object4, object5, object6, object7, object8;
extern obj_type object9, object10, object11, object12;
// Build-offer pieces in the plain player colours (copied into buildV).
extern obj_type objectB1, objectB2, objectB3, objectB4, objectB5, objectB6, objectB7, objectB8;
extern obj_type objectB9, objectB10, objectB11, objectB12;

// Flat panels with static geometry; their textures are set by initScene.
extern obj_type interface0, interface1, interface2, interface3, interface4, interface5;
extern obj_type interface6, interface7, interface8, interfaceW, interfaceP, interfaceOpB;
extern obj_type interfaceOp;
// Panels added after the first 72: a button wider by half for longer labels, the
// message strip above the bar, the scoreboard and the end screen; the settings' panel under
// the seat selection and its long button.
extern obj_type interfaceWide, interfaceStrip, interfaceScore, interfaceEnd;
extern obj_type interfaceSettings, interfaceLong;
// A model added later: the ring that marks a tile the roll paid for.
extern obj_type objectRing;

extern obj_type object;    // scratch record of ObjLoad
extern obj_type deleteObj; // the empty record that hides a slot

// Prototype sets: player p owns buildV[3p] (road), [3p+1] (settlement), [3p+2] (city).
extern obj_type buildV[15];
extern obj_type tradeV[7]; // cards wood..clay, then minus, plus
extern obj_type diceV[6];
extern obj_type playerV[4];

// Display slots, drawn every frame at the positions of the layout tables. The interface has
// the first 72 panels and the buttons added after them.
enum { NUM_INTERFACE_SLOTS = 83 };
extern obj_type modelV[29];   // land tiles 0-18, harbour pieces 19-27, beach base 28
extern obj_type housesV[54];  // settlement spots
extern obj_type streetsV[72]; // road edges
extern obj_type portV[9];     // harbour signs
extern obj_type pointerV[20]; // roll markers 0-18, fixed white marker 19
extern obj_type paidV[19];    // the ring on each tile the roll paid for
extern obj_type interfaceV[NUM_INTERFACE_SLOTS]; // interface panels

extern int sky[7];             // texture names: water, bottom, top, sides 3, 4, 2, 1
extern float water[720][2][3]; // the water strip, heights scrolled by the wave step

// Gives the flat panels (interface0-8, interfaceW, interfaceOpB, interfaceOp, interfaceWide) and
// the roll marker interfaceP their fixed geometry; done once before main.
void buildPanels();

// Loads a 3DS mesh and its texture into `object` and computes its normals; 0 on failure.
int ObjLoad(const char* object_file, const char* texture_file);

// Computes the water grid, loads every model and texture from models/ and texturen/ of the
// working directory in catalogue order (texture names 0-76) and fills the fixed slots.
// Needs no GL context: textures go through the platform upload.
void initScene();
