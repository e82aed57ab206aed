// ChessModule: the chess plug-in's answers to the host's calls.
#pragma once

#include <game_module.h>
#include <plugin_windows.h>

namespace chess {

// ---- The deliverable ----

// ChessModule is the composition root of the chess plug-in: it sets up the host's controls,
// owns the windows once they exist, and hands each call to the game.
class ChessModule final : public plugin::GameModule {
 public:
  std::string_view GameFolderName() const override { return "Chess\\"; }
  std::string_view OptionsKeyName() const override { return "Chess"; }
  std::int32_t MatchNumber() const override { return 2; }

  void InitDLL(plugin::CommandList& reply) override;
  void Clear3D(plugin::CommandList& reply) override;
  void SetImage(std::string_view backgroundSet, std::string_view buttonSet) override {
    windows_.SetImage(backgroundSet, buttonSet);
  }
  void NormalizeModal() override { ui::PluginWindows::NormalizeModal(); }

  // One game: set-up of a new or resumed game, and its PGN record.
  void Initgame(std::int32_t slot, std::string_view gameText, std::string_view resumeText,
                plugin::CommandList& reply) override;
  void SaveGame(std::int32_t slot, std::string_view ratings) override;

 private:
  ui::PluginWindows windows_;  // the skin store and the message box
};

// The set-up commands InitDLL sends after "Ver:", from the current settings.
void AppendSetupCommands(plugin::CommandList& reply);

}  // namespace chess
