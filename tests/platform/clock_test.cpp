#include <clock.h>

#include <gtest/gtest.h>

namespace {

TEST(ClockTest, VirtualClockMovesOnlyWhenTold) {
  platform::UseVirtualClock(true, 0xFFFFFF00u);
  EXPECT_EQ(platform::TickCount(), 0xFFFFFF00u);
  platform::AdvanceVirtualClock(0x200);
  EXPECT_EQ(platform::TickCount(), 0x100u);  // wraps like the 32-bit counter
  platform::UseVirtualClock(false);
  EXPECT_FALSE(platform::VirtualClockActive());
}

}  // namespace
