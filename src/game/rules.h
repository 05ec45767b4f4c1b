// The game commands behind the dispatch, callable on their own by tests and tools.
#pragma once

// Every command acts on the current `player` and checks its own conditions: one whose
// conditions fail changes nothing. Out-of-range arguments are refused the same way.

// Seat selection and the deal
void choosePlayerCount(int n);         // 1-4 seats take part
void chooseSeat(int q, bool computer); // seat q within the seats taking part
void startGame();                      // hides the seat panel, deals, opens with player 1
void dealBoard();                      // terrain, numbers, spot records and tile meshes
void fillSpotRecords(); // houses fields 0-5 from model, number and the spot-to-tile table

// The roll: two dice, the markers and the payout to every building on a matching tile.
void rollDice();

// Placement tests, shared by the clicks and the offers.
bool inOpening();                      // opening placements still due
bool spotIsFree(int s);                // empty, and no building on a neighbour spot
bool spotTouchesRoad(int s, int p);    // a road of p ends at s
bool edgeOpensFromFresh(int e, int p); // e leaves a settlement of p with no road yet
bool edgeIsConnected(int e, int p);    // a building or road of p at an end of e
bool settlementAllowed(int s);         // a click on s would place a settlement
bool cityAllowed(int s);               // a click on s would raise it to a city
bool roadAllowed(int e);               // a click on e would place a road

// Building: the clicks on spots and edges, and the click section of the pass.
void clickSpot(int s);
void clickEdge(int e);
void buildOnBoard(); // acts on `picked` while `build` is set

// Rebuilds every spot and edge slot from houses and streets (removing all offers).
void refreshPieces();
// Puts up the current player's build offers, with exactly the tests of a click.
void showBuildOffers();

// Trading
void openTrade();           // "Handeln": the dialog with the bank as partner
void chooseBankItem(int i); // kind - 1 paid to the bank
void chooseBankPartner();   // "Hafen"
bool partnerAllowed(int q); // q may be chosen as trade partner
void choosePlayerPartner(int q);
void pickTradeAdjustment(int pk); // a plus or minus button, 320-329 or 335-344
void carryOutTrade();             // "tauschen"
void closeTradeAndBuild();        // "Bauen"
void computeHarbourRates();       // tradeStep of the current player; clears tradeModus
void applyTradeChange();          // the pending plus or minus; clears tradeCheck

// Turns
void endTurn();           // "Naechster": victory test, then the next seat
void openingTurnChange(); // after each opening road; clears playerCheck

// Pass clock effects, at pass time t (ms)
void countFrame(int t); // while fps is on
void waterStep(int t);  // one wave step when it is due
