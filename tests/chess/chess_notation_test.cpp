// Move texts in PGN form, the move list commands and the replay of a resumed game.
#include "chess_test_support.h"

#include <chess_notation.h>

namespace chess_test {
namespace {

class NotationTest : public ChessTest {
 protected:
  void SetUp() override {
    ChessTest::SetUp();
    SetStartPosition(1);
  }
  // Plays and records each move as the flow does: the "+" of a check, then RecordMove.
  std::string PlayAndRecord(std::string_view moves) {
    plugin::CommandList reply;
    while (!moves.empty()) {
      std::size_t space = moves.find(' ');
      std::string_view move = moves.substr(0, space);
      EXPECT_TRUE(Play(move)) << move;
      if (SideInCheck(1)) LastMoveText() += "+";
      RecordMove(1, reply);
      moves = space == std::string_view::npos ? std::string_view() : moves.substr(space + 1);
    }
    return reply.Text();
  }
};

TEST_F(NotationTest, MoveTextsBecomePgnNotation) {
  struct Case {
    const char* text;
    const char* pgn;
  } cases[] = {
      {"@chess\\N;gxf3+", "Ngxf3+"}, {"@chess\\K;e2", "Ke2"},       {"@chess\\R;1a3", "R1a3"},
      {"exd6e.p+", "exd6+"},         {"exd6e.p", "exd6"},           {"e8=;@chess\\Q;+", "e8=Q+"},
      {"dxe8=;@chess\\N;", "dxe8=N"}, {"e4", "e4"},                 {"exd5", "exd5"},
      {"0-0", "0-0"},                {"0-0-0+", "0-0-0+"},          {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(PgnMoveText(c.text), c.pgn) << c.text;
}

TEST_F(NotationTest, EachMoveGoesToTheMoveListAndToThePgnText) {
  EXPECT_EQ(PlayAndRecord("e2e4 e7e5 g1f3 b8c6 f1b5 a7a6"),
            "NewHistory:1:e4|AddHistory:e5|NewHistory:2:@chess\\N;f3|AddHistory:@chess\\N;c6|"
            "NewHistory:3:@chess\\B;b5|AddHistory:a6|");
  EXPECT_EQ(G().PgnMoves, "1. e4 e5 2. Nf3 Nc6 3. Bb5 a6 ");
}

TEST_F(NotationTest, ChecksCastlingPromotionAndEnPassantInPgnText) {
  PlayAndRecord("f2f3 e7e5 g2g4 d8h4");
  EXPECT_EQ(G().PgnMoves, "1. f3 e5 2. g4 Qh4+ ");

  Fen("r3k3/6P1/8/3pP3/8/8/8/4K2R w Kq d6 0 20");
  G().PgnMoves.clear();
  PlayAndRecord("e5d6 e8c8 e1g1 c8d7 g7g8n");
  EXPECT_EQ(G().PgnMoves, "20. exd6 0-0-0 21. 0-0 Kd7 22. g8=N ");
}

TEST_F(NotationTest, AResumedHistoryIsReplayedIntoTheMoveList) {
  plugin::CommandList reply;
  ReplayHistory(1, "E2E4F7F6D1H5", reply);
  EXPECT_EQ(reply.Text(), "StartHistory|NewHistory:1:e4|AddHistory:f6|NewHistory:2:@chess\\Q;h5+|EndHistory|");
  EXPECT_EQ(G().PlyCount, 3);
  EXPECT_EQ(G().Turn, Black);
  EXPECT_EQ(StoredMoveCode(G(), 3), "D1H5");
  EXPECT_EQ(G().PgnMoves, "1. e4 f6 2. Qh5+ ");
  EXPECT_TRUE(view.calls.empty());  // no sound during a replay
}

TEST_F(NotationTest, AReplayedPromotionCodeNamesThePiece) {
  Fen("4k3/P7/8/8/8/8/8/4K3 w - - 0 1");
  plugin::CommandList reply;
  ReplayHistory(1, "A7A=", reply);
  EXPECT_EQ(reply.Text(), "StartHistory|NewHistory:1:a8=;@chess\\R;+|EndHistory|");
  EXPECT_EQ(G().At(At("a8")), Rook);
}

TEST_F(NotationTest, ARefusedCodeInAHistoryStillCountsAsAPly) {
  plugin::CommandList reply;
  ReplayHistory(1, "E2E5E7E5", reply);
  EXPECT_EQ(G().PlyCount, 2);
  EXPECT_EQ(G().At(At("e2")), Pawn);   // refused
  EXPECT_EQ(G().At(At("e5")), -Pawn);  // Black's reply played all the same
  EXPECT_EQ(G().Turn, White);
}

TEST_F(NotationTest, RefusedCodesAfterACheckDoNotPileUpCheckSigns) {
  std::string history = "E2E4F7F6D1H5";
  for (int i = 0; i < 20000; ++i) history += "ZZZZ";
  plugin::CommandList reply;
  ReplayHistory(1, history, reply);
  EXPECT_EQ(LastMoveText(), "@chess\\Q;h5+");
  EXPECT_EQ(G().PlyCount, 20003);
  EXPECT_LT(G().PgnMoves.size(), 20003u * 12);  // every record as long as the check's
}

TEST_F(NotationTest, HistoriesOfAnyBytesAndLengthsAreReplayedSafely) {
  std::uint32_t state = 12345;
  for (std::size_t length : {1u, 2u, 3u, 5u, 7u, 64u, 2047u, 2600u}) {
    std::string history;
    for (std::size_t i = 0; i < length; ++i) {
      state = state * 1103515245u + 12345u;
      history += static_cast<char>(state >> 24);
    }
    SetStartPosition(1);
    G().PgnMoves.clear();
    plugin::CommandList reply;
    ReplayHistory(1, history, reply);
    EXPECT_EQ(G().PlyCount, static_cast<std::int32_t>((length + 3) / 4)) << length;
  }
  // A long real game, beyond what the move list keeps.
  SetStartPosition(1);
  std::string shuffle;
  for (int i = 0; i < 150; ++i) shuffle += "G1F3G8F6F3G1F6G8";
  plugin::CommandList reply;
  ReplayHistory(1, shuffle, reply);
  EXPECT_EQ(G().PlyCount, 600);
  EXPECT_EQ(StoredMoveCode(G(), 513), "");
  EXPECT_TRUE(reply.Text().ends_with("NewHistory:300:@chess\\N;g1|AddHistory:@chess\\N;g8|EndHistory|"));
}

}  // namespace
}  // namespace chess_test
