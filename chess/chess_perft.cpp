// chess-selftest: checks the move rules from the outside, as a person would at the command
// line.
//
//   chess-selftest                  known move counts of six positions, then 200 random games
//   chess-selftest perft DEPTH [FEN]  the move count of one position, depth by depth
//   chess-selftest random GAMES [SEED]  random games with their consistency checks
//
// The move counts are the standard published figures: every legal move is found by trying
// all 64 targets of every piece with TryMove, and performed with TryMove, so a wrong rule
// shows as a wrong count. The random games play until mate, stalemate or 600 plies and
// check at every ply what a game relies on: testing leaves the record untouched, no move
// leaves the mover's king attacked, the no-move test agrees with the move list, a move code
// replays to the same position, and the repetition and 50-move counts agree with counts
// kept here by other means.
#include "chess_fen.h"
#include "chess_game.h"
#include "chess_game_end.h"
#include "chess_movegen.h"
#include "chess_rules.h"

#include <random.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace chess;

constexpr std::int32_t Slot = 1;
constexpr std::int32_t ReplaySlot = 2;

struct KnownCounts {
  const char* name;
  const char* fen;
  std::vector<std::uint64_t> counts;  // depth 1, 2, ...
};

const std::vector<KnownCounts>& Positions() {
  static const std::vector<KnownCounts> positions = {
      {"initial", "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1", {20, 400, 8902, 197281}},
      {"kiwipete", "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1",
       {48, 2039, 97862}},
      {"endgame", "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1", {14, 191, 2812, 43238}},
      {"promotions", "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1",
       {6, 264, 9467}},
      {"checks", "rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ - 1 8", {44, 1486, 62379}},
      {"middle game", "r4rk1/1pp1qppp/p1np1n2/2b1p1B1/2B1P1b1/P1NP1N2/1PP1QPPP/R4RK1 w - - 0 10",
       {46, 2079, 89890}},
  };
  return positions;
}

bool CheckKnownCounts() {
  bool ok = true;
  for (const KnownCounts& position : Positions()) {
    SetPositionFromFen(Slot, position.fen);
    for (std::size_t d = 0; d < position.counts.size(); ++d) {
      const std::uint64_t got = Perft(Slot, static_cast<int>(d + 1));
      const bool match = got == position.counts[d];
      ok = ok && match;
      std::printf("%-12s depth %zu: %10llu %s\n", position.name, d + 1,
                  static_cast<unsigned long long>(got), match ? "ok" : "WRONG");
    }
  }
  return ok;
}

int RunPerft(int depth, const std::string& fen) {
  if (!SetPositionFromFen(Slot, fen)) {
    std::fprintf(stderr, "not a FEN position: %s\n", fen.c_str());
    return 2;
  }
  for (int d = 1; d <= depth; ++d) {
    const auto start = std::chrono::steady_clock::now();
    const std::uint64_t count = Perft(Slot, d);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("depth %d: %llu (%.3f s)\n", d, static_cast<unsigned long long>(count), seconds);
  }
  return 0;
}

// The placement and side to move, as a key for counting repetitions independently.
std::string PositionKey(const TGame& game) {
  std::string key;
  for (std::int32_t f = 1; f <= 8; ++f)
    for (std::int32_t r = 1; r <= 8; ++r) key += static_cast<char>('0' + game.Board[f][r] + 6);
  key += game.Turn == White ? 'w' : 'b';
  return key;
}

struct Failure {
  int game;
  int ply;
  std::string what;
};

// One random game; returns how it ended ("mate", "stalemate", ...) or adds a failure.
std::string PlayRandomGame(int number, plugin::Random& random, std::vector<Failure>& failures) {
  auto fail = [&](int ply, std::string what) { failures.push_back({number, ply, std::move(what)}); };
  SetStartPosition(Slot);
  SetStartPosition(ReplaySlot);
  TGame& game = Game(Slot);
  std::map<std::string, int> seen;
  // Plies since the last capture, pawn move or castling; the start counts like one made
  // just before the first ply.
  int sinceIrreversible = -1;
  for (int ply = 1; ply <= 600; ++ply) {
    // The move list keeps the first MaxPlies plies, so the repetition replay sees the
    // positions up to that one.
    if (ply - 1 <= MaxPlies) seen[PositionKey(game)] += 1;

    const PositionState before = SavePosition(Slot);
    const std::string textBefore = LastMoveText();
    const std::vector<LegalMove> moves = LegalMoves(Slot);
    const PositionState after = SavePosition(Slot);
    if (after.board != before.board || !(after.enPassant == before.enPassant) ||
        after.castleRights != before.castleRights || LastMoveText() != textBefore)
      fail(ply, "testing moves changed the record");
    if (HasNoLegalMove(Slot) != moves.empty()) fail(ply, "HasNoLegalMove disagrees with the move list");
    if (moves.empty()) return SideInCheck(Slot) ? "mate" : "stalemate";

    const LegalMove move = moves[random.Next(static_cast<std::uint32_t>(moves.size()))];
    const std::int32_t mover = game.Turn;
    const std::int32_t piece = game.At(move.from);
    const bool capture = game.At(move.to) != 0;
    const bool castling = std::abs(piece) == King && std::abs(move.to.file - move.from.file) == 2;
    if (!PlayMove(Slot, move)) {
      fail(ply, "a listed move was refused");
      return "error";
    }
    if (LeavesKingAttacked(Slot, move.to, move.to, mover)) fail(ply, "the mover's king is attacked");

    const std::string code = EncodeMoveCode(move.from, move.to, move.promotion);
    if (!ReplayMoveCode(ReplaySlot, code) || Game(ReplaySlot).Board != game.Board)
      fail(ply, "the move code " + code + " does not replay to the same position");

    sinceIrreversible = capture || castling || std::abs(piece) == Pawn ? 0 : sinceIrreversible + 1;
    const int expected = sinceIrreversible >= 99                      ? DrawFiftyMoves
                         : seen[PositionKey(game)] >= 2               ? DrawRepetition
                         : CannotMate(Slot, White) && CannotMate(Slot, Black) ? DrawMaterial
                                                                               : NoDraw;
    const int got = CheckDrawRules(Slot);
    if (got != expected)
      fail(ply, "draw rules give " + std::to_string(got) + ", expected " + std::to_string(expected));
    if (got == DrawFiftyMoves) return "50 moves";
    if (got == DrawMaterial) return "material";
  }
  return "600 plies";
}

int RunRandomGames(int games, std::uint32_t seed) {
  plugin::Random random;
  random.Seed(seed);
  std::vector<Failure> failures;
  std::map<std::string, int> endings;
  for (int n = 1; n <= games; ++n) endings[PlayRandomGame(n, random, failures)] += 1;
  std::printf("%d random games (seed %u):", games, seed);
  for (const auto& [ending, count] : endings) std::printf(" %s %d,", ending.c_str(), count);
  std::printf(" %zu failures\n", failures.size());
  for (std::size_t i = 0; i < failures.size() && i < 20; ++i)
    std::printf("  game %d ply %d: %s\n", failures[i].game, failures[i].ply, failures[i].what.c_str());
  return failures.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "perft") {
    const int depth = argc > 2 ? std::atoi(argv[2]) : 4;
    const std::string fen = argc > 3 ? argv[3] : Positions()[0].fen;
    return RunPerft(depth, fen);
  }
  if (command == "random") {
    const int games = argc > 2 ? std::atoi(argv[2]) : 100;
    const auto seed = static_cast<std::uint32_t>(argc > 3 ? std::strtoul(argv[3], nullptr, 10) : 1);
    return RunRandomGames(games, seed);
  }
  if (!command.empty()) {
    std::fprintf(stderr, "usage: chess-selftest [perft DEPTH [FEN] | random GAMES [SEED]]\n");
    return 2;
  }
  const bool countsOk = CheckKnownCounts();
  const int randomResult = RunRandomGames(200, 1);
  return countsOk && randomResult == 0 ? 0 : 1;
}
