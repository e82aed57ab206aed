#include "chess_module.h"

#include "chess_game.h"
#include "chess_pgn.h"
#include "chess_settings.h"
#include "chess_setup.h"

#include <frame.h>
#include <sound_list.h>

#include <string>

namespace chess {

void AppendSetupCommands(plugin::CommandList& reply) {
  const ChessSettings& settings = Settings();
  using plugin::BoolText;
  auto main = [&](std::string_view control, std::string_view property, std::string_view value) {
    reply.Add("RTTI", "MainForm", control, property, value);
  };

  reply.Add("Menu", plugin::Frame().gameFolder + "Menu.dat");
  main("GameB1", "caption", "Show Moves");
  main("GameB2", "caption", "Preferences");
  main("GameB4", "caption", "Sound");
  main("GameB5", "caption", "Confirmation");
  main("GameB5", "selected", BoolText(settings.confirm));
  main("GameB4", "selected", BoolText(settings.sound));
  main("GameB1", "selected", BoolText(settings.move));
  reply.Add("RTTI", "MenuDlg", "M26", "checked", BoolText(settings.lastMove));
  main("GameB6", "caption", "Resign");
  main("GameB3", "caption", "Ask Draw");
  for (int n = 1; n <= 10; ++n) main("GameB" + std::to_string(n), "Visible", n <= 6 ? "1" : "0");
  main("GameB4", "Group", "-2");
  main("GameB5", "Group", "-3");
  main("GameB1", "Group", "-4");
  main("GameB4", "ImageType", "3");
  main("GameB5", "ImageType", "3");
  main("GameB1", "ImageType", "3");
  main("FrameMoves", "width", "150");
  main("FrameMoveSep", "Visible", "1");
  reply.Add("RTTI", "Mainform", "PaintboxCLock", "Visible", "1");
  reply.Add("RightClick", settings.confirm ? "0" : "1");
  main("GameData", "caption", "");
  main("GameData2", "caption", "");
  main("GameData3", "caption", "");
  reply.Add("RTTI", "InvDLg", "FrameInv1", "Visible", "1");
  reply.Add("RTTI", "InvDLg", "FrameInv2", "Visible", "1");
  reply.Add("Layer", "201", "cw.bmp");
  reply.Add("Layer", "202", "cb.bmp");
  reply.Add("RefreshImg");
}

void ChessModule::InitDLL(plugin::CommandList& reply) {
  const plugin::FrameState& frame = plugin::Frame();
  ui::BackgroundSetName().clear();
  windows_.Create(frame.hostFolder);
  plugin::LoadSounds(frame.gameFolder, {"piece.wav", "check.wav", "Mate.wav",
                                        frame.hostFolder + "data\\beep.wav"});
  plugin::SetBeepIndex(3);
  plugin::SetSoundSwitch(&Settings().sound);
  LoadSettings(frame.optionsKey, frame.gameFolder + frame.siteName + ".pgn");
  AppendSetupCommands(reply);
}

void ChessModule::Clear3D(plugin::CommandList&) {
  SaveSettings(plugin::Frame().optionsKey);
  plugin::ReleaseSounds();
  windows_.Release();
}

// Slots outside the eleven records are not games of ours: nothing is done for them.
void ChessModule::Initgame(std::int32_t slot, std::string_view gameText,
                           std::string_view resumeText, plugin::CommandList& reply) {
  if (ValidSlot(slot)) SetUpGame(slot, gameText, resumeText, reply);
}

void ChessModule::SaveGame(std::int32_t slot, std::string_view ratings) {
  if (ValidSlot(slot)) chess::SaveGame(slot, ratings);
}

}  // namespace chess

plugin::GameModule& plugin::TheGameModule() {
  static chess::ChessModule module;
  return module;
}
