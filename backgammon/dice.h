// The dice: both players' plug-ins draw them from the game's shared seed, so no die ever
// travels between them.
#pragma once

#include "backgammon_game.h"

namespace backgammon {

// ---- Drawing dice ----

// One die 1 to 6 from the game's DiceSeed, which it advances. Both plug-ins of a game start
// from the same seed and draw the same number of dice at the same moments, so they see the
// same rolls; nothing else may draw from DiceSeed.
int RollDie(TGame& game);

// The roll at the start of a turn: Die1 and Die2 drawn in that order and TurnMoves emptied.
// On the opening roll each player has thrown one die: a tie draws Die2 again until it
// differs, and the higher die decides who starts (FirstSide when Die1 is higher).
void RollDice(TGame& game);

}  // namespace backgammon
