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
// The seats as the seat selection shows them: how many take part, which the computer plays
// and how strongly.
struct Seats {
    int count;
    bool computer[5];
    int strength[5];
};
Seats chosenSeats();
void takeSeats(const Seats& seats);
void startGame();       // hides the seat panel, deals, opens with player 1; passes a kept game over
void dealBoard();       // terrain, numbers, spot records and tile meshes
void fillSpotRecords(); // houses fields 0-5 from model, number and the spot-to-tile table
// "Neues Spiel" after a win: everything as at program start (fresh.h) but the seats, which stay
// as they were, on the seat selection.
void newGame();
// How many tiles carry each terrain kind (index kind) and each dice number (index number).
extern const int terrainLimit[7];
extern const int numberLimit[13];

// The roll: two dice, the markers and the payout to every building on a matching tile.
void rollDice();
// Hides the dice and the roll markers.
void hideRoll();

// What each piece costs, by resource kind (index 0 unused); paid in full, none for free.
enum Piece { PIECE_ROAD, PIECE_SETTLEMENT, PIECE_CITY };
extern const int buildCost[3][6];
bool holdsCost(int p, int piece); // player p holds at least the cards the piece costs
// Puts p's piece on its place as a click builds it, with its points: an opening placement is
// free and counts as one of the opening's (after the opening road playerCheck passes the
// turn), any other is paid. takeOffPiece takes back exactly what placePiece did: the piece
// goes (a city is a settlement again), the points follow, the cards come back or the opening
// placement is due again. Neither checks the placement rules.
void placePiece(int p, int piece, int place);
void takeOffPiece(int p, int piece, int place);

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
// Roads p still has to build to reach each spot (roads has 54 entries): none to its buildings
// and to every spot its roads lead to, one for each free edge on the way beyond; the roads of
// others bar the way, buildings do not. Spots farther than `most` roads, or cut off, are
// UNREACHED. The one walk over the board's spots and edges, for the rules, the computer and
// the checks.
enum { UNREACHED = 99 };
void roadsToSpots(int p, int most, int* roads);

// Building: the clicks on spots and edges, and the click section of the pass.
void clickSpot(int s);
void clickEdge(int e);
void buildOnBoard(); // acts on `picked` while `build` is set

// Rebuilds every spot and edge slot from houses and streets (removing all offers).
void refreshPieces();
// Puts up the current player's build offers, with exactly the tests of a click.
void showBuildOffers();
// How many build offers stand on the board now, as the two above left them.
extern int offersUp;

// Taking back builds: the person on turn may take back the pieces built since the turn began
// or since its last trade, the last one first. Computer moves, rolls and trades never.
bool canTakeBack();     // there is one, and it is a person's turn
void takeBackBuild();   // "Zurueck": the piece goes, its cards come back, the points follow
void forgetTakeBacks(); // a trade or a new turn: nothing before it can be taken back

// Fills every display slot the game decides from the game itself: the tiles of the deal, the
// pieces and offers, the seat panel, the dice and markers of a roll, the trade dialog and
// the added buttons. Request flags are left for the pass. Used after a game is read and for
// a new game; the pass keeps the added buttons up to date with showAddedButtons.
void showGame();
// The panels added after the first 72: "Fortsetzen" and the Start beside it while a kept game is
// offered, "Zurueck" while there is something to take back, the end screen with "Neues Spiel"
// once the game is won, the scoreboard during a game, and the message strip while the dice
// fill the bar's middle panel.
void showAddedButtons();
// The slots a roll shows: both dice and a marker over every tile with the number rolled.
void showRoll();
void showTiles(bool dealt); // the deal's land, harbours and beach, or an empty board
void showSeatPanel();       // the seat selection's panel and buttons while it is shown
void showTradeDialog();     // the dialog's slots for the partner chosen, while trading
void showPieces();          // every piece, and the offers while clicks build

// Trading. Resource kinds are given as 1 wood .. 5 clay.
void openTrade();              // "Handeln": the dialog with the bank as partner
void chooseBankItem(int kind); // the kind paid to the bank (tradeItem is kind - 1)
void chooseBankPartner();      // "Hafen"
// q may be chosen as trade partner: another seat in play, person or computer, in the dialog
// of a person or of the simulator's trader; the other computers trade with the bank alone.
bool partnerAllowed(int q);
void choosePlayerPartner(int q); // only a partner allowed
void moreReceived(int kind);     // the plus and minus buttons: one change of the offer, made
void lessReceived(int kind);     // by applyTradeChange in the same pass
void moreGiven(int kind);
void lessGiven(int kind);
void carryOutTrade();      // "tauschen"; a computer partner is asked first
void closeTradeAndBuild(); // "Bauen"
void hideTradeDialog();    // every slot of the dialog
// At the end of a turn: the dialog goes, its partner is the bank again and the offer empty, so
// that no offer or partner passes to the next seat (a partner would be that seat itself).
void endTrading();
void computeHarbourRates(); // tradeStep of the current player; clears tradeModus
// The bank rates of player p by kind - 1: 4, 3 with a general harbour, 2 at a kind's harbour.
void harbourRates(int p, int* rates);
void applyTradeChange(); // the pending plus or minus; clears tradeCheck
// Cards changing hands: p gives given[kind] and receives received[kind] cards of each kind
// (index 0 unused), seat q the other way round, or the bank when q is 0. Every trade moves its
// cards through here.
void exchangeCards(int p, int q, const int* given, const int* received);
// The offer on the table carried out between player and tradePlayer as "tauschen" carries it
// out, without a word on the message line; the offer is cleared and kept in `kept`, from
// which undoOffer puts cards and offer back. What follows a trade is weighed this way.
void playOffer(int kept[5][2]);
void undoOffer(const int kept[5][2]);

// What the seat on turn may do now, each action as a person does it by clicking: the roll;
// a road, settlement or city where a click would build it; one unit of a bank trade at the
// seat's rate and a one-for-one trade with each partner it may ask (only before building
// mode, the bank's only from cards not yet on the offer); the end of the turn; in the
// opening, the placement that is due. A trade with a partner is listed whoever the partner
// is: a computer seat may still refuse it.
enum ActionKind {
    ACT_ROLL,
    ACT_ROAD,
    ACT_SETTLEMENT,
    ACT_CITY,
    ACT_TRADE,
    ACT_PARTNER_TRADE,
    ACT_END_TURN
};
struct Action {
    int kind; // ActionKind
    int at;   // the edge of a road, the spot of a settlement or city, the partner of a trade
    int pay;  // a trade: the kind paid, rate cards of it, for one card of the kind wanted
    int want;
    int rate;
};
// Edges, spots twice, bank trades, trades with three partners, roll or end.
enum { MAX_ACTIONS = 72 + 2 * 54 + 20 + 3 * 20 + 1 };
bool rollDue();    // the seat on turn has still to roll
bool turnRolled(); // the seat on turn has rolled: trading, building and the end are open
// Fills out (room for MAX_ACTIONS) in the order roll, roads by edge, settlements and cities
// by spot, bank trades by kind paid and wanted, trades with partners by partner, kind paid
// and wanted, end; returns the count, 0 when nobody may act.
int listActions(Action* out);
int listTrades(Action* out);        // the trades alone, in the same order
bool actionListed(const Action& a); // a is among the legal actions now
// Plays action a of seat p on the state as its clicks do once they take effect: a road,
// settlement or city as placePiece puts it; a unit of bank trade or a trade with a partner,
// its cards changed hands as "tauschen" changes them. It checks no rule and tells the message
// line nothing; the roll and the end of the turn are not played. undoAction(p, a), right
// after, leaves the state exactly as it was before.
void playAction(int p, const Action& a);
void undoAction(int p, const Action& a);

// Turns
void endTurn();           // "Naechster": victory test, then the next seat
void openingTurnChange(); // after each opening road; clears playerCheck

// Pass clock effects, at pass time t (ms)
void countFrame(int t); // a frame asked for, while fps is on
bool waterStep(int t);  // one wave step when it is due; true when it took one
