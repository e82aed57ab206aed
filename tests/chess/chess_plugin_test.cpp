// A chess game set up and saved through the plug-in's exports, as a host does it.
#include "plugin_paths.h"
#include "test_folder.h"

#include <files.h>
#include <host_folder.h>
#include <plugin_instance.h>
#include <registry.h>
#include <user_locale.h>

#include <gtest/gtest.h>

namespace {

class ChessPluginTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetHostFolder(folder_.Path());
    platform::SetRegistryFile(folder_.Path() + "registry.reg");
    platform::FixToday(platform::CalendarDate{2024, 3, 5});
    std::string error;
    plugin_ = host::PluginInstance::Load(PluginPath("chess"), &error);
    ASSERT_TRUE(plugin_) << error;
    plugin_->InitDLL("Software\\Site\\Demo");
  }
  void TearDown() override {
    plugin_.reset();
    platform::FixToday(std::nullopt);
    platform::SetHostFolder("");
    platform::SetRegistryFile("");
  }
  TestFolder folder_;
  std::unique_ptr<host::PluginInstance> plugin_;
};

TEST_F(ChessPluginTest, InitgameSetsUpANewGame) {
  EXPECT_EQ(plugin_->Initgame(1, "White:black:3:5", ""),
            "SetTimer:1:180000|SetTimer:2:180000|Display:Your turn|Turn:on|TimerON:0|"
            "MoveHeader:0:Move Number::3:20:::1|MoveHeader:1:White:White:10:50:::1|"
            "MoveHeader:2:Black:Black:10:50:::1|MoveHeader:End|"
            "RTTI:MainForm:GameB3:Enabled:1|RTTI:MainForm:GameB6:Enabled:1|");
}

TEST_F(ChessPluginTest, SlotsOutsideTheRecordsAreIgnored) {
  for (std::int32_t slot : {-1, 11, 1000000, -2147483647 - 1}) {
    EXPECT_EQ(plugin_->Initgame(slot, "White:black:3:5", "E2E4"), "") << slot;
    plugin_->SaveGame(slot, "");
  }
}

TEST_F(ChessPluginTest, AResumedGameIsSavedToTheSiteFile) {
  const std::string reply = plugin_->Initgame(2, "Ann:Ben:170000:160000:3:0:5:99:x:ann", "E2E4E7E5G1F3");
  EXPECT_TRUE(reply.ends_with("StartHistory|NewHistory:1:e4|AddHistory:e5|NewHistory:2:@chess\\N;f3|EndHistory|"))
      << reply;
  plugin_->SaveGame(2, "ANN:x:1500|BEN:y:1600");
  EXPECT_EQ(platform::ReadWholeFile(folder_.Path() + "Chess/Demo.pgn").value_or("<missing>"),
            "[Event \"?\"]\r\n[Site \"Demo\"]\r\n[White \"Ann\"]\r\n[Black \"Ben\"]\r\n"
            "[WhiteElo \"1500\"]\r\n[BlackElo \"1600\"]\r\n[TimeControl \"300+3\"]\r\n"
            "[Result \"*\"]\r\n[PlyCount \"3\"]\r\n[EventDate \"2024.03.05\"]\r\n\r\n"
            "1. e4 e5 2. Nf3 *\r\n\r\n");
}

}  // namespace
