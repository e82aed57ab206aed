#include "test_window.h"

namespace {

using namespace wintest;
using Ticks = std::vector<std::uint32_t>;

using Timers = WindowTest;

TEST_F(Timers, NoticeTimerOfTwoSecondsRunsAtOnceUnderTheVirtualClock) {
  TestWindow& notice = Make("Notice", Rect::Sized(0, 0, 160, 40), kYellow);
  StartTimer(2000, [&] { DestroyWindow(notice.Id); }, notice.Id);
  EXPECT_TRUE(RunUntil([&] { return !WindowExists(notice.Id); }));
  EXPECT_EQ(TickCount(), 2000u);
}

TEST_F(Timers, RunForRunsEveryTickAtItsTime) {
  // A spin button's repeat: a first wait of 400 ms, then every 100 ms; beside it a timer of
  // 250 ms. Each tick is due one interval after it ran.
  Ticks repeat, other;
  TimerId first = 0;
  first = StartTimer(400, [&] {
    StopTimer(first);
    repeat.push_back(TickCount());
    StartTimer(100, [&] { repeat.push_back(TickCount()); });
  });
  StartTimer(250, [&] { other.push_back(TickCount()); });
  RunFor(1000);
  EXPECT_EQ(repeat, (Ticks{400, 500, 600, 700, 800, 900, 1000}));
  EXPECT_EQ(other, (Ticks{250, 500, 750, 1000}));
  EXPECT_EQ(TickCount(), 1000u);
}

TEST_F(Timers, TheClockWrapDoesNotFireEarlyOrLate) {
  UseVirtualClock(true, 0xFFFFFF00u);
  Ticks fired;
  StartTimer(0x200, [&] { fired.push_back(TickCount()); });
  RunFor(0x1FF);
  EXPECT_TRUE(fired.empty());
  RunFor(1);
  EXPECT_EQ(fired, (Ticks{0x100}));
}

TEST_F(Timers, ATickMayStopItselfOrDestroyItsOwner) {
  TestWindow& form = Make("Form", Rect::Sized(0, 0, 10, 10), kRed);
  std::string seen;
  std::string text(100, 'x');  // held by the tick: freed too early, the sanitizer would see it
  TimerId self = 0;
  self = StartTimer(10, [&, text] {
    StopTimer(self);
    seen += text.substr(0, 1);
  });
  StartTimer(20, [&, text] {
    DestroyWindow(form.Id);
    seen += text.substr(0, 2);
  }, form.Id);
  RunFor(100);
  EXPECT_EQ(seen, "xxx");
  EXPECT_FALSE(TimerRunning(self));
}

TEST_F(Timers, TasksAndTimersOfADestroyedWindowAreDropped) {
  TestWindow& form = Make("Form", Rect::Sized(0, 0, 10, 10), kRed);
  int ran = 0;
  Post([&] { ++ran; }, form.Id);
  TimerId timer = StartTimer(10, [&] { ++ran; }, form.Id);
  Post([&] { ++ran; });  // owned by nobody: stays
  DestroyWindow(form.Id);
  RunFor(100);
  EXPECT_EQ(ran, 1);
  EXPECT_FALSE(TimerRunning(timer));
  EXPECT_EQ(StartTimer(10, [] {}, form.Id), 0u);
}

TEST_F(Timers, ProcessPendingMessagesDeliversOnlyWhatWasWaiting) {
  int runs = 0;
  std::function<void()> again = [&] {
    ++runs;
    Post(again);
  };
  Post(again);
  StartTimer(5, [&] { ++runs; });
  EXPECT_TRUE(ProcessPendingMessages());
  EXPECT_EQ(runs, 1);  // the task it posted waits for the next call; the timer is not due
  EXPECT_EQ(TickCount(), 0u);
}

TEST_F(Timers, ALoopWithNothingThatCouldEverComeRunsDry) {
  EXPECT_FALSE(RunUntil([] { return false; }));
  EXPECT_EQ(ShowModal(Make("Dialog", Rect::Sized(0, 0, 10, 10), kRed, 0, false).Id), kModalAborted);
}

TEST_F(Timers, TheIdleWaitLetsAHostWaitForItsOwnSources) {
  struct Case {
    bool Virtual;
    bool Timer;
    std::uint32_t Expected;
  };
  const Case cases[] = {{false, false, kWaitForever}, {false, true, 300}, {true, true, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Virtual << c.Timer);
    ResetWindowSystem();
    UseVirtualClock(c.Virtual, 0);
    if (c.Timer) StartTimer(300, [] {});
    std::vector<std::uint32_t> waits;
    bool arrived = false;
    SetIdleWait([&](std::uint32_t timeout) {
      waits.push_back(timeout);
      Post([&] { arrived = true; });  // a message from the host's socket
    });
    EXPECT_TRUE(RunUntil([&] { return arrived; }));
    ASSERT_EQ(waits.size(), 1u);
    if (c.Expected == 300) {
      EXPECT_LE(waits[0], 300u);  // the real clock may have moved a little
      EXPECT_GT(waits[0], 200u);
    } else {
      EXPECT_EQ(waits[0], c.Expected);
    }
  }
}

}  // namespace
