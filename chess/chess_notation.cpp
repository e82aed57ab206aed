#include "chess_notation.h"

#include "chess_game.h"
#include "chess_rules.h"

#include <parse.h>

namespace chess {

using channel::GetField;
using channel::GetFieldUpper;

std::string PgnMoveText(std::string_view moveText) {
  const std::string letter = GetField(GetFieldUpper(moveText, 1, ';'), 2, '\\');
  if (!letter.empty()) return letter + GetField(moveText, 2, ';');

  std::string text(moveText);
  const std::size_t enPassant = text.find("e.p");
  if (enPassant != std::string::npos) text.erase(enPassant, 3);
  if (text.find('=') != std::string::npos) {
    std::string result = GetField(text, 1, '=') + "=" + GetField(GetFieldUpper(text, 2, ';'), 2, '\\');
    if (text.find('+') != std::string::npos) result += "+";
    return result;
  }
  return text;
}

void RecordMove(std::int32_t slot, plugin::CommandList& reply) {
  TGame& game = Game(slot);
  const std::string& text = LastMoveText();
  if (game.Turn == Black) {
    const std::int32_t moveNumber = game.PlyCount / 2 + 1;
    reply.Add("NewHistory", moveNumber, text);
    game.PgnMoves += std::to_string(moveNumber) + ". " + PgnMoveText(text) + " ";
  } else {
    reply.Add("AddHistory", text);
    game.PgnMoves += PgnMoveText(text) + " ";
  }
}

void ReplayHistory(std::int32_t slot, std::string_view history, plugin::CommandList& reply) {
  reply.Add("StartHistory");
  while (!history.empty()) {
    const std::string_view code = history.substr(0, 4);
    history.remove_prefix(code.size());
    // A short last code reads as if padded with spaces, which puts it off the board. A
    // refused code still counts as a ply and repeats the last text; only a performed move
    // earns a check sign, or a run of refused codes would pile signs onto one text and make
    // every later record longer than the one before.
    const bool performed = ReplayMoveCode(slot, code);
    if (performed && SideInCheck(slot)) LastMoveText() += "+";
    RecordMove(slot, reply);
  }
  reply.Add("EndHistory");
}

}  // namespace chess
