#include "board_fixture.h"

#include <cube_rules.h>

#include <gtest/gtest.h>

#include <climits>

namespace {

using namespace backgammon;
using bgtest::MakeBoard;

TEST(CanDoubleTest, CubeOwnerLevelScoreAndCrawford) {
  struct Case {
    const char* name;
    int turn, cube, whiteScore, blackScore, matchLength;
    bool opening, crawford;
    bool canDouble, opponentCanDouble;
  };
  const Case cases[] = {
      {"centred cube at 3-0 of 5", 1, 0, 3, 0, 5, false, false, true, true},
      {"own cube at 2, 3-0 of 5", 1, 1, 3, 0, 5, false, false, false, true},
      {"the leader's opponent", -1, -1, 3, 0, 5, false, false, true, false},
      {"cube owned by the other side", 1, -1, 0, 0, 5, false, false, false, false},
      {"level 5 may still go to 64", 1, 5, 0, 0, 99999, false, false, true, true},
      {"level 6 is the last", 1, 6, 0, 0, 99999, false, false, false, false},
      {"opening roll", 1, 0, 0, 0, 5, true, false, false, false},
      {"Crawford game", -1, 0, 4, 0, 5, false, true, false, false},
      {"unlimited match whatever the score", 1, 0, 2000000000, 0, 99999, false, false, true, true},
      {"scores from a malformed text", 1, 0, INT_MAX, INT_MAX, 7, false, false, false, false},
  };
  for (const Case& c : cases) {
    TGame game;
    game.Turn = c.turn;
    game.Cube = c.cube;
    game.WhiteScore = c.whiteScore;
    game.BlackScore = c.blackScore;
    game.MatchLength = c.matchLength;
    game.OpeningRoll = c.opening;
    game.Crawford = c.crawford;
    EXPECT_EQ(CanDouble(game), c.canDouble) << c.name;
    EXPECT_EQ(OpponentCanDouble(game), c.opponentCanDouble) << c.name;
  }
}

TEST(WinKindTest, SingleGammonBackgammon) {
  struct Case {
    const char* name;
    BoardArray board;  // White has just borne off its last checker
    int variant;
    bool jacoby;
    int cube;
    int kind;
  };
  const Case cases[] = {
      {"loser bore off one", MakeBoard({{20, -14}}), VariantBackgammon, false, 0, 1},
      {"gammon", MakeBoard({{20, -15}}), VariantBackgammon, false, 0, 2},
      {"backgammon: in the winner's home", MakeBoard({{20, -14}, {3, -1}}), VariantBackgammon, false, 0, 3},
      {"backgammon: on the bar", MakeBoard({{20, -14}, {0, -1}}), VariantBackgammon, false, 0, 3},
      {"HyperGammon gammon with three checkers", MakeBoard({{20, -3}}), VariantHyperGammon, false, 0, 2},
      {"HyperGammon, one borne off", MakeBoard({{20, -2}}), VariantHyperGammon, false, 0, 1},
      {"Jacoby with a centred cube", MakeBoard({{20, -14}, {3, -1}}), VariantBackgammon, true, 0, 1},
      {"Jacoby with the cube turned", MakeBoard({{20, -15}}), VariantBackgammon, true, -1, 2},
  };
  for (const Case& c : cases) {
    TGame game;
    game.Board = c.board;
    game.Turn = SideWhite;
    game.Variant = c.variant;
    game.Jacoby = c.jacoby;
    game.Cube = c.cube;
    EXPECT_EQ(WinKind(game), c.kind) << c.name;

    TGame black = game;  // the same win by Black
    black.Board = MirrorBoard(c.board);
    black.Turn = SideBlack;
    EXPECT_EQ(WinKind(black), c.kind) << c.name << " (Black)";
  }
}

TEST(CrawfordTest, OneGameAfterReachingMatchPointOnly) {
  // Each step: the scores after a game and its result points; Crawford afterwards.
  struct Step {
    int whiteScore, blackScore, resultPoints;
    bool crawford;
  };
  const Step fivePointMatch[] = {
      {2, 1, 2, false},
      {4, 1, 2, true},    // White reaches 4 of 5: the next game is the Crawford game
      {4, 3, -2, false},  // the Crawford game is over, whoever won it
      {4, 4, -1, false},  // Black reaches 4 as well: no Crawford game at 4-4
  };
  TGame game;
  game.MatchLength = 5;
  for (const Step& step : fivePointMatch) {
    game.WhiteScore = step.whiteScore;
    game.BlackScore = step.blackScore;
    ApplyCrawfordRule(game, step.resultPoints);
    EXPECT_EQ(game.Crawford, step.crawford) << step.whiteScore << "-" << step.blackScore;
  }

  TGame black;
  black.MatchLength = 7;
  black.BlackScore = 6;
  ApplyCrawfordRule(black, -4);
  EXPECT_TRUE(black.Crawford);
  TGame loserAtMatchPoint;
  loserAtMatchPoint.MatchLength = 7;
  loserAtMatchPoint.WhiteScore = 6;
  ApplyCrawfordRule(loserAtMatchPoint, -1);
  EXPECT_FALSE(loserAtMatchPoint.Crawford);
}

}  // namespace
