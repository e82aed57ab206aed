#include "board_fixture.h"

#include <backgammon_game.h>
#include <backgammon_setup.h>

#include <gtest/gtest.h>

namespace {

using namespace backgammon;
using bgtest::MakeBoard;

TEST(StartingPositionTest, EveryVariantPlacesBothSidesAlike) {
  struct Case {
    int variant;
    int checkers;
    int pips;
  };
  const Case cases[] = {
      {VariantBackgammon, 15, 167}, {VariantNackGammon, 15, 194}, {VariantHyperGammon, 3, 69},
      {VariantLongGammon, 15, 360}, {VariantTapa, 15, 345},
      {7, 15, 167},   // unknown numbers set up backgammon
      {-1, 15, 167},
  };
  for (const Case& c : cases) {
    TGame game;
    game.Board.fill(9);  // cleared first
    game.Variant = c.variant;
    SetupPosition(game);
    EXPECT_EQ(CheckersLeft(game.Board, SideWhite), c.checkers) << c.variant;
    EXPECT_EQ(CheckersLeft(game.Board, SideBlack), c.checkers) << c.variant;
    EXPECT_EQ(PipCount(game.Board, SideWhite), c.pips) << c.variant;
    EXPECT_EQ(PipCount(game.Board, SideBlack), c.pips) << c.variant;
    EXPECT_EQ(MirrorBoard(game.Board), game.Board) << "each side stands as the other's mirror";
  }
  TGame backgammon;
  SetupPosition(backgammon);
  EXPECT_EQ(backgammon.Board, MakeBoard({{24, 2}, {13, 5}, {8, 3}, {6, 5},
                                         {1, -2}, {12, -5}, {17, -3}, {19, -5}}));
}

TEST(BoardTest, MirrorCountsAndPips) {
  const BoardArray board = MakeBoard({{25, 1}, {3, 2}, {0, -2}, {20, -1}});
  const BoardArray mirrored = MirrorBoard(board);
  EXPECT_EQ(mirrored[0], -1);   // White's bar becomes the opponent's bar
  EXPECT_EQ(mirrored[25], 2);   // Black's bar is its own bar, index 25
  EXPECT_EQ(mirrored[5], 1);    // Black's 20-point is its own 5-point
  EXPECT_EQ(MirrorBoard(mirrored), board);
  EXPECT_EQ(CheckersLeft(board, SideWhite), 3);
  EXPECT_EQ(CheckersLeft(board, SideBlack), 3);
  EXPECT_EQ(PipCount(board, SideWhite), 25 + 6);
  EXPECT_EQ(PipCount(board, SideBlack), 2 * 25 + 5);  // a checker on the bar counts 25
}

TEST(CubeValueTest, PowersOfTwoOfTheAbsoluteLevel) {
  const std::pair<int, int> cases[] = {{0, 1},  {1, 2},   {-1, 2},        {3, 8},
                                       {-6, 64}, {8, 256}, {1000, 1 << 20}, {INT32_MIN, 1 << 20}};
  for (auto [level, value] : cases) EXPECT_EQ(CubeValue(level), value) << level;
}

TEST(SlotTableTest, OnlySlotsZeroToTenExist) {
  EXPECT_NE(GameAt(0), nullptr);
  EXPECT_NE(GameAt(10), nullptr);
  EXPECT_EQ(GameAt(11), nullptr);
  EXPECT_EQ(GameAt(-1), nullptr);
  EXPECT_EQ(GameAt(INT32_MIN), nullptr);
}

TEST(LocalToActTest, SideToActByState) {
  struct Case {
    int state;
    int turn;
    bool whiteLocal;
    bool blackLocal;
    bool expected;
  };
  const Case cases[] = {
      {StateRollOrDouble, 1, true, false, true},   {StateCheckerMove, 1, true, false, true},
      {StateMoveDone, -1, false, true, true},      {StateSendMove, 1, true, false, true},
      {StateRoll, -1, true, false, false},         {StateBeaver, 1, true, false, true},
      {StateDoubleOffered, 1, true, false, false}, {StateDoubleReceived, 1, false, true, true},
      {StateRaccoon, -1, true, false, true},       {StateGameOver, 1, false, true, true},
      {StateNone, -1, true, false, true},          {StateCheckerMove, 0, true, true, false},
  };
  for (const Case& c : cases) {
    TGame game;
    game.State = c.state;
    game.Turn = c.turn;
    game.WhiteLocal = c.whiteLocal;
    game.BlackLocal = c.blackLocal;
    EXPECT_EQ(IsLocalToAct(game), c.expected) << c.state << " " << c.turn;
  }
}

TEST(StartTextTest, FieldsOfANewGame) {
  TGame game;
  game.Inbox[3] = "old";
  game.Crawford = true;
  game.WhiteScore = 4;
  SetupFromStartText(game, "Ann:Bob:99999:12345:1:1:x:3:3000:77:ann", true);
  EXPECT_EQ(game.WhiteName, "Ann");
  EXPECT_EQ(game.BlackName, "Bob");
  EXPECT_EQ(game.OwnName, "ANN");
  EXPECT_TRUE(game.WhiteLocal);
  EXPECT_FALSE(game.BlackLocal);
  EXPECT_EQ(game.MatchLength, 99999);
  EXPECT_EQ(game.DiceSeed, 12345);
  EXPECT_EQ(game.FirstSide, SideWhite);
  EXPECT_TRUE(game.Unrated);
  EXPECT_EQ(game.Variant, VariantLongGammon);
  EXPECT_TRUE(game.Jacoby);
  EXPECT_TRUE(game.Beaver);
  EXPECT_EQ(game.GameId, 77);
  EXPECT_FALSE(game.Crawford);
  EXPECT_EQ(game.WhiteScore, 0);
  EXPECT_TRUE(game.Inbox[3].empty());
  EXPECT_EQ(game.Board[24], 15);
  EXPECT_EQ(game.Die1, 4);
  EXPECT_EQ(game.Die2, 1);
  EXPECT_EQ(game.Cube, 0);
  EXPECT_TRUE(game.OpeningRoll);
  EXPECT_EQ(game.GameNumber, 1);
  EXPECT_EQ(game.MoveNumber, 1);
}

TEST(StartTextTest, OptionsCodeByMatchLengthAndVariant) {
  struct Case {
    const char* text;
    bool jacoby;
    bool beaver;
    int variant;
  };
  const Case cases[] = {
      {"a:b:7:1:1:0:x:3:0:9:a", false, false, 0},          // both need an unlimited match
      {"a:b:7:1:1:0:x:3:2000:9:a", true, false, 2},        // except Jacoby in HyperGammon
      {"a:b:99999:1:1:0:x:3:0:9:a", true, true, 0},
      {"a:b:9999:1:1:0:x:2:1000:9:a", false, true, 1},
      {"a:b:99999:1:1:0:x:4:0:9:a", false, false, 0},      // 4 div 2 is 2: no beaver
      {"a:b:99999:1:1:0:x:5:0:9:a", true, false, 0},
      {"a:b:99999:1:1:0:x:1003:0:9:a", true, true, 0},     // only the code below 1000 counts
      {"a:b:99999:1:1:0:x:-3:0:9:a", false, false, 0},
  };
  for (const Case& c : cases) {
    TGame game;
    SetupFromStartText(game, c.text, true);
    EXPECT_EQ(game.Jacoby, c.jacoby) << c.text;
    EXPECT_EQ(game.Beaver, c.beaver) << c.text;
    EXPECT_EQ(game.Variant, c.variant) << c.text;
  }
}

TEST(StartTextTest, FirstSideNamesAndLocalPlayers) {
  struct Case {
    const char* text;
    int firstSide;
    const char* white;
    const char* black;
    bool whiteLocal;
    bool blackLocal;
    int gameId;
  };
  const Case cases[] = {
      {"Ann:Bob:5:1:0:0:x:0:0:8:BOB", 1, "Ann", "Bob", false, true, 8},
      {"Ann:Bob:5:1:-1:0:x:0:0:8:ann", -1, "Bob", "Ann", false, true, 8},
      {"Ann:Bob:5:1:-7:0:x:0:0:8:ann", -1, "Bob", "Ann", false, true, 8},
      {"Ann:Bob:5:1:1:0:x:0:0:8:Cid", 1, "Ann", "Bob", false, false, 8},   // an observer
      {"Ann:Bob:5:1:1:0:x:0:0:8:", 1, "Ann", "Bob", true, true, 8},        // one screen
      {"White:black:3:5", 1, "White", "black", true, true, 3},
      {"", 1, "", "", true, true, 0},
      {"A|nn:Bob:5:1:1:0:x:0:0:8:an|n", 1, "Ann", "Bob", true, false, 8},  // no command ends
  };
  for (const Case& c : cases) {
    TGame game;
    SetupFromStartText(game, c.text, true);
    EXPECT_EQ(game.FirstSide, c.firstSide) << c.text;
    EXPECT_EQ(game.WhiteName, c.white) << c.text;
    EXPECT_EQ(game.BlackName, c.black) << c.text;
    EXPECT_EQ(game.WhiteLocal, c.whiteLocal) << c.text;
    EXPECT_EQ(game.BlackLocal, c.blackLocal) << c.text;
    EXPECT_EQ(game.GameId, c.gameId) << c.text;
  }
}

TEST(StartTextTest, ResumedGameKeepsVariantAndOptionsForTheResumeText) {
  TGame game;
  game.Variant = VariantTapa;
  game.Jacoby = true;
  SetupFromStartText(game, "Ann:Bob:5:1:1:1:x:0:3000:8:9:ann", false);
  EXPECT_EQ(game.Variant, VariantTapa);
  EXPECT_TRUE(game.Jacoby);
  EXPECT_EQ(game.GameId, 8);  // one field earlier than in a new game's text
  EXPECT_TRUE(game.Unrated);
  EXPECT_EQ(game.Board[24], 5);
}

TEST(StartTextTest, ShortTextGivesDefaults) {
  for (const char* text : {"", ":", "::::::::::::", "Ann", "a:b:x:y:z"}) {
    TGame game;
    game.MatchLength = 5;
    SetupFromStartText(game, text, true);
    EXPECT_EQ(game.MatchLength, 0) << text;
    EXPECT_EQ(game.DiceSeed, 0) << text;
    EXPECT_EQ(game.FirstSide, SideWhite) << text;
    EXPECT_EQ(game.Variant, VariantBackgammon) << text;
    EXPECT_EQ(CheckersLeft(game.Board, SideWhite), 15) << text;
  }
}

}  // namespace
