// Speed of the brute-force rules: every legality test may scan all enemy pieces, so these
// are the figures that say whether a move, a pointer press or a draw test stays instant.
#include <chess_fen.h>
#include <chess_game.h>
#include <chess_game_end.h>
#include <chess_movegen.h>
#include <chess_rules.h>
#include <random.h>

#include <benchmark/benchmark.h>

namespace {

using namespace chess;

constexpr const char* MiddleGame =
    "r4rk1/1pp1qppp/p1np1n2/2b1p1B1/2B1P1b1/P1NP1N2/1PP1QPPP/R4RK1 w - - 0 10";

// Legal move counts through TryMove from the starting position (20, 400, 8902 sequences).
void BM_LegalMoveCount(benchmark::State& state) {
  const int depth = static_cast<int>(state.range(0));
  SetStartPosition(1);
  std::uint64_t count = 0;
  for (auto _ : state) benchmark::DoNotOptimize(count = Perft(1, depth));
  state.counters["sequences"] = static_cast<double>(count);
}
BENCHMARK(BM_LegalMoveCount)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

// The side to move has a move: the scan stops at the first legal one.
void BM_HasNoLegalMove_MiddleGame(benchmark::State& state) {
  SetPositionFromFen(1, MiddleGame);
  for (auto _ : state) benchmark::DoNotOptimize(HasNoLegalMove(1));
}
BENCHMARK(BM_HasNoLegalMove_MiddleGame)->Unit(benchmark::kMicrosecond);

// The worst case: mate with all pieces on the board, every piece tries all 64 targets.
void BM_HasNoLegalMove_MateFullBoard(benchmark::State& state) {
  SetPositionFromFen(1, "rnb1kbnr/pppp1ppp/8/4p3/6Pq/5P2/PPPPP2P/RNBQKBNR w KQkq - 1 3");
  for (auto _ : state) benchmark::DoNotOptimize(HasNoLegalMove(1));
}
BENCHMARK(BM_HasNoLegalMove_MateFullBoard)->Unit(benchmark::kMicrosecond);

// All legal moves of the middle game listed (what a "show moves" help would need).
void BM_LegalMoves_MiddleGame(benchmark::State& state) {
  SetPositionFromFen(1, MiddleGame);
  for (auto _ : state) benchmark::DoNotOptimize(LegalMoves(1).size());
}
BENCHMARK(BM_LegalMoves_MiddleGame)->Unit(benchmark::kMicrosecond);

// One legality test of a quiet move in the middle game.
void BM_TryMove_TestOnly(benchmark::State& state) {
  SetPositionFromFen(1, MiddleGame);
  for (auto _ : state) benchmark::DoNotOptimize(TryMove(1, 6, 3, 8, 4, true, false));
}
BENCHMARK(BM_TryMove_TestOnly)->Unit(benchmark::kNanosecond);

// Plays a random game of `plies` plies on the slot (the first seed whose game lasts that
// long), keeping every move code.
void PlayLongGame(std::int32_t slot, int plies) {
  for (std::uint32_t seed = 1;; ++seed) {
    plugin::Random random;
    random.Seed(seed);
    SetStartPosition(slot);
    int ply = 0;
    for (; ply < plies; ++ply) {
      const std::vector<LegalMove> moves = LegalMoves(slot);
      if (moves.empty()) break;
      PlayMove(slot, moves[random.Next(static_cast<std::uint32_t>(moves.size()))]);
    }
    if (ply == plies) return;
  }
}

// The draw test after the 500th ply: the whole game is replayed for the repetition count.
// The last irreversible move is made recent, so the 50-move rule does not cut it short.
void BM_CheckDrawRules_Ply500(benchmark::State& state) {
  PlayLongGame(1, 500);
  Game(1).IrreversiblePly = Game(1).PlyCount - 1;
  for (auto _ : state) benchmark::DoNotOptimize(CheckDrawRules(1));
  state.counters["plies"] = Game(1).PlyCount;
}
BENCHMARK(BM_CheckDrawRules_Ply500)->Unit(benchmark::kMillisecond);

}  // namespace
