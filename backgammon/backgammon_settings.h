// The backgammon player's preferences, as kept under the options key of the registry.
#pragma once

#include <string>

namespace backgammon {

// ---- Preferences ----

// BackgammonSettings holds every preference with its default. It is loaded in InitDLL,
// changed in memory by the buttons, menu and options dialog, and written back in Clear3D.
struct BackgammonSettings {
  bool sound = true;         // play sounds
  bool confirm = true;       // a move waits for the player's click before it is sent
  bool move = true;          // show move help
  bool autoRool = false;     // initial state of the "No double" button; always loads off
  bool autoMove = true;      // play forced moves automatically
  bool autoRoolND = true;    // roll automatically when the player may not double
  int match = 3;             // match length of the last invitation shown
  int invertBoard = 1;       // 1 normal, -1 inverted
  std::string board = "Granite";
  std::string checkerWhite = "White";
  std::string checkerBlack = "Red";
  int delay = 750;           // milliseconds before an unconfirmed move is sent
  int beep = 10;             // read and written back only; backgammon has no clocks
};

BackgammonSettings& Settings();

// ---- Registry ----

// Reads every preference from `key` in the order the game has always read them; missing or
// empty values, and numbers that are not numbers, give the defaults.
void LoadSettings(const std::string& key);
// Writes every preference to `key`, in the order the game has always written them.
void SaveSettings(const std::string& key);

}  // namespace backgammon
