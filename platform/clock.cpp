#include "clock.h"

#include <chrono>

namespace platform {
namespace {

struct ClockState {
  bool isVirtual = false;
  std::uint32_t virtualNow = 0;
};

ClockState& State() {
  static ClockState state;
  return state;
}

}  // namespace

std::uint32_t TickCount() {
  if (State().isVirtual) return State().virtualNow;
  auto since = std::chrono::steady_clock::now().time_since_epoch();
  auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(since).count();
  return static_cast<std::uint32_t>(ms);  // wraps like the 32-bit counter it stands for
}

void UseVirtualClock(bool on, std::uint32_t start) {
  State().isVirtual = on;
  State().virtualNow = start;
}

bool VirtualClockActive() { return State().isVirtual; }

void AdvanceVirtualClock(std::uint32_t milliseconds) {
  if (State().isVirtual) State().virtualNow += milliseconds;
}

}  // namespace platform
