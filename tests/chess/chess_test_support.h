// What the chess tests share: a clean set of game records, a board view that records what
// the logic asked of it, and moves written as players write them ("e2e4", "e7e8q").
#pragma once

#include <chess_fen.h>
#include <chess_game.h>
#include <chess_rules.h>
#include <chess_view.h>

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace chess_test {

using namespace chess;

// RecordingView notes every request of the logic, in order, as short words.
class RecordingView : public BoardView {
 public:
  void RepaintBoard(std::int32_t slot) override { calls.push_back("repaint " + std::to_string(slot)); }
  void OrientBoard(std::int32_t slot) override { calls.push_back("orient " + std::to_string(slot)); }
  void ForgetDragPicture() override { calls.push_back("forget drag"); }
  void PlaySound(ChessSound sound) override { calls.push_back("sound " + std::to_string(sound)); }
  std::vector<std::string> calls;
};

// Every test starts with empty records and the recording view wired.
class ChessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (TGame& game : Games()) game = TGame{};
    LastMoveText().clear();
    SetView(&view);
  }
  void TearDown() override { SetView(nullptr); }

  TGame& G(std::int32_t slot = 1) { return Game(slot); }
  void Fen(std::string_view fen, std::int32_t slot = 1) { ASSERT_TRUE(SetPositionFromFen(slot, fen)) << fen; }
  RecordingView view;
};

inline Square At(std::string_view square) { return {square[0] - 'a' + 1, square[1] - '0'}; }

inline std::int32_t PromotionOf(std::string_view move) {
  if (move.size() < 5) return 0;
  switch (move[4]) {
    case 'q': return Queen;
    case 'r': return Rook;
    case 'b': return Bishop;
    case 'n': return Knight;
    default: return 0;
  }
}

// TryMove for "e2e4", without performing.
inline bool Legal(std::string_view move, std::int32_t slot = 1) {
  Square from = At(move.substr(0, 2));
  Square to = At(move.substr(2, 2));
  return TryMove(slot, from.file, from.rank, to.file, to.rank, true, false);
}

// Performs "e2e4" (or "e7e8q") as a player's move: TryMove, then the turn passes, the ply is
// counted and its move code kept. False when TryMove refused it (nothing else changes then).
inline bool Play(std::string_view move, std::int32_t slot = 1) {
  Square from = At(move.substr(0, 2));
  Square to = At(move.substr(2, 2));
  TGame& game = Game(slot);
  game.PromotionPiece = PromotionOf(move);
  bool legal = TryMove(slot, from.file, from.rank, to.file, to.rank, false, false);
  game.PromotionPiece = 0;
  if (!legal) return false;
  game.Turn = -game.Turn;
  game.PlyCount += 1;
  StoreMoveCode(game, game.PlyCount, EncodeMoveCode(from, to, PromotionOf(move)));
  return true;
}

// Plays moves separated by spaces; stops the test at the first refused one.
inline void PlayAll(std::string_view moves, std::int32_t slot = 1) {
  while (!moves.empty()) {
    std::size_t space = moves.find(' ');
    std::string_view move = moves.substr(0, space);
    ASSERT_TRUE(Play(move, slot)) << "refused: " << move;
    moves = space == std::string_view::npos ? std::string_view() : moves.substr(space + 1);
  }
}

}  // namespace chess_test
