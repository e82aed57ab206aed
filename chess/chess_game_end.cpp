#include "chess_game_end.h"

#include "chess_rules.h"
#include "chess_view.h"

#include <cstdlib>
#include <optional>

namespace chess {
namespace {

bool SamePlacement(const TBoard& a, const TBoard& b) {
  for (std::int32_t f = 1; f <= 8; ++f)
    for (std::int32_t r = 1; r <= 8; ++r)
      if (a[f][r] != b[f][r]) return false;
  return true;
}

// How many times the slot's position, with the same side to move, stood on the board
// before: the game is replayed from the start on the scratch record.
int EarlierOccurrences(std::int32_t slot) {
  TGame& game = Game(slot);
  const TBoard board = game.Board;
  const std::int32_t turn = game.Turn;
  const std::int32_t plies = game.PlyCount;
  // Slot 0 is the scratch record itself; its game is put back after the replay.
  std::optional<TGame> keep;
  if (slot == ScratchSlot) keep = game;

  TGame& scratch = Game(ScratchSlot);
  SetStartPosition(ScratchSlot);
  std::int32_t sideToMove = White;
  int count = 0;
  for (std::int32_t k = 1; k <= plies; ++k) {
    if (sideToMove == turn && SamePlacement(scratch.Board, board)) ++count;
    const std::string_view code = keep ? StoredMoveCode(*keep, k) : StoredMoveCode(game, k);
    if (code.empty()) break;
    scratch.Turn = sideToMove;
    PerformMoveCode(ScratchSlot, code);
    sideToMove = -sideToMove;
  }
  if (keep) game = std::move(*keep);
  return count;
}

}  // namespace

std::string DrawScore(int drawCode) {
  return std::string(1, HalfByte) + "-" + std::to_string(drawCode);
}

void SendWin(std::int32_t slot, std::string_view score, plugin::CommandList& reply) {
  reply.Add("Send", "Win", Game(slot).GameId, score);
}

bool MateTest(std::int32_t slot, plugin::CommandList& reply) {
  TGame& game = Game(slot);
  const bool check = SideInCheck(slot);
  if (!HasNoLegalMove(slot)) {
    if (check) View().PlaySound(SoundCheck);
    return false;
  }
  if (check) {
    View().PlaySound(SoundMate);
    const std::string_view score = game.Turn == White ? ScoreBlackMates : ScoreWhiteMates;
    SendWin(slot, score, reply);
    game.PgnResult = std::string(score);
    game.Winner = -game.Turn;
  } else {
    SendWin(slot, DrawScore(DrawStalemate), reply);
    game.PgnResult = "1/2-1/2";
    game.Winner = 0;
  }
  game.Turn = 0;
  return true;
}

int CheckDrawRules(std::int32_t slot) {
  const TGame& game = Game(slot);
  if (game.PlyCount - game.IrreversiblePly >= 100) return DrawFiftyMoves;
  if (EarlierOccurrences(slot) >= 2) return DrawRepetition;
  if (CannotMate(slot, White) && CannotMate(slot, Black)) return DrawMaterial;
  return NoDraw;
}

int ReportDrawRules(std::int32_t slot, plugin::CommandList& reply) {
  const int code = CheckDrawRules(slot);
  if (code != NoDraw) {
    SendWin(slot, DrawScore(code), reply);
    Game(slot).Winner = 0;
  }
  return code;
}

bool CannotMate(std::int32_t slot, std::int32_t colour) {
  const TGame& game = Game(slot);
  int bishops = 0;
  int knights = 0;
  bool otherHasMore = false;
  for (std::int32_t f = 1; f <= 8; ++f) {
    for (std::int32_t r = 1; r <= 8; ++r) {
      const std::int32_t piece = game.Board[f][r];
      if (piece == 0) continue;
      const std::int32_t kind = std::abs(piece);
      if (piece * colour > 0) {
        if (kind == Queen || kind == Rook || kind == Pawn) return false;
        if (kind == Bishop) ++bishops;
        if (kind == Knight) ++knights;
      } else if (kind != King) {
        otherHasMore = true;
      }
    }
  }
  if (bishops >= 2 || knights >= 3 || (bishops == 1 && knights == 1)) return false;
  if (bishops + knights == 0) return true;
  return !otherHasMore;
}

FlagFall FlagFallResult(std::int32_t slot, std::int32_t colourOut) {
  if (CannotMate(slot, -colourOut)) return {DrawScore(DrawMaterial), "1/2-1/2:time forfeit"};
  if (colourOut == Black) return {std::string(ScoreBlackOnTime), "1-0:time forfeit"};
  return {std::string(ScoreWhiteOnTime), "0-1:time forfeit"};
}

std::string PgnResultForNotice(std::string_view score) {
  if (score == ScoreBlackResigns) return "1-0:abandonned";
  if (score == ScoreWhiteResigns) return "0-1:abandonned";
  if (score == ScoreBlackOnTime) return "1-0:time forfeit";
  if (score == ScoreWhiteOnTime) return "0-1:time forfeit";
  if (score.find(HalfByte) != std::string_view::npos)
    return score.find('4') != std::string_view::npos ? "1/2-1/2:time forfeit" : "1/2-1/2";
  return std::string(score);
}

std::string ScoreForTerminationWord(std::string_view word) {
  struct Entry {
    std::string_view word;
    std::string_view score;
  };
  static constexpr Entry table[] = {
      {"BLACK RESIGNS", ScoreBlackResigns}, {"BLACK LOSES ON TIME", ScoreBlackOnTime},
      {"WHITE RESIGNS", ScoreWhiteResigns}, {"WHITE LOSES ON TIME", ScoreWhiteOnTime},
      {"MUTUAL", "\xBD-0"},                 {"STALEMATE", "\xBD-1"},
      {"REPETITION", "\xBD-2"},             {"50 MOVES", "\xBD-3"},
      {"30 MOVES", "\xBD-3"},               {"NOT ENOUGH", "\xBD-4"},
  };
  for (const Entry& entry : table)
    if (entry.word == word) return std::string(entry.score);
  return {};
}

std::string_view WinnerText(std::int32_t winner) {
  if (winner == White) return "White wins";
  if (winner == Black) return "Black wins";
  return "Draw";
}

}  // namespace chess
