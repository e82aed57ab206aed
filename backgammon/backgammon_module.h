// BackgammonModule: the backgammon plug-in's answers to the host's calls.
#pragma once

#include <game_module.h>
#include <plugin_windows.h>

namespace backgammon {

// ---- The deliverable ----

// BackgammonModule is the composition root of the backgammon plug-in: it sets up the
// host's controls, owns the windows once they exist, and hands each call to the game.
class BackgammonModule final : public plugin::GameModule {
 public:
  std::string_view GameFolderName() const override { return "backgammon\\"; }
  std::string_view OptionsKeyName() const override { return "Backgammon"; }
  std::int32_t MatchNumber() const override { return 0; }

  void InitDLL(plugin::CommandList& reply) override;
  void Clear3D(plugin::CommandList& reply) override;
  void SetImage(std::string_view backgroundSet, std::string_view buttonSet) override {
    windows_.SetImage(backgroundSet, buttonSet);
  }
  void NormalizeModal() override { ui::PluginWindows::NormalizeModal(); }
  void SetState(std::uint8_t state, plugin::CommandList& reply) override;
  void Initgame(std::int32_t slot, std::string_view gameText, std::string_view resumeText,
                plugin::CommandList& reply) override;

 private:
  ui::PluginWindows windows_;  // the skin store and the message box
};

// The set-up commands InitDLL sends after "Ver:", from the current settings.
void AppendSetupCommands(plugin::CommandList& reply);

}  // namespace backgammon
