#include "backgammon_setup.h"

#include <parse.h>

#include <utility>

namespace backgammon {

namespace {

struct StartPoint {
  int point;  // in the side's own numbering
  int count;
};

// Each variant's position is the same for both sides in their own numbering.
struct StartPosition {
  StartPoint points[5];
  int pointCount;
};

constexpr StartPosition kStartPositions[] = {
    {{{24, 2}, {13, 5}, {8, 3}, {6, 5}}, 4},             // Backgammon
    {{{24, 2}, {23, 2}, {13, 4}, {8, 3}, {6, 4}}, 5},    // NackGammon
    {{{24, 1}, {23, 1}, {22, 1}}, 3},                    // HyperGammon
    {{{24, 15}}, 1},                                     // LongGammon
    {{{24, 5}, {23, 5}, {22, 5}}, 3},                    // Tapa
};

// The number of the start text's last field. Trailing empty fields do not count, except
// one: an empty own name in the last field still names that field, so that "...:77:" is a
// game with number 77 played at one screen rather than one whose own name is "77".
int LastFieldNumber(std::string_view text) {
  int n = channel::CountFields(text);
  std::size_t separators = 0;
  for (char c : text)
    if (c == ':') ++separators;
  if (n > 0 && separators >= static_cast<std::size_t>(n)) ++n;
  return n;
}

}  // namespace

void SetupPosition(TGame& game) {
  game.Board.fill(0);
  const int variant = game.Variant >= VariantNackGammon && game.Variant <= VariantTapa
                          ? game.Variant
                          : VariantBackgammon;
  const StartPosition& start = kStartPositions[variant];
  for (int k = 0; k < start.pointCount; ++k) {
    const StartPoint& p = start.points[k];
    game.Board[p.point] += p.count;
    game.Board[BoardSize - 1 - p.point] -= p.count;
  }
}

std::string StripBars(std::string_view field) {
  std::string name;
  for (char c : field)
    if (c != '|') name += c;
  return name;
}

void SetupFromStartText(TGame& game, std::string_view text, bool newGame) {
  using channel::GetField;
  using channel::GetFieldInt;
  const int n = LastFieldNumber(text);

  game.WaitingReply = false;
  game.MatchLength = GetFieldInt(text, 3);
  game.Crawford = false;
  game.WhiteScore = 0;
  game.BlackScore = 0;
  game.TurnMoves.clear();
  game.DiceSeed = GetFieldInt(text, 4);
  // Only +1 and -1 are sides; any negative number is read as -1 and 0 as +1.
  game.FirstSide = GetFieldInt(text, 5) < 0 ? SideBlack : SideWhite;
  Shared().ResignDialogOpen = false;

  for (std::string& entry : game.Inbox) entry.clear();
  game.Board.fill(0);

  game.WhiteName = StripBars(GetField(text, 1));
  game.BlackName = StripBars(GetField(text, 2));

  game.Unrated = channel::GetFieldBool(text, 6);
  if (newGame) {
    game.Variant = GetFieldInt(text, n - 2) / 1000;
    const int options = GetFieldInt(text, 8) % 1000;
    game.Jacoby = options % 2 == 1;
    game.Beaver = options / 2 == 1;
    if (game.MatchLength < 9999) {
      game.Beaver = false;
      if (game.Variant != VariantHyperGammon) game.Jacoby = false;
    }
    game.GameId = GetFieldInt(text, n - 1);
  } else {
    game.GameId = GetFieldInt(text, n - 2);
  }

  const std::string ownField = GetField(text, n);
  game.OwnName = channel::UpperAscii(StripBars(ownField));
  if (game.FirstSide == SideBlack) std::swap(game.WhiteName, game.BlackName);

  if (ownField.empty() || text == "White:black:3:5") {
    game.WhiteLocal = true;
    game.BlackLocal = true;
  } else {
    game.WhiteLocal = channel::UpperAscii(game.WhiteName) == game.OwnName;
    game.BlackLocal = channel::UpperAscii(game.BlackName) == game.OwnName;
  }

  game.MoveNumber = 1;
  game.GameNumber = 1;
  game.LineColumn = 0;
  game.Transcript.clear();
  SetupPosition(game);
  game.Die1 = 4;  // the dice shown before the first roll
  game.Die2 = 1;
  game.DiceUsed = 0;
  game.Cube = 0;
  game.OpeningRoll = true;
}

}  // namespace backgammon
