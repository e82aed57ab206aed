#include "chess_pgn.h"

#include "chess_game.h"
#include "chess_settings.h"

#include <files.h>
#include <frame.h>
#include <parse.h>
#include <user_locale.h>

#include <stdexcept>
#include <utility>

namespace chess {
namespace {

using channel::GetField;

constexpr std::string_view LineEnd = "\r\n";
constexpr std::size_t LineWidth = 80;
constexpr int LastFileNumber = 1001;

// Names come from the game site; a quote or backslash in one would end the tag early and
// garble the file for every reader, so both are escaped as PGN readers expect.
void AddTag(std::string& text, std::string_view name, std::string_view value) {
  text += "[";
  text += name;
  text += " \"";
  for (char c : value) {
    if (c == '"' || c == '\\') text += '\\';
    text += c;
  }
  text += "\"]";
  text += LineEnd;
}

// The space in front of the move number whose "." is at `dot`, or npos when that number
// starts the text (nothing to break before).
std::size_t SpaceBeforeNumber(std::string_view text, std::size_t dot) {
  if (dot == 0) return std::string_view::npos;
  const std::size_t space = text.rfind(' ', dot - 1);
  return space == 0 ? std::string_view::npos : space;
}

}  // namespace

std::vector<std::string> BreakMovetext(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    if (text.size() <= LineWidth) {
      lines.emplace_back(text);
      break;
    }
    std::size_t space = std::string_view::npos;
    const std::size_t dot = text.rfind('.', LineWidth - 1);
    if (dot != std::string_view::npos) space = SpaceBeforeNumber(text, dot);
    // A single move too long for a line (only a broken history makes one) runs on to the
    // next move number rather than leaving the text unbroken or the loop stuck.
    for (std::size_t later = LineWidth; space == std::string_view::npos; ++later) {
      later = text.find('.', later);
      if (later == std::string_view::npos) break;
      space = SpaceBeforeNumber(text, later);
    }
    if (space == std::string_view::npos) {
      lines.emplace_back(text);
      break;
    }
    lines.emplace_back(text.substr(0, space));
    text.remove_prefix(space + 1);
  }
  return lines;
}

std::string TimeControlText(std::int32_t baseMinutes, std::int32_t incrementMs) {
  const std::string perMove = std::to_string(incrementMs / 1000);
  if (baseMinutes == 0) return "*" + perMove;
  const std::string base = std::to_string(static_cast<std::int64_t>(baseMinutes) * 60);
  if (incrementMs == 0) return base;
  return base + "+" + perMove;
}

std::string PgnFilePath(std::int32_t slot) {
  const TGame& game = Game(slot);
  const plugin::FrameState& frame = plugin::Frame();
  const ChessSettings& settings = Settings();
  if (!settings.saveOne) {
    // Settings not yet loaded have no file; the default one is where they would point.
    if (settings.pgnFile.empty()) return frame.gameFolder + frame.siteName + ".pgn";
    return settings.pgnFile;
  }
  std::string name = game.WhiteName + "-" + game.BlackName + " " + platform::ShortDateText();
  for (char& c : name)
    if (std::string_view("*/:<>?\\|").find(c) != std::string_view::npos) c = '-';
  const std::string base = frame.gameFolder + name;
  if (!platform::FileExists(base + ".pgn")) return base + ".pgn";
  int k = 2;
  while (k < LastFileNumber && platform::FileExists(base + " #" + std::to_string(k) + ".pgn")) ++k;
  return base + " #" + std::to_string(k) + ".pgn";
}

std::string PgnGameText(std::int32_t slot, std::string_view ratings) {
  const TGame& game = Game(slot);
  std::string whiteElo = GetField(GetField(ratings, 1, '|'), 3, ':');
  std::string blackElo = GetField(GetField(ratings, 2, '|'), 3, ':');
  if (game.BlackLocal) std::swap(whiteElo, blackElo);

  const plugin::FrameState& frame = plugin::Frame();
  const std::string result = GetField(game.PgnResult, 1, ':');
  const std::string termination = GetField(game.PgnResult, 2, ':');
  std::string text;
  AddTag(text, "Event", "?");
  AddTag(text, "Site", frame.siteName);
  AddTag(text, "White", game.WhiteName);
  AddTag(text, "Black", game.BlackName);
  AddTag(text, "WhiteElo", whiteElo);
  AddTag(text, "BlackElo", blackElo);
  AddTag(text, "TimeControl", TimeControlText(game.BaseMinutes, game.Increment));
  AddTag(text, "Result", result);
  if (!termination.empty()) AddTag(text, "Termination", termination);
  AddTag(text, "PlyCount", std::to_string(game.PlyCount));
  AddTag(text, "EventDate", platform::DottedDateText());
  text += LineEnd;

  // Readers need the result after the moves to know where a game ends; every move already
  // carries its trailing space, so the result follows it directly.
  std::string movetext = game.PgnMoves;
  if (!movetext.empty() && movetext.back() != ' ') movetext += ' ';
  movetext += result;
  for (const std::string& line : BreakMovetext(movetext)) {
    text += line;
    text += LineEnd;
  }
  text += LineEnd;
  return text;
}

void SaveGame(std::int32_t slot, std::string_view ratings) {
  const std::string path = PgnFilePath(slot);
  const std::string text = PgnGameText(slot, ratings);
  if (!platform::AppendToFile(path, text)) throw std::runtime_error("cannot write " + path);
  Game(slot).PgnMoves.clear();
}

}  // namespace chess
