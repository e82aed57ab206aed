// GameModule: what a deliverable (backgammon, chess) answers when the host calls an export.
#pragma once

#include "command_list.h"

#include <gameplugin.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace plugin {

// ---- The deliverable behind the exports ----

// The export frame owns the 26 entry points: it guards each call, unscrambles the text
// arguments, calls the module with plain texts, then scrambles and stores the reply. A
// deliverable implements this interface once and hands it to the frame through
// TheGameModule(); every method has a do-nothing default, so a deliverable answers only
// what it supports. Texts arrive unscrambled; `reply` gathers the plain CommandList. The
// module lives until the plug-in is unloaded; its destructor is the unload step that
// releases whatever Clear3D did not.
class GameModule {
 public:
  virtual ~GameModule() = default;

  // Who we are: "backgammon\" or "Chess\" (the game folder under HostFolder) and "Backgammon"
  // or "Chess" (the registry key under the host's base path).
  virtual std::string_view GameFolderName() const = 0;
  virtual std::string_view OptionsKeyName() const = 0;
  // The number InitMatch hands back (0 backgammon, 2 chess).
  virtual std::int32_t MatchNumber() const = 0;

  // Life of the plug-in. The frame has already stored the callback, OptionsKey, SiteName and
  // GameFolder, and started the reply with "Ver:"; the module adds the rest of its set-up.
  virtual void InitDLL(CommandList& reply) { (void)reply; }
  virtual void Init3D(std::int32_t size[2], GpObject paintBox, GpObject image) {
    (void)size, (void)paintBox, (void)image;
  }
  virtual void Clear3D(CommandList& reply) { (void)reply; }
  virtual void SetState(std::uint8_t state, CommandList& reply) { (void)state, (void)reply; }
  virtual void Repaint(std::int32_t value) { (void)value; }
  virtual void NormalizeModal() {}
  virtual void SetImage(std::string_view backgroundSet, std::string_view buttonSet) {
    (void)backgroundSet, (void)buttonSet;
  }

  // One game.
  virtual void Initgame(std::int32_t slot, std::string_view gameText, std::string_view resumeText,
                        CommandList& reply) {
    (void)slot, (void)gameText, (void)resumeText, (void)reply;
  }
  virtual void GameProcess(std::int32_t slot, std::string_view message, CommandList& reply) {
    (void)slot, (void)message, (void)reply;
  }
  virtual void CheckTimer(std::int32_t slot, CommandList& reply) { (void)slot, (void)reply; }
  virtual void Action(std::int32_t slot, std::int32_t code, CommandList& reply) {
    (void)slot, (void)code, (void)reply;
  }
  virtual void SaveGame(std::int32_t slot, std::string_view ratings) { (void)slot, (void)ratings; }
  // `path` holds the host's value on entry; `caption` starts empty.
  virtual void SmallPos(std::int32_t slot, std::string& path, std::string& caption) {
    (void)slot, (void)path, (void)caption;
  }
  // `path` holds the host's value on entry and is stored back only when changed.
  virtual void PaintComb(std::string& path, std::int32_t left, std::int32_t top,
                         std::int32_t right, std::int32_t bottom, std::string_view caption,
                         std::uint8_t flags, std::int32_t variant) {
    (void)path, (void)left, (void)top, (void)right, (void)bottom, (void)caption, (void)flags,
        (void)variant;
  }

  // The pointer on the board of a slot.
  virtual void MouseDown(std::int32_t slot, std::int32_t x, std::int32_t y, std::uint8_t button,
                         CommandList& reply) {
    (void)slot, (void)x, (void)y, (void)button, (void)reply;
  }
  virtual void MouseUp(std::int32_t slot, std::int32_t x, std::int32_t y, std::uint8_t button,
                       CommandList& reply) {
    (void)slot, (void)x, (void)y, (void)button, (void)reply;
  }
  virtual void MouseMove(std::int32_t slot, std::int32_t x, std::int32_t y, CommandList& reply) {
    (void)slot, (void)x, (void)y, (void)reply;
  }
  virtual void MouseDbl(std::int32_t slot, std::int32_t x, std::int32_t y, CommandList& reply) {
    (void)slot, (void)x, (void)y, (void)reply;
  }

  // Invitations, ratings and the match log. Replies of the invitation calls are texts of
  // their own (not always commands), gathered in `reply` all the same.
  virtual void GetInv(CommandList& reply) { (void)reply; }
  virtual void SetInvData(std::string_view invitation, CommandList& reply) {
    (void)invitation, (void)reply;
  }
  virtual void GetInvSumm(std::string_view invitation, CommandList& reply) {
    (void)invitation, (void)reply;
  }
  virtual void InvertInv(std::string_view invitation, CommandList& reply) {
    (void)invitation, (void)reply;
  }
  // `invitation` holds the host's text on entry and is stored back scrambled.
  virtual void GetInvData(std::string_view dialogValues, std::string& invitation,
                          CommandList& reply) {
    (void)dialogValues, (void)invitation, (void)reply;
  }
  virtual void GetElo(std::string_view first, std::string_view second, std::int32_t games,
                      bool extended) {
    (void)first, (void)second, (void)games, (void)extended;
  }
  virtual void AddHist(std::string_view localPlayer, std::string_view history) {
    (void)localPlayer, (void)history;
  }
};

// Defined by each deliverable: its one module, created on first use.
GameModule& TheGameModule();

}  // namespace plugin
