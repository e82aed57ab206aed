#include "backgammon_game.h"

#include <cassert>
#include <cstdlib>

namespace backgammon {

BoardArray MirrorBoard(const BoardArray& board) {
  BoardArray result{};
  for (int i = 0; i < BoardSize; ++i) result[i] = -board[BoardSize - 1 - i];
  return result;
}

int CheckersLeft(const BoardArray& board, int side) {
  const int sign = side > 0 ? 1 : -1;
  int count = 0;
  for (int value : board)
    if (value * sign > 0) count += value * sign;
  return count;
}

int PipCount(const BoardArray& board, int side) {
  const BoardArray own = side > 0 ? board : MirrorBoard(board);
  int pips = 0;
  for (int i = 0; i < BoardSize; ++i)
    if (own[i] > 0) pips += i * own[i];
  return pips;
}

int CheckersPerSide(int variant) { return variant == VariantHyperGammon ? 3 : 15; }

int CubeValue(int level) {
  long long magnitude = std::llabs(static_cast<long long>(level));
  if (magnitude > MaxCubeLevel) magnitude = MaxCubeLevel;
  return 1 << magnitude;
}

std::array<TGame, SlotCount>& Games() {
  static std::array<TGame, SlotCount> games;
  return games;
}

TGame* GameAt(std::int32_t slot) {
  if (slot < 0 || slot >= SlotCount) return nullptr;
  return &Games()[static_cast<std::size_t>(slot)];
}

bool IsObserver(const TGame& game) { return !game.WhiteLocal && !game.BlackLocal; }

bool IsSelfPlay(const TGame& game) { return game.WhiteLocal && game.BlackLocal; }

bool IsUnlimited(const TGame& game) { return game.MatchLength > 10000; }

bool IsLocalToAct(const TGame& game) {
  assert(game.Turn >= -1 && game.Turn <= 1);
  int side = 0;
  switch (game.State) {
    case StateRollOrDouble:
    case StateCheckerMove:
    case StateMoveDone:
    case StateSendMove:
    case StateRoll:
    case StateBeaver:
      side = game.Turn;
      break;
    default:
      side = -game.Turn;
      break;
  }
  if (side == SideWhite) return game.WhiteLocal;
  if (side == SideBlack) return game.BlackLocal;
  return false;
}

int ScoreOf(const TGame& game, int side) {
  return side == SideWhite ? game.WhiteScore : game.BlackScore;
}

SharedState& Shared() {
  static SharedState shared;
  return shared;
}

}  // namespace backgammon
