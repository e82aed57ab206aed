// The checker rules: when one checker may move with one die, what a move does to the
// board, and what a roll allows. They hold alike in every variant.
#pragma once

#include "backgammon_game.h"

#include <string_view>

namespace backgammon {

// ---- One checker, one die ----

// Empty when the side's checker on `point` (real index 0 to 25) may move by `die`;
// otherwise the first refusal that applies, in this order: "Played" (a negative, already
// played die), "coord", "You still have checker on the bar", "There is no checker on this
// point", "You have the other color", "The arrival point is occupied", "You can't bear off
// until you move all your chcker in your inner board", "You can bear off only the most
// farther checker". Sides other than +1 move as Black.
std::string_view CheckMove(const BoardArray& board, int side, int point, int die);

// Where a move went: Target is the arrival index, or BorneOff; HitBar is the bar a hit
// checker went to (0 or 25), or NoHit.
struct MoveResult {
  int Target;
  int HitBar;
};
inline constexpr int BorneOff = 100;
inline constexpr int NoHit = 1000;
inline constexpr int NoPoint = -1;

// Moves the side's checker on `point` by `die`, hitting a single opposing checker on the
// arrival point; a checker that passes beyond the board is borne off. Legality is not
// checked (the caller has, or the opponent's plug-in has); a point outside 0 to 25 changes
// nothing and gives {NoPoint, NoHit}.
MoveResult ApplyMove(BoardArray& board, int side, int point, int die);

// The highest own-numbering index 25 down to 1 that holds the mover's checkers, 0 if none.
int FarthestChecker(const BoardArray& ownBoard);

bool SameBoard(const BoardArray& a, const BoardArray& b);

// ---- What a roll allows ----

// Some checker may move by the die.
bool CanPlayDie(const BoardArray& board, int side, int die);
// Neither die can be played.
bool IsDance(const BoardArray& board, int side, int dieA, int dieB);
// Some order plays both dice: X then Y, else Y then X. A first die that bears off the last
// checker ends the search with false, so such a roll never counts as using both dice.
bool CanUseBothDice(const BoardArray& board, int side, int dieX, int dieY);

// ---- The dice of a turn ----

// After a roll or an undo: the larger die first unless only the smaller can be played;
// DiceUsed 0. True when the roll cannot be played at all (a dance).
bool ArrangeDice(TGame& game);

// The auto bear-off switch may be turned on: the sides are out of contact and the local
// side (White, or both in self-play) has every checker in its home board.
bool CanAutoBearOff(const TGame& game);

}  // namespace backgammon
