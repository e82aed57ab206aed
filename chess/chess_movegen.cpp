#include "chess_movegen.h"

#include "chess_rules.h"

namespace chess {

std::vector<LegalMove> LegalMoves(std::int32_t slot) {
  std::vector<LegalMove> moves;
  const TGame& game = Game(slot);
  for (std::int32_t f = 1; f <= 8; ++f) {
    for (std::int32_t r = 1; r <= 8; ++r) {
      const std::int32_t piece = game.Board[f][r];
      if (piece == 0 || (piece > 0 ? White : Black) != game.Turn) continue;
      for (std::int32_t tf = 1; tf <= 8; ++tf) {
        for (std::int32_t tr = 1; tr <= 8; ++tr) {
          if (!TryMove(slot, f, r, tf, tr, true, false)) continue;
          if (piece * game.Turn == Pawn && (tr == 1 || tr == 8)) {
            for (std::int32_t kind : {Queen, Rook, Bishop, Knight}) moves.push_back({{f, r}, {tf, tr}, kind});
          } else {
            moves.push_back({{f, r}, {tf, tr}, 0});
          }
        }
      }
    }
  }
  return moves;
}

PositionState SavePosition(std::int32_t slot) {
  const TGame& game = Game(slot);
  return {game.Board, game.Turn, game.PlyCount, game.CastleRights, game.IrreversiblePly,
          game.EnPassantSquare};
}

void RestorePosition(std::int32_t slot, const PositionState& state) {
  TGame& game = Game(slot);
  game.Board = state.board;
  game.Turn = state.turn;
  game.PlyCount = state.plyCount;
  game.CastleRights = state.castleRights;
  game.IrreversiblePly = state.irreversiblePly;
  game.EnPassantSquare = state.enPassant;
}

bool PlayMove(std::int32_t slot, const LegalMove& move) {
  TGame& game = Game(slot);
  game.PromotionPiece = move.promotion;
  const bool legal = TryMove(slot, move.from.file, move.from.rank, move.to.file, move.to.rank, false, false);
  game.PromotionPiece = 0;
  if (!legal) return false;
  game.Turn = -game.Turn;
  game.PlyCount += 1;
  StoreMoveCode(game, game.PlyCount, EncodeMoveCode(move.from, move.to, move.promotion));
  return true;
}

std::uint64_t Perft(std::int32_t slot, int depth) {
  if (depth <= 0) return 1;
  const std::vector<LegalMove> moves = LegalMoves(slot);
  if (depth == 1) return moves.size();
  std::uint64_t count = 0;
  const PositionState before = SavePosition(slot);
  for (const LegalMove& move : moves) {
    PlayMove(slot, move);
    count += Perft(slot, depth - 1);
    RestorePosition(slot, before);
  }
  return count;
}

}  // namespace chess
