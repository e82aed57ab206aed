#include "board_fixture.h"

#include <backgammon_setup.h>
#include <status_texts.h>

#include <gtest/gtest.h>

namespace {

using namespace backgammon;

TGame StartedGame(int matchLength) {
  TGame game;
  game.WhiteName = "Ann";
  game.BlackName = "Bob";
  game.WhiteLocal = true;
  game.MatchLength = matchLength;
  game.WhiteScore = 2;
  game.BlackScore = 1;
  SetupPosition(game);
  game.Turn = SideWhite;
  game.State = StateRollOrDouble;
  return game;
}

TEST(StatusCommandsTest, SixCommandsForTheLocalPlayerToRollOrDouble) {
  const TGame game = StartedGame(7);
  EXPECT_EQ(StatusCommands(game).Text(),
            "TimerON:0|Turn:on|Display:Your turn: roll or double|"
            "RTTI:MainForm:GameData:caption:Pip=167\r\nBob: 1 / 7|"
            "RTTI:MainForm:GameData2:caption:Ann: 2 / 7\r\nPip=167|"
            "RTTI:MainForm:GameData3:caption:Ann: 2 - Bob: 1 / 7\r\nPip= 167-167|");
}

TEST(StatusCommandsTest, StatusLineByStateAndSide) {
  struct Case {
    int state;
    int turn;
    bool waiting;
    const char* line;
  };
  const Case cases[] = {
      {StateRollOrDouble, 1, false, "Your turn: roll or double"},
      {StateRollOrDouble, -1, false, "Black's turn: roll or double"},
      {StateDoubleOffered, 1, false, "White's turn: waiting opponent"},  // we doubled
      {StateDoubleReceived, -1, false, "Your turn: accept or refuse"},
      {StateCheckerMove, 1, false, "Your turn: checker move"},
      {StateMoveDone, 1, false, "Your turn: Click dice to send"},
      {StateGameOver, 1, false, "End of Game"},
      {StateMatchOver, -1, false, "End of Match"},
      {StateRoll, -1, false, "Black's turn: roll"},
      {StateSendMove, -1, false, "Black's turn"},
      {StateBeaver, 1, false, "Your turn"},
      {StateRaccoon, 1, false, "White's turn"},
      {StateNone, 0, false, "Black's turn"},
      {StateCheckerMove, 1, true, "Waiting for opponent reply"},
      {StateGameOver, 1, true, "Waiting for opponent reply"},
  };
  for (const Case& c : cases) {
    TGame game = StartedGame(7);
    game.State = c.state;
    game.Turn = c.turn;
    game.WaitingReply = c.waiting;
    EXPECT_EQ(StatusLine(game), c.line) << c.state << " " << c.turn;
  }
  TGame noDouble = StartedGame(7);
  noDouble.OpeningRoll = true;
  EXPECT_EQ(StatusLine(noDouble), "Your turn: roll");
  TGame opponent = StartedGame(7);
  opponent.State = StateDoubleOffered;
  EXPECT_NE(StatusCommands(opponent).Text().find("|Turn:off|"), std::string::npos);
}

TEST(StatusCommandsTest, OptionsAndMatchLengthInTheCaptions) {
  struct Case {
    int variant;
    bool crawford, jacoby, unrated;
    int matchLength;
    const char* white;  // GameData2
    const char* both;   // GameData3
  };
  const Case cases[] = {
      {VariantNackGammon, false, true, true, 99999, "Ann: 2(Nack J UR)\r\nPip=194",
       "Ann: 2 - Bob: 1 (UR)\r\nPip= 194-194"},
      {VariantLongGammon, true, false, false, 5, "Ann: 2 / 5(LongC)\r\nPip=360",
       "Ann: 2 - Bob: 1 / 5(C)\r\nPip= 360-360"},
      {VariantHyperGammon, false, false, false, 100000, "Ann: 2 / 100000(Hyper)\r\nPip=69",
       "Ann: 2 - Bob: 1 / 100000\r\nPip= 69-69"},
      {VariantBackgammon, false, false, false, 99999, "Ann: 2\r\nPip=167",
       "Ann: 2 - Bob: 1\r\nPip= 167-167"},
  };
  for (const Case& c : cases) {
    TGame game = StartedGame(c.matchLength);
    game.Variant = c.variant;
    SetupPosition(game);
    game.Crawford = c.crawford;
    game.Jacoby = c.jacoby;
    game.Unrated = c.unrated;
    const std::string commands = StatusCommands(game).Text();
    EXPECT_NE(commands.find(std::string("GameData2:caption:") + c.white + "|"), std::string::npos)
        << commands;
    EXPECT_NE(commands.find(std::string("GameData3:caption:") + c.both + "|"), std::string::npos)
        << commands;
  }
  TGame nack = StartedGame(99999);
  nack.Variant = VariantNackGammon;
  nack.Jacoby = nack.Unrated = true;
  EXPECT_NE(StatusCommands(nack).Text().find("GameData:caption:Pip=167\r\nBob: 1(Nack J UR)|"),
            std::string::npos);
}

}  // namespace
