#include "position_text.h"

#include <parse.h>

#include <utility>

namespace backgammon {

namespace {

// Counts up to 26 have a letter that ReadResumeText reads back. Larger counts arise only
// from malformed positions; they are left out, as counts above 100 always were, so that
// no character of the text can be a separator of the host's commands.
constexpr int MaxLetterCount = 26;

int Sign(int value) { return (value > 0) - (value < 0); }

int ClampCube(int level) {
  if (level > MaxCubeLevel) return MaxCubeLevel;
  if (level < -MaxCubeLevel) return -MaxCubeLevel;
  return level;
}

int BoardLetterValue(char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A' + 1;
  if (c >= 'a' && c <= 'z') return -(c - 'a' + 1);
  return 0;
}

int StateCode(int state) {
  if (state == StateRollOrDouble) return StateSendMove;
  if (state == StateGameOver || state == StateRoll) return StateCheckerMove;
  return state;
}

}  // namespace

std::string BoardText(const TGame& game) {
  const BoardArray seen = game.FirstSide == SideBlack ? MirrorBoard(game.Board) : game.Board;
  std::string text;
  text.reserve(BoardSize);
  for (int count : seen) {
    if (count == 0)
      text += '-';
    else if (count > 0 && count <= MaxLetterCount)
      text += static_cast<char>('A' + count - 1);
    else if (count < 0 && count >= -MaxLetterCount)
      text += static_cast<char>('a' - count - 1);
  }
  return text;
}

std::string PositionText(const TGame& game, bool flip) {
  const int turn = game.Turn * game.FirstSide * (flip ? -1 : 1);
  std::string text = BoardText(game);
  for (int field : {turn, StateCode(game.State), static_cast<int>(game.DiceSeed),
                    game.Cube * game.FirstSide, static_cast<int>(game.Crawford),
                    static_cast<int>(game.OpeningRoll), static_cast<int>(game.Jacoby),
                    static_cast<int>(game.Beaver), game.Variant}) {
    text += '/';
    text += std::to_string(field);
  }
  return text;
}

int ReadResumeText(TGame& game, std::string_view text) {
  using channel::GetField;
  using channel::GetFieldInt;
  constexpr char sep = '/';
  const int side = game.FirstSide == SideBlack ? SideBlack : SideWhite;

  game.WhiteScore = GetFieldInt(text, 1, sep);
  game.BlackScore = GetFieldInt(text, 2, sep);
  if (side == SideBlack) std::swap(game.WhiteScore, game.BlackScore);

  const std::string letters = GetField(text, 3, sep);
  BoardArray board{};
  for (std::size_t i = 0; i < letters.size() && i < board.size(); ++i)
    board[i] = BoardLetterValue(letters[i]);
  game.Board = side == SideBlack ? MirrorBoard(board) : board;

  game.Turn = Sign(GetFieldInt(text, 4, sep)) * side;
  const int state = GetFieldInt(text, 5, sep);
  game.State = state >= StateNone && state <= LastState ? state : StateNone;
  game.DiceSeed = GetFieldInt(text, 6, sep);
  game.Cube = ClampCube(GetFieldInt(text, 7, sep)) * side;
  game.Crawford = GetFieldInt(text, 8, sep) == 1;
  game.OpeningRoll = GetFieldInt(text, 9, sep) == 1;
  game.Jacoby = GetFieldInt(text, 10, sep) == 1;
  game.Beaver = GetFieldInt(text, 11, sep) == 1;
  game.Variant = GetFieldInt(text, 12, sep);

  if (game.Turn == SideBlack && game.State == StateDoubleOffered) game.State = StateDoubleReceived;
  return game.State;
}

}  // namespace backgammon
