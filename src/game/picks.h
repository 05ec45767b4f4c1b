// Pick names and interface slots: what a click names, and what the dispatch acts on.
#pragma once
#include "state.h"
#include "assets/catalogue.h"

// Slots of interfaceV, each drawn at its place in the layout and picked as PICK_PANEL + slot.
// Groups of slots run over consecutive numbers, in resource order (wood to clay) or seat
// order (1-4).
enum InterfaceSlot {
    SLOT_BAR = 0,            // the main bar
    SLOT_CARDS = 1,          // 1-5: the current player's cards
    SLOT_COSTS_CARD = 6,     // the building-costs card while it is switched on
    SLOT_DIE1 = 7,           // the two dice of the last roll
    SLOT_DIE2 = 8,           //
    SLOT_COSTS = 9,          // "Baukosten"
    SLOT_MAIN = 10,          // "Wuerfeln", "Handeln" or "Bauen", by phase
    SLOT_NEXT = 11,          // "Naechster"
    SLOT_CLOSE = 12,         // "Schliessen"
    SLOT_TRADE_FIRST = 13,   // the trade dialog is slots 13-49
    SLOT_TRADE_PANEL = 13,   // its background
    SLOT_TRADE_GO = 14,      // "tauschen"
    SLOT_IN_CARDS = 15,      // 15-19: cards received
    SLOT_IN_MINUS = 20,      // 20-24
    SLOT_IN_PLUS = 25,       // 25-29
    SLOT_OUT_CARDS = 30,     // 30-34: cards given; picking one chooses what the bank is paid
    SLOT_OUT_PLUS = 35,      // 35-39: only in a trade with a player
    SLOT_OUT_MINUS = 40,     // 40-44: only in a trade with a player
    SLOT_BANK = 45,          // "Hafen": the bank or the player's harbours
    SLOT_PARTNERS = 45,      // + seat 1-4: 46-49
    SLOT_TRADE_LAST = 49,    //
    SLOT_SEATS_FIRST = 50,   // the seat selection is slots 50-63
    SLOT_SEATS_PANEL = 50,   // its background
    SLOT_START = 51,         // "Start"
    SLOT_PLAYER_COUNT = 51,  // + count 1-4: 52-55
    SLOT_SEAT_PERSON = 55,   // + seat 1-4: 56-59 "Spieler n"
    SLOT_SEAT_COMPUTER = 59, // + seat 1-4: 60-63 "Comp. n"
    SLOT_SEATS_LAST = 63,    //
    SLOT_OPTIONS = 64,       // "Optionen"
    SLOT_OPT_SIGNS = 65,     // the option buttons 65-70: "Zeichen"
    SLOT_OPT_NUMBERS = 66,   // "Zahlen"
    SLOT_OPT_CENTER = 67,    // "Center"
    SLOT_OPT_WIRE = 68,      // "Wire"
    SLOT_OPT_FPS = 69,       // "Frames"
    SLOT_OPT_LIGHT = 70,     // "Licht"
    SLOT_OPTIONS_PANEL = 71, // their background
    SLOT_START_BESIDE = 72,  // "Start" moved aside for "Fortsetzen" while a kept game is offered
    SLOT_RESUME = 73,        // "Fortsetzen"
    SLOT_UNDO = 74,          // "Zurueck", on the main button while there is something to take back
    SLOT_NEW_GAME = 75,      // "Neues Spiel" on the end screen
    SLOT_MESSAGE_STRIP = 76, // the message line's strip above the bar while the dice are shown
    SLOT_SCOREBOARD = 77,    // every seat's points and cards, during a game
    SLOT_END_SCREEN = 78,    // the end screen's panel once the game is won
    SLOT_SETTINGS = 79,      // the settings' panel under the seat selection
    SLOT_TARGET_LOWER = 80,  // "-" and "+" beside "Ziel: 10 Punkte"
    SLOT_TARGET_RAISE = 81,  //
    SLOT_PACE = 82,          // "Computer: normal" or "Computer: schnell"
    NUM_SLOTS = NUM_INTERFACE_SLOTS,
};

// What the selection pass names, and what the computer writes into picked to make a move.
enum PickName {
    PICK_UNCHOSEN = -1, // the computer has not chosen its trade unit yet; acts on nothing
    PICK_NONE = 0,      // sky, water, tiles, signs, markers, numbers and the overlay texts
    PICK_SPOT = 100,    // + settlement spot 0-53
    PICK_EDGE = 200,    // + road edge 0-71
    PICK_PANEL = 300,   // + interface slot 0-71

    PICK_COSTS = PICK_PANEL + SLOT_COSTS,
    PICK_MAIN = PICK_PANEL + SLOT_MAIN,
    PICK_NEXT = PICK_PANEL + SLOT_NEXT,
    PICK_CLOSE = PICK_PANEL + SLOT_CLOSE,
    PICK_TRADE_GO = PICK_PANEL + SLOT_TRADE_GO,
    PICK_IN_MINUS = PICK_PANEL + SLOT_IN_MINUS - 1,   // + resource kind 1-5, wood to clay
    PICK_IN_PLUS = PICK_PANEL + SLOT_IN_PLUS - 1,     // + kind
    PICK_PAY_KIND = PICK_PANEL + SLOT_OUT_CARDS - 1,  // + kind
    PICK_OUT_PLUS = PICK_PANEL + SLOT_OUT_PLUS - 1,   // + kind
    PICK_OUT_MINUS = PICK_PANEL + SLOT_OUT_MINUS - 1, // + kind
    PICK_BANK = PICK_PANEL + SLOT_BANK,
    PICK_PARTNERS = PICK_PANEL + SLOT_PARTNERS, // + seat 1-4
    PICK_START = PICK_PANEL + SLOT_START,
    PICK_PLAYER_COUNT = PICK_PANEL + SLOT_PLAYER_COUNT,   // + count 1-4
    PICK_SEAT_PERSON = PICK_PANEL + SLOT_SEAT_PERSON,     // + seat 1-4
    PICK_SEAT_COMPUTER = PICK_PANEL + SLOT_SEAT_COMPUTER, // + seat 1-4
    PICK_OPTIONS = PICK_PANEL + SLOT_OPTIONS,
    PICK_OPT_SIGNS = PICK_PANEL + SLOT_OPT_SIGNS,
    PICK_OPT_NUMBERS = PICK_PANEL + SLOT_OPT_NUMBERS,
    PICK_OPT_CENTER = PICK_PANEL + SLOT_OPT_CENTER,
    PICK_OPT_WIRE = PICK_PANEL + SLOT_OPT_WIRE,
    PICK_OPT_FPS = PICK_PANEL + SLOT_OPT_FPS,
    PICK_OPT_LIGHT = PICK_PANEL + SLOT_OPT_LIGHT,
    PICK_START_BESIDE = PICK_PANEL + SLOT_START_BESIDE,
    PICK_RESUME = PICK_PANEL + SLOT_RESUME,
    PICK_UNDO = PICK_PANEL + SLOT_UNDO,
    PICK_NEW_GAME = PICK_PANEL + SLOT_NEW_GAME,
    PICK_TARGET_LOWER = PICK_PANEL + SLOT_TARGET_LOWER,
    PICK_TARGET_RAISE = PICK_PANEL + SLOT_TARGET_RAISE,
    PICK_PACE = PICK_PANEL + SLOT_PACE,
};

inline int spotPick(int s) {
    return PICK_SPOT + s;
}
inline int edgePick(int e) {
    return PICK_EDGE + e;
}
inline int panelPick(int slot) {
    return PICK_PANEL + slot;
}

// The spot, edge or slot a pick names, or -1 when it names none.
inline int pickedSpot(int pk) {
    return pk >= PICK_SPOT && pk < PICK_SPOT + NUM_SPOTS ? pk - PICK_SPOT : -1;
}
inline int pickedEdge(int pk) {
    return pk >= PICK_EDGE && pk < PICK_EDGE + NUM_EDGES ? pk - PICK_EDGE : -1;
}
