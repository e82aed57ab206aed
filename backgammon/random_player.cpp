#include "random_player.h"

#include "checker_play.h"

#include <random.h>

#include <array>
#include <utility>

namespace backgammon {

namespace {

// The points whose move with the game's Die1 is allowed; returns how many.
int AllowedPoints(const TGame& game, std::array<std::int32_t, BoardSize>& points) {
  int count = 0;
  for (int point = 0; point < BoardSize; ++point)
    if (IsCheckerMoveAllowed(game, point)) points[count++] = point;
  return count;
}

}  // namespace

std::uint32_t RandomPlayer::Next(std::uint32_t range) { return plugin::LcgStep(state_, range); }

std::int32_t RandomPlayer::ChooseClick(const TGame& game) {
  std::array<std::int32_t, BoardSize> withDie1{};
  const int count1 = AllowedPoints(game, withDie1);
  int count2 = 0;
  if (game.Die2 > 0 && game.Die1 != game.Die2) {
    TGame swapped;
    swapped.Board = game.Board;
    swapped.Turn = game.Turn;
    swapped.Die1 = game.Die2;
    swapped.Die2 = game.Die1;
    std::array<std::int32_t, BoardSize> withDie2{};
    count2 = AllowedPoints(swapped, withDie2);
  }
  if (count1 > 0 && (count2 == 0 || Next(4) != 0))
    return withDie1[Next(static_cast<std::uint32_t>(count1))];
  return count2 > 0 ? TargetDie1 : TargetNone;
}

}  // namespace backgammon
