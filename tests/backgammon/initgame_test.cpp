#include "board_fixture.h"

#include <backgammon_game.h>
#include <backgammon_settings.h>
#include <initgame.h>
#include <position_text.h>

#include <gtest/gtest.h>

namespace {

using namespace backgammon;

constexpr const char* kTail =
    "MoveHeader:0:Move Number::3:20|MoveHeader:1:White:White:10:50|"
    "MoveHeader:2:Black:Black:10:50|";

std::string Initgame(int slot, const char* start, const char* resume = "") {
  plugin::CommandList reply;
  InitgameSlot(slot, start, resume, reply);
  return reply.Text();
}

TEST(InitgameTest, NewGameShowsPlayersOptionsAndMoveList) {
  Settings() = BackgammonSettings{};
  Shared().AutoBearOff = true;
  GameAt(3)->State = StateNone;
  GameAt(3)->Turn = 0;
  const std::string reply = Initgame(3, "Ann:Bob:99999:42:1:1:x:1:1000:55:bob");
  EXPECT_EQ(reply,
            "TimerON:0|Turn:off|Display:Black's turn|"
            "RTTI:MainForm:GameData:caption:Pip=194\r\nBob: 0(Nack J UR)|"
            "RTTI:MainForm:GameData2:caption:Ann: 0(Nack J UR)\r\nPip=194|"
            "RTTI:MainForm:GameData3:caption:Ann: 0 - Bob: 0 (UR)\r\nPip= 194-194|"
            "TimerON:0|" + std::string(kTail) +
            "RTTI:MainForm:GameB11:Enabled:1|RTTI:Menudlg:M28:Checked:0|"
            "RTTI:MainForm:GameB16:selected:0|RTTI:Menudlg:M26:Checked:1|"
            "RTTI:Menudlg:M27:Checked:1|MoveHeader:End|"
            "RTTI:MainForm:GameB3:Enabled:1|RTTI:MainForm:GameB6:Enabled:1|");
  EXPECT_FALSE(Shared().AutoBearOff);
  EXPECT_EQ(GameAt(3)->GameId, 55);
  EXPECT_TRUE(GameAt(3)->BlackLocal);
}

TEST(InitgameTest, SilentSlotObserverAndMissingSlots) {
  const std::string silent = Initgame(0, "Ann:Bob:5:42:1:0:x:0:0:55:cid");
  EXPECT_EQ(silent.rfind("TimerON:0|MoveHeader:0:", 0), 0u) << silent;  // no status commands
  EXPECT_NE(silent.find("GameB11:Enabled:0|"), std::string::npos);
  EXPECT_NE(silent.find("GameB3:Enabled:0|RTTI:MainForm:GameB6:Enabled:0|"), std::string::npos);

  for (int slot : {11, -1, 1000}) EXPECT_EQ(Initgame(slot, "Ann:Bob:5:42:1:0:x:0:0:55:ann"), "");
}

TEST(InitgameTest, ResumedGameReadsThePositionAndHandsTheTextBack) {
  const char* resume = "2/3/-b----E-C---eE---c-e----B-/-1/4/77/1/0/0/1/0/4";
  const std::string reply = Initgame(5, "Ann:Bob:7:42:-1:0:x:0:0:55:9:ann", resume);
  const TGame& game = *GameAt(5);
  EXPECT_EQ(game.GameId, 55);
  EXPECT_EQ(game.Turn, SideWhite);     // the first player, Ann, is Black here
  EXPECT_EQ(game.Cube, -1);
  EXPECT_EQ(game.WhiteScore, 3);
  EXPECT_EQ(game.Variant, VariantTapa);
  EXPECT_TRUE(game.Jacoby);
  EXPECT_EQ(game.State, StateCheckerMove);
  EXPECT_EQ(PositionText(game, false), "-b----E-C---eE---c-e----B-/-1/4/77/1/0/0/1/0/4");
  EXPECT_EQ(reply.find("|TimerON:0|MoveHeader"), std::string::npos);  // only a new game's
  EXPECT_EQ(reply.substr(reply.size() - std::string(resume).size() - 1), std::string(resume) + "|");

  const std::string injected = Initgame(5, "Ann:Bob:7:42:1:0:x:0:0:55:9:ann", "0/0/-|Send:Win:1:x");
  const std::string handedBack = "0/0/-Send:Win:1:x|";
  EXPECT_EQ(injected.substr(injected.size() - handedBack.size()), handedBack);
}

}  // namespace
