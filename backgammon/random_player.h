// A player that clicks at random among the moves the rules allow: for the self-test, the
// tests and the benchmarks, and for automatic opponents.
#pragma once

#include "backgammon_game.h"

#include <cstdint>

namespace backgammon {

// ---- Random play ----

// RandomPlayer holds a generator of its own (DiceSeed is never touched), so a run is
// repeatable from its seed. Its clicks always make progress: a checker move the rules
// accept, or a click on the dice when only the other die's moves are allowed.
class RandomPlayer {
 public:
  explicit RandomPlayer(std::uint32_t seed) : state_(seed) {}

  // The next click in StateCheckerMove: a point 0 to 25 whose move with Die1 is allowed,
  // TargetDie1 to exchange the dice, or TargetNone when no checker can move at all.
  std::int32_t ChooseClick(const TGame& game);

  // A number 0 to range-1.
  std::uint32_t Next(std::uint32_t range);

 private:
  std::uint32_t state_;
};

}  // namespace backgammon
