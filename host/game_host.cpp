#include "game_host.h"

#include "relay.h"

#include <clock.h>
#include <message_queue.h>
#include <parse.h>

#include <algorithm>

namespace host {

GameHost::GameHost(std::string name, Relay* relay) : name_(std::move(name)), relay_(relay) {}

GameHost::~GameHost() {
  RunOnMessageLoop(false);
  if (relay_) relay_->Leave(this);
  board_.reset();
}

bool GameHost::Load(const std::string& pluginPath, std::string* error) {
  plugin_ = PluginInstance::Load(pluginPath, error);
  if (!plugin_) return false;
  // A pushed list is carried out at once, before the export that pushed it returns; it
  // belongs to the slot of the call in progress.
  plugin_->OnPush([this](const std::string& commands) { Apply(activeSlot_, commands); });
  return true;
}

template <typename Call>
void GameHost::CallFor(int slot, Call&& call) {
  int outer = activeSlot_;
  activeSlot_ = slot;
  std::string reply = call();
  Apply(slot, reply);
  activeSlot_ = outer;
}

void GameHost::InitDLL(const std::string& basePath) {
  CallFor(1, [&] { return plugin_->InitDLL(basePath); });
}

void GameHost::StartGame(int slot, const std::string& gameNumber, const std::string& gameText,
                         const std::string& resumeText, bool observer) {
  if (relay_) {
    if (observer)
      relay_->Observe(this, slot, gameNumber);
    else
      relay_->Join(this, slot, gameNumber, name_);
  }
  clockSlot_ = slot;
  CallFor(slot, [&] { return plugin_->Initgame(slot, gameText, resumeText); });
}

void GameHost::Deliver(int slot, const std::string& message) {
  CallFor(slot, [&] { return plugin_->GameProcess(slot, message); });
}

void GameHost::Act(int slot, std::int32_t code) {
  CallFor(slot, [&] { return plugin_->Action(slot, code); });
}

bool GameHost::ChooseMenu(int slot, const std::string& itemName) {
  auto item = std::find_if(menu_.begin(), menu_.end(), [&](const MenuItem& m) { return m.name == itemName; });
  if (item == menu_.end()) return false;
  std::int32_t code = item->code;
  if (item->toggle) {
    // The menu shows the state the plug-in last wrote; choosing the item flips it.
    bool checked = controls_.Value("MenuDlg", item->name, "checked") == "1";
    code = checked ? -code : code;
  }
  Act(slot, code);
  return true;
}

void GameHost::Clear3D() {
  CallFor(1, [&] { return plugin_->Clear3D(); });
}

void GameHost::Apply(int slot, const std::string& commandList) {
  for (const Command& command : SplitCommands(commandList)) Carry(slot, command);
}

void GameHost::Carry(int slot, const Command& command) {
  journal_.push_back(command.text);
  const std::string& verb = command.verb;
  const auto& f = command.fields;
  auto field = [&](std::size_t i) { return i < f.size() ? f[i] : std::string(); };

  if (verb == "RTTI" && f.size() == 4) {
    controls_.Set(f[0], f[1], f[2], f[3]);
  } else if (verb == "Display") {
    status_ = field(0);
  } else if (verb == "Event") {
    events_.push_back(field(0));
  } else if (verb == "Message") {
    messages_.push_back(field(0));
  } else if (verb == "Question" && f.size() == 3) {
    int questionSlot = channel::TextToInt(f[0], slot);
    int number = channel::TextToInt(f[1], 0);
    int answer = answerer_ ? answerer_(questionSlot, number, f[2]) : 0;
    Deliver(questionSlot, "Question:" + f[1] + ":" + std::to_string(answer));
  } else if (verb == "ActionDelay" && f.size() >= 3) {
    std::uint32_t ms = static_cast<std::uint32_t>(std::max(0, channel::TextToInt(f[1], 0)));
    delays_.push_back({platform::TickCount() + ms, channel::TextToInt(f[0], slot), f[2]});
  } else if (verb == "TimerON") {
    int n = channel::TextToInt(field(0), 0);
    RunClocks(platform::TickCount());
    clocks_[0].running = n == 1;
    clocks_[1].running = n == 2;
    clockSlot_ = slot;
    lastCheckTimer_ = platform::TickCount();
  } else if (verb == "SetTimer" && f.size() >= 2) {
    int n = channel::TextToInt(f[0], 0);
    if (n == 1 || n == 2) clocks_[n - 1].remainingMs = channel::TextToInt(f[1], 0);
  } else if (verb == "Turn") {
    turn_ = field(0) == "on";
  } else if (verb == "MoveHeader") {
    if (field(0) == "End") {
      moves_.EndHeader();
    } else {
      MoveList::Column column{channel::TextToInt(field(0), 0), field(1), field(2), {}};
      if (f.size() > 3) column.extra.assign(f.begin() + 3, f.end());
      moves_.DefineColumn(std::move(column));
    }
  } else if (verb == "StartHistory") {
    moves_.Start();
  } else if (verb == "NewHistory") {
    moves_.NewRow(field(0), channel::GetFieldRest(command.text, 3, ':'));
  } else if (verb == "AddHistory") {
    moves_.AddToRow(channel::GetFieldRest(command.text, 2, ':'));
  } else if (verb == "EndHistory") {
    moves_.End();
  } else if (verb == "Layer") {
    layers_.push_back(field(0) + ":" + field(1));
  } else if (verb == "RefreshImg") {
    ++refreshes_;
  } else if (verb == "Modal") {
    modal_ = field(0) == "On";
  } else if (verb == "Ver") {
    version_ = field(0);
  } else if (verb == "RightClick") {
    rightClick_ = field(0) == "1";
  } else if (verb == "Menu") {
    if (auto items = LoadMenu(field(0))) menu_ = std::move(*items);
  } else if (verb == "Send" || verb == "SendG" || verb == "SendW") {
    if (relay_) relay_->Route(this, slot, command);
  } else {
    unknown_.push_back(command.text);
  }
}

void GameHost::RunClocks(std::uint32_t now) {
  std::uint32_t elapsed = now - lastClockTick_;  // wraps like the tick counter
  lastClockTick_ = now;
  for (Clock& clock : clocks_)
    if (clock.running) clock.remainingMs = std::max<std::int64_t>(0, clock.remainingMs - elapsed);
}

void GameHost::Poll() {
  std::uint32_t now = platform::TickCount();
  RunClocks(now);
  // Delays fire in the order they fall due; answering one may schedule another.
  for (;;) {
    auto due = std::min_element(delays_.begin(), delays_.end(), [&](const PendingDelay& a, const PendingDelay& b) {
      return static_cast<std::int32_t>(a.dueTick - now) < static_cast<std::int32_t>(b.dueTick - now);
    });
    if (due == delays_.end() || static_cast<std::int32_t>(due->dueTick - now) > 0) break;
    PendingDelay delay = *due;
    delays_.erase(due);
    Deliver(delay.slot, "ActionDelay:" + delay.token);
  }
  bool running = clocks_[0].running || clocks_[1].running;
  if (running && now - lastCheckTimer_ >= kCheckTimerMs) {
    lastCheckTimer_ = now;
    CallFor(clockSlot_, [&] { return plugin_->CheckTimer(clockSlot_); });
  }
}


std::pair<int, int> GameHost::OpenBoard(int width, int height, int boardSlot) {
  boardSlot_ = boardSlot;
  BoardWindow::Hooks hooks;
  hooks.pointer = [this](const platform::PointerEvent& event) { Pointer(event); };
  hooks.painted = [this] { plugin_->Repaint(0); };
  board_ = std::make_unique<BoardWindow>(name_, width, height, std::move(hooks));
  std::int32_t size[2] = {0, 0};
  plugin_->Init3D(size, board_->PaintBoxHandle(), board_->ImageHandle());
  return {size[0], size[1]};
}

void GameHost::Pointer(const platform::PointerEvent& event) {
  auto button = static_cast<std::uint8_t>(event.Button);
  int slot = boardSlot_;
  switch (event.Action) {
    case platform::PointerAction::Down:
      CallFor(slot, [&] { return plugin_->MouseDown(slot, event.X, event.Y, button); });
      break;
    case platform::PointerAction::Up:
      CallFor(slot, [&] { return plugin_->MouseUp(slot, event.X, event.Y, button); });
      break;
    case platform::PointerAction::Move:
      CallFor(slot, [&] { return plugin_->MouseMove(slot, event.X, event.Y); });
      break;
    case platform::PointerAction::DoubleClick:
      CallFor(slot, [&] { return plugin_->MouseDbl(slot, event.X, event.Y); });
      break;
    default:
      break;
  }
}

void GameHost::RunOnMessageLoop(bool on) {
  if (!on) {
    platform::StopTimer(pollTimer_);
    pollTimer_ = 0;
    return;
  }
  if (pollTimer_ == 0) pollTimer_ = platform::StartTimer(50, [this] { Poll(); });
}

}  // namespace host
