#include <command_list.h>

#include <gtest/gtest.h>

namespace {

TEST(CommandListTest, WritesVerbFieldsAndBar) {
  plugin::CommandList list;
  list.Add("RefreshImg").Add("RTTI", "MainForm", "GameB1", "Visible", true).Add("ActionDelay", 3, 750, "1");
  list.Add("Display", "a:b\r\nc");
  EXPECT_EQ(list.Text(), "RefreshImg|RTTI:MainForm:GameB1:Visible:1|ActionDelay:3:750:1|Display:a:b\r\nc|");
  EXPECT_EQ(list.Take(), "RefreshImg|RTTI:MainForm:GameB1:Visible:1|ActionDelay:3:750:1|Display:a:b\r\nc|");
  EXPECT_TRUE(list.Empty());
}

}  // namespace
