#include "board_fixture.h"

#include <checker_play.h>
#include <move_rules.h>

#include <gtest/gtest.h>

namespace {

using namespace backgammon;
using bgtest::MakeBoard;
using bgtest::PrepareSlot;

constexpr int kSlot = 4;

// Positions where only White's few checkers can move: the rest wait on White's 1-point,
// which cannot bear off while a checker is outside the home board.
BoardArray WithWaiting(std::initializer_list<std::pair<int, int>> points) {
  BoardArray board = MakeBoard(points);
  board[1] += 15 - CheckersLeft(board, SideWhite);
  board[23] -= 15 - CheckersLeft(board, SideBlack);
  return board;
}

TEST(DiceObligationTest, BothDiceMustBePlayed) {
  // 6-1: the checker on 20 moved 6 leaves no 1 (13 and 19 made, and 9 for the other
  // checker), while 10/4 and 4/3 play both dice.
  TGame& game = PrepareSlot(kSlot, WithWaiting({{20, 1}, {10, 1}, {19, -2}, {13, -2}, {9, -2}}),
                            SideWhite, 6, 1);
  const BoardArray before = game.Board;
  EXPECT_TRUE(PlayOneChecker(kSlot, 20).Empty());
  EXPECT_EQ(game.Board, before);
  EXPECT_EQ(game.DiceUsed, 0);
  PlayOneChecker(kSlot, 10);
  EXPECT_EQ(game.Board[4], 1);
  EXPECT_EQ(game.TurnMoves, "6/10-");
  EXPECT_EQ(game.Die1, 1);
  EXPECT_EQ(game.Die2, -6);
}

TEST(DiceObligationTest, LargerDieWhenOnlyOneCanBePlayed) {
  // 6-3 with one checker free: 20/14 and 20/17 are open, 11 is made, so either die alone.
  TGame& game = PrepareSlot(kSlot, WithWaiting({{20, 1}, {11, -2}}), SideWhite, 6, 3);
  PlayOneChecker(kSlot, TargetDie1);  // the player picks the 3
  ASSERT_EQ(game.Die1, 3);
  EXPECT_FALSE(IsCheckerMoveAllowed(game, 20));
  PlayOneChecker(kSlot, 20);
  EXPECT_EQ(game.DiceUsed, 0);
  PlayOneChecker(kSlot, TargetDie2);
  PlayOneChecker(kSlot, 20);
  EXPECT_EQ(game.Board[14], 1);
  EXPECT_EQ(game.State, StateMoveDone);

  // With 14 made as well only the 3 can be played anywhere, and it is.
  TGame& onlyThree = PrepareSlot(kSlot, WithWaiting({{20, 1}, {11, -2}, {14, -2}}), SideWhite, 6, 3);
  EXPECT_FALSE(ArrangeDice(onlyThree));
  EXPECT_EQ(onlyThree.Die1, 3);
  PlayOneChecker(kSlot, 20);
  EXPECT_EQ(onlyThree.Board[17], 1);
  EXPECT_EQ(onlyThree.State, StateMoveDone);
}

TEST(TurnEndTest, WhenTheDiceAreSpentOrNothingMoves) {
  // 5-5 with three moves: 24/19/14/9, and 4 is made.
  TGame& game = PrepareSlot(kSlot, WithWaiting({{24, 1}, {4, -2}}), SideWhite, 5, 5);
  for (int point : {24, 19, 14}) {
    EXPECT_EQ(game.State, StateCheckerMove);
    const plugin::CommandList reply = PlayOneChecker(kSlot, point);
    EXPECT_EQ(reply.Text(), point == 14 ? "" : "RTTI:MainForm:GameB13:Enabled:1|");
  }
  EXPECT_EQ(game.DiceUsed, 3);
  EXPECT_EQ(game.State, StateMoveDone);
  EXPECT_EQ(game.TurnMoves, "5/24-5/19-5/14-");

  // The last checker borne off with the first die ends the turn.
  TGame& last = PrepareSlot(kSlot, MakeBoard({{2, 1}, {20, -15}}), SideWhite, 6, 1);
  PlayOneChecker(kSlot, 2);
  EXPECT_EQ(CheckersLeft(last.Board, SideWhite), 0);
  EXPECT_EQ(last.State, StateMoveDone);
}

TEST(PlayOneCheckerTest, TargetsDiceAndBars) {
  // A click on the dice exchanges them only while both are unplayed and different.
  TGame& game = PrepareSlot(kSlot, WithWaiting({{13, 2}}), SideWhite, 6, 1);
  PlayOneChecker(kSlot, TargetDie2);
  EXPECT_EQ(game.Die1, 1);
  PlayOneChecker(kSlot, 13);
  PlayOneChecker(kSlot, TargetDie1);
  EXPECT_EQ(game.Die1, 6);
  EXPECT_EQ(game.Die2, -1);

  // A checker that fits only the other die moves with it.
  TGame& other = PrepareSlot(kSlot, WithWaiting({{20, 1}, {9, 1}, {3, -2}}), SideWhite, 6, 3);
  PlayOneChecker(kSlot, 9);
  EXPECT_EQ(other.TurnMoves, "3/9-");
  EXPECT_EQ(other.Die1, 6);

  // Either bar area means the mover's own bar; Black's moves are written in its numbering.
  TGame& black = PrepareSlot(kSlot, MakeBoard({{0, -1}, {1, -14}, {6, 15}}), SideBlack, 4, 2);
  PlayOneChecker(kSlot, WhiteBar);
  EXPECT_EQ(black.Board[BlackBar], 0);
  EXPECT_EQ(black.Board[4], -1);
  PlayOneChecker(kSlot, 1);
  EXPECT_EQ(black.TurnMoves, "4/25-2/24-");

  // Nothing else is a target.
  TGame& idle = PrepareSlot(kSlot, WithWaiting({{13, 2}}), SideWhite, 6, 1);
  const BoardArray before = idle.Board;
  for (int target : {TargetNone, 26, 50, 100, 103, TargetCube, -50, 14})
    EXPECT_TRUE(PlayOneChecker(kSlot, target).Empty()) << target;
  EXPECT_EQ(idle.Board, before);
  EXPECT_EQ(idle.Die1, 6);
  EXPECT_TRUE(PlayOneChecker(11, 13).Empty());
}

TEST(PlayOneCheckerTest, TurnCompletesBeforeTheMoveIsShown) {
  bgtest::RecordingView view;
  PrepareSlot(kSlot, WithWaiting({{13, 1}, {8, -1}}), SideWhite, 5, 1);
  PlayOneChecker(kSlot, 13);
  const std::vector<std::string> hit = {
      "dirty 4 13", "paint 4 0",  "slide 4 13>8", "dirty 4 8", "paint 4 0", "slide 4 8>0",
      "dirty 4 0",  "paint 4 0",  "dice 4 1",     "dice 4 2",  "paint 4 0", "sound 0 0"};
  EXPECT_EQ(view.calls, hit);

  view.calls.clear();
  std::size_t shownBeforeCompletion = 99;
  PlayOneChecker(kSlot, 8, [&](std::int32_t slot, plugin::CommandList& reply) {
    EXPECT_EQ(slot, kSlot);
    shownBeforeCompletion = view.calls.size();
    reply.Add("Done");
  });
  EXPECT_EQ(shownBeforeCompletion, 0u);

  // Slot 0 is silent.
  view.calls.clear();
  PrepareSlot(0, WithWaiting({{13, 1}}), SideWhite, 5, 1);
  PlayOneChecker(0, 13);
  EXPECT_EQ(view.calls.back(), "paint 0 0");
}

TEST(UndoTest, BackToTheTurnStart) {
  TGame& game = PrepareSlot(kSlot, WithWaiting({{13, 2}, {11, -2}}), SideWhite, 1, 6);
  const BoardArray start = game.Board;
  PlayOneChecker(kSlot, 13);  // 13/12 with the 1 the player chose
  ASSERT_EQ(game.DiceUsed, 1);
  game.State = StateMoveDone;
  UndoTurn(game);
  EXPECT_EQ(game.Board, start);
  EXPECT_EQ(game.Die1, 6);
  EXPECT_EQ(game.Die2, 1);
  EXPECT_EQ(game.DiceUsed, 0);
  EXPECT_TRUE(game.TurnMoves.empty());
  EXPECT_EQ(game.State, StateCheckerMove);
}

TEST(MakePointTest, BothDiceOntoOnePoint) {
  TGame& game = PrepareSlot(kSlot, WithWaiting({{13, 1}, {11, 1}}), SideWhite, 6, 4);
  const plugin::CommandList reply = MakePoint(kSlot, 7);
  EXPECT_EQ(game.Board[7], 2);
  EXPECT_EQ(game.TurnMoves, "6/13-4/11-");
  EXPECT_EQ(game.State, StateMoveDone);
  EXPECT_EQ(reply.Text(), "RTTI:MainForm:GameB13:Enabled:1|");

  struct Case {
    const char* name;
    int die1, die2, point;
  };
  const Case refused[] = {
      {"a double", 4, 4, 9}, {"a die played", 6, -4, 7}, {"second move illegal", 6, 3, 7},
      {"first move illegal", 2, 4, 7}, {"outside the board", 6, 4, 30}};
  for (const Case& c : refused) {
    TGame& idle = PrepareSlot(kSlot, WithWaiting({{13, 2}, {11, 1}, {4, -2}}), SideWhite, c.die1, c.die2);
    const BoardArray before = idle.Board;
    EXPECT_TRUE(MakePoint(kSlot, c.point).Empty()) << c.name;
    EXPECT_EQ(idle.Board, before) << c.name;
  }
}

TEST(ForcedMovesTest, OnePlayOnlyIsPlayed) {
  struct Case {
    const char* name;
    BoardArray board;
    int die1, die2;
    const char* moves;  // "" when the turn is not forced
  };
  const Case cases[] = {
      {"two orders, one board", WithWaiting({{20, 1}}), 4, 2, "4/20-2/16-"},
      {"only the second die can start", WithWaiting({{20, 1}, {16, -2}}), 4, 2, "2/20-4/18-"},
      {"one die only, one checker", WithWaiting({{20, 1}, {14, -2}, {11, -2}}), 6, 3, "3/20-"},
      {"a double, one checker", WithWaiting({{24, 1}, {4, -2}}), 5, 5, "5/24-5/19-5/14-"},
      {"choices", WithWaiting({{20, 1}, {13, 1}}), 4, 2, ""},
      // 9/3 19/16* and 19/16* 9/3 end alike, but 19/16*/10 ends elsewhere: not forced.
      {"equal plays do not hide a different one",
       MakeBoard({{1, 4}, {2, 4}, {3, 4}, {9, 1}, {19, 2}, {7, -1}, {13, -2}, {16, -1},
                  {17, -1}, {22, -3}, {23, -2}, {24, -5}}),
       6, 3, ""},
  };
  for (const Case& c : cases) {
    TGame& game = PrepareSlot(kSlot, c.board, SideWhite, c.die1, c.die2);
    ArrangeDice(game);  // as after every roll
    Shared().PendingCommands.Clear();
    Shared().PendingCommands.Add("Before");
    PlayForcedMoves(kSlot);
    EXPECT_EQ(game.TurnMoves, c.moves) << c.name;
    EXPECT_EQ(Shared().PendingCommands.Text(),
              std::string(c.moves).empty() ? "Before|" : "Before|RTTI:MainForm:GameB13:Enabled:1|")
        << c.name;

    // The other player's plug-in, holding the game mirrored, agrees.
    TGame& mirrored = PrepareSlot(kSlot + 1, MirrorBoard(c.board), SideBlack, c.die1, c.die2);
    ArrangeDice(mirrored);
    PlayForcedMoves(kSlot + 1);
    EXPECT_EQ(mirrored.TurnMoves, c.moves) << c.name;
  }
}

TEST(ForcedMovesTest, GoesThroughTheGivenClick) {
  ArrangeDice(PrepareSlot(kSlot, WithWaiting({{20, 1}}), SideWhite, 2, 4));
  std::vector<std::int32_t> clicks;
  const plugin::CommandList reply = PlayForcedMoves(kSlot, [&](std::int32_t slot, std::int32_t target) {
    clicks.push_back(target);
    return ClickInCheckerMove(slot, target);
  });
  EXPECT_EQ(clicks, (std::vector<std::int32_t>{20, 16}));
  EXPECT_EQ(GameAt(kSlot)->TurnMoves, "4/20-2/16-");
  EXPECT_EQ(reply.Text(), "RTTI:MainForm:GameB13:Enabled:1|");
  EXPECT_TRUE(PlayForcedMoves(-3).Empty());
}

}  // namespace
