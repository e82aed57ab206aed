// The chess player's preferences, as kept under the options key of the registry.
#pragma once

#include <string>

namespace chess {

// ---- Preferences ----

// ChessSettings holds every preference with its default. It is loaded in InitDLL, changed
// in memory by the buttons, menu and options dialog, and written back in Clear3D.
struct ChessSettings {
  bool sound = true;     // play sounds
  bool confirm = true;   // a move is shown and sent after a delay that a click cancels
  bool move = true;      // show move help
  bool max = false;      // maximised board without coordinates
  int time1 = 3;         // minutes of the last invitation shown
  int time2 = 5;         // seconds added per move of the last invitation shown
  int delay = 750;       // milliseconds of the move confirmation delay
  bool lastMove = true;  // mark the last move on the board
  std::string board = "Green";
  std::string pgnFile;   // empty until loaded: GameFolder + SiteName + ".pgn"
  bool saveOne = false;  // every game in a file of its own
  int beep = 10;         // seconds of remaining time below which the clock beeps
};

ChessSettings& Settings();

// ---- Registry ----

// Reads every preference from `key` in the order the game has always read them; missing or
// empty values, and numbers that are not numbers, give the defaults. `defaultPgnFile` is
// the collecting PGN file when none is stored (game folder + site name + ".pgn").
void LoadSettings(const std::string& key, const std::string& defaultPgnFile);
// Writes every preference to `key`, in the order the game has always written them.
void SaveSettings(const std::string& key);

}  // namespace chess
