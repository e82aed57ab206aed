#include "board_fixture.h"

#include <move_rules.h>

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

using namespace backgammon;
using bgtest::MakeBoard;

constexpr const char* kOnBar = "You still have checker on the bar";
constexpr const char* kOccupied = "The arrival point is occupied";
constexpr const char* kNotFarthest = "You can bear off only the most farther checker";
constexpr const char* kNotHome =
    "You can't bear off until you move all your chcker in your inner board";

struct CheckCase {
  const char* name;
  BoardArray board;
  int side;
  int point;
  int die;
  const char* refusal;  // "" when legal
};

TEST(CheckMoveTest, RefusalsInOrder) {
  // White on its bar; Black holds White's entry point for a 6 (19) with two checkers.
  const BoardArray whiteOnBar = MakeBoard({{25, 1}, {13, 2}, {19, -2}, {1, -13}});
  // Black on its bar; White holds Black's entry point for a 6 (real 6).
  const BoardArray blackOnBar = MakeBoard({{0, -1}, {6, 2}, {12, -14}, {24, 13}});
  // White bearing off: farthest checker on 4.
  const BoardArray whiteHome = MakeBoard({{4, 1}, {3, 2}, {1, 12}, {20, -15}});
  // Black bearing off: its farthest checker on real 20 (own 5).
  const BoardArray blackHome = MakeBoard({{20, -1}, {22, -14}, {2, 15}});
  const BoardArray whiteOutside = MakeBoard({{7, 1}, {3, 14}, {20, -15}});
  const BoardArray open = MakeBoard({{13, 2}, {8, -1}, {5, -2}, {24, 13}, {12, -12}});

  const CheckCase cases[] = {
      {"bar first", whiteOnBar, 1, 13, 6, kOnBar},
      {"bar area of the other side", whiteOnBar, 1, 0, 5, kOnBar},
      {"entry blocked", whiteOnBar, 1, 25, 6, kOccupied},
      {"entry open", whiteOnBar, 1, 25, 5, ""},
      {"black bar first", blackOnBar, -1, 12, 3, kOnBar},
      {"black entry blocked", blackOnBar, -1, 0, 6, kOccupied},
      {"black entry open", blackOnBar, -1, 0, 5, ""},
      {"larger die, farthest checker", whiteHome, 1, 4, 6, ""},
      {"larger die, not the farthest", whiteHome, 1, 3, 6, kNotFarthest},
      {"exact bear-off", whiteHome, 1, 4, 4, ""},
      {"exact bear-off inside", whiteHome, 1, 3, 3, ""},
      {"black larger die, farthest", blackHome, -1, 20, 6, ""},
      {"black larger die, not farthest", blackHome, -1, 22, 6, kNotFarthest},
      {"black exact", blackHome, -1, 22, 3, ""},
      {"not all home", whiteOutside, 1, 3, 3, kNotHome},
      {"not all home, larger die", whiteOutside, 1, 3, 5, kNotFarthest},
      {"hit a blot", open, 1, 13, 5, ""},
      {"point made", open, 1, 13, 8, kOccupied},
      {"empty point", open, 1, 14, 1, "There is no checker on this point"},
      {"other colour", open, 1, 8, 1, "You have the other color"},
      {"outside the board", open, 1, 26, 1, "coord"},
      {"below the board", open, 1, -1, 1, "coord"},
      {"played die before anything", open, 1, 99, -3, "Played"},
  };
  for (const CheckCase& c : cases)
    EXPECT_EQ(CheckMove(c.board, c.side, c.point, c.die), c.refusal) << c.name;
}

TEST(ApplyMoveTest, MovesHitsAndBearsOff) {
  struct Case {
    const char* name;
    BoardArray before;
    int side;
    int point;
    int die;
    MoveResult result;
    BoardArray after;
  };
  const Case cases[] = {
      {"white hits a black blot", MakeBoard({{13, 2}, {8, -1}}), 1, 13, 5, {8, 0},
       MakeBoard({{13, 1}, {8, 1}, {0, -1}})},
      {"black hits a white blot", MakeBoard({{1, -2}, {6, 1}}), -1, 1, 5, {6, 25},
       MakeBoard({{1, -1}, {6, -1}, {25, 1}})},
      {"white enters from its bar", MakeBoard({{25, 1}}), 1, 25, 6, {19, NoHit},
       MakeBoard({{19, 1}})},
      {"white bears off", MakeBoard({{3, 2}}), 1, 3, 6, {BorneOff, NoHit}, MakeBoard({{3, 1}})},
      {"black bears off past 24", MakeBoard({{22, -1}}), -1, 22, 3, {BorneOff, NoHit},
       MakeBoard({})},
      {"point outside the board", MakeBoard({{3, 2}}), 1, 26, 1, {NoPoint, NoHit},
       MakeBoard({{3, 2}})},
      {"absurd die", MakeBoard({{3, -2}}), -1, 3, INT_MIN, {BorneOff, NoHit},
       MakeBoard({{3, -1}})},
  };
  for (const Case& c : cases) {
    BoardArray board = c.before;
    const MoveResult result = ApplyMove(board, c.side, c.point, c.die);
    EXPECT_EQ(result.Target, c.result.Target) << c.name;
    EXPECT_EQ(result.HitBar, c.result.HitBar) << c.name;
    EXPECT_EQ(board, c.after) << c.name;
  }
}

TEST(RollRulesTest, DanceAndBothDice) {
  // White on the bar against a closed board.
  const BoardArray closed = MakeBoard({{25, 1}, {19, -2}, {20, -2}, {21, -2}, {22, -2},
                                       {23, -2}, {24, -2}, {1, 14}, {10, -3}});
  EXPECT_TRUE(IsDance(closed, SideWhite, 6, 1));
  EXPECT_FALSE(CanPlayDie(closed, SideWhite, 3));
  EXPECT_FALSE(CanUseBothDice(closed, SideWhite, 6, 1));
  EXPECT_FALSE(IsDance(closed, SideBlack, 6, 1));

  // Bearing off the last checker with the first die never counts as using both dice.
  const BoardArray lastChecker = MakeBoard({{2, 1}, {20, -15}});
  EXPECT_FALSE(CanUseBothDice(lastChecker, SideWhite, 6, 1));
  EXPECT_TRUE(CanUseBothDice(lastChecker, SideWhite, 1, 6));
  EXPECT_FALSE(CanUseBothDice(MirrorBoard(lastChecker), SideBlack, 6, 1));

  EXPECT_FALSE(CanPlayDie(lastChecker, SideWhite, -2));
  EXPECT_EQ(FarthestChecker(MakeBoard({{25, 1}, {3, 1}})), 25);
  EXPECT_EQ(FarthestChecker(MakeBoard({{0, 3}})), 0);
  EXPECT_TRUE(SameBoard(lastChecker, MakeBoard({{20, -15}, {2, 1}})));
  EXPECT_FALSE(SameBoard(lastChecker, closed));
}

TEST(ArrangeDiceTest, LargerFirstUnlessOnlyTheSmallerPlays) {
  struct Case {
    const char* name;
    BoardArray board;
    int die1, die2;
    int arranged1, arranged2;
    bool dance;
  };
  const BoardArray start = MakeBoard({{24, 2}, {13, 5}, {8, 3}, {6, 5},
                                      {1, -2}, {12, -5}, {17, -3}, {19, -5}});
  const BoardArray sixBlocked = MakeBoard({{25, 1}, {19, -2}, {1, 14}, {10, -13}});
  const BoardArray closed = MakeBoard({{25, 1}, {19, -2}, {20, -2}, {21, -2}, {22, -2},
                                       {23, -2}, {24, -2}, {1, 14}, {10, -3}});
  const Case cases[] = {
      {"larger first", start, 3, 5, 5, 3, false},
      {"already in order", start, 6, 1, 6, 1, false},
      {"larger cannot be played", sixBlocked, 6, 5, 5, 6, false},
      {"larger cannot be played, given second", sixBlocked, 5, 6, 5, 6, false},
      {"dance", closed, 2, 4, 2, 4, true},
  };
  for (const Case& c : cases) {
    TGame game;
    game.Board = c.board;
    game.Turn = SideWhite;
    game.Die1 = c.die1;
    game.Die2 = c.die2;
    game.DiceUsed = 3;
    EXPECT_EQ(ArrangeDice(game), c.dance) << c.name;
    EXPECT_EQ(game.Die1, c.arranged1) << c.name;
    EXPECT_EQ(game.Die2, c.arranged2) << c.name;
    EXPECT_EQ(game.DiceUsed, 0) << c.name;
  }
}

TEST(AutoBearOffTest, OutOfContactAndHome) {
  struct Case {
    const char* name;
    BoardArray board;
    bool selfPlay;
    bool allowed;
  };
  const Case cases[] = {
      {"both home", MakeBoard({{1, 10}, {6, 5}, {19, -10}, {24, -5}}), false, true},
      {"still in contact", MakeBoard({{1, 10}, {6, 5}, {3, -1}, {24, -14}}), false, false},
      {"white outside its home", MakeBoard({{8, 1}, {6, 14}, {19, -15}}), false, false},
      {"white on its bar", MakeBoard({{25, 1}, {6, 14}}), false, false},
      {"black not home, white only", MakeBoard({{6, 15}, {10, -15}}), false, true},
      {"black not home, self-play", MakeBoard({{6, 15}, {10, -15}}), true, false},
      {"black home, self-play", MakeBoard({{6, 15}, {19, -15}}), true, true},
  };
  for (const Case& c : cases) {
    TGame game;
    game.Board = c.board;
    game.WhiteLocal = true;
    game.BlackLocal = c.selfPlay;
    EXPECT_EQ(CanAutoBearOff(game), c.allowed) << c.name;
  }
}

}  // namespace
