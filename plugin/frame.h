// The plug-in-wide state the export frame sets up, and the way back to the host.
#pragma once

#include "command_list.h"

#include <gameplugin.h>

#include <array>
#include <cstdint>
#include <string>

namespace plugin {

// ---- Plug-in-wide state ----

// FrameState holds what every part of a plug-in may need to know about its setting: where
// the host lives, which version we are, where our settings and files go, and the flags that
// keep re-entrant calls safe while a modal dialog is open. One instance per loaded plug-in.
struct FrameState {
  std::string hostFolder;   // the host program's folder, ending with a separator
  std::string versionText;  // "major.minor.patch.build", or "" without a version block
  std::string optionsKey;   // registry key of the settings
  std::string siteName;     // third "\"-field of the base path given to InitDLL
  std::string gameFolder;   // hostFolder + "backgammon\" or "Chess\"
  HostCallback hostCallback = nullptr;
  bool modalActive = false;  // a modal question is open: pointer exports answer nothing
  void* openModal = nullptr; // the dialog shown modally at the moment, if any
  GpObject boardImage = nullptr;     // the host's image control the board is painted into
  GpObject boardPaintBox = nullptr;  // the host's paint box laid over it
  int dragX = -1000;         // last pointer position of a dragged piece
  int dragY = -1000;
  bool dragging = false;
};

FrameState& Frame();

// ---- Lifecycle steps of the frame ----

// The load step: host folder, version, flags. Runs once when the module is loaded.
void LoadFrame();

// InitDLL's own steps: remembers the callback and names the options key (base path +
// "\" + optionsKeyName + "\Options"), the site and the game folder (HostFolder +
// gameFolderName).
void BeginInitDLL(HostCallback callback, std::string_view basePath,
                  std::string_view optionsKeyName, std::string_view gameFolderName);

// Init3D's hand-over: keeps the host's surfaces when an image is given, and otherwise
// leaves the stored ones in place (the plug-in calls Init3D itself, without surfaces, after
// the player changed the board).
// An image given drops its old picture (width 1), as the board is painted afresh.
void HandOverSurfaces(GpObject paintBox, GpObject image);
// The width and height of the host's image control, 0 by 0 without one.
std::array<std::int32_t, 2> BoardImageSize();
// Clear3D: the surfaces belong to the host again.
void ForgetSurfaces();

// ---- Immediate delivery ----

// Scrambles the commands and hands them to the host's callback at once, so they take effect
// before the current export returns (before a modal question or a pause). Does nothing
// without a callback or without commands.
void PushToHost(const CommandList& commands);

}  // namespace plugin
