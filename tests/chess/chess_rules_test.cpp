// The move rules: legality, the texts performed moves leave, and move codes.
#include "chess_test_support.h"

#include <chess_movegen.h>

namespace chess_test {
namespace {

class RulesTest : public ChessTest {
 protected:
  void SetUp() override {
    ChessTest::SetUp();
    SetStartPosition(1);
  }
};

// ---- The starting position ----

TEST_F(RulesTest, TheStartingPositionHasTwentyLegalMovesAndNoneForAnEmptySquareOrOffTheBoard) {
  EXPECT_EQ(LegalMoves(1).size(), 20u);
  EXPECT_FALSE(HasNoLegalMove(1));
  EXPECT_FALSE(SideInCheck(1));
  EXPECT_FALSE(Legal("e3e4"));                                   // nothing there
  EXPECT_FALSE(TryMove(1, 5, 2, 5, 2, true, false));             // from equals to
  EXPECT_FALSE(TryMove(1, 5, 2, 5, 9, true, false));             // off the board
  EXPECT_FALSE(TryMove(1, 0, 2, 5, 4, true, false));
  EXPECT_FALSE(TryMove(11, 5, 2, 5, 4, false, false));           // no such record
}

TEST_F(RulesTest, LegalMoveCountsThroughTryMoveFromTheStart) {
  EXPECT_EQ(Perft(1, 1), 20u);
  EXPECT_EQ(Perft(1, 2), 400u);
  EXPECT_EQ(Perft(1, 3), 8902u);
}

// Positions chosen because they are full of castling, en passant, promotion and pins; the
// counts are the published ones.
TEST_F(RulesTest, LegalMoveCountsOfTrickyPositions) {
  struct Case {
    const char* fen;
    std::uint64_t depth1, depth2;
  } cases[] = {
      {"r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1", 48, 2039},
      {"8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1", 14, 191},
      {"r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1", 6, 264},
      {"rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ - 1 8", 44, 1486},
  };
  for (const Case& c : cases) {
    Fen(c.fen);
    EXPECT_EQ(Perft(1, 1), c.depth1) << c.fen;
    EXPECT_EQ(Perft(1, 2), c.depth2) << c.fen;
  }
}

// ---- Pawns ----

TEST_F(RulesTest, ADoubleStepLeavesItsTextAndTheSkippedSquare) {
  ASSERT_TRUE(Play("e2e4"));
  EXPECT_EQ(LastMoveText(), "e4");
  EXPECT_EQ(G().EnPassantSquare, (Square{5, 3}));
  EXPECT_EQ(G().IrreversiblePly, 0);
  ASSERT_TRUE(Play("g8f6"));
  EXPECT_EQ(G().EnPassantSquare, (Square{}));  // gone with the next move
}

TEST_F(RulesTest, EnPassantIsLegalOnlyOnTheVeryNextMove) {
  PlayAll("e2e4 d7d5 e4e5 f7f5");
  EXPECT_TRUE(Legal("e5f6"));
  EXPECT_FALSE(Legal("e5d6"));  // d5 stepped one square at a time, long ago
  ASSERT_TRUE(Play("e5f6"));
  EXPECT_EQ(LastMoveText(), "exf6e.p");
  EXPECT_EQ(G().At(At("f5")), 0);
  EXPECT_EQ(G().At(At("f6")), Pawn);

  SetStartPosition(1);
  PlayAll("e2e4 d7d5 e4e5 f7f5 a2a3 a7a6");
  EXPECT_FALSE(Legal("e5f6"));
}

TEST_F(RulesTest, EnPassantThatWouldExposeTheKingAlongTheRankIsIllegal) {
  Fen("8/8/8/K2pP2r/8/8/8/7k w - d6 0 2");
  EXPECT_FALSE(Legal("e5d6"));
  EXPECT_TRUE(Legal("e5e6"));
  Fen("8/8/8/K2pP3/8/8/8/7k w - d6 0 2");  // no rook: the same capture is fine
  EXPECT_TRUE(Legal("e5d6"));
}

TEST_F(RulesTest, PromotionBecomesTheChosenPieceAndNamesIt) {
  struct Case {
    const char* fen;
    const char* move;
    std::int32_t piece;
    const char* text;
  } cases[] = {
      {"3r1k2/4P3/8/8/8/8/8/4K3 w - - 0 1", "e7e8r", Rook, "e8=;@chess\\R;"},
      {"3r1k2/4P3/8/8/8/8/8/4K3 w - - 0 1", "e7d8q", Queen, "exd8=;@chess\\Q;"},
      {"4k3/8/8/8/8/8/4p3/K7 b - - 0 1", "e2e1n", -Knight, "e1=;@chess\\N;"},
  };
  for (const Case& c : cases) {
    Fen(c.fen);
    ASSERT_TRUE(Play(c.move)) << c.move;
    Square to = At(std::string_view(c.move).substr(2, 2));
    EXPECT_EQ(G().At(to), c.piece) << c.move;
    EXPECT_EQ(LastMoveText(), c.text);
  }
}

TEST_F(RulesTest, APawnReachingTheLastRankWithoutAChosenPieceIsRefused) {
  Fen("4k3/1P6/8/8/8/8/8/4K3 w - - 0 1");
  EXPECT_TRUE(Legal("b7b8"));  // legal as such: the chooser is shown for it
  for (std::int32_t piece : std::initializer_list<std::int32_t>{0, King, Pawn, 7, -2}) {
    G().PromotionPiece = piece;
    EXPECT_FALSE(TryMove(1, 2, 7, 2, 8, false, false)) << piece;
    EXPECT_EQ(G().At(At("b7")), Pawn);
    EXPECT_EQ(G().At(At("b8")), 0);
  }
}

// ---- Castling ----

TEST_F(RulesTest, CastlingMovesKingAndRookAndNamesTheSide) {
  Fen("r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1");
  G().PlyCount = 7;
  ASSERT_TRUE(Play("e1g1"));
  EXPECT_EQ(LastMoveText(), "0-0");
  EXPECT_EQ(G().At(At("g1")), King);
  EXPECT_EQ(G().At(At("f1")), Rook);
  EXPECT_EQ(G().At(At("h1")), 0);
  EXPECT_EQ(G().IrreversiblePly, 7);
  ASSERT_TRUE(Play("e8c8"));
  EXPECT_EQ(LastMoveText(), "0-0-0");
  EXPECT_EQ(G().At(At("d8")), -Rook);
  EXPECT_EQ(G().At(At("a8")), 0);
  EXPECT_FALSE(G().CastleRight(White, QueenSide));
  EXPECT_FALSE(G().CastleRight(Black, KingSide));
}

TEST_F(RulesTest, CastlingIsRefusedInEachCaseTheRulesForbid) {
  struct Case {
    const char* why;
    const char* fen;
    const char* history;  // moves played first
    const char* move;
    bool legal;
  } cases[] = {
      {"both sides free", "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", "", "e1g1", true},
      {"queen side free", "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", "", "e1c1", true},
      {"f1 occupied", "4k3/8/8/8/8/8/8/R3KB1R w KQ - 0 1", "", "e1g1", false},
      {"g1 occupied", "4k3/8/8/8/8/8/8/R3K1NR w KQ - 0 1", "", "e1g1", false},
      {"king in check", "4r1k1/8/8/8/8/8/8/R3K2R w KQ - 0 1", "", "e1g1", false},
      {"king in check, queen side", "4r1k1/8/8/8/8/8/8/R3K2R w KQ - 0 1", "", "e1c1", false},
      {"f1 attacked", "5rk1/8/8/8/8/8/8/R3K2R w KQ - 0 1", "", "e1g1", false},
      {"g1 attacked", "6rk/8/8/8/8/8/8/R3K2R w KQ - 0 1", "", "e1g1", false},
      {"h1 attacked only", "k6r/8/8/8/8/8/8/4K2R w K - 0 1", "", "e1g1", true},
      {"king has moved", "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", "e1f1 e8d8 f1e1 d8e8", "e1g1", false},
      {"h1 rook has moved", "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", "h1h2 e8d8 h2h1 d8e8", "e1g1", false},
      {"a1 rook moved, king side kept", "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", "a1a2 e8d8 a2a1 d8e8", "e1g1", true},
      {"a piece arrived on h1", "4k3/8/8/8/7R/8/6b1/4K2R b K - 0 1", "g2h1 h4h1 e8d8", "e1g1", false},
      {"b1 occupied", "4k3/8/8/8/8/8/8/RN2K3 w Q - 0 1", "", "e1c1", false},
      {"c1 occupied", "4k3/8/8/8/8/8/8/R1B1K3 w Q - 0 1", "", "e1c1", false},
      {"d1 occupied", "4k3/8/8/8/8/8/8/R2QK3 w Q - 0 1", "", "e1c1", false},
      {"b1 attacked only", "1r2k3/8/8/8/8/8/8/R3K3 w Q - 0 1", "", "e1c1", true},
      {"c1 attacked", "2r1k3/8/8/8/8/8/8/R3K3 w Q - 0 1", "", "e1c1", false},
      {"d1 attacked", "3rk3/8/8/8/8/8/8/R3K3 w Q - 0 1", "", "e1c1", false},
      {"black, g8 attacked", "r3k2r/8/8/8/8/8/8/R3K1R1 b kq - 0 1", "", "e8g8", false},
      {"black, queen side free", "r3k2r/8/8/8/8/8/8/R3K1R1 b kq - 0 1", "", "e8c8", true},
  };
  for (const Case& c : cases) {
    Fen(c.fen);
    PlayAll(c.history);
    EXPECT_EQ(Legal(c.move), c.legal) << c.why;
  }
}

// ---- Texts of piece moves ----

TEST_F(RulesTest, PieceMoveTextsNameTheTwinThatCouldAlsoGoThere) {
  struct Case {
    const char* why;
    const char* fen;
    const char* move;
    const char* text;
  } cases[] = {
      {"knights on b1 and f1", "4k3/8/8/8/8/8/8/1N2KN2 w - - 0 1", "b1d2", "@chess\\N;bd2"},
      {"rooks on a1 and a5", "4k3/8/8/R7/8/8/8/R3K3 w - - 0 1", "a1a3", "@chess\\R;1a3"},
      {"pinned twin", "4k3/8/8/7b/8/5N2/4K3/1N6 w - - 0 1", "b1d2", "@chess\\N;d2"},
      {"the twin unpinned", "4k3/8/8/8/8/5N2/4K3/1N6 w - - 0 1", "b1d2", "@chess\\N;bd2"},
      {"capture", "4k3/8/8/4p3/8/5N2/8/4K3 w - - 0 1", "f3e5", "@chess\\N;xe5"},
      {"the last twin in scan order decides", "4k3/8/8/Q7/8/7Q/8/Q3K3 w - - 0 1", "a1a3", "@chess\\Q;aa3"},
      {"a king has no twin", "4k3/8/8/8/8/8/8/4K3 w - - 0 1", "e1e2", "@chess\\K;e2"},
      {"pawn capture", "4k3/8/8/3p4/4P3/8/8/4K3 w - - 0 1", "e4d5", "exd5"},
  };
  for (const Case& c : cases) {
    Fen(c.fen);
    ASSERT_TRUE(Play(c.move)) << c.why;
    EXPECT_EQ(LastMoveText(), c.text) << c.why;
  }
}

// ---- Safety of the own king ----

TEST_F(RulesTest, AMoveThatLeavesTheOwnKingAttackedIsIllegalEvenWhenItGivesCheck) {
  Fen("1k2r3/8/8/8/8/8/4R3/4K3 w - - 0 1");
  EXPECT_FALSE(Legal("e2b2"));  // would check the black king, but opens the e-file
  EXPECT_TRUE(Legal("e2e5"));   // along the pin
}

TEST_F(RulesTest, TestingAMoveChangesNothing) {
  const char* fens[] = {
      "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1",
      "rnbqkbnr/ppp1p1pp/8/3pPp2/8/8/PPPP1PPP/RNBQKBNR w KQkq f6 0 3",
  };
  for (const char* fen : fens) {
    Fen(fen);
    LastMoveText() = "before";
    const PositionState before = SavePosition(1);
    for (std::int32_t f = 1; f <= 8; ++f)
      for (std::int32_t r = 1; r <= 8; ++r)
        for (std::int32_t tf = 1; tf <= 8; ++tf)
          for (std::int32_t tr = 1; tr <= 8; ++tr)
            for (bool skip : {false, true}) TryMove(1, f, r, tf, tr, true, skip);
    const PositionState after = SavePosition(1);
    EXPECT_EQ(after.board, before.board) << fen;
    EXPECT_EQ(after.enPassant, before.enPassant) << fen;
    EXPECT_EQ(after.castleRights, before.castleRights) << fen;
    EXPECT_EQ(after.irreversiblePly, before.irreversiblePly) << fen;
    EXPECT_EQ(LastMoveText(), "before") << fen;
  }
}

TEST_F(RulesTest, ARefusedMoveStillEndsTheEnPassantChance) {
  PlayAll("e2e4 a7a6 e4e5 d7d5");
  EXPECT_FALSE(TryMove(1, 5, 5, 5, 7, false, false));  // a refused move, really performed
  EXPECT_EQ(G().EnPassantSquare, (Square{}));
}

// ---- Move codes ----

TEST_F(RulesTest, MoveCodesAreDecodedWithTheirPromotionPieces) {
  struct Case {
    std::string_view code;
    std::int32_t side;
    DecodedMove expected;
  } cases[] = {
      {"E2E4", White, {{5, 2}, {5, 4}, 0, true}},
      {"A7A<", White, {{1, 7}, {1, 8}, Queen, true}},
      {"B7A=", White, {{2, 7}, {1, 8}, Rook, true}},
      {"H2H>", Black, {{8, 2}, {8, 1}, Bishop, true}},
      {"H2G?", Black, {{8, 2}, {7, 1}, Knight, true}},
      {"E7E;", White, {{5, 7}, {5, 8}, King, false}},
      {"E7E:", White, {{5, 7}, {5, 8}, 0, false}},
      {"E7E@", White, {{5, 7}, {5, 8}, Pawn, false}},
      {"E7E9", White, {{5, 7}, {5, 8}, -1, false}},
      {"E7E\xFF", White, {{5, 7}, {5, 8}, 255 - 58, false}},
      {"E2", White, {{5, 2}, {' ' - 64, ' ' - 48}, 0, true}},
  };
  for (const Case& c : cases) {
    DecodedMove got = DecodeMoveCode(c.code, c.side);
    EXPECT_EQ(got.from, c.expected.from) << c.code;
    EXPECT_EQ(got.to, c.expected.to) << c.code;
    EXPECT_EQ(got.promotion, c.expected.promotion) << c.code;
    EXPECT_EQ(got.wellFormed, c.expected.wellFormed) << c.code;
  }
  EXPECT_EQ(EncodeMoveCode({5, 2}, {5, 4}), "E2E4");
  EXPECT_EQ(EncodeMoveCode({1, 7}, {1, 8}, Queen), "A7A<");
  EXPECT_EQ(EncodeMoveCode({8, 2}, {7, 1}, Knight), "H2G?");
}

TEST_F(RulesTest, AMoveCodeThatNamesNoPieceForAPromotionIsRefused) {
  for (std::string_view code : {"B7B8", "B7B;", "B7B:", "B7B@", "B7B9", "B7BA", "B7B\x80"}) {
    Fen("4k3/1P6/8/8/8/8/8/4K3 w - - 0 1");
    EXPECT_FALSE(PerformMoveCode(1, code)) << code;
    EXPECT_EQ(G().At(At("b7")), Pawn) << code;
    EXPECT_EQ(G().At(At("b8")), 0) << code;
    EXPECT_EQ(G().PromotionPiece, 0);
  }
  Fen("4k3/1P6/8/8/8/8/8/4K3 w - - 0 1");
  EXPECT_TRUE(PerformMoveCode(1, "B7B>"));
  EXPECT_EQ(G().At(At("b8")), Bishop);
  EXPECT_EQ(G().PromotionPiece, 0);
}

TEST_F(RulesTest, MoveCodesOfAnyLengthAndAnyBytesAreReadSafely) {
  EXPECT_FALSE(PerformMoveCode(1, ""));
  EXPECT_FALSE(PerformMoveCode(1, "E"));
  EXPECT_FALSE(PerformMoveCode(1, "E2E"));
  EXPECT_FALSE(PerformMoveCode(1, std::string_view("E2\0E4", 5)));
  EXPECT_TRUE(PerformMoveCode(1, "E2E4 and more"));  // only four characters count
  EXPECT_EQ(G().At(At("e4")), Pawn);
  for (int b = 0; b < 256; ++b) {
    std::string code = "G1F" + std::string(1, static_cast<char>(b));
    PerformMoveCode(1, code);
    code = std::string(1, static_cast<char>(b)) + "1F3";
    PerformMoveCode(1, code);
  }
}

TEST_F(RulesTest, TheMoveListKeepsFiveHundredTwelvePliesAndNothingBeyond) {
  G().Winner = 7;
  G().PgnMoves = "kept";
  const char* shuffle[] = {"G1F3", "G8F6", "F3G1", "F6G8"};
  for (int ply = 1; ply <= 600; ++ply) EXPECT_TRUE(ReplayMoveCode(1, shuffle[(ply - 1) % 4]));
  EXPECT_EQ(G().PlyCount, 600);
  EXPECT_EQ(StoredMoveCode(G(), 512), "F6G8");
  EXPECT_EQ(StoredMoveCode(G(), 513), "");
  EXPECT_EQ(G().Winner, 7);
  EXPECT_EQ(G().PgnMoves, "kept");
  EXPECT_EQ(G().Turn, White);
}

}  // namespace
}  // namespace chess_test
