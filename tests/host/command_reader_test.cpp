#include <command_reader.h>

#include <gtest/gtest.h>

namespace {

TEST(CommandReaderTest, SplitsCommandsAndKeepsFreeLastFieldsWhole) {
  auto commands = host::SplitCommands(
      "RefreshImg|RTTI:InvDLg:InvTimeLT1:Caption:Match length:|Display:a:b\r\nc|"
      "ActionDelay:3:750:1|Question:1:2:Draw? yes:no|tail");
  ASSERT_EQ(commands.size(), 6u);
  EXPECT_EQ(commands[0].verb, "RefreshImg");
  EXPECT_TRUE(commands[0].fields.empty());
  EXPECT_EQ(commands[1].fields, (std::vector<std::string>{"InvDLg", "InvTimeLT1", "Caption", "Match length:"}));
  EXPECT_EQ(commands[2].fields, (std::vector<std::string>{"a:b\r\nc"}));
  EXPECT_EQ(commands[3].fields, (std::vector<std::string>{"3", "750", "1"}));
  EXPECT_EQ(commands[4].fields, (std::vector<std::string>{"1", "2", "Draw? yes:no"}));
  EXPECT_EQ(commands[5].verb, "tail");
  EXPECT_TRUE(host::SplitCommands("").empty());
}

}  // namespace
