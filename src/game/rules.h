// The game commands behind the dispatch, callable on their own by tests and tools.
#pragma once

// Every command acts on the current `player` and checks its own conditions: one whose
// conditions fail changes nothing. Out-of-range arguments are refused the same way.

// Points to win as the game plays them: a configured value held to 4..12.
int clampWinPoints(int configured);

// Seat selection and the deal
void choosePlayerCount(int n);         // 1-4 seats take part
void chooseSeat(int q, bool computer); // seat q within the seats taking part
void seatForPerson(int q);
void seatForComputer(int q);
void startGame();       // hides the seat panel, deals, opens with player 1
void dealBoard();       // terrain, numbers, spot records and tile meshes
void fillSpotRecords(); // houses fields 0-5 from model, number and the spot-to-tile table

// The roll: two dice, the markers and the payout to every building on a matching tile.
void rollDice();
// Hides the dice and the roll markers.
void hideRoll();

// What each piece costs, by resource kind (index 0 unused); paid in full, none for free.
enum Piece { PIECE_ROAD, PIECE_SETTLEMENT, PIECE_CITY };
extern const int buildCost[3][6];
bool holdsCost(int p, int piece); // player p holds at least the cards the piece costs
void payCost(int p, int piece);

// Placement tests, shared by the clicks, the offers and the computer player.
bool inOpening();                      // opening placements still due
bool besideBuilding(int s);            // a neighbour spot of s holds a building
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

// Trading. Resource kinds are given as 1 wood .. 5 clay.
void openTrade();                // "Handeln": the dialog with the bank as partner
void chooseBankItem(int kind);   // the kind paid to the bank (tradeItem is kind - 1)
void chooseBankPartner();        // "Hafen"
bool partnerAllowed(int q);      // q may be chosen as trade partner
void choosePlayerPartner(int q); // only a partner allowed
void moreReceived(int kind);     // the plus and minus buttons: one change of the offer, made
void lessReceived(int kind);     // by applyTradeChange in the same pass
void moreGiven(int kind);
void lessGiven(int kind);
void carryOutTrade();       // "tauschen"
void closeTradeAndBuild();  // "Bauen"
void hideTradeDialog();     // every slot of the dialog
void computeHarbourRates(); // tradeStep of the current player; clears tradeModus
void applyTradeChange();    // the pending plus or minus; clears tradeCheck

// Turns
void endTurn();           // "Naechster": victory test, then the next seat
void openingTurnChange(); // after each opening road; clears playerCheck

// Pass clock effects, at pass time t (ms)
void countFrame(int t); // a frame asked for, while fps is on
bool waterStep(int t);  // one wave step when it is due; true when it took one
