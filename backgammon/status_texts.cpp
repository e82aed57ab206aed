#include "status_texts.h"

#include "cube_rules.h"

#include <xstring.h>

namespace backgammon {

namespace {

constexpr const char* kLineBreak = "\r\n";
constexpr int UnlimitedMatchLength = 99999;

std::string MatchLengthText(const TGame& game) {
  if (game.MatchLength == UnlimitedMatchLength) return {};
  return " / " + std::to_string(game.MatchLength);
}

std::string InBrackets(const std::string& options) {
  return options.empty() ? std::string() : "(" + options + ")";
}

}  // namespace

std::string StatusLine(const TGame& game) {
  std::string line = game.Turn == SideWhite ? "White's turn" : "Black's turn";
  if (IsLocalToAct(game)) line = "Your turn";
  switch (game.State) {
    case StateRollOrDouble:
      line += CanDouble(game) ? ": roll or double" : ": roll";
      break;
    case StateDoubleOffered:
      line += ": waiting opponent";
      break;
    case StateDoubleReceived:
      line += ": accept or refuse";
      break;
    case StateCheckerMove:
      line += ": checker move";
      break;
    case StateMoveDone:
      line += ": Click dice to send";
      break;
    case StateGameOver:
      line = "End of Game";
      break;
    case StateMatchOver:
      line = "End of Match";
      break;
    case StateRoll:
      line += ": roll";
      break;
    default:
      break;
  }
  if (game.WaitingReply) line = "Waiting for opponent reply";
  return line;
}

std::string OptionsText(const TGame& game) {
  std::string options;
  switch (game.Variant) {
    case VariantNackGammon:
      options += "Nack ";
      break;
    case VariantHyperGammon:
      options += "Hyper ";
      break;
    case VariantLongGammon:
      options += "Long";
      break;
    case VariantTapa:
      options += "Tapa";
      break;
    default:
      break;
  }
  if (game.Crawford) options += "C ";
  if (game.Jacoby) options += "J ";
  if (game.Unrated) options += "UR ";
  return channel::TrimSpaces(options);
}

plugin::CommandList StatusCommands(const TGame& game) {
  const std::string options = InBrackets(OptionsText(game));
  const std::string matchLength = MatchLengthText(game);
  const std::string whitePips = std::to_string(PipCount(game.Board, SideWhite));
  const std::string blackPips = std::to_string(PipCount(game.Board, SideBlack));

  const std::string blackCaption = "Pip=" + blackPips + kLineBreak + game.BlackName + ": " +
                                   std::to_string(game.BlackScore) + matchLength + options;
  const std::string whiteCaption = game.WhiteName + ": " + std::to_string(game.WhiteScore) +
                                   matchLength + options + kLineBreak + "Pip=" + whitePips;
  const std::string bothCaption =
      game.WhiteName + ": " + std::to_string(game.WhiteScore) + " - " + game.BlackName + ": " +
      std::to_string(game.BlackScore) + matchLength + (game.Crawford ? "(C)" : "") +
      (game.Unrated ? " (UR)" : "") + kLineBreak + "Pip= " + whitePips + "-" + blackPips;

  plugin::CommandList list;
  list.Add("TimerON", "0");
  list.Add("Turn", IsLocalToAct(game) ? "on" : "off");
  list.Add("Display", StatusLine(game));
  list.Add("RTTI", "MainForm", "GameData", "caption", blackCaption);
  list.Add("RTTI", "MainForm", "GameData2", "caption", whiteCaption);
  list.Add("RTTI", "MainForm", "GameData3", "caption", bothCaption);
  return list;
}

}  // namespace backgammon
