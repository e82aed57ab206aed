// Positions written as FEN, for the self-test, the tests and the benchmarks (not part of
// the plug-in: the game itself only ever starts from the initial position).
#pragma once

#include <cstdint>
#include <string_view>

namespace chess {

// ---- FEN positions ----

// Puts the position on the slot's record: pieces, side to move, castling rights, en
// passant square, and PlyCount and IrreversiblePly from the move counters. False (and the
// record in an unspecified state) when the text is not a FEN position.
bool SetPositionFromFen(std::int32_t slot, std::string_view fen);

}  // namespace chess
