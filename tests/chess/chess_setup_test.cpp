// Setting a slot up from the host's game text, new or resumed, and the status commands.
#include "chess_test_support.h"

#include <chess_setup.h>
#include <clock.h>

#include <limits>

namespace chess_test {
namespace {

const std::string Headers =
    "MoveHeader:0:Move Number::3:20:::1|MoveHeader:1:White:White:10:50:::1|"
    "MoveHeader:2:Black:Black:10:50:::1|MoveHeader:End|";

class SetupTest : public ChessTest {
 protected:
  void SetUp() override {
    ChessTest::SetUp();
    platform::UseVirtualClock(true, 5000);
  }
  void TearDown() override {
    platform::UseVirtualClock(false);
    ChessTest::TearDown();
  }
  std::string SetUpSlot(std::string_view gameText, std::string_view history = "", std::int32_t slot = 1) {
    plugin::CommandList reply;
    SetUpGame(slot, gameText, history, reply);
    return reply.Text();
  }
};

TEST_F(SetupTest, TheOfflineTestGameLetsOneUserPlayBothSides) {
  EXPECT_EQ(SetUpSlot("White:black:3:5"),
            "SetTimer:1:180000|SetTimer:2:180000|Display:Your turn|Turn:on|TimerON:0|" + Headers +
                "RTTI:MainForm:GameB3:Enabled:1|RTTI:MainForm:GameB6:Enabled:1|");
  EXPECT_TRUE(G().WhiteLocal && G().BlackLocal);
  EXPECT_EQ(G().Increment, 5000);
  EXPECT_EQ(G().BaseMinutes, 3);
  EXPECT_EQ(G().TurnStart, 0u);
  EXPECT_FALSE(G().Flipped);
  EXPECT_EQ(view.calls, (std::vector<std::string>{"forget drag", "orient 1", "repaint 1"}));
}

TEST_F(SetupTest, ANewGameReadsPlayersTimeNumberAndLocalUser) {
  struct Case {
    const char* text;
    std::int32_t clock, increment, gameId;
    bool whiteLocal, blackLocal, unrated;
    const char* status;
  } cases[] = {
      {"Alice:Bob:5:3:-:0:77:alice", 300000, 3000, 77, true, false, false,
       "Display:Your turn|Turn:on|"},
      {"Alice:Bob:5:3:-:1:77:bob", 300000, 3000, 77, false, true, true,
       "Display:White's turn|Turn:off|"},
      {"Alice:Bob:0:30:-:0:78:BOB", 30000, 30000, 78, false, true, false,
       "Display:White's turn|Turn:off|"},
      {"Alice:Bob:5:3:-:0:79:carol", 300000, 3000, 79, false, false, false,
       "Display:White's turn|Turn:off|"},
  };
  for (const Case& c : cases) {
    TGame& game = G();
    const std::string reply = SetUpSlot(c.text);
    EXPECT_EQ(game.WhiteName, "Alice");
    EXPECT_EQ(game.BlackName, "Bob");
    EXPECT_EQ(game.WhiteClock, c.clock) << c.text;
    EXPECT_EQ(game.BlackClock, c.clock) << c.text;
    EXPECT_EQ(game.Increment, c.increment) << c.text;
    EXPECT_EQ(game.GameId, c.gameId) << c.text;
    EXPECT_EQ(game.WhiteLocal, c.whiteLocal) << c.text;
    EXPECT_EQ(game.BlackLocal, c.blackLocal) << c.text;
    EXPECT_EQ(game.Unrated, c.unrated) << c.text;
    EXPECT_EQ(game.Flipped, c.blackLocal && !c.whiteLocal) << c.text;
    const std::string buttons = c.whiteLocal || c.blackLocal ? "1" : "0";
    EXPECT_EQ(reply, "SetTimer:1:" + std::to_string(c.clock) + "|SetTimer:2:" + std::to_string(c.clock) + "|" +
                         c.status + "TimerON:0|" + Headers + "RTTI:MainForm:GameB3:Enabled:" + buttons +
                         "|RTTI:MainForm:GameB6:Enabled:" + buttons + "|")
        << c.text;
  }
}

TEST_F(SetupTest, ANewGameStartsFromTheInitialPositionWhateverWasThere) {
  SetUpSlot("White:black:3:5");
  G().Board[5][4] = Queen;
  G().PgnMoves = "1. e4 ";
  G().PgnResult = "1-0";
  G().PromotionPending = G().ConfirmPending = true;
  G().PromotionPiece = Rook;
  G().Winner = Black;
  StoreMoveCode(G(), 1, "E2E4");
  SetUpSlot("White:black:3:5");
  SetStartPosition(0);
  EXPECT_EQ(G().Board, Game(0).Board);
  EXPECT_EQ(G().Turn, White);
  EXPECT_EQ(G().PgnMoves, "");
  EXPECT_EQ(G().PgnResult, "*");
  EXPECT_FALSE(G().PromotionPending || G().ConfirmPending);
  EXPECT_EQ(G().PromotionPiece, 0);
  EXPECT_EQ(G().Winner, Black);  // kept: it only feeds the end-of-game status
  EXPECT_EQ(StoredMoveCode(G(), 1), "");
}

TEST_F(SetupTest, AResumedGameReplaysItsHistoryAndRunsTheClockAtOnce) {
  const std::string reply = SetUpSlot("Alice:Bob:170000:160000:3:0:5:99:x:alice", "E2E4E7E5");
  EXPECT_EQ(reply, "SetTimer:1:170000|SetTimer:2:160000|Display:Your turn|TimerON:1|Turn:on|" + Headers +
                       "RTTI:MainForm:GameB3:Enabled:1|RTTI:MainForm:GameB6:Enabled:1|"
                       "StartHistory|NewHistory:1:e4|AddHistory:e5|EndHistory|");
  EXPECT_EQ(G().WhiteClock, 170000);
  EXPECT_EQ(G().BlackClock, 160000);
  EXPECT_EQ(G().Increment, 3000);
  EXPECT_EQ(G().BaseMinutes, 5);
  EXPECT_EQ(G().GameId, 99);
  EXPECT_EQ(G().PlyCount, 2);
  EXPECT_EQ(G().TurnStart, 5000u);
  EXPECT_EQ(G().PgnMoves, "1. e4 e5 ");
}

TEST_F(SetupTest, TheScratchSlotIsSetUpWithoutStatusOrOrientation) {
  EXPECT_EQ(SetUpSlot("White:black:3:5", "", 0),
            "TimerON:0|" + Headers + "RTTI:MainForm:GameB3:Enabled:1|RTTI:MainForm:GameB6:Enabled:1|");
  EXPECT_EQ(view.calls, (std::vector<std::string>{"forget drag", "repaint 0"}));
}

TEST_F(SetupTest, HostNumbersTooLargeForTheClockStopAtItsLimit) {
  SetUpSlot("A:B:99999999:99999999:-:0:1:a");
  EXPECT_EQ(G().WhiteClock, std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(G().Increment, std::numeric_limits<std::int32_t>::max());
  SetUpSlot("A:B:0:-99999999:-:0:1:a");
  EXPECT_EQ(G().WhiteClock, std::numeric_limits<std::int32_t>::min());
}

TEST_F(SetupTest, AnyGameTextIsReadSafely) {
  for (std::string_view text : {"", ":", ":::::::::::", "White", "a:b", "\xFF\x00\x01:\xBD"}) {
    SetUpSlot(text);
    SetUpSlot(text, "E2E4");
    EXPECT_EQ(G().Turn, Black) << text;
  }
}

// ---- Status ----

TEST_F(SetupTest, StatusTellsWhoseTurnItIsAndHowTheGameEnded) {
  struct Case {
    std::int32_t turn;
    bool whiteLocal, blackLocal;
    std::uint32_t turnStart;
    std::int32_t whiteClock, blackClock, winner;
    const char* expected;
  } cases[] = {
      {White, true, false, 0, 1000, 2000, 0, "Display:Your turn|Turn:on|"},
      {White, false, true, 7, 1000, 2000, 0, "Display:White's turn|TimerON:1|Turn:off|"},
      {Black, false, true, 7, 1000, 2000, 0, "Display:Your turn|TimerON:2|Turn:on|"},
      {Black, true, false, 0, 1000, 2000, 0, "Display:Black's turn|Turn:off|"},
      {0, true, false, 0, 0, 2000, 1, "Display:White loses on time|Turn:off|TimerON:0|"},
      {0, true, false, 0, 1000, -5, 1, "Display:Black loses on time|Turn:off|TimerON:0|"},
      {0, true, false, 0, 1000, 2000, 1, "Display:White wins|Turn:off|TimerON:0|"},
      {0, true, false, 0, 1000, 2000, -1, "Display:Black wins|Turn:off|TimerON:0|"},
      {0, true, false, 0, 1000, 2000, 0, "Display:Draw|Turn:off|TimerON:0|"},
  };
  for (const Case& c : cases) {
    TGame& game = G();
    game.Turn = c.turn;
    game.WhiteLocal = c.whiteLocal;
    game.BlackLocal = c.blackLocal;
    game.TurnStart = c.turnStart;
    game.WhiteClock = c.whiteClock;
    game.BlackClock = c.blackClock;
    game.Winner = c.winner;
    plugin::CommandList without, with;
    StatusCommands(1, false, without);
    StatusCommands(1, true, with);
    EXPECT_EQ(without.Text(), c.expected);
    EXPECT_EQ(with.Text(), "SetTimer:1:" + std::to_string(c.whiteClock) + "|SetTimer:2:" +
                               std::to_string(c.blackClock) + "|" + c.expected);
  }
}

}  // namespace
}  // namespace chess_test
