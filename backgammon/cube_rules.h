// The cube and the value of a game: who may double, what a game won at the board is
// worth, and when the Crawford game comes.
#pragma once

#include "backgammon_game.h"

namespace backgammon {

// ---- Doubling ----

// The side to move may double now: not on the opening roll, not with the cube owned by the
// other side, not beyond level 5 (64 is the last value), not in the Crawford game, and not
// when the cube's present value would already win it the match.
bool CanDouble(const TGame& game);
// The same refusals, with the score of the side not to move in the last test.
bool OpponentCanDouble(const TGame& game);

// ---- Game won at the board ----

// For the side Turn that has just borne off its last checker: 1 a single game, 2 a gammon
// (the loser still has all its checkers), 3 a backgammon (and one of them on its bar or in
// the winner's home board). While Jacoby holds with a centred cube every win is single.
int WinKind(const TGame& game);

// ---- Crawford ----

// On entering the end of a game, after the score has been updated with the game's result
// (positive when White won): the Crawford game ends, or starts when the winner has just
// reached one point short of the match and the scores differ.
void ApplyCrawfordRule(TGame& game, int resultPoints);

}  // namespace backgammon
