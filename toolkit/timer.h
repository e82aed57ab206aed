// Timers of the toolkit, ticking from the message queue on the platform clock.
#pragma once

#include <message_queue.h>

#include <cstdint>
#include <functional>

namespace toolkit {

// ---- Timers ----

// TTimer runs OnTimer every Interval milliseconds while Enabled. It stops when freed, and
// with its owner window when that is destroyed. Changing the interval while running starts
// the count again, as the design's timers do.
class TTimer {
 public:
  explicit TTimer(std::uint32_t interval = 1000, platform::WindowId owner = 0)
      : interval_(interval), owner_(owner) {}
  ~TTimer() { Stop(); }
  TTimer(const TTimer&) = delete;
  TTimer& operator=(const TTimer&) = delete;

  void SetEnabled(bool enabled);
  void SetInterval(std::uint32_t interval);
  void SetOwner(platform::WindowId owner) { owner_ = owner; }
  bool Enabled() const { return platform::TimerRunning(timer_); }
  std::uint32_t Interval() const { return interval_; }

  std::function<void()> OnTimer;

 private:
  void Stop();

  std::uint32_t interval_;
  platform::WindowId owner_;
  platform::TimerId timer_ = 0;
};

}  // namespace toolkit
