// Playing a turn's checkers: one click, the undo, the double-click that makes a point, and
// the automatic play of a turn that can be played in one way only.
#pragma once

#include "backgammon_game.h"

#include <command_list.h>

#include <cstdint>
#include <functional>
#include <optional>

namespace backgammon {

// ---- Click targets ----

inline constexpr std::int32_t TargetNone = -1;
inline constexpr std::int32_t TargetDie1 = 101;
inline constexpr std::int32_t TargetDie2 = 102;
inline constexpr std::int32_t TargetCube = 200;

// ---- Hooks into the game flow ----

// What happens when a checker move completes the turn: the flow enters its move-done
// state there and adds its commands to the reply. Called before the move is shown.
using TurnCompleteHandler = std::function<void(std::int32_t slot, plugin::CommandList& reply)>;
// The default: State becomes StateMoveDone, nothing else.
void EnterMoveDoneQuietly(std::int32_t slot, plugin::CommandList& reply);

// A click on the board as the flow handles it (target as for PlayOneChecker); the forced
// moves and the double-click go through it, exactly as the player's own clicks do.
using ClickFunction = std::function<plugin::CommandList(std::int32_t slot, std::int32_t target)>;
// The default: PlayOneChecker with EnterMoveDoneQuietly while the slot is in
// StateCheckerMove, nothing in other states.
plugin::CommandList ClickInCheckerMove(std::int32_t slot, std::int32_t target);

// ---- One checker ----

// The move of the checker on `point` with Die1 is legal and keeps the dice obligations: a
// player who can play both dice must play both, and one who can play only one must play
// the larger when either could be played alone.
bool IsCheckerMoveAllowed(const TGame& game, std::int32_t point);

// The local player's click in StateCheckerMove: 101 or 102 exchanges unplayed, different
// dice; a point (0 or 25 meaning the mover's bar) moves a checker with Die1, or with Die2
// when only that one fits; illegal moves and other targets are ignored silently. A move is
// applied, written to TurnMoves and shown; the dice rotate; a completed turn goes to
// onTurnComplete, otherwise the reply enables the undo button.
plugin::CommandList PlayOneChecker(std::int32_t slot, std::int32_t target,
                                   const TurnCompleteHandler& onTurnComplete = EnterMoveDoneQuietly);

// Takes the turn back to its start: TurnStartBoard, both dice unplayed and arranged again,
// no moves, StateCheckerMove (set directly).
void UndoTurn(TGame& game);

// The double-click on `point`: with both dice unplayed and different, moves the checker
// Die1 away and then the one the other die away onto the point, when both moves are legal
// one after the other. Nothing while the local user is not moving checkers.
plugin::CommandList MakePoint(std::int32_t slot, std::int32_t point,
                              const ClickFunction& click = ClickInCheckerMove);

// ---- Forced moves ----

// A turn that can be played in one way only: the die the first move uses and the points
// to click (Second is NoPoint when only one move is forced). Doubles are found one move at
// a time, so FindForcedPlay gives their next single forced move.
struct ForcedPlay {
  int FirstDie;
  std::int32_t First;
  std::int32_t Second;
};
std::optional<ForcedPlay> FindForcedPlay(const TGame& game);

// Plays the turn through `click` when it can be played in one way only, repainting first;
// returns the clicks' commands. When it played, the flow's PendingCommands is restored to
// what it held before, with the undo button enabled.
plugin::CommandList PlayForcedMoves(std::int32_t slot, const ClickFunction& click = ClickInCheckerMove);

}  // namespace backgammon
