// Chess notation and history: the move list on the host, the PGN movetext, and the replay
// of a resumed game's moves.
#pragma once

#include <command_list.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace chess {

// ---- Notation ----

// The PGN form of a move text: the piece token becomes its letter ("@chess\N;gxf3+" gives
// "Ngxf3+"), the en passant suffix goes ("exd6e.p+" gives "exd6+"), a promotion names its
// letter ("e8=;@chess\Q;+" gives "e8=Q+"); pawn moves and castling stay as they are.
std::string PgnMoveText(std::string_view moveText);

// ---- History ----

// After a performed move, with PlyCount counting it and the turn already passed: the
// move-list command ("NewHistory:" with the move number for White's move, "AddHistory:"
// for Black's) with LastMoveText, and the PGN form appended to PgnMoves.
void RecordMove(std::int32_t slot, plugin::CommandList& reply);

// Replays a resumed game's history, consecutive four-character move codes, on the slot's
// freshly set-up starting position, bracketed by "StartHistory" and "EndHistory". Every
// code counts as a ply, also one that is refused (it repeats the last move text, without a
// further check sign). No sound, no mate or draw test.
void ReplayHistory(std::int32_t slot, std::string_view history, plugin::CommandList& reply);

}  // namespace chess
