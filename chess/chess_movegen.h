// Every legal move of a position, listed through TryMove, and the perft count built on it:
// the self-test's and the benchmarks' way of walking the game tree (the plug-in itself
// never lists moves; it only tests the one in hand).
#pragma once

#include "chess_game.h"

#include <cstdint>
#include <vector>

namespace chess {

// ---- Listing moves ----

// LegalMove is one move of the side to move; a pawn reaching the last rank comes once for
// each piece it may become.
struct LegalMove {
  Square from;
  Square to;
  std::int32_t promotion = 0;
};

// The legal moves of the side to move on the slot, in board scan order.
std::vector<LegalMove> LegalMoves(std::int32_t slot);

// ---- Playing and taking back ----

// PositionState is what performing a move changes on a record, so a move can be taken
// back without copying the whole record.
struct PositionState {
  TBoard board{};
  std::int32_t turn = 0;
  std::int32_t plyCount = 0;
  std::array<std::array<bool, 3>, 3> castleRights{};
  std::int32_t irreversiblePly = 0;
  Square enPassant;
};

PositionState SavePosition(std::int32_t slot);
void RestorePosition(std::int32_t slot, const PositionState& state);

// Performs the move as a player would: TryMove, then the turn passes, PlyCount grows and
// the move code goes into the move list. Returns whether TryMove accepted it.
bool PlayMove(std::int32_t slot, const LegalMove& move);

// ---- Perft ----

// The number of move sequences of `depth` plies from the slot's position (promotions count
// once per piece). The position is the same afterwards.
std::uint64_t Perft(std::int32_t slot, int depth);

}  // namespace chess
