#include <host_message.h>

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(HostMessageTest, SplitsKindAndRest) {
  auto play = plugin::SplitMessage("Play:12:Ann:Bob:6/24-5/13-:x");
  EXPECT_EQ(play.kind, plugin::MessageKind::Play);
  EXPECT_EQ(play.rest, "12:Ann:Bob:6/24-5/13-:x");
  EXPECT_EQ(plugin::SplitMessage("ActionDelay:1").rest, "1");
  EXPECT_EQ(plugin::SplitMessage("Question:2:1").kind, plugin::MessageKind::Question);
  EXPECT_EQ(plugin::SplitMessage("Chat:hello").kind, plugin::MessageKind::Unknown);
  EXPECT_EQ(plugin::SplitMessage("").kind, plugin::MessageKind::Unknown);
  EXPECT_EQ(plugin::SplitMessage("play:1").kind, plugin::MessageKind::Unknown);  // kinds are exact
}

TEST(HostMessageTest, ActionCodeGivesControlAndState) {
  EXPECT_EQ(plugin::SplitAction(-1).control, 1);
  EXPECT_FALSE(plugin::SplitAction(-1).selected);
  EXPECT_TRUE(plugin::SplitAction(1).selected);
  EXPECT_EQ(plugin::SplitAction(100).control, 100);
  EXPECT_EQ(plugin::SplitAction(INT_MIN).control, 0);
}

}  // namespace
