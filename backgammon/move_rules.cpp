#include "move_rules.h"

#include <cassert>
#include <utility>

namespace backgammon {

namespace {

constexpr std::string_view kPlayed = "Played";
constexpr std::string_view kCoord = "coord";
constexpr std::string_view kOnBar = "You still have checker on the bar";
constexpr std::string_view kEmpty = "There is no checker on this point";
constexpr std::string_view kOtherColor = "You have the other color";
constexpr std::string_view kOccupied = "The arrival point is occupied";
constexpr std::string_view kNotHome =
    "You can't bear off until you move all your chcker in your inner board";
constexpr std::string_view kNotFarthest = "You can bear off only the most farther checker";

bool IsBlack(int side) { return side < 0; }

BoardArray OwnBoard(const BoardArray& board, int side) {
  return IsBlack(side) ? MirrorBoard(board) : board;
}

// CheckMove on a board already in the mover's own numbering; `farthest` is its
// FarthestChecker, computed once by callers that try many points.
std::string_view CheckOwn(const BoardArray& own, int farthest, int point, int die) {
  if (die < 0) return kPlayed;
  if (point < 0 || point >= BoardSize) return kCoord;
  if (own[OwnBar] > 0 && point != OwnBar) return kOnBar;
  if (own[point] == 0) return kEmpty;
  if (own[point] < 0) return kOtherColor;
  const int target = point - die;  // die >= 0, so target <= point <= 25
  if (target > 0) return own[target] <= -2 ? kOccupied : std::string_view();
  if (target == 0) return farthest <= 6 ? std::string_view() : kNotHome;
  return point == farthest ? std::string_view() : kNotFarthest;
}

bool CanPlayOwn(const BoardArray& own, int die) {
  if (die < 0) return false;
  const int farthest = FarthestChecker(own);
  for (int point = 0; point < BoardSize; ++point)
    if (CheckOwn(own, farthest, point, die).empty()) return true;
  return false;
}

// Applies a move to a board in the mover's own numbering: the mover always moves down.
void ApplyOwn(BoardArray& own, int point, int die) {
  const int target = point - die;
  if (target >= 1 && target <= 24) {
    if (own[target] == -1) {
      own[target] = 0;
      own[0] -= 1;  // the opponent's bar, index 0 in the mover's numbering
    }
    own[target] += 1;
  }
  own[point] -= 1;
}

}  // namespace

std::string_view CheckMove(const BoardArray& board, int side, int point, int die) {
  if (die < 0) return kPlayed;
  if (point < 0 || point >= BoardSize) return kCoord;
  const BoardArray own = OwnBoard(board, side);
  const int ownPoint = IsBlack(side) ? BoardSize - 1 - point : point;
  return CheckOwn(own, FarthestChecker(own), ownPoint, die);
}

MoveResult ApplyMove(BoardArray& board, int side, int point, int die) {
  if (point < 0 || point >= BoardSize) return {NoPoint, NoHit};
  const int sign = IsBlack(side) ? SideBlack : SideWhite;
  // 64 bits: a die from a malformed message may be any 32-bit number.
  const long long target = static_cast<long long>(point) - static_cast<long long>(sign) * die;
  MoveResult result{BorneOff, NoHit};
  if (target >= 1 && target <= 24) {
    const int t = static_cast<int>(target);
    if (board[t] == -sign) {
      board[t] = 0;
      result.HitBar = sign == SideWhite ? BlackBar : WhiteBar;
      board[result.HitBar] -= sign;
    }
    board[t] += sign;
    result.Target = t;
  }
  board[point] -= sign;
  return result;
}

int FarthestChecker(const BoardArray& ownBoard) {
  for (int point = BoardSize - 1; point >= 1; --point)
    if (ownBoard[point] > 0) return point;
  return 0;
}

bool SameBoard(const BoardArray& a, const BoardArray& b) { return a == b; }

bool CanPlayDie(const BoardArray& board, int side, int die) {
  return CanPlayOwn(OwnBoard(board, side), die);
}

bool IsDance(const BoardArray& board, int side, int dieA, int dieB) {
  const BoardArray own = OwnBoard(board, side);
  return !CanPlayOwn(own, dieA) && !CanPlayOwn(own, dieB);
}

bool CanUseBothDice(const BoardArray& board, int side, int dieX, int dieY) {
  const BoardArray own = OwnBoard(board, side);
  const int farthest = FarthestChecker(own);
  for (auto [first, second] : {std::pair{dieX, dieY}, std::pair{dieY, dieX}}) {
    for (int point = 0; point < BoardSize; ++point) {
      if (!CheckOwn(own, farthest, point, first).empty()) continue;
      BoardArray copy = own;
      ApplyOwn(copy, point, first);
      if (CheckersLeft(copy, SideWhite) == 0) return false;
      if (CanPlayOwn(copy, second)) return true;
    }
  }
  return false;
}

bool ArrangeDice(TGame& game) {
  if (game.Die1 < game.Die2) std::swap(game.Die1, game.Die2);
  if (!CanPlayDie(game.Board, game.Turn, game.Die1)) std::swap(game.Die1, game.Die2);
  game.DiceUsed = 0;
  return IsDance(game.Board, game.Turn, game.Die1, game.Die2);
}

bool CanAutoBearOff(const TGame& game) {
  const BoardArray& board = game.Board;
  int farthestWhite = 0;
  for (int i = 0; i < BoardSize; ++i)
    if (board[i] > 0) farthestWhite = i;
  int farthestBlack = BoardSize - 1;
  for (int i = BoardSize - 1; i >= 0; --i)
    if (board[i] < 0) farthestBlack = i;
  if (farthestBlack < farthestWhite) return false;
  const bool selfPlay = IsSelfPlay(game);
  for (int i = 7; i < BoardSize; ++i) {
    if (board[i] > 0) return false;
    if (selfPlay && board[BoardSize - 1 - i] < 0) return false;
  }
  return true;
}

}  // namespace backgammon
