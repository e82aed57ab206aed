#include "chess_rules.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>

namespace chess {
namespace {

std::int32_t Sign(std::int32_t v) { return (v > 0) - (v < 0); }

char FileLetter(std::int32_t file) { return static_cast<char>('a' + file - 1); }
char RankDigit(std::int32_t rank) { return static_cast<char>('0' + rank); }

std::string SquareText(Square s) { return {FileLetter(s.file), RankDigit(s.rank)}; }

bool OnCommonDiagonal(Square from, Square to) {
  return from.file - from.rank == to.file - to.rank || from.file + from.rank == to.file + to.rank;
}

// The character that tells a moving queen, rook, bishop or knight from a twin that could
// reach the same square: the from-rank digit when the twin shares the file, else the
// from-file letter; the last twin in scan order decides. Twins are tried on the scratch
// record so that a pinned twin does not count.
std::string Disambiguation(std::int32_t slot, Square from, Square to) {
  const TGame& game = Game(slot);
  const std::int32_t piece = game.At(from);
  std::string character;
  for (std::int32_t f = 1; f <= 8; ++f) {
    for (std::int32_t r = 1; r <= 8; ++r) {
      Square twin{f, r};
      if (twin == from || game.At(twin) != piece) continue;
      Game(ScratchSlot).Board = game.Board;
      if (TryMove(ScratchSlot, f, r, to.file, to.rank, true, false))
        character = f == from.file ? std::string(1, RankDigit(from.rank))
                                   : std::string(1, FileLetter(from.file));
    }
  }
  return character;
}

}  // namespace

bool TryMove(std::int32_t slot, std::int32_t fromFile, std::int32_t fromRank,
             std::int32_t toFile, std::int32_t toRank, bool testOnly, bool skipKingSafety) {
  if (!ValidSlot(slot)) return false;
  if (!OnBoard(fromFile) || !OnBoard(fromRank) || !OnBoard(toFile) || !OnBoard(toRank))
    return false;
  if (fromFile == toFile && fromRank == toRank) return false;
  TGame& game = Game(slot);
  const Square from{fromFile, fromRank};
  const Square to{toFile, toRank};
  const std::int32_t piece = game.At(from);
  if (piece == 0) return false;
  const std::int32_t kind = std::abs(piece);
  const std::int32_t colour = piece / kind;

  // An en passant chance lasts exactly one move: the square is taken from before the move
  // and forgotten by any move that is performed.
  const Square savedEnPassant = game.EnPassantSquare;
  if (!testOnly) game.EnPassantSquare = {};

  const std::int32_t target = game.At(to);
  if (target != 0 && Sign(target) == colour) return false;

  const std::int32_t homeRank = colour == White ? 1 : 8;
  int castling = 0;  // QueenSide or KingSide once the king's move is a castling
  bool enPassant = false;
  const std::int32_t dx = toFile - fromFile;
  const std::int32_t dy = toRank - fromRank;

  bool legal = false;
  switch (kind) {
    case King:
      if (std::abs(dx) <= 1 && std::abs(dy) <= 1) {
        legal = true;
      } else if (toRank == fromRank) {
        // The rook's own move is tried first: it must be free to reach the square beside
        // the king, which also empties the squares between them.
        if (toFile == 3 && game.CastleRight(colour, QueenSide) &&
            TryMove(slot, 1, homeRank, 4, homeRank, true, false)) {
          castling = QueenSide;
          legal = true;
        } else if (toFile == 7 && game.CastleRight(colour, KingSide) &&
                   TryMove(slot, 8, homeRank, 6, homeRank, true, false)) {
          castling = KingSide;
          legal = true;
        }
      }
      break;
    case Queen:
      legal = dx * dy == 0 || OnCommonDiagonal(from, to);
      break;
    case Rook:
      legal = dx * dy == 0;
      break;
    case Bishop:
      legal = OnCommonDiagonal(from, to);
      break;
    case Knight:
      legal = (std::abs(dx) == 2 && std::abs(dy) == 1) || (std::abs(dx) == 1 && std::abs(dy) == 2);
      break;
    case Pawn: {
      const std::int32_t forward = dy * colour;
      if (dx == 0) {
        if (target == 0) {
          if (forward == 1) {
            legal = true;
          } else if (forward == 2 && (fromRank == 2 || fromRank == 7)) {
            legal = true;
            if (!testOnly) game.EnPassantSquare = {fromFile, fromRank + colour};
          }
        }
      } else if (std::abs(dx) == 1 && forward == 1) {
        if (target != 0) {
          legal = true;
        } else if (to == savedEnPassant) {
          legal = true;
          enPassant = true;
        }
      }
      break;
    }
    default:
      break;
  }
  if (!legal) return false;

  if (kind != Knight && !PathClear(slot, from, to)) return false;

  const Square victim = enPassant ? Square{toFile, fromRank} : Square{};
  if (!skipKingSafety && LeavesKingAttacked(slot, from, to, colour, victim)) return false;

  if (castling != 0) {
    const Square passed{castling == QueenSide ? 4 : 6, fromRank};
    if (LeavesKingAttacked(slot, from, from, colour) ||
        LeavesKingAttacked(slot, from, passed, colour))
      return false;
  }

  if (testOnly) return true;

  const bool promotes = kind == Pawn && (toRank == 1 || toRank == 8);
  if (promotes && (game.PromotionPiece < Queen || game.PromotionPiece > Knight)) return false;

  // The move text, in the host's move-list form (piece tokens instead of letters).
  std::string text;
  if (kind == Pawn) {
    if (target != 0) text = std::string(1, FileLetter(fromFile)) + "x";
    text += SquareText(to);
  } else {
    text = PieceToken(kind);
    if (kind != King) text += Disambiguation(slot, from, to);
    if (target != 0) text += "x";
    text += SquareText(to);
  }

  // Perform.
  if (target != 0) game.IrreversiblePly = game.PlyCount;
  game.At(to) = piece;
  game.At(from) = 0;
  std::string& lastMoveText = LastMoveText();
  lastMoveText = text;
  if (promotes) {
    game.At(to) = game.PromotionPiece * colour;
    lastMoveText += "=;" + PieceToken(game.PromotionPiece);
  }
  if (kind == Pawn) game.IrreversiblePly = game.PlyCount;
  if (enPassant) {
    game.Board[toFile][toRank - colour] = 0;
    lastMoveText = std::string(1, FileLetter(fromFile)) + "x" + SquareText(to) + "e.p";
  }
  for (Square corner : {from, to}) {
    if (corner == Square{1, 1}) game.CastleRight(White, QueenSide) = false;
    if (corner == Square{8, 1}) game.CastleRight(White, KingSide) = false;
    if (corner == Square{1, 8}) game.CastleRight(Black, QueenSide) = false;
    if (corner == Square{8, 8}) game.CastleRight(Black, KingSide) = false;
  }
  if (kind == King) {
    game.CastleRight(colour, QueenSide) = false;
    game.CastleRight(colour, KingSide) = false;
  }
  if (castling != 0) {
    game.IrreversiblePly = game.PlyCount;
    const std::int32_t rookFrom = castling == QueenSide ? 1 : 8;
    const std::int32_t rookTo = castling == QueenSide ? 4 : 6;
    game.Board[rookFrom][fromRank] = 0;
    game.Board[rookTo][fromRank] = Rook * colour;
    lastMoveText = castling == QueenSide ? "0-0-0" : "0-0";
  }
  return true;
}

bool PathClear(std::int32_t slot, Square from, Square to) {
  const TGame& game = Game(slot);
  const std::int32_t sx = Sign(to.file - from.file);
  const std::int32_t sy = Sign(to.rank - from.rank);
  const std::int32_t n = std::max(std::abs(to.file - from.file), std::abs(to.rank - from.rank));
  for (std::int32_t i = 1; i < n; ++i)
    if (game.Board[from.file + i * sx][from.rank + i * sy] != 0) return false;
  return true;
}

bool LeavesKingAttacked(std::int32_t slot, Square from, Square to, std::int32_t colour,
                        Square victim) {
  assert(OnBoard(from.file) && OnBoard(from.rank) && OnBoard(to.file) && OnBoard(to.rank));
  TGame& game = Game(slot);
  // The attack tests below never change the board (they only test), so putting back the
  // squares touched here restores the whole board.
  const std::int32_t savedFrom = game.At(from);
  const std::int32_t savedTo = game.At(to);
  const std::int32_t savedVictim = victim.IsNone() ? 0 : game.At(victim);
  if (!(from == to)) {
    game.At(to) = game.At(from);
    game.At(from) = 0;
    if (!victim.IsNone()) game.At(victim) = 0;
  }

  Square king;
  for (std::int32_t f = 1; f <= 8; ++f)
    for (std::int32_t r = 1; r <= 8; ++r)
      if (game.Board[f][r] == colour) king = {f, r};

  bool attacked = false;
  for (std::int32_t f = 1; f <= 8 && !attacked; ++f) {
    for (std::int32_t r = 1; r <= 8 && !attacked; ++r) {
      const std::int32_t piece = game.Board[f][r];
      if (piece != 0 && Sign(piece) == -colour)
        attacked = TryMove(slot, f, r, king.file, king.rank, true, true);
    }
  }

  if (!victim.IsNone()) game.At(victim) = savedVictim;
  game.At(to) = savedTo;
  game.At(from) = savedFrom;
  return attacked;
}

bool SideInCheck(std::int32_t slot) {
  const Square nowhere{1, 1};
  return LeavesKingAttacked(slot, nowhere, nowhere, Game(slot).Turn);
}

bool HasNoLegalMove(std::int32_t slot) {
  const TGame& game = Game(slot);
  const std::int32_t side = game.Turn;
  for (std::int32_t f = 1; f <= 8; ++f) {
    for (std::int32_t r = 1; r <= 8; ++r) {
      const std::int32_t piece = game.Board[f][r];
      if (piece == 0 || Sign(piece) != side) continue;
      for (std::int32_t tf = 1; tf <= 8; ++tf)
        for (std::int32_t tr = 1; tr <= 8; ++tr)
          if (TryMove(slot, f, r, tf, tr, true, false)) return false;
    }
  }
  return true;
}

void SetStartPosition(std::int32_t slot) {
  TGame& game = Game(slot);
  game.Board = {};
  static constexpr std::int32_t backRank[9] = {0, Rook, Knight, Bishop, Queen, King, Bishop, Knight, Rook};
  for (std::int32_t f = 1; f <= 8; ++f) {
    game.Board[f][1] = backRank[f] * White;
    game.Board[f][2] = Pawn * White;
    game.Board[f][7] = Pawn * Black;
    game.Board[f][8] = backRank[f] * Black;
  }
  game.Turn = White;
  game.PlyCount = 0;
  for (std::int32_t colour : {White, Black})
    for (int side : {QueenSide, KingSide}) game.CastleRight(colour, side) = true;
  game.EnPassantSquare = {};
  game.IrreversiblePly = 0;
  game.PromotionPending = false;
  game.ConfirmPending = false;
  game.PromotionPiece = 0;
}

bool PerformMoveCode(std::int32_t slot, std::string_view code) {
  TGame& game = Game(slot);
  const DecodedMove move = DecodeMoveCode(code, game.Turn);
  bool legal = false;
  if (move.wellFormed) {
    game.PromotionPiece = move.promotion;
    legal = TryMove(slot, move.from.file, move.from.rank, move.to.file, move.to.rank, false, false);
  }
  game.PromotionPiece = 0;
  return legal;
}

bool ReplayMoveCode(std::int32_t slot, std::string_view code) {
  const bool legal = PerformMoveCode(slot, code);
  TGame& game = Game(slot);
  game.Turn = -game.Turn;
  game.PlyCount += 1;
  StoreMoveCode(game, game.PlyCount, code);
  return legal;
}

}  // namespace chess
