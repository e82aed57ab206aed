// Inside the window system: the records of windows, the queue, the timers and the modal
// loops, shared by the units of the window system and by nothing else.
#pragma once

#include "message_queue.h"
#include "surface.h"
#include "window_system.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace platform::detail {

// ---- Records ----

// WindowRecord holds one window: what it was created with, its children from the bottom of
// the z-order to the top, how many modal loops block it (top-level windows), and for a
// top-level window its backing surface, the area still to be painted (its coordinates) and
// the window inside it that has the focus.
struct WindowRecord {
  WindowId Id = 0;
  WindowId Parent = 0;
  std::vector<WindowId> Children;
  std::string Name;
  std::string Caption;
  std::string Class;
  Rect Bounds;
  bool Visible = false;
  bool Enabled = true;
  bool StayOnTop = false;
  int BlockCount = 0;
  WindowHandler* Handler = nullptr;
  Surface Backing;
  Rect Dirty;
  WindowId Focus = 0;
};

// QueuedItem holds one entry of the queue: a posted task (with the window that owns it, or
// 0), or an injected pointer or key event.
struct QueuedItem {
  enum class Kind : std::uint8_t { Task, Pointer, Key };
  Kind What = Kind::Task;
  Task Run;
  WindowId Owner = 0;
  PointerAction Action = PointerAction::Move;
  MouseButton Button = MouseButton::Left;
  int X = 0;
  int Y = 0;
  KeyEvent Key;
};

// TimerRecord holds one running timer. The tick is shared so that stopping the timer from
// inside its own tick does not free the code that is running.
struct TimerRecord {
  std::uint32_t Interval = 1;
  std::uint32_t Due = 0;
  std::shared_ptr<Task> Tick;
  WindowId Owner = 0;
};

// ModalFrame holds one running modal loop: its window, whether and how it was ended, the
// windows it blocks and the window that was active before it.
struct ModalFrame {
  WindowId Window = 0;
  bool Ended = false;
  int Result = kModalAborted;
  std::vector<WindowId> Blocked;
  WindowId PreviousActive = 0;
};

// WindowSystemState holds everything of the process's window system.
struct WindowSystemState {
  std::map<WindowId, std::unique_ptr<WindowRecord>> Windows;
  std::vector<WindowId> TopLevels;  // bottom of the z-order first
  WindowId NextId = 1;
  WindowId Active = 0;
  WindowId Capture = 0;
  WindowId EffectiveFocus = 0;  // the last window told it has the focus
  WindowId Hover = 0;           // the last window that took a pointer event
  ScreenMetrics Screen;
  std::deque<QueuedItem> Queue;
  std::map<TimerId, TimerRecord> Timers;
  TimerId NextTimer = 1;
  std::vector<ModalFrame*> Modals;  // innermost last
  std::function<void(std::uint32_t)> IdleWait;
  int PointerX = 0;
  int PointerY = 0;
};

WindowSystemState& State();
WindowRecord* Find(WindowId window);

// ---- Shared operations ----

// Delivers one injected pointer or key event (window_system.cpp).
void DeliverPointer(PointerAction action, MouseButton button, int x, int y);
void DeliverKey(const KeyEvent& event);
// Paints every top-level window with a pending area; true when any was painted.
bool PaintAllPending();
// Drops the timers owned by a window that is going away (message_queue.cpp).
void StopTimersOf(WindowId window);
// Delivers one message if one is waiting (message_queue.cpp); false when none was.
bool DeliverOne();
// The loop has nothing to deliver: waits or moves the clock (message_queue.cpp); false when
// nothing could ever come.
bool Idle();
// Queues one entry (input.cpp and Post).
void Enqueue(QueuedItem item);

}  // namespace platform::detail
