#include "dice.h"

#include <random.h>

namespace backgammon {

int RollDie(TGame& game) {
  std::uint32_t state = static_cast<std::uint32_t>(game.DiceSeed) + 2546u;
  const std::uint32_t draw = plugin::LcgStep(state, 6);
  game.DiceSeed = static_cast<std::int32_t>(state);
  return 6 - static_cast<int>(draw);
}

void RollDice(TGame& game) {
  game.Die1 = RollDie(game);
  game.Die2 = RollDie(game);
  game.TurnMoves.clear();
  if (!game.OpeningRoll) return;
  // The generator has full period and never repeats one die more than 14 times running
  // (checked over all 2^32 seeds), so this ends quickly for every seed.
  while (game.Die1 == game.Die2) game.Die2 = RollDie(game);
  game.Turn = game.Die1 > game.Die2 ? game.FirstSide : -game.FirstSide;
}

}  // namespace backgammon
