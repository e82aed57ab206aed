#include "initgame.h"

#include "backgammon_game.h"
#include "backgammon_settings.h"
#include "backgammon_setup.h"
#include "board_view.h"
#include "position_text.h"
#include "status_texts.h"

namespace backgammon {

namespace {

void Rtti(plugin::CommandList& reply, std::string_view form, std::string_view control,
          std::string_view property, bool value) {
  reply.Add("RTTI", form, control, property, value);
}

}  // namespace

bool BeginInitgame(std::int32_t slot, std::string_view startText, std::string_view resumeText) {
  TGame* game = GameAt(slot);
  if (game == nullptr) return false;
  const bool resumed = !resumeText.empty();
  SetupFromStartText(*game, startText, !resumed);
  if (resumed) ReadResumeText(*game, resumeText);
  return true;
}

void FinishInitgame(std::int32_t slot, std::string_view resumeText, plugin::CommandList& reply) {
  const TGame* game = GameAt(slot);
  if (game == nullptr) return;
  const bool newGame = resumeText.empty();
  const BackgammonSettings& settings = Settings();
  SharedState& shared = Shared();

  TheBoardView().PaintBoard(slot, -1);
  if (slot != 0) reply.Append(StatusCommands(*game));
  if (newGame) reply.Add("TimerON", "0");
  reply.Add("MoveHeader", "0", "Move Number", "", "3", "20");
  reply.Add("MoveHeader", "1", "White", "White", "10", "50");
  reply.Add("MoveHeader", "2", "Black", "Black", "10", "50");
  Rtti(reply, "MainForm", "GameB11", "Enabled", !IsObserver(*game));

  shared.AutoRoll = settings.autoRool;
  shared.AutoBearOff = false;
  Rtti(reply, "Menudlg", "M28", "Checked", shared.AutoBearOff);
  Rtti(reply, "MainForm", "GameB16", "selected", shared.AutoRoll);
  Rtti(reply, "Menudlg", "M26", "Checked", settings.autoRoolND);
  Rtti(reply, "Menudlg", "M27", "Checked", settings.autoMove);
  reply.Add("MoveHeader", "End");

  const bool playing = game->WhiteLocal || game->BlackLocal;
  Rtti(reply, "MainForm", "GameB3", "Enabled", playing);
  Rtti(reply, "MainForm", "GameB6", "Enabled", playing);

  // The host gets its resume text back. A "|" in it would start a command of its own, so
  // it is dropped: a resume text is a position the server stored, which a peer wrote.
  if (!newGame) reply.Add(StripBars(resumeText));
}

void InitgameSlot(std::int32_t slot, std::string_view startText, std::string_view resumeText,
                  plugin::CommandList& reply) {
  if (BeginInitgame(slot, startText, resumeText)) FinishInitgame(slot, resumeText, reply);
}

}  // namespace backgammon
