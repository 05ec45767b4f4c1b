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
void seatForComputer(int q); // the table's computer; a computer seat switches strength
void startGame();            // hides the seat panel, deals, opens with player 1
void dealBoard();            // terrain, numbers, spot records and tile meshes
void fillSpotRecords();      // houses fields 0-5 from model, number and the spot-to-tile table

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
// The bank rates of player p by kind - 1: 4, 3 with a general harbour, 2 at a kind's harbour.
void harbourRates(int p, int* rates);
void applyTradeChange(); // the pending plus or minus; clears tradeCheck

// What the seat on turn may do now, each action as a person does it by clicking: the roll;
// a road, settlement or city where a click would build it; one unit of a bank trade at the
// seat's rate (only before building mode, and only from cards not yet on the offer); the end
// of the turn; in the opening, the placement that is due.
enum ActionKind { ACT_ROLL, ACT_ROAD, ACT_SETTLEMENT, ACT_CITY, ACT_TRADE, ACT_END_TURN };
struct Action {
    int kind; // ActionKind
    int at;   // the edge of a road, the spot of a settlement or city
    int pay;  // a trade: the kind paid, rate cards of it, for one card of the kind wanted
    int want;
    int rate;
};
enum { MAX_ACTIONS = 72 + 2 * 54 + 20 + 1 }; // edges, spots twice, trades, roll or end
bool rollDue();                              // the seat on turn has still to roll
bool turnRolled(); // the seat on turn has rolled: trading, building and the end are open
// Fills out (room for MAX_ACTIONS) in the order roll, roads by edge, settlements and cities
// by spot, trades by kind paid and wanted, end; returns the count, 0 when nobody may act.
int listActions(Action* out);
bool actionListed(const Action& a); // a is among the legal actions now

// Turns
void endTurn();           // "Naechster": victory test, then the next seat
void openingTurnChange(); // after each opening road; clears playerCheck

// Pass clock effects, at pass time t (ms)
void countFrame(int t); // while fps is on
void waterStep(int t);  // one wave step when it is due
// Before a pass asks for its frame: sleeps until the frame is due when frames would come
// faster than one per framePeriodUs, so the display's rate is not exceeded. The pass clock is
// only read, never held back; a pass that comes late goes at once.
void paceFrame();
