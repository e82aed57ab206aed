// What the host shows about a game: whether the local player acts, the status line, and
// the captions with names, scores, pip counts and options.
#pragma once

#include "backgammon_game.h"

#include <command_list.h>

#include <string>

namespace backgammon {

// ---- Status commands ----

// Six commands: "TimerON:0", "Turn:on" or "Turn:off", "Display:" with the status line, and
// the captions of GameData (Black), GameData2 (White) and GameData3 (both) on MainForm.
plugin::CommandList StatusCommands(const TGame& game);

// The status line alone ("Your turn: roll or double", "End of Game", ...).
std::string StatusLine(const TGame& game);

// The game's options as the captions show them ("Nack J UR"), empty when there are none.
std::string OptionsText(const TGame& game);

}  // namespace backgammon
