// backgammon-selftest: plays random games of every variant through the rules, the way two
// players' plug-ins hold one game, and checks after every click that they agree.
//
//   backgammon-selftest [games per variant] [seed]
//
// Each game is held three times: by the first player (FirstSide +1), by the second player
// (FirstSide -1, the board mirrored) who clicks the same moves, and by an onlooker that
// applies each finished turn from its move text alone, as a plug-in applies the opponent's
// move. The program prints what it played and exits with 1 at the first disagreement.

#include "backgammon_game.h"
#include "backgammon_setup.h"
#include "checker_play.h"
#include "cube_rules.h"
#include "dice.h"
#include "move_rules.h"
#include "position_text.h"
#include "random_player.h"

#include <parse.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace backgammon;

constexpr std::int32_t FirstSlot = 1;
constexpr std::int32_t SecondSlot = 2;

struct Counts {
  long games = 0;
  long turns = 0;
  long moves = 0;
  long hits = 0;
  long dances = 0;
  long forcedTurns = 0;
  long undos = 0;
  long doubles = 0;
  long openingTies = 0;
  long wins[4] = {0, 0, 0, 0};
};

[[noreturn]] void Fail(const char* what, const TGame& first, const TGame& second) {
  std::printf("FAILED: %s\n  first:  %s dice %d %d used %d moves %s\n  second: %s dice %d %d used %d\n",
              what, PositionText(first, false).c_str(), first.Die1, first.Die2, first.DiceUsed,
              first.TurnMoves.c_str(), PositionText(second, false).c_str(), second.Die1,
              second.Die2, second.DiceUsed);
  std::exit(1);
}

void Expect(bool holds, const char* what, const TGame& first, const TGame& second) {
  if (!holds) Fail(what, first, second);
}

// The two players' records agree: same text, same dice, same state. A forced play may
// reach its one final board by another order of the dice in each record, so after one
// only the position is compared.
void ExpectTwins(const TGame& first, const TGame& second, const char* when,
                 bool sameRoute = true) {
  Expect(PositionText(first, false) == PositionText(second, false), when, first, second);
  Expect(first.DiceUsed == second.DiceUsed && first.State == second.State, when, first, second);
  if (!sameRoute) return;
  Expect(first.Die1 == second.Die1 && first.Die2 == second.Die2 &&
             first.TurnMoves == second.TurnMoves,
         when, first, second);
}

// Checker counts never grow, no point holds both colours (a count has one sign by
// construction), and the position text reads back into the same record.
void ExpectSound(const TGame& game, const TGame& other) {
  const int perSide = CheckersPerSide(game.Variant);
  Expect(CheckersLeft(game.Board, SideWhite) <= perSide &&
             CheckersLeft(game.Board, SideBlack) <= perSide,
         "checker count grew", game, other);
  Expect(game.Board[WhiteBar] >= 0 && game.Board[BlackBar] <= 0, "wrong colour on a bar", game,
         other);
  TGame reread;
  reread.FirstSide = game.FirstSide;
  ReadResumeText(reread, "0/0/" + PositionText(game, false));
  Expect(reread.Board == game.Board && reread.Turn == game.Turn && reread.Cube == game.Cube,
         "position text does not read back", game, other);
}

// The onlooker's path: the finished turn's move text applied with ApplyMove alone.
BoardArray ApplyMoveText(BoardArray board, int side, const std::string& moves) {
  for (int k = 1; k <= channel::CountFields(moves, '-'); ++k) {
    const std::string move = channel::GetField(moves, k, '-');
    const int die = channel::GetFieldInt(move, 1, '/');
    const int ownPoint = channel::GetFieldInt(move, 2, '/');
    ApplyMove(board, side, side > 0 ? ownPoint : BoardSize - 1 - ownPoint, die);
  }
  return board;
}

std::string StartText(int variant, std::uint32_t seed, int firstSide, bool jacoby) {
  const std::string options = std::to_string(variant * 1000 + (jacoby ? 1 : 0));
  return "Ann:Bob:99999:" + std::to_string(static_cast<std::int32_t>(seed)) + ":" +
         std::to_string(firstSide) + ":0:x:" + options + ":" + options + ":7:";
}

std::int32_t MirroredTarget(std::int32_t target) {
  return target >= 0 && target < BoardSize ? BoardSize - 1 - target : target;
}

void PlayGame(int variant, std::uint32_t seed, bool jacoby, RandomPlayer& player, Counts& counts) {
  TGame& first = *GameAt(FirstSlot);
  TGame& second = *GameAt(SecondSlot);
  SetupFromStartText(first, StartText(variant, seed, 1, jacoby), true);
  SetupFromStartText(second, StartText(variant, seed, -1, jacoby), true);
  ExpectTwins(first, second, "set-up differs");
  ++counts.games;

  for (int turn = 0; turn < 2000; ++turn) {
    ++counts.turns;
    // A double now and then, taken at once, so that the cube field travels too.
    if (CanDouble(first) != CanDouble(second)) Fail("CanDouble differs", first, second);
    if (CanDouble(first) && player.Next(8) == 0) {
      first.Cube = -(std::abs(first.Cube) + 1) * first.Turn;
      second.Cube = -(std::abs(second.Cube) + 1) * second.Turn;
      ++counts.doubles;
    }
    if (first.OpeningRoll) {
      TGame probe;
      probe.DiceSeed = first.DiceSeed;
      counts.openingTies += RollDie(probe) == RollDie(probe);
    }
    RollDice(first);
    RollDice(second);
    const bool dance = ArrangeDice(first);
    Expect(dance == ArrangeDice(second), "dance differs", first, second);
    first.State = second.State = StateCheckerMove;
    first.TurnStartBoard = first.Board;
    second.TurnStartBoard = second.Board;
    ExpectTwins(first, second, "roll differs");
    const BoardArray turnStart = first.Board;

    if (dance) {
      ++counts.dances;
    } else {
      if (player.Next(3) == 0) {
        const bool forced = FindForcedPlay(first).has_value();
        Expect(forced == FindForcedPlay(second).has_value(), "forced play differs", first, second);
        PlayForcedMoves(FirstSlot);
        PlayForcedMoves(SecondSlot);
        ExpectTwins(first, second, "forced moves differ", false);
        counts.forcedTurns += forced;
      }
      while (first.State == StateCheckerMove) {
        if (first.DiceUsed > 0 && player.Next(40) == 0) {
          UndoTurn(first);
          UndoTurn(second);
          ++counts.undos;
          ExpectTwins(first, second, "undo differs");
          Expect(first.Board == turnStart, "undo left the board changed", first, second);
          continue;
        }
        const std::int32_t click = player.ChooseClick(first);
        if (click == TargetNone) Fail("no allowed click in an unfinished turn", first, second);
        const int opponentBar = first.Turn > 0 ? BlackBar : WhiteBar;
        const int barBefore = std::abs(first.Board[opponentBar]);
        const int usedBefore = first.DiceUsed;
        ClickInCheckerMove(FirstSlot, click);
        ClickInCheckerMove(SecondSlot, MirroredTarget(click));
        if (click != TargetDie1 && first.DiceUsed == usedBefore)
          Fail("an allowed move was refused", first, second);
        ExpectTwins(first, second, "a click differs");
        ExpectSound(first, second);
        ExpectSound(second, first);
        counts.moves += click != TargetDie1;
        counts.hits += std::abs(first.Board[opponentBar]) > barBefore;
      }
      Expect(second.State == StateMoveDone, "second record did not finish the turn", first,
             second);
      Expect(ApplyMoveText(turnStart, first.Turn, first.TurnMoves) == first.Board &&
                 ApplyMoveText(second.TurnStartBoard, second.Turn, second.TurnMoves) ==
                     second.Board,
             "the move text does not replay the turn", first, second);
    }

    if (CheckersLeft(first.Board, first.Turn) == 0) {
      const int kind = WinKind(first);
      Expect(kind == WinKind(second), "WinKind differs", first, second);
      ++counts.wins[kind];
      return;
    }
    first.Turn = -first.Turn;
    second.Turn = -second.Turn;
    first.OpeningRoll = second.OpeningRoll = false;
    first.State = second.State = StateRollOrDouble;
  }
  Fail("game did not end", first, second);
}

}  // namespace

int main(int argc, char** argv) {
  const long gamesPerVariant = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 100;
  const std::uint32_t seed = argc > 2 ? static_cast<std::uint32_t>(std::strtoul(argv[2], nullptr, 10)) : 1;
  RandomPlayer player(seed);
  const char* names[] = {"Backgammon", "NackGammon", "HyperGammon", "LongGammon", "Tapa"};
  for (int variant = VariantBackgammon; variant <= VariantTapa; ++variant) {
    Counts counts;
    for (long g = 0; g < gamesPerVariant; ++g)
      PlayGame(variant, player.Next(0xFFFFFFFFu), g % 2 == 1, player, counts);
    std::printf("%-11s games %ld turns %ld moves %ld hits %ld dances %ld forced %ld undos %ld "
                "doubles %ld ties %ld | single %ld gammon %ld backgammon %ld\n",
                names[variant], counts.games, counts.turns, counts.moves, counts.hits,
                counts.dances, counts.forcedTurns, counts.undos, counts.doubles,
                counts.openingTies, counts.wins[1],
                counts.wins[2], counts.wins[3]);
  }
  std::printf("ok\n");
  return 0;
}
