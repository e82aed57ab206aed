// Small builders for backgammon tests: boards from a few points, and a slot ready for a
// checker move.
#pragma once

#include <backgammon_game.h>
#include <board_view.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace bgtest {

using backgammon::BoardArray;
using backgammon::TGame;

// A board from (real index, count) pairs: positive counts White, negative Black.
inline BoardArray MakeBoard(std::initializer_list<std::pair<int, int>> points) {
  BoardArray board{};
  for (auto [index, count] : points) board[index] += count;
  return board;
}

// Slot `slot` holding `board`, with `turn` to move the dice in StateCheckerMove, both
// sides local, as at the start of a turn.
inline TGame& PrepareSlot(int slot, const BoardArray& board, int turn, int die1, int die2) {
  TGame& game = *backgammon::GameAt(slot);
  game = TGame{};
  game.Board = board;
  game.TurnStartBoard = board;
  game.Turn = turn;
  game.Die1 = die1;
  game.Die2 = die2;
  game.State = backgammon::StateCheckerMove;
  game.WhiteLocal = game.BlackLocal = true;
  game.MatchLength = 99999;
  return game;
}

// Records every call to the board view as a short text, and installs itself while alive.
class RecordingView : public backgammon::BoardView {
 public:
  RecordingView() { backgammon::SetBoardView(this); }
  ~RecordingView() override { backgammon::SetBoardView(nullptr); }

  void PaintBoard(std::int32_t slot, std::int32_t full) override {
    Log("paint", slot, full);
  }
  void MarkDirty(std::int32_t slot, std::int32_t point) override { Log("dirty", slot, point); }
  void MarkDiceDirty(std::int32_t slot, std::int32_t die) override { Log("dice", slot, die); }
  void AnimateChecker(std::int32_t slot, std::int32_t from, std::int32_t to) override {
    calls.push_back("slide " + std::to_string(slot) + " " + std::to_string(from) + ">" +
                    std::to_string(to));
  }
  void PlaySound(std::int32_t index, bool wait) override { Log("sound", index, wait); }

  std::vector<std::string> calls;

 private:
  void Log(const char* what, int a, int b) {
    calls.push_back(std::string(what) + " " + std::to_string(a) + " " + std::to_string(b));
  }
};

}  // namespace bgtest
