// The process's one message queue: posted tasks, pointer and key input (input.h), timers on
// the platform clock, painting, and the loops that deliver them.
//
// Delivery order, as on the system the plug-ins were written for: posted tasks and input in
// the order they came; when none is waiting, pending painting; then timers that are due,
// earliest first. Whenever a loop has nothing to deliver it is idle: under the virtual clock
// (clock.h) it moves the clock straight to the next timer, so a 2000 ms notice closes at once
// in a test; under the real clock it sleeps until then. A modal show (window_system.h) runs
// the same loop nested, so the host's tasks and timers keep arriving while a question is open.
#pragma once

#include "window_system.h"

#include <cstdint>
#include <functional>

namespace platform {

// ---- Posting ----

using Task = std::function<void()>;

// Queues a task to run from the loop, after what is already queued. With an owner window the
// task is dropped if that window is destroyed first.
void Post(Task task, WindowId owner = 0);

// ---- Timers ----

// TimerId names a timer; 0 is "no timer".
using TimerId = std::uint32_t;

// Starts a repeating timer that runs `onTick` from the loop every `intervalMs` milliseconds
// of the platform clock (at least 1). The next tick is due `intervalMs` after the tick runs,
// so a late loop never gets a burst of ticks. A tick may run again while an earlier run of
// it is still inside a nested loop, as on the original system. With an owner window the
// timer stops when the window is destroyed. The clock's 32-bit wrap is harmless.
TimerId StartTimer(std::uint32_t intervalMs, Task onTick, WindowId owner = 0);
// Stops a timer (also from inside its own tick); unknown ids are ignored.
void StopTimer(TimerId timer);
bool TimerRunning(TimerId timer);

// ---- Running the loop ----

// Delivers what is waiting now: the tasks and input queued when the call began, pending
// painting, and the timers due. Never waits and never moves the clock. True when anything
// was delivered.
bool ProcessPendingMessages();
// Delivers messages one at a time until `done` answers true (checked before each one);
// idles as described above when nothing is waiting. False when the loop ran dry: nothing was
// waiting, no timer runs and no idle wait is set, so nothing could ever make `done` true.
bool RunUntil(const std::function<bool()>& done);
// Runs the loop for `milliseconds` of clock time: under the virtual clock every timer due in
// that span runs at its time and the clock ends exactly that far on; under the real clock
// the call returns once that much time has passed.
void RunFor(std::uint32_t milliseconds);

// A host with outside event sources (sockets) sets the idle wait: the loop calls it when
// idle instead of sleeping, with the longest time it may take in milliseconds (kWaitForever
// when no timer runs; 0 under the virtual clock, which then moves to the next timer); it
// waits for its sources and posts what arrives. nullptr removes it.
inline constexpr std::uint32_t kWaitForever = 0xFFFFFFFFu;
void SetIdleWait(std::function<void(std::uint32_t timeoutMs)> wait);

}  // namespace platform
