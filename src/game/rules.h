// The game commands behind the dispatch, callable on their own by tests and tools.
#pragma once

// Rebuilds every spot and edge slot from houses and streets (removing all offers).
void refreshPieces();
// Puts up the current player's build offers, with exactly the tests of a click.
void showBuildOffers();
