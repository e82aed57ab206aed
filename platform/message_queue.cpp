#include "message_queue.h"

#include "clock.h"
#include "window_state.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <optional>
#include <thread>

namespace platform {

using detail::Find;
using detail::State;

namespace {

// Milliseconds from now until a tick is due, 0 when it is due or late. The difference is
// taken as a signed 32-bit number, so a due time just past the clock's wrap still lies ahead.
std::uint32_t UntilDue(std::uint32_t due, std::uint32_t now) {
  auto ahead = static_cast<std::int32_t>(due - now);
  return ahead > 0 ? static_cast<std::uint32_t>(ahead) : 0;
}

// The time until the earliest timer is due; nothing when no timer runs.
std::optional<std::uint32_t> TimeToNextTimer() {
  std::uint32_t now = TickCount();
  std::optional<std::uint32_t> soonest;
  for (const auto& [id, timer] : State().Timers) {
    std::uint32_t wait = UntilDue(timer.Due, now);
    if (!soonest || wait < *soonest) soonest = wait;
  }
  return soonest;
}

// The timer that is due and most overdue; 0 when none is due.
TimerId DueTimer() {
  std::uint32_t now = TickCount();
  TimerId best = 0;
  std::int32_t bestLate = -1;
  for (const auto& [id, timer] : State().Timers) {
    auto late = static_cast<std::int32_t>(now - timer.Due);
    if (late >= 0 && late > bestLate) {
      best = id;
      bestLate = late;
    }
  }
  return best;
}

// Runs one tick. The next one is scheduled first, so a nested loop inside the tick sees the
// timer as not yet due again; the tick's code is held while it runs, so stopping the timer
// (or destroying its owner) from inside does not free it.
void Fire(TimerId id) {
  auto it = State().Timers.find(id);
  if (it == State().Timers.end()) return;
  it->second.Due = TickCount() + it->second.Interval;
  std::shared_ptr<Task> tick = it->second.Tick;
  (*tick)();
}

void Deliver(detail::QueuedItem& item) {
  switch (item.What) {
    case detail::QueuedItem::Kind::Task:
      if (item.Owner && !Find(item.Owner)) return;
      item.Run();
      return;
    case detail::QueuedItem::Kind::Pointer:
      detail::DeliverPointer(item.Action, item.Button, item.X, item.Y);
      return;
    case detail::QueuedItem::Kind::Key:
      detail::DeliverKey(item.Key);
      return;
  }
}

bool DeliverQueued() {
  auto& queue = State().Queue;
  if (queue.empty()) return false;
  detail::QueuedItem item = std::move(queue.front());
  queue.pop_front();
  Deliver(item);
  return true;
}

void Wait(std::uint32_t milliseconds) {
  std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

}  // namespace

namespace detail {

void Enqueue(QueuedItem item) { State().Queue.push_back(std::move(item)); }

void StopTimersOf(WindowId window) {
  std::erase_if(State().Timers, [window](const auto& entry) { return entry.second.Owner == window; });
}

bool DeliverOne() {
  if (DeliverQueued()) return true;
  if (PaintAllPending()) return true;
  if (TimerId due = DueTimer()) {
    Fire(due);
    return true;
  }
  return false;
}

bool Idle() {
  auto& state = State();
  std::optional<std::uint32_t> wait = TimeToNextTimer();
  bool isVirtual = VirtualClockActive();
  if (state.IdleWait) {
    // Copied: the wait may replace itself.
    auto idleWait = state.IdleWait;
    idleWait(isVirtual ? 0 : wait.value_or(kWaitForever));
    if (isVirtual && wait && state.Queue.empty()) AdvanceVirtualClock(*wait);
    return true;
  }
  if (!wait) return false;
  if (isVirtual) {
    AdvanceVirtualClock(*wait);
  } else {
    Wait(*wait);
  }
  return true;
}

}  // namespace detail

// ---- Posting ----

void Post(Task task, WindowId owner) {
  if (!task || (owner && !Find(owner))) return;
  detail::QueuedItem item;
  item.What = detail::QueuedItem::Kind::Task;
  item.Run = std::move(task);
  item.Owner = owner;
  detail::Enqueue(std::move(item));
}

// ---- Timers ----

TimerId StartTimer(std::uint32_t intervalMs, Task onTick, WindowId owner) {
  auto& state = State();
  if (!onTick || (owner && !Find(owner))) return 0;
  if (state.NextTimer == 0) state.NextTimer = 1;
  TimerId id = state.NextTimer++;
  detail::TimerRecord timer;
  timer.Interval = std::max<std::uint32_t>(intervalMs, 1);
  timer.Due = TickCount() + timer.Interval;
  timer.Tick = std::make_shared<Task>(std::move(onTick));
  timer.Owner = owner;
  state.Timers[id] = std::move(timer);
  return id;
}

void StopTimer(TimerId timer) { State().Timers.erase(timer); }

bool TimerRunning(TimerId timer) { return State().Timers.contains(timer); }

// ---- Running the loop ----

bool ProcessPendingMessages() {
  bool delivered = false;
  for (std::size_t waiting = State().Queue.size(); waiting > 0 && DeliverQueued(); --waiting) {
    delivered = true;
  }
  delivered = detail::PaintAllPending() || delivered;
  // Each timer due now runs once, so a timer that a slow tick makes due again cannot keep
  // this call from returning.
  std::vector<TimerId> due;
  for (const auto& [id, timer] : State().Timers) {
    if (static_cast<std::int32_t>(TickCount() - timer.Due) >= 0) due.push_back(id);
  }
  for (TimerId id : due) {
    auto it = State().Timers.find(id);
    if (it == State().Timers.end() || static_cast<std::int32_t>(TickCount() - it->second.Due) < 0) continue;
    Fire(id);
    delivered = true;
  }
  return detail::PaintAllPending() || delivered;
}

bool RunUntil(const std::function<bool()>& done) {
  while (!done()) {
    if (detail::DeliverOne()) continue;
    if (!detail::Idle()) return done();
  }
  return true;
}

void RunFor(std::uint32_t milliseconds) {
  milliseconds = std::min<std::uint32_t>(milliseconds, INT_MAX);
  const std::uint32_t deadline = TickCount() + milliseconds;
  auto left = [deadline] { return static_cast<std::int32_t>(deadline - TickCount()); };
  for (;;) {
    if (detail::DeliverOne()) {
      if (left() < 0) return;
      continue;
    }
    std::int32_t remaining = left();
    if (remaining <= 0) return;
    std::uint32_t step = std::min(TimeToNextTimer().value_or(kWaitForever),
                                  static_cast<std::uint32_t>(remaining));
    bool isVirtual = VirtualClockActive();
    if (auto idleWait = State().IdleWait) idleWait(isVirtual ? 0 : step);
    if (!State().Queue.empty()) continue;
    if (isVirtual) {
      AdvanceVirtualClock(step);
    } else if (!State().IdleWait) {
      Wait(step);
    }
  }
}

void SetIdleWait(std::function<void(std::uint32_t timeoutMs)> wait) {
  State().IdleWait = std::move(wait);
}

}  // namespace platform
