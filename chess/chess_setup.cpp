#include "chess_setup.h"

#include "chess_game.h"
#include "chess_game_end.h"
#include "chess_notation.h"
#include "chess_rules.h"
#include "chess_view.h"

#include <clock.h>
#include <parse.h>

#include <limits>

namespace chess {
namespace {

using channel::GetField;
using channel::GetFieldBool;
using channel::GetFieldInt;

// The host's numbers are multiplied into milliseconds; a number too large for the clock
// stops at the largest clock instead of wrapping.
std::int32_t Milliseconds(std::int32_t count, std::int32_t unit) {
  const std::int64_t value = static_cast<std::int64_t>(count) * unit;
  if (value > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
  if (value < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(value);
}

// The game text of the offline test game, in which one user plays both sides.
constexpr std::string_view BothSidesText = "White:black:3:5";

void ReadGameText(TGame& game, std::string_view text, bool resumed) {
  const int n = channel::CountFields(text);
  game.WhiteName = GetField(text, 1);
  game.BlackName = GetField(text, 2);
  game.Unrated = GetFieldBool(text, 6);
  game.OwnName = channel::GetFieldUpper(text, n);
  if (resumed) {
    game.WhiteClock = GetFieldInt(text, 3);
    game.BlackClock = GetFieldInt(text, 4);
    game.Increment = Milliseconds(GetFieldInt(text, 5), 1000);
    game.BaseMinutes = GetFieldInt(text, 7);
    game.GameId = GetFieldInt(text, n - 2);
  } else {
    game.BaseMinutes = GetFieldInt(text, 3);
    const std::int32_t seconds = GetFieldInt(text, 4);
    const std::int32_t clock =
        game.BaseMinutes != 0 ? Milliseconds(game.BaseMinutes, 60000) : Milliseconds(seconds, 1000);
    game.WhiteClock = clock;
    game.BlackClock = clock;
    game.Increment = Milliseconds(seconds, 1000);
    game.GameId = GetFieldInt(text, n - 1);
  }
  if (game.OwnName.empty() || text == BothSidesText) {
    game.WhiteLocal = true;
    game.BlackLocal = true;
  } else {
    game.WhiteLocal = channel::UpperAscii(game.WhiteName) == game.OwnName;
    game.BlackLocal = channel::UpperAscii(game.BlackName) == game.OwnName;
  }
}

}  // namespace

void SetUpGame(std::int32_t slot, std::string_view gameText, std::string_view history,
               plugin::CommandList& reply) {
  TGame& game = Game(slot);
  const bool resumed = !history.empty();
  game.Board = {};
  ReadGameText(game, gameText, resumed);
  game.TurnStart = 0;
  game.PlyCount = 0;
  View().ForgetDragPicture();
  if (slot != ScratchSlot) {
    game.Flipped = game.BlackLocal && !game.WhiteLocal;
    View().OrientBoard(slot);
  }
  game.PromotionPending = false;
  game.ConfirmPending = false;
  game.PromotionPiece = 0;
  game.PgnMoves.clear();
  game.PgnResult = "*";
  for (MoveCodeText& code : game.MoveList) code.Clear();
  SetStartPosition(slot);

  plugin::CommandList historyCommands;
  if (resumed) {
    ReplayHistory(slot, history, historyCommands);
    game.TurnStart = platform::TickCount();
  }
  View().RepaintBoard(slot);

  if (slot != ScratchSlot) StatusCommands(slot, true, reply);
  if (game.TurnStart == 0) reply.Add("TimerON", 0);
  reply.Add("MoveHeader", 0, "Move Number", "", 3, 20, "", "", 1);
  reply.Add("MoveHeader", 1, "White", "White", 10, 50, "", "", 1);
  reply.Add("MoveHeader", 2, "Black", "Black", 10, 50, "", "", 1);
  reply.Add("MoveHeader", "End");
  const bool player = game.WhiteLocal || game.BlackLocal;
  reply.Add("RTTI", "MainForm", "GameB3", "Enabled", player);
  reply.Add("RTTI", "MainForm", "GameB6", "Enabled", player);
  reply.Append(historyCommands);
}

void StatusCommands(std::int32_t slot, bool withClocks, plugin::CommandList& reply) {
  const TGame& game = Game(slot);
  if (withClocks) {
    reply.Add("SetTimer", 1, game.WhiteClock);
    reply.Add("SetTimer", 2, game.BlackClock);
  }
  if (game.Turn == White || game.Turn == Black) {
    const bool local = game.Turn == White ? game.WhiteLocal : game.BlackLocal;
    reply.Add("Display", local ? "Your turn" : game.Turn == White ? "White's turn" : "Black's turn");
    if (game.TurnStart != 0) reply.Add("TimerON", game.Turn == White ? 1 : 2);
    reply.Add("Turn", local ? "on" : "off");
    return;
  }
  if (game.WhiteClock <= 0)
    reply.Add("Display", "White loses on time");
  else if (game.BlackClock <= 0)
    reply.Add("Display", "Black loses on time");
  else
    reply.Add("Display", WinnerText(game.Winner));
  reply.Add("Turn", "off");
  reply.Add("TimerON", 0);
}

}  // namespace chess
