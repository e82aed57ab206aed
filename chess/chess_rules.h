// Chess move rules: the one routine that tests and performs a move, and the attack, check
// and no-move tests built on it.
#pragma once

#include "chess_game.h"

#include <cstdint>
#include <string_view>

namespace chess {

// ---- Moving ----

// Whether the piece on (fromFile, fromRank) may go to (toFile, toRank) on the slot's board.
// It moves whatever stands there, whoever's turn it is. With `testOnly` nothing changes;
// otherwise a legal move is performed (board, castling rights, en passant square, the
// irreversible-ply mark) and LastMoveText holds its text. With `skipKingSafety` the test
// of the mover's own king is left out, which turns the routine into the attack test.
// PlyCount and Turn are the caller's business. A call without `testOnly` clears the en
// passant square even when the move is refused. A pawn that would reach the last rank is
// performed only with a PromotionPiece of 2 to 5; without one it is refused.
bool TryMove(std::int32_t slot, std::int32_t fromFile, std::int32_t fromRank,
             std::int32_t toFile, std::int32_t toRank, bool testOnly, bool skipKingSafety);

// ---- Attacks and checks ----

// Every square strictly between from and to, walking one square at a time, is empty.
bool PathClear(std::int32_t slot, Square from, Square to);
// Whether, after the plain relocation of the piece on `from` to `to` (and the removal of an
// en passant victim, when one is given), the king of `colour` could be captured. With from
// equal to to nothing moves: the present position is tested. The board is unchanged after.
bool LeavesKingAttacked(std::int32_t slot, Square from, Square to, std::int32_t colour,
                        Square victim = {});
// The king of the side to move is attacked.
bool SideInCheck(std::int32_t slot);
// The side to move has no legal move (with SideInCheck: mate; without: stalemate).
bool HasNoLegalMove(std::int32_t slot);

// ---- Positions and move codes ----

// The starting position: every square emptied and the pieces set up, White to move, no
// plies, all castling rights, no en passant square, no promotion or confirmation pending.
void SetStartPosition(std::int32_t slot);

// Decodes a move code for the side to move and performs it with TryMove. A promotion code
// sets PromotionPiece for the move; a code that names no valid piece is refused. Whatever
// the answer, PromotionPiece is 0 afterwards.
bool PerformMoveCode(std::int32_t slot, std::string_view code);
// Replays one ply of a game: PerformMoveCode, then the turn passes, PlyCount grows and the
// code goes into the move list, also when the move was refused. Returns whether it was legal.
bool ReplayMoveCode(std::int32_t slot, std::string_view code);

}  // namespace chess
