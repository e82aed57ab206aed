#include "timer.h"

namespace toolkit {

void TTimer::SetEnabled(bool enabled) {
  Stop();
  if (!enabled) return;
  // The timer stops in its destructor, so the tick never outlives `this`.
  timer_ = platform::StartTimer(interval_, [this] {
    if (OnTimer) OnTimer();
  }, owner_);
}

void TTimer::SetInterval(std::uint32_t interval) {
  interval_ = interval;
  if (Enabled()) SetEnabled(true);
}

void TTimer::Stop() {
  if (timer_) platform::StopTimer(timer_);
  timer_ = 0;
}

}  // namespace toolkit
