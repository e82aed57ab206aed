#include "board_fixture.h"

#include <backgammon_game.h>
#include <backgammon_setup.h>
#include <position_text.h>

#include <parse.h>

#include <gtest/gtest.h>

namespace {

using namespace backgammon;
using bgtest::MakeBoard;

TGame StartingGame(int firstSide) {
  TGame game;
  game.FirstSide = firstSide;
  SetupPosition(game);
  game.Turn = firstSide;  // the first-named player, White or Black, to move
  game.State = StateRollOrDouble;
  game.OpeningRoll = true;
  return game;
}

TEST(PositionTextTest, StartingPositionExample) {
  const char* expected = "-b----E-C---eE---c-e----B-/1/8/0/0/0/1/0/0/0";
  EXPECT_EQ(PositionText(StartingGame(SideWhite), false), expected);
  // The same game held by the other player: Board mirrored (the starting position is its
  // own mirror), Turn -1.
  EXPECT_EQ(PositionText(StartingGame(SideBlack), false), expected);
}

TEST(PositionTextTest, MirroredRecordsWriteOneText) {
  TGame first;
  first.FirstSide = SideWhite;
  first.Board = MakeBoard({{25, 1}, {3, 2}, {0, -2}, {20, -1}, {7, -3}});
  first.Turn = SideBlack;
  first.Cube = 2;
  first.State = StateDoubleOffered;
  first.DiceSeed = -123456;
  first.Crawford = true;
  first.Variant = VariantTapa;

  TGame second = first;
  second.FirstSide = SideBlack;
  second.Board = MirrorBoard(first.Board);
  second.Turn = -first.Turn;
  second.Cube = -first.Cube;

  EXPECT_EQ(PositionText(first, false), "b--B---c------------a----A/-1/2/-123456/2/1/0/0/0/4");
  EXPECT_EQ(PositionText(second, false), PositionText(first, false));
  EXPECT_EQ(PositionText(first, true), "b--B---c------------a----A/1/2/-123456/2/1/0/0/0/4");
  EXPECT_EQ(PositionText(second, true), PositionText(first, true));
}

TEST(PositionTextTest, StateCodeMakesThePositionResumable) {
  const std::pair<int, const char*> cases[] = {
      {StateRollOrDouble, "8"}, {StateGameOver, "4"}, {StateRoll, "4"}, {StateCheckerMove, "4"},
      {StateDoubleReceived, "3"}, {StateMoveDone, "5"}, {StateRaccoon, "11"}, {StateNone, "0"}};
  for (auto [state, code] : cases) {
    TGame game;
    game.State = state;
    EXPECT_EQ(channel::GetField(PositionText(game, false), 3, '/'), code) << state;
  }
}

TEST(PositionTextTest, CountsWithoutALetterAreLeftOut) {
  TGame game;
  game.Board = MakeBoard({{1, 26}, {2, -26}, {3, 27}, {4, -28}, {5, 200}});
  const std::string board = BoardText(game);
  EXPECT_EQ(board, "-Zz--------------------");
  EXPECT_EQ(board.find('|'), std::string::npos);
}

TEST(ResumeTextTest, RestoresScoresBoardAndState) {
  TGame game;
  game.FirstSide = SideWhite;
  const int state = ReadResumeText(game, "3/1/-b----E-C---eE---c-e----B-/-1/9/77/-2/1/0/1/1/3");
  EXPECT_EQ(state, StateRoll);
  EXPECT_EQ(game.State, StateRoll);
  EXPECT_EQ(game.WhiteScore, 3);
  EXPECT_EQ(game.BlackScore, 1);
  TGame start;
  SetupPosition(start);
  EXPECT_EQ(game.Board, start.Board);
  EXPECT_EQ(game.Turn, SideBlack);
  EXPECT_EQ(game.DiceSeed, 77);
  EXPECT_EQ(game.Cube, -2);
  EXPECT_TRUE(game.Crawford);
  EXPECT_FALSE(game.OpeningRoll);
  EXPECT_TRUE(game.Jacoby);
  EXPECT_TRUE(game.Beaver);
  EXPECT_EQ(game.Variant, VariantLongGammon);
}

TEST(ResumeTextTest, SecondPlayerReadsItMirrored) {
  TGame game;
  game.FirstSide = SideBlack;
  // Upper case is the first-named player, here Black: one checker on its bar (seen index
  // 25); two White checkers on White's bar (seen index 0).
  ReadResumeText(game, "3/1/b" + std::string(24, '-') + "A/1/2/0/1/0/0/0/0/0");
  EXPECT_EQ(game.WhiteScore, 1);
  EXPECT_EQ(game.BlackScore, 3);
  EXPECT_EQ(game.Board, MakeBoard({{WhiteBar, 2}, {BlackBar, -1}}));
  EXPECT_EQ(game.Turn, SideBlack);
  EXPECT_EQ(game.Cube, -1);
  // An offered double seen from the side that must answer it.
  EXPECT_EQ(game.State, StateDoubleReceived);
}

TEST(ResumeTextTest, MalformedTextsReadAsDefaults) {
  struct Case {
    const char* text;
    int turn;
    int state;
    int cube;
    int board1;
  };
  const Case cases[] = {
      {"", 0, 0, 0, 0},
      {"garbage", 0, 0, 0, 0},
      {"1/2/-Z", 0, 0, 0, 26},                       // short board: the rest stays empty
      {"1/2/-a?9 .z", 0, 0, 0, -1},                  // anything but letters is empty
      {"0/0/-/5/42/0/99", 1, 0, MaxCubeLevel, 0},    // turn read as its sign, unknown state 0
      {"0/0/-/-2147483648/-1/0/-2147483648", -1, 0, -MaxCubeLevel, 0},
      {"0/0/--------------------------------------/1/4", 1, 4, 0, 0},  // long board cut
  };
  for (const Case& c : cases) {
    TGame game;
    game.Board.fill(5);
    ReadResumeText(game, c.text);
    EXPECT_EQ(game.Turn, c.turn) << c.text;
    EXPECT_EQ(game.State, c.state) << c.text;
    EXPECT_EQ(game.Cube, c.cube) << c.text;
    EXPECT_EQ(game.Board[1], c.board1) << c.text;
    EXPECT_EQ(game.Board[25], 0) << c.text;
  }
}

}  // namespace
