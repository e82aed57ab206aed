// GameHost: one player's host, carrying out what its plug-in asks for.
#pragma once

#include "board_window.h"
#include "command_reader.h"
#include "control_store.h"
#include "menu_file.h"
#include "move_list.h"
#include "plugin_instance.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace host {

class Relay;

// ---- One player's host ----

// GameHost plays the host's part for one loaded plug-in: it calls the exports, carries out
// each CommandList in order (also those the plug-in pushes through its callback, at once),
// keeps what the commands set (control properties, status line, event and message logs,
// clocks, move list, turn marker, layers, menu, modal state), asks questions through a
// pluggable answerer, answers action delays on the host clock, and hands every Send to the
// relay. Commands it does not know go to a log and never stop the list.
class GameHost {
 public:
  // The answerer of "Question" commands: slot, question number, text -> 1 for yes.
  using Answerer = std::function<int(int slot, int number, const std::string& text)>;

  struct Clock {
    std::int64_t remainingMs = 0;
    bool running = false;
  };
  struct PendingDelay {
    std::uint32_t dueTick = 0;
    int slot = 0;
    std::string token;
  };

  GameHost(std::string name, Relay* relay);
  ~GameHost();
  GameHost(const GameHost&) = delete;
  GameHost& operator=(const GameHost&) = delete;

  // Loads the plug-in (a private copy of the file); false with `error` filled on failure.
  bool Load(const std::string& pluginPath, std::string* error);
  PluginInstance& Plugin() { return *plugin_; }
  const std::string& Name() const { return name_; }

  // ---- Calls whose replies are carried out ----

  void InitDLL(const std::string& basePath);
  // Starts a game in `slot`: joins the relay as a player (or observer) of `gameNumber`,
  // then calls Initgame.
  void StartGame(int slot, const std::string& gameNumber, const std::string& gameText,
                 const std::string& resumeText = "", bool observer = false);
  void Deliver(int slot, const std::string& message);  // GameProcess
  void Act(int slot, std::int32_t code);               // Action
  // Chooses a menu item by name; a switch reports its new state through the code's sign.
  bool ChooseMenu(int slot, const std::string& itemName);
  void Clear3D();
  // Answers due action delays, runs the clocks down and calls CheckTimer while one runs.
  void Poll();

  // ---- The board window ----

  // Opens the game window with the board image and the paint box and hands them to the
  // plug-in's Init3D; pointer events over the board go to the pointer exports for
  // `boardSlot` (the game shown), repaints of the paint box to Repaint. Returns the size
  // Init3D wrote back.
  std::pair<int, int> OpenBoard(int width, int height, int boardSlot = 1);
  const BoardWindow* Board() const { return board_.get(); }
  // Polls from a timer of the process's message loop, so the host's clocks and delays keep
  // running while a plug-in's dialog holds a nested loop; off by default (tests poll).
  void RunOnMessageLoop(bool on);

  // Carries out a plain CommandList produced for `slot`.
  void Apply(int slot, const std::string& commandList);

  // ---- What the commands set ----

  void SetAnswerer(Answerer answerer) { answerer_ = std::move(answerer); }
  const ControlStore& Controls() const { return controls_; }
  const std::string& StatusLine() const { return status_; }
  const std::vector<std::string>& Events() const { return events_; }
  const std::vector<std::string>& Messages() const { return messages_; }
  const std::vector<std::string>& UnknownCommands() const { return unknown_; }
  const std::vector<std::string>& Layers() const { return layers_; }
  const std::vector<MenuItem>& Menu() const { return menu_; }
  const MoveList& Moves() const { return moves_; }
  const Clock& ClockOf(int n) const { return clocks_[n == 2 ? 1 : 0]; }
  const std::vector<PendingDelay>& PendingDelays() const { return delays_; }
  const std::string& Version() const { return version_; }
  bool MyTurn() const { return turn_; }
  bool ModalOpen() const { return modal_; }
  bool RightClick() const { return rightClick_; }
  int RefreshCount() const { return refreshes_; }
  // Every command carried out, in order, for tests and logs.
  const std::vector<std::string>& Journal() const { return journal_; }

  // How often CheckTimer is called while a clock runs.
  static constexpr std::uint32_t kCheckTimerMs = 250;

 private:
  // Calls an export for `slot` and carries out its reply; pushes during the call belong
  // to the same slot.
  template <typename Call>
  void CallFor(int slot, Call&& call);
  void Carry(int slot, const Command& command);
  void RunClocks(std::uint32_t now);

  void Pointer(const platform::PointerEvent& event);

  std::string name_;
  Relay* relay_;
  std::unique_ptr<PluginInstance> plugin_;
  std::unique_ptr<BoardWindow> board_;
  int boardSlot_ = 1;
  std::uint32_t pollTimer_ = 0;
  Answerer answerer_;
  ControlStore controls_;
  std::string status_;
  std::vector<std::string> events_, messages_, unknown_, layers_, journal_;
  std::vector<MenuItem> menu_;
  MoveList moves_;
  Clock clocks_[2];
  int clockSlot_ = 1;   // the slot whose clocks the display shows
  int activeSlot_ = 1;  // the slot of the export call in progress
  std::uint32_t lastClockTick_ = 0;
  std::uint32_t lastCheckTimer_ = 0;
  std::vector<PendingDelay> delays_;
  std::string version_;
  bool turn_ = false;
  bool modal_ = false;
  bool rightClick_ = false;
  int refreshes_ = 0;
};

}  // namespace host
