// Starting or resuming a game in a slot, and the turn and clock commands for the host.
#pragma once

#include <command_list.h>

#include <cstdint>
#include <string_view>

namespace chess {

// ---- Set-up ----

// Sets the slot up from the host's game text (players, time, game number, the local user)
// and, for a resumed game, replays the history text (consecutive move codes). A new game's
// clocks stay stopped until its first move; a resumed game's clock of the side to move runs
// at once. The reply tells the host the clocks and whose turn it is, defines the move list
// and enables the resign and draw buttons for a player (not for an onlooker), then carries
// the replayed history. `slot` must be a valid slot.
void SetUpGame(std::int32_t slot, std::string_view gameText, std::string_view history,
               plugin::CommandList& reply);

// ---- Status ----

// The clocks (with `withClocks`), the status line, the running clock and whether the local
// user is to act, as they stand after the last change of the slot.
void StatusCommands(std::int32_t slot, bool withClocks, plugin::CommandList& reply);

}  // namespace chess
