// Forced-move search and the both-dice test on crowded positions: what every turn's start
// and every click cost.

#include <backgammon_game.h>
#include <checker_play.h>
#include <move_rules.h>
#include <random_player.h>

#include <benchmark/benchmark.h>

#include <utility>
#include <vector>

namespace {

using namespace backgammon;

// Mid-game with both sides spread over many points, contact everywhere.
BoardArray Crowded() {
  BoardArray board{};
  for (auto [point, count] : {std::pair{24, 2}, {13, 3}, {11, 2}, {9, 2}, {8, 2}, {6, 2}, {5, 2}})
    board[point] += count;
  for (auto [point, count] : {std::pair{1, 2}, {12, 3}, {14, 2}, {16, 2}, {17, 2}, {19, 2}, {20, 1}, {10, 1}})
    board[point] -= count;
  return board;
}

// The 15 non-double rolls, larger die first.
std::vector<std::pair<int, int>> Rolls() {
  std::vector<std::pair<int, int>> rolls;
  for (int a = 2; a <= 6; ++a)
    for (int b = 1; b < a; ++b) rolls.emplace_back(a, b);
  return rolls;
}

// A crowded position (at least 7 points held by each side) whose non-double roll can be
// played in one way only, found by a fixed random search: the search then runs in full.
std::pair<BoardArray, std::pair<int, int>> CrowdedForced() {
  RandomPlayer random(99);
  for (;;) {
    BoardArray board{};
    for (int side : {SideWhite, SideBlack})
      for (int placed = 0; placed < 15;) {
        const int own = 1 + static_cast<int>(random.Next(24));
        const int index = side == SideWhite ? own : 25 - own;
        if (board[index] * side < 0) continue;
        board[index] += side;
        ++placed;
      }
    int whitePoints = 0, blackPoints = 0;
    for (int v : board) {
      whitePoints += v > 0;
      blackPoints += v < 0;
    }
    if (whitePoints < 7 || blackPoints < 7) continue;
    for (auto roll : Rolls()) {
      TGame game;
      game.Board = board;
      game.Turn = SideWhite;
      game.Die1 = roll.first;
      game.Die2 = roll.second;
      if (!CanPlayDie(board, SideWhite, roll.second)) continue;
      const auto play = FindForcedPlay(game);
      if (play && play->Second != NoPoint) return {board, roll};
    }
  }
}

void BM_CanUseBothDice_CrowdedAllRolls(benchmark::State& state) {
  const BoardArray board = Crowded();
  const auto rolls = Rolls();
  for (auto _ : state)
    for (auto [a, b] : rolls) benchmark::DoNotOptimize(CanUseBothDice(board, SideBlack, b, a));
  state.SetItemsProcessed(state.iterations() * static_cast<long>(rolls.size()));
}
BENCHMARK(BM_CanUseBothDice_CrowdedAllRolls);

void BM_CanUseBothDice_ClosedBoard(benchmark::State& state) {
  BoardArray board = Crowded();
  board[25] = 1;
  board[24] = 1;
  for (int point = 19; point <= 24; ++point) board[point] = -2;
  for (auto _ : state) benchmark::DoNotOptimize(CanUseBothDice(board, SideWhite, 6, 5));
}
BENCHMARK(BM_CanUseBothDice_ClosedBoard);

void PlayForced(benchmark::State& state, const BoardArray& board, int side,
                const std::vector<std::pair<int, int>>& rolls) {
  constexpr std::int32_t slot = 1;
  TGame& game = *GameAt(slot);
  game = TGame{};
  game.WhiteLocal = game.BlackLocal = true;
  long forced = 0;
  for (auto _ : state)
    for (auto [a, b] : rolls) {
      game.Board = game.TurnStartBoard = board;
      game.Turn = side;
      game.Die1 = a;
      game.Die2 = b;
      game.DiceUsed = 0;
      game.TurnMoves.clear();
      game.State = StateCheckerMove;
      Shared().PendingCommands.Clear();  // as every caller of the flow does
      benchmark::DoNotOptimize(PlayForcedMoves(slot));
      forced += game.DiceUsed > 0;
    }
  state.SetItemsProcessed(state.iterations() * static_cast<long>(rolls.size()));
  state.counters["forced"] = static_cast<double>(forced) / static_cast<double>(state.iterations());
}

void BM_PlayForcedMoves_CrowdedAllRolls(benchmark::State& state) {
  PlayForced(state, Crowded(), SideBlack, Rolls());
}
BENCHMARK(BM_PlayForcedMoves_CrowdedAllRolls);

void BM_PlayForcedMoves_CrowdedForced(benchmark::State& state) {
  const auto [board, roll] = CrowdedForced();
  PlayForced(state, board, SideWhite, {roll});
}
BENCHMARK(BM_PlayForcedMoves_CrowdedForced);

void BM_FindForcedPlay_CrowdedForced(benchmark::State& state) {
  const auto [board, roll] = CrowdedForced();
  TGame game;
  game.Board = board;
  game.Turn = SideWhite;
  game.Die1 = roll.first;
  game.Die2 = roll.second;
  for (auto _ : state) benchmark::DoNotOptimize(FindForcedPlay(game));
}
BENCHMARK(BM_FindForcedPlay_CrowdedForced);

}  // namespace
