// Starting a game in a slot: the record set up from the host's start text (and resume
// text), and the commands that show the host the players, options and move list.
#pragma once

#include <command_list.h>

#include <cstdint>
#include <string_view>

namespace backgammon {

// ---- Starting a game ----

// The record of the slot set up from the start text; with a resume text, the position read
// from it. False for a slot outside 0 to 10, which is left alone.
bool BeginInitgame(std::int32_t slot, std::string_view startText, std::string_view resumeText);

// The commands after the game's state has been entered: a repaint, the status commands
// (not for the silent slot 0), "TimerON:0" for a new game, the move list's columns, the
// resign, double-free and menu switches, the draw and abandon buttons, and the resume text
// handed back. Also sets AutoRoll from the settings and turns AutoBearOff off.
void FinishInitgame(std::int32_t slot, std::string_view resumeText, plugin::CommandList& reply);

// Both of the above, for the game as it stands before the turn flow runs.
void InitgameSlot(std::int32_t slot, std::string_view startText, std::string_view resumeText,
                  plugin::CommandList& reply);

}  // namespace backgammon
