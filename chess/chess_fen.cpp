#include "chess_fen.h"

#include "chess_game.h"

#include <parse.h>

#include <algorithm>
#include <string>

namespace chess {
namespace {

std::int32_t KindOfLetter(char letter) {
  switch (letter) {
    case 'k': return King;
    case 'q': return Queen;
    case 'r': return Rook;
    case 'b': return Bishop;
    case 'n': return Knight;
    case 'p': return Pawn;
    default: return 0;
  }
}

}  // namespace

bool SetPositionFromFen(std::int32_t slot, std::string_view fen) {
  if (!ValidSlot(slot)) return false;
  TGame& game = Game(slot);
  const std::string placement = channel::GetField(fen, 1, ' ');
  const std::string side = channel::GetField(fen, 2, ' ');
  const std::string castling = channel::GetField(fen, 3, ' ');
  const std::string enPassant = channel::GetField(fen, 4, ' ');
  const std::string halfMoves = channel::GetField(fen, 5, ' ');
  const std::string fullMoves = channel::GetField(fen, 6, ' ');

  game.Board = {};
  std::int32_t file = 1;
  std::int32_t rank = 8;
  for (char c : placement) {
    if (c == '/') {
      if (file != 9) return false;
      --rank;
      file = 1;
    } else if (c >= '1' && c <= '8') {
      file += c - '0';
    } else {
      const bool white = c >= 'A' && c <= 'Z';
      const std::int32_t kind = KindOfLetter(static_cast<char>(white ? c - 'A' + 'a' : c));
      if (kind == 0 || !OnBoard(file) || !OnBoard(rank)) return false;
      game.Board[file][rank] = kind * (white ? White : Black);
      ++file;
    }
    if (file > 9) return false;
  }
  if (rank != 1 || file != 9) return false;

  if (side != "w" && side != "b") return false;
  game.Turn = side == "w" ? White : Black;
  game.CastleRights = {};
  for (char c : castling) {
    if (c == 'K') game.CastleRight(White, KingSide) = true;
    if (c == 'Q') game.CastleRight(White, QueenSide) = true;
    if (c == 'k') game.CastleRight(Black, KingSide) = true;
    if (c == 'q') game.CastleRight(Black, QueenSide) = true;
  }
  game.EnPassantSquare = {};
  if (enPassant.size() == 2) game.EnPassantSquare = {enPassant[0] - 'a' + 1, enPassant[1] - '0'};
  const std::int32_t moveNumber = fullMoves.empty() ? 1 : channel::TextToInt(fullMoves, 1);
  game.PlyCount = (moveNumber - 1) * 2 + (game.Turn == Black ? 1 : 0);
  // The record keeps the ply count from before the last capture or pawn move; the FEN
  // counter counts the plies since it.
  game.IrreversiblePly = std::max(0, game.PlyCount - channel::TextToInt(halfMoves, 0) - 1);
  game.PromotionPending = false;
  game.ConfirmPending = false;
  game.PromotionPiece = 0;
  return true;
}

}  // namespace chess
