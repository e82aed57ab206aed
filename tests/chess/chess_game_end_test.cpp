// How games end: mate, stalemate, the draw rules, flag falls and the result texts.
#include "chess_test_support.h"

#include <chess_game_end.h>
#include <chess_movegen.h>

#include <cstdlib>
#include <set>

namespace chess_test {
namespace {

const std::string Half = "\xBD";

class GameEndTest : public ChessTest {
 protected:
  void SetUp() override {
    ChessTest::SetUp();
    SetStartPosition(1);
    G().GameId = 42;
    G().PgnResult = "*";
  }

  // Plays `plies` moves that neither capture, move a pawn nor castle, and never come back to
  // a position (placement and side to move) that stood before: only the 50-move count can
  // end such a stretch.
  void WanderQuietly(int plies) {
    seen_.insert(Key());
    for (int i = 0; i < plies; ++i) {
      bool moved = false;
      for (const LegalMove& move : LegalMoves(1)) {
        const std::int32_t piece = std::abs(G().At(move.from));
        if (G().At(move.to) != 0 || piece == Pawn || (piece == King && std::abs(move.to.file - move.from.file) == 2))
          continue;
        const PositionState before = SavePosition(1);
        PlayMove(1, move);
        if (seen_.insert(Key()).second) {
          moved = true;
          break;
        }
        RestorePosition(1, before);
      }
      ASSERT_TRUE(moved) << "no quiet move left after " << i << " plies";
    }
  }
  std::string Key() {
    std::string key(G().Turn == White ? "w" : "b");
    for (std::int32_t f = 1; f <= 8; ++f)
      for (std::int32_t r = 1; r <= 8; ++r) key += static_cast<char>('a' + G().Board[f][r] + 6);
    return key;
  }
  std::set<std::string> seen_;
};

// ---- Mate and stalemate ----

TEST_F(GameEndTest, FoolsMateEndsTheGameForBlack) {
  plugin::CommandList reply;
  for (const char* move : {"f2f3", "e7e5", "g2g4"}) {
    ASSERT_TRUE(Play(move));
    EXPECT_FALSE(MateTest(1, reply));
  }
  ASSERT_TRUE(Play("d8h4"));
  EXPECT_TRUE(MateTest(1, reply));
  EXPECT_EQ(reply.Text(), "Send:Win:42:0-1|");
  EXPECT_EQ(G().PgnResult, "0-1");
  EXPECT_EQ(G().Winner, Black);
  EXPECT_EQ(G().Turn, 0);
  EXPECT_EQ(view.calls, std::vector<std::string>{"sound 2"});
}

TEST_F(GameEndTest, ACheckOnlySoundsTheCheck) {
  PlayAll("e2e4 f7f6 d1h5");
  plugin::CommandList reply;
  EXPECT_FALSE(MateTest(1, reply));
  EXPECT_TRUE(reply.Empty());
  EXPECT_EQ(G().Turn, Black);
  EXPECT_EQ(view.calls, std::vector<std::string>{"sound 1"});
}

TEST_F(GameEndTest, StalemateIsADrawThatStopsTheGame) {
  Fen("7k/8/5Q2/6K1/8/8/8/8 w - - 0 1");
  G().Winner = White;
  ASSERT_TRUE(Play("f6f7"));
  plugin::CommandList reply;
  EXPECT_TRUE(MateTest(1, reply));
  EXPECT_EQ(reply.Text(), "Send:Win:42:" + Half + "-1|");
  EXPECT_EQ(G().PgnResult, "1/2-1/2");
  EXPECT_EQ(G().Winner, 0);
  EXPECT_EQ(G().Turn, 0);
  EXPECT_TRUE(view.calls.empty());
}

// ---- Repetition ----

TEST_F(GameEndTest, KnightsShuffledOutAndBackTwiceRepeatTheStartThreeTimes) {
  PlayAll("g1f3 g8f6 f3g1 f6g8");
  EXPECT_EQ(CheckDrawRules(1), NoDraw);  // the second time only
  PlayAll("g1f3 g8f6 f3g1");
  EXPECT_EQ(CheckDrawRules(1), NoDraw);
  ASSERT_TRUE(Play("f6g8"));
  plugin::CommandList reply;
  G().Winner = Black;
  EXPECT_EQ(ReportDrawRules(1, reply), DrawRepetition);
  EXPECT_EQ(reply.Text(), "Send:Win:42:" + Half + "-2|");
  EXPECT_EQ(G().Winner, 0);
  EXPECT_EQ(G().Turn, White);  // a rule draw does not stop the game here
  EXPECT_EQ(G().PgnResult, "*");
  EXPECT_EQ(LastMoveText(), "@chess\\N;g8");  // the replay's text of the move just made
}

TEST_F(GameEndTest, APlacementThatRepeatsWithTheOtherSideToMoveDoesNotCount) {
  // The rook's triangle a1-a2-a3-a1 loses a tempo: the placement after 1...a5 comes back
  // with Black to move, then with White to move.
  PlayAll("a2a4 a7a5 a1a2 g8f6 a2a3 f6g8 a3a1");
  EXPECT_EQ(CheckDrawRules(1), NoDraw);
  PlayAll("g8f6 a1a2 f6g8 a2a3 g8f6 a3a1 f6g8");
  EXPECT_EQ(CheckDrawRules(1), NoDraw);
}

TEST_F(GameEndTest, TheRepetitionTestOnTheScratchSlotKeepsItsGame) {
  SetStartPosition(0);
  PlayAll("g1f3 g8f6 f3g1 f6g8 g1f3 g8f6 f3g1 f6g8", 0);
  const TBoard board = Game(0).Board;
  EXPECT_EQ(CheckDrawRules(0), DrawRepetition);
  EXPECT_EQ(Game(0).Board, board);
  EXPECT_EQ(Game(0).PlyCount, 8);
}

// ---- The 50-move rule ----

TEST_F(GameEndTest, TheFiftyMoveDrawComesWithThe99thPlyAfterACapture) {
  PlayAll("e2e4 d7d5 e4d5");
  EXPECT_EQ(G().IrreversiblePly, 2);
  WanderQuietly(98);
  EXPECT_EQ(CheckDrawRules(1), NoDraw);
  WanderQuietly(1);
  EXPECT_EQ(G().PlyCount, 102);
  EXPECT_EQ(CheckDrawRules(1), DrawFiftyMoves);
}

TEST_F(GameEndTest, CastlingRestartsTheFiftyMoveCountLikeACapture) {
  PlayAll("e2e4 e7e5 g1f3 b8c6 f1c4 f8c5 e1g1");
  EXPECT_EQ(G().IrreversiblePly, 6);
  WanderQuietly(98);
  EXPECT_EQ(CheckDrawRules(1), NoDraw);
  WanderQuietly(1);
  EXPECT_EQ(CheckDrawRules(1), DrawFiftyMoves);
}

TEST_F(GameEndTest, AMateThatAlsoReachesThe99thPlySendsBothScores) {
  Fen("k2r4/8/8/8/8/8/5PPP/6K1 b - - 98 60");
  G().GameId = 42;
  ASSERT_TRUE(Play("d8d1"));
  plugin::CommandList reply;
  MateTest(1, reply);
  ReportDrawRules(1, reply);
  EXPECT_EQ(reply.Text(), "Send:Win:42:0-1|Send:Win:42:" + Half + "-3|");
  EXPECT_EQ(G().Winner, 0);
  EXPECT_EQ(G().Turn, 0);
  EXPECT_EQ(G().PgnResult, "0-1");
}

// ---- Material ----

TEST_F(GameEndTest, WhoCanMateWithWhatIsLeft) {
  struct Case {
    const char* material;
    const char* fen;
    bool whiteCannot, blackCannot;
  } cases[] = {
      {"K v K", "8/8/8/4k3/8/8/8/4K3 w - - 0 1", true, true},
      {"KB v K", "8/8/8/4k3/8/8/8/4KB2 w - - 0 1", true, true},
      {"KN v K", "8/8/8/4k3/8/8/8/4KN2 w - - 0 1", true, true},
      {"KNN v K", "8/8/8/4k3/8/8/8/3NKN2 w - - 0 1", true, true},
      {"KNNN v K", "8/8/8/4k3/8/8/8/2NNKN2 w - - 0 1", false, true},
      {"KBB v K, bishops of one colour", "8/8/8/4k3/8/8/8/2B1KB2 w - - 0 1", false, true},
      {"KBN v K", "8/8/8/4k3/8/8/8/3NKB2 w - - 0 1", false, true},
      {"KB v KB", "8/8/8/4kb2/8/8/8/4KB2 w - - 0 1", false, false},
      {"KB v KN", "8/8/8/4kn2/8/8/8/4KB2 w - - 0 1", false, false},
      {"KN v KN", "8/8/8/4kn2/8/8/8/4KN2 w - - 0 1", false, false},
      {"KNN v KP", "8/8/8/4kp2/8/8/8/3NKN2 w - - 0 1", false, false},
      {"KQ v K", "8/8/8/4k3/8/8/8/4KQ2 w - - 0 1", false, true},
      {"KR v K", "8/8/8/4k3/8/8/8/4KR2 w - - 0 1", false, true},
      {"KP v K", "8/8/8/4k3/8/8/4P3/4K3 w - - 0 1", false, true},
  };
  for (const Case& c : cases) {
    Fen(c.fen);
    EXPECT_EQ(CannotMate(1, White), c.whiteCannot) << c.material;
    EXPECT_EQ(CannotMate(1, Black), c.blackCannot) << c.material;
    EXPECT_EQ(CheckDrawRules(1), c.whiteCannot && c.blackCannot ? DrawMaterial : NoDraw) << c.material;
  }
}

TEST_F(GameEndTest, TheCaptureThatLeavesTwoKnightsAgainstABareKingIsADraw) {
  Fen("8/8/8/4k3/8/4p3/8/2N1KN2 w - - 0 40");
  G().GameId = 42;
  EXPECT_EQ(CheckDrawRules(1), NoDraw);
  ASSERT_TRUE(Play("f1e3"));
  plugin::CommandList reply;
  EXPECT_EQ(ReportDrawRules(1, reply), DrawMaterial);
  EXPECT_EQ(reply.Text(), "Send:Win:42:" + Half + "-4|");
}

// ---- Loss on time ----

TEST_F(GameEndTest, AFlagFallAgainstASideThatCannotMateIsADraw) {
  struct Case {
    const char* fen;
    std::int32_t out;
    const char* score;
    const char* pgnResult;
  } cases[] = {
      {"4k3/8/8/8/8/8/8/4KQ2 w - - 0 1", White, "\xBD-4", "1/2-1/2:time forfeit"},
      {"r3k3/8/8/8/8/8/8/4KQ2 w - - 0 1", White, "0-100", "0-1:time forfeit"},
      {"r3k3/8/8/8/8/8/8/4KQ2 b - - 0 1", Black, "100-0", "1-0:time forfeit"},
      {"r3k3/8/8/8/8/8/8/4K3 b - - 0 1", Black, "\xBD-4", "1/2-1/2:time forfeit"},
  };
  for (const Case& c : cases) {
    Fen(c.fen);
    FlagFall result = FlagFallResult(1, c.out);
    EXPECT_EQ(result.score, c.score) << c.fen;
    EXPECT_EQ(result.pgnResult, c.pgnResult) << c.fen;
  }
}

// ---- Result texts ----

TEST_F(GameEndTest, ScoresUseTheSingleByteHalf) {
  EXPECT_EQ(DrawScore(DrawMaterial), std::string("\xBD-4"));
  EXPECT_EQ(DrawScore(DrawMaterial).size(), 3u);
}

TEST_F(GameEndTest, AResultNoticeGivesThePgnResult) {
  struct Case {
    std::string score, pgnResult;
  } cases[] = {
      {"1-0", "1-0"},
      {"0-1", "0-1"},
      {"99-0", "1-0:abandonned"},
      {"0-99", "0-1:abandonned"},
      {"100-0", "1-0:time forfeit"},
      {"0-100", "0-1:time forfeit"},
      {Half + "-0", "1/2-1/2"},
      {Half + "-2", "1/2-1/2"},
      {Half + "-3", "1/2-1/2"},
      {Half + "-4", "1/2-1/2:time forfeit"},
  };
  for (const Case& c : cases) EXPECT_EQ(PgnResultForNotice(c.score), c.pgnResult) << c.score;
}

TEST_F(GameEndTest, TerminationWordsOfTheMatchLogGiveScores) {
  struct Case {
    const char* word;
    std::string score;
  } cases[] = {
      {"BLACK RESIGNS", "99-0"},       {"BLACK LOSES ON TIME", "100-0"}, {"WHITE RESIGNS", "0-99"},
      {"WHITE LOSES ON TIME", "0-100"}, {"MUTUAL", Half + "-0"},         {"STALEMATE", Half + "-1"},
      {"REPETITION", Half + "-2"},     {"50 MOVES", Half + "-3"},        {"30 MOVES", Half + "-3"},
      {"NOT ENOUGH", Half + "-4"},     {"CHECKMATE", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(ScoreForTerminationWord(c.word), c.score) << c.word;
}

}  // namespace
}  // namespace chess_test
