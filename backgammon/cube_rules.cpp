#include "cube_rules.h"

namespace backgammon {

namespace {

constexpr int LastDoublingLevel = 5;

bool CubeMayTurn(const TGame& game) {
  if (game.OpeningRoll || game.Crawford) return false;
  if (game.Cube * game.Turn < 0) return false;  // owned by the other side
  return game.Cube >= -LastDoublingLevel && game.Cube <= LastDoublingLevel;
}

// Scores come from texts and may be any 32-bit number, hence the wider sum.
bool BelowMatchLength(const TGame& game, int score) {
  if (IsUnlimited(game)) return true;
  return static_cast<long long>(CubeValue(game.Cube)) + score < game.MatchLength;
}

}  // namespace

bool CanDouble(const TGame& game) {
  return CubeMayTurn(game) && BelowMatchLength(game, ScoreOf(game, game.Turn));
}

bool OpponentCanDouble(const TGame& game) {
  return CubeMayTurn(game) && BelowMatchLength(game, ScoreOf(game, -game.Turn));
}

int WinKind(const TGame& game) {
  if (game.Jacoby && game.Cube == 0) return 1;
  const int loser = -game.Turn;
  if (CheckersLeft(game.Board, loser) != CheckersPerSide(game.Variant)) return 1;
  const BoardArray winnerView = game.Turn > 0 ? game.Board : MirrorBoard(game.Board);
  for (int i = 0; i <= 6; ++i)
    if (winnerView[i] != 0) return 3;
  return 2;
}

void ApplyCrawfordRule(TGame& game, int resultPoints) {
  if (game.Crawford) {
    game.Crawford = false;
    return;
  }
  const long long oneShort = static_cast<long long>(game.MatchLength) - 1;
  game.Crawford = (resultPoints >= 1 && game.WhiteScore == oneShort) ||
                  (resultPoints <= -1 && game.BlackScore == oneShort);
  if (game.WhiteScore == game.BlackScore) game.Crawford = false;
}

}  // namespace backgammon
