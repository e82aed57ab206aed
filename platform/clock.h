// The system tick counter, real or virtual.
#pragma once

#include <cstdint>

namespace platform {

// ---- Tick count ----

// Milliseconds since an arbitrary start, wrapping at 2^32 like the tick counter the
// plug-ins were written for. Under the virtual clock it moves only when told to.
std::uint32_t TickCount();

// ---- Virtual clock (hosts and tests) ----

// Switches the process to a virtual clock starting at `start`, or back to the real one.
// Waits, action delays and dialog timers then run instantly and deterministically.
void UseVirtualClock(bool on, std::uint32_t start = 0);
bool VirtualClockActive();

// Moves the virtual clock forward; does nothing under the real clock.
void AdvanceVirtualClock(std::uint32_t milliseconds);

}  // namespace platform
