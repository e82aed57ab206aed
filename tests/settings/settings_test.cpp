// How stored preferences are read and written back, for both games.
#include "test_folder.h"

#include <backgammon_settings.h>
#include <chess_settings.h>
#include <files.h>
#include <registry.h>

#include <gtest/gtest.h>

namespace {

const std::string kKey = "Software\\Site\\Game\\Options";

class SettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetRegistryFile(folder_.Path() + "registry.reg");
    backgammon::Settings() = {};
    chess::Settings() = {};
  }
  void TearDown() override { platform::SetRegistryFile(""); }
  void Store(std::string_view name, std::string_view value) {
    ASSERT_TRUE(platform::RegistryWrite(kKey, name, value));
  }
  TestFolder folder_;
};

TEST_F(SettingsTest, AnEmptyKeyGivesTheDefaults) {
  backgammon::Settings().sound = false;
  backgammon::LoadSettings(kKey);
  const auto& b = backgammon::Settings();
  EXPECT_TRUE(b.sound && b.confirm && b.move && b.autoMove && b.autoRoolND);
  EXPECT_FALSE(b.autoRool);
  EXPECT_EQ(b.match, 3);
  EXPECT_EQ(b.invertBoard, 1);
  EXPECT_EQ(b.board, "Granite");
  EXPECT_EQ(b.checkerWhite, "White");
  EXPECT_EQ(b.checkerBlack, "Red");
  EXPECT_EQ(b.delay, 750);
  EXPECT_EQ(b.beep, 10);

  chess::LoadSettings(kKey, "/host/Chess/Site.pgn");
  const auto& c = chess::Settings();
  EXPECT_TRUE(c.sound && c.confirm && c.move && c.lastMove);
  EXPECT_FALSE(c.max || c.saveOne);
  EXPECT_EQ(c.time1, 3);
  EXPECT_EQ(c.time2, 5);
  EXPECT_EQ(c.board, "Green");
  EXPECT_EQ(c.pgnFile, "/host/Chess/Site.pgn");
}

TEST_F(SettingsTest, ReadAsRules) {
  Store("AutoRool", "1");     // the "No double" button still starts off
  Store("InvertBoard", "0");  // 0 is taken as 1
  Store("Sound", "no");       // only "0" turns a switch off
  Store("Confirm", "0");
  Store("Match", "seven");    // not a number: the default
  Store("Delay", "");         // empty: the default
  backgammon::LoadSettings(kKey);
  const auto& b = backgammon::Settings();
  EXPECT_FALSE(b.autoRool);
  EXPECT_EQ(b.invertBoard, 1);
  EXPECT_TRUE(b.sound);
  EXPECT_FALSE(b.confirm);
  EXPECT_EQ(b.match, 3);
  EXPECT_EQ(b.delay, 750);

  Store("InvertBoard", "-1");
  backgammon::LoadSettings(kKey);
  EXPECT_EQ(backgammon::Settings().invertBoard, -1);

  Store("SaveOne", "yes");  // only "1" turns it on
  Store("TIME1", "15");     // names are compared without regard to case
  Store("Max", "1");
  chess::LoadSettings(kKey, "x.pgn");
  EXPECT_FALSE(chess::Settings().saveOne);
  EXPECT_EQ(chess::Settings().time1, 15);
  EXPECT_TRUE(chess::Settings().max);
  Store("SaveOne", "1");
  chess::LoadSettings(kKey, "x.pgn");
  EXPECT_TRUE(chess::Settings().saveOne);
}

TEST_F(SettingsTest, ValuesAreReadInTheReadOrder) {
  std::vector<std::string> names;
  platform::SetRegistryReadObserver([&](std::string_view, std::string_view name) { names.emplace_back(name); });
  backgammon::LoadSettings(kKey);
  EXPECT_EQ(names, (std::vector<std::string>{"Sound", "Confirm", "Beep", "Move", "Match", "AutoRool", "AutoMove",
                                             "AutoRoolND", "InvertBoard", "Delay", "Board", "CheckerWhite",
                                             "CheckerBlack"}));
  names.clear();
  chess::LoadSettings(kKey, "x.pgn");
  EXPECT_EQ(names, (std::vector<std::string>{"Sound", "Confirm", "Beep", "Move", "time1", "Time2", "Delay",
                                             "Board", "LastMove", "Max", "PGNfile", "SaveOne"}));
  platform::SetRegistryReadObserver(nullptr);
}

TEST_F(SettingsTest, SavingWritesEveryValueInTheWriteOrder) {
  Store("AutoRool", "1");
  backgammon::LoadSettings(kKey);
  backgammon::SaveSettings(kKey);
  EXPECT_EQ(platform::RegistryRead(kKey, "AutoRool").value(), "0");
  platform::SetRegistryFile(folder_.Path() + "fresh.reg");
  backgammon::SaveSettings(kKey);
  std::string file = platform::ReadWholeFile(folder_.Path() + "fresh.reg").value();
  std::string expected = "[HKEY_CURRENT_USER\\" + kKey + "]\r\n"
      "\"Sound\"=\"1\"\r\n\"Confirm\"=\"1\"\r\n\"Move\"=\"1\"\r\n\"AutoRool\"=\"0\"\r\n"
      "\"AutoMove\"=\"1\"\r\n\"AutoRoolND\"=\"1\"\r\n\"Match\"=\"3\"\r\n\"InvertBoard\"=\"1\"\r\n"
      "\"Board\"=\"Granite\"\r\n\"CheckerWhite\"=\"White\"\r\n\"CheckerBlack\"=\"Red\"\r\n"
      "\"Delay\"=\"750\"\r\n\"Beep\"=\"10\"\r\n";
  EXPECT_NE(file.find(expected), std::string::npos) << file;

  platform::SetRegistryFile(folder_.Path() + "chess.reg");
  chess::LoadSettings(kKey, "C:\\games\\Chess\\.pgn");
  chess::SaveSettings(kKey);
  file = platform::ReadWholeFile(folder_.Path() + "chess.reg").value();
  expected = "[HKEY_CURRENT_USER\\" + kKey + "]\r\n"
      "\"Sound\"=\"1\"\r\n\"Confirm\"=\"1\"\r\n\"Move\"=\"1\"\r\n\"Max\"=\"0\"\r\n\"Time1\"=\"3\"\r\n"
      "\"Time2\"=\"5\"\r\n\"Delay\"=\"750\"\r\n\"LastMove\"=\"1\"\r\n\"Board\"=\"Green\"\r\n"
      "\"PGNfile\"=\"C:\\\\games\\\\Chess\\\\.pgn\"\r\n\"SaveOne\"=\"0\"\r\n\"Beep\"=\"10\"\r\n";
  EXPECT_NE(file.find(expected), std::string::npos) << file;
}

}  // namespace
