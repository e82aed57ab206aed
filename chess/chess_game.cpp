#include "chess_game.h"

namespace chess {

std::string_view PieceLetter(std::int32_t kind) {
  switch (kind) {
    case King: return "K";
    case Queen: return "Q";
    case Rook: return "R";
    case Bishop: return "B";
    case Knight: return "N";
    default: return {};
  }
}

std::string PieceToken(std::int32_t kind) {
  std::string_view letter = PieceLetter(kind);
  if (letter.empty()) return {};
  return "@chess\\" + std::string(letter) + ";";
}

DecodedMove DecodeMoveCode(std::string_view code, std::int32_t sideMoving) {
  // Bytes are read unsigned, so a byte above 127 is a character above "8" and never a
  // negative coordinate.
  std::array<unsigned char, 4> c{' ', ' ', ' ', ' '};
  for (std::size_t i = 0; i < 4 && i < code.size(); ++i) c[i] = static_cast<unsigned char>(code[i]);
  DecodedMove move;
  move.from = {c[0] - 64, c[1] - 48};
  move.to.file = c[2] - 64;
  if (c[3] > '8') {
    move.promotion = c[3] - 58;
    move.to.rank = sideMoving == White ? 8 : 1;
    // Only a queen, rook, bishop or knight may be named; anything else would leave a king,
    // a pawn or an empty square on the last rank.
    move.wellFormed = move.promotion >= Queen && move.promotion <= Knight;
  } else {
    move.to.rank = c[3] - 48;
  }
  return move;
}

std::string EncodeMoveCode(Square from, Square to, std::int32_t promotion) {
  std::string code;
  code += static_cast<char>(64 + from.file);
  code += static_cast<char>(48 + from.rank);
  code += static_cast<char>(64 + to.file);
  code += static_cast<char>(promotion >= Queen && promotion <= Knight ? 48 + 10 + promotion
                                                                        : 48 + to.rank);
  return code;
}

std::array<TGame, GameCount>& Games() {
  static std::array<TGame, GameCount> games;
  return games;
}

std::string& LastMoveText() {
  static std::string text;
  return text;
}

void StoreMoveCode(TGame& game, std::int32_t ply, std::string_view code) {
  if (ply >= 1 && ply <= MaxPlies) game.MoveList[static_cast<std::size_t>(ply)].Assign(code);
}

std::string_view StoredMoveCode(const TGame& game, std::int32_t ply) {
  if (ply < 1 || ply > MaxPlies) return {};
  return game.MoveList[static_cast<std::size_t>(ply)].View();
}

}  // namespace chess
