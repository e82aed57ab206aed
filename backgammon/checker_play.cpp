#include "checker_play.h"

#include "board_view.h"
#include "move_rules.h"

#include <string>
#include <utility>

namespace backgammon {

namespace {

void AddUndoEnabled(plugin::CommandList& list) {
  list.Add("RTTI", "MainForm", "GameB13", "Enabled", "1");
}

bool IsMoverBlack(const TGame& game) { return game.Turn < 0; }

// The one point from which a checker may move by die, or NoPoint when there are none or
// several.
std::int32_t UniquePoint(const BoardArray& board, int side, int die) {
  std::int32_t found = NoPoint;
  for (int point = 0; point < BoardSize; ++point) {
    if (!CheckMove(board, side, point, die).empty()) continue;
    if (found != NoPoint) return NoPoint;
    found = point;
  }
  return found;
}

// Both-dice and larger-die obligations for the move from `point` with Die1, which
// CheckMove has accepted.
bool KeepsDiceObligations(const TGame& game, std::int32_t point) {
  if (game.Die1 == game.Die2 || game.Die2 <= 0) return true;
  const bool both = CanUseBothDice(game.Board, game.Turn, game.Die1, game.Die2);
  BoardArray copy = game.Board;
  ApplyMove(copy, game.Turn, point, game.Die1);
  if (both && !CanPlayDie(copy, game.Turn, game.Die2)) return false;
  if (!both && game.Die1 < game.Die2 && CanPlayDie(game.Board, game.Turn, game.Die1) &&
      CanPlayDie(game.Board, game.Turn, game.Die2))
    return false;
  return true;
}

bool IsTurnComplete(const TGame& game) {
  return (game.Die1 != game.Die2 && game.DiceUsed >= 2) || game.DiceUsed >= 4 ||
         IsDance(game.Board, game.Turn, game.Die1, game.Die2);
}

void ShowMove(std::int32_t slot, std::int32_t from, const MoveResult& moved) {
  BoardView& view = TheBoardView();
  view.MarkDirty(slot, from);
  view.PaintBoard(slot, 0);
  view.AnimateChecker(slot, from, moved.Target);
  view.MarkDirty(slot, moved.Target);
  view.PaintBoard(slot, 0);
  if (moved.HitBar != NoHit) {
    view.AnimateChecker(slot, moved.Target, moved.HitBar);
    view.MarkDirty(slot, moved.HitBar);
    view.PaintBoard(slot, 0);
  }
  view.MarkDiceDirty(slot, 1);
  view.MarkDiceDirty(slot, 2);
  view.PaintBoard(slot, 0);
  if (slot != 0) view.PlaySound(CheckerSound, false);
}

}  // namespace

void EnterMoveDoneQuietly(std::int32_t slot, plugin::CommandList& reply) {
  (void)reply;
  if (TGame* game = GameAt(slot)) game->State = StateMoveDone;
}

plugin::CommandList ClickInCheckerMove(std::int32_t slot, std::int32_t target) {
  const TGame* game = GameAt(slot);
  if (game == nullptr || game->State != StateCheckerMove) return {};
  return PlayOneChecker(slot, target);
}

bool IsCheckerMoveAllowed(const TGame& game, std::int32_t point) {
  return CheckMove(game.Board, game.Turn, point, game.Die1).empty() &&
         KeepsDiceObligations(game, point);
}

plugin::CommandList PlayOneChecker(std::int32_t slot, std::int32_t target,
                                   const TurnCompleteHandler& onTurnComplete) {
  plugin::CommandList reply;
  TGame* game = GameAt(slot);
  if (game == nullptr || target == TargetNone) return reply;
  if (target == TargetDie1 || target == TargetDie2) {
    // The player chooses which die the next checker uses.
    if (game->Die2 > 0 && game->Die1 != game->Die2) {
      std::swap(game->Die1, game->Die2);
      TheBoardView().MarkDiceDirty(slot, 1);
      TheBoardView().MarkDiceDirty(slot, 2);
      TheBoardView().PaintBoard(slot, 0);
    }
    return reply;
  }
  if (target > 100) return reply;

  // A checker that fits only the other die uses that one; the exchange stays even when the
  // move is refused below.
  if (!CheckMove(game->Board, game->Turn, target, game->Die1).empty() &&
      CheckMove(game->Board, game->Turn, target, game->Die2).empty())
    std::swap(game->Die1, game->Die2);
  if (target == BlackBar || target == WhiteBar) target = IsMoverBlack(*game) ? BlackBar : WhiteBar;
  if (!IsCheckerMoveAllowed(*game, target)) return reply;

  const int ownStart = IsMoverBlack(*game) ? BoardSize - 1 - target : target;
  const MoveResult moved = ApplyMove(game->Board, game->Turn, target, game->Die1);
  game->TurnMoves += std::to_string(game->Die1) + "/" + std::to_string(ownStart) + "-";
  ++game->DiceUsed;
  if (game->Die1 != game->Die2 && game->Die2 > 0) {
    const int played = game->Die1;
    game->Die1 = game->Die2;
    game->Die2 = -played;
  }

  // The state changes before the move is shown.
  if (IsTurnComplete(*game))
    onTurnComplete(slot, reply);
  else
    AddUndoEnabled(reply);

  game->OpeningRoll = false;
  ShowMove(slot, target, moved);
  return reply;
}

void UndoTurn(TGame& game) {
  game.Board = game.TurnStartBoard;
  game.Die1 = game.Die1 < 0 ? -game.Die1 : game.Die1;
  game.Die2 = game.Die2 < 0 ? -game.Die2 : game.Die2;
  ArrangeDice(game);
  game.TurnMoves.clear();
  game.State = StateCheckerMove;
}

plugin::CommandList MakePoint(std::int32_t slot, std::int32_t point, const ClickFunction& click) {
  const TGame* game = GameAt(slot);
  if (game == nullptr || !IsLocalToAct(*game) || game->State != StateCheckerMove) return {};
  if (point < 0 || point >= BoardSize) return {};
  if (game->Die1 < 0 || game->Die2 < 0 || game->Die1 == game->Die2) return {};
  const std::int32_t from1 = point + game->Turn * game->Die1;
  if (!CheckMove(game->Board, game->Turn, from1, game->Die1).empty()) return {};
  BoardArray copy = game->Board;
  ApplyMove(copy, game->Turn, from1, game->Die1);
  if (!CheckMove(copy, game->Turn, point + game->Turn * game->Die2, game->Die2).empty()) return {};

  plugin::CommandList reply = click(slot, from1);
  // After the first move Die1 holds the other die.
  reply.Append(click(slot, point + game->Turn * game->Die1));
  return reply;
}

std::optional<ForcedPlay> FindForcedPlay(const TGame& game) {
  const BoardArray& board = game.Board;
  const int side = game.Turn;
  const int die1 = game.Die1;
  const int die2 = game.Die2;

  if (!CanPlayDie(board, side, die2)) {
    const std::int32_t first = UniquePoint(board, side, die1);
    if (first == NoPoint) return std::nullopt;
    BoardArray copy = board;
    ApplyMove(copy, side, first, die1);
    return ForcedPlay{die1, first, UniquePoint(copy, side, die2)};
  }
  if (die1 == die2) {
    const std::int32_t first = UniquePoint(board, side, die1);
    if (first == NoPoint) return std::nullopt;
    return ForcedPlay{die1, first, NoPoint};
  }

  // Every complete play of both dice, Die1 first and then Die2 first; plays that end on the
  // same board count as one. A play equal to the remembered one is skipped, not the rest of
  // its first checker's plays: another second move of that checker may still end elsewhere,
  // and the player must not lose that choice to the automatic play.
  std::optional<ForcedPlay> found;
  BoardArray foundBoard{};
  for (auto [firstDie, secondDie] : {std::pair{die1, die2}, std::pair{die2, die1}}) {
    for (int i = 0; i < BoardSize; ++i) {
      if (!CheckMove(board, side, i, firstDie).empty()) continue;
      BoardArray afterFirst = board;
      ApplyMove(afterFirst, side, i, firstDie);
      for (int j = 0; j < BoardSize; ++j) {
        if (!CheckMove(afterFirst, side, j, secondDie).empty()) continue;
        BoardArray afterBoth = afterFirst;
        ApplyMove(afterBoth, side, j, secondDie);
        if (!found) {
          found = ForcedPlay{firstDie, i, j};
          foundBoard = afterBoth;
        } else if (SameBoard(afterBoth, foundBoard)) {
          continue;
        } else {
          return std::nullopt;
        }
      }
    }
  }
  return found;
}

plugin::CommandList PlayForcedMoves(std::int32_t slot, const ClickFunction& click) {
  plugin::CommandList reply;
  TGame* game = GameAt(slot);
  if (game == nullptr || game->State != StateCheckerMove) return reply;
  const std::optional<ForcedPlay> play = FindForcedPlay(*game);
  if (!play) return reply;

  const plugin::CommandList saved = Shared().PendingCommands;
  TheBoardView().PaintBoard(slot, -1);
  if (game->Die1 == game->Die2) {
    // A double: one forced move after the other while the turn lasts.
    std::optional<ForcedPlay> next = play;
    while (next && game->State == StateCheckerMove) {
      const int usedBefore = game->DiceUsed;
      reply.Append(click(slot, next->First));
      if (game->DiceUsed == usedBefore) break;  // refused: never loop on the same click
      next = FindForcedPlay(*game);
    }
  } else {
    if (play->FirstDie != game->Die1) std::swap(game->Die1, game->Die2);
    reply.Append(click(slot, play->First));
    if (play->Second != NoPoint) reply.Append(click(slot, play->Second));
  }
  Shared().PendingCommands = saved;
  AddUndoEnabled(Shared().PendingCommands);
  return reply;
}

}  // namespace backgammon
