#include "backgammon_module.h"

#include "backgammon_game.h"
#include "backgammon_settings.h"
#include "initgame.h"

#include <files.h>
#include <frame.h>
#include <sound_list.h>

namespace backgammon {

namespace {

plugin::CommandList& Rtti(plugin::CommandList& list, std::string_view form,
                          std::string_view control, std::string_view property,
                          std::string_view value) {
  return list.Add("RTTI", form, control, property, value);
}

}  // namespace

void AppendSetupCommands(plugin::CommandList& reply) {
  const BackgammonSettings& settings = Settings();
  const plugin::FrameState& frame = plugin::Frame();
  using plugin::BoolText;
  auto main = [&](std::string_view control, std::string_view property, std::string_view value) {
    Rtti(reply, "MainForm", control, property, value);
  };
  auto inv = [&](std::string_view form, std::string_view control, std::string_view property,
                 std::string_view value) { Rtti(reply, form, control, property, value); };

  reply.Add("Menu", frame.gameFolder + "Menu.dat");
  main("FrameMoves", "width", "0");
  main("FrameMoveSep", "Visible", "0");
  Rtti(reply, "Mainform", "PaintboxCLock", "Visible", "0");
  main("GameB4", "Visible", "0");
  main("GameB5", "Visible", "0");
  main("GameB1", "Visible", "1");
  main("GameB1", "caption", "Show Moves");
  main("GameB1", "Group", "-5");
  main("GameB1", "ImageType", "3");
  main("GameB1", "selected", BoolText(settings.move));
  main("GameB13", "Visible", "1");
  main("GameB13", "Caption", "Cancel Move");
  main("GameB12", "Visible", "1");
  main("GameB12", "Caption", "Double");
  main("GameB14", "Visible", "1");
  main("GameB14", "Caption", "Sound");
  main("GameB14", "Group", "-4");
  main("GameB14", "ImageType", "1");
  main("GameB14", "selected", BoolText(settings.sound));
  main("GameB15", "Visible", "1");
  main("GameB15", "Caption", "Confirmation");
  main("GameB15", "Group", "-2");
  main("GameB15", "ImageType", "1");
  main("GameB15", "selected", BoolText(settings.confirm));
  main("GameB16", "Visible", "1");
  main("GameB16", "Caption", "No double");
  main("GameB16", "Group", "-3");
  main("GameB16", "ImageType", "1");
  main("GameB16", "selected", BoolText(settings.autoRool));
  main("GameB2", "Visible", "1");
  main("GameB2", "Caption", "Preferences");
  main("GameB11", "Visible", "1");
  main("GameB11", "Caption", "Resign");
  reply.Add("RightClick", "0");
  main("GameData", "caption", "");
  main("GameData2", "caption", "");
  main("GameData3", "caption", "");
  for (const char* label : {"InvTimeLT1", "InvTimeLT2"}) {
    inv("InvDlg", label, "Left", "16");
    inv("InvDlg", label, "Top", std::string_view(label) == "InvTimeLT1" ? "80" : "40");
    inv("InvDlg", label, "Font.name", "Arial");
    inv("InvDlg", label, "Font.Size", "16");
  }
  inv("InvDlg", "Label2", "Caption", "Unlimited");
  inv("InvDlg", "Label2", "Left", "180");
  inv("InvDlg", "Label2", "Top", "80");
  inv("InvDlg", "Label2", "Font.name", "Arial");
  inv("InvDlg", "Label2", "Font.Size", "16");
  inv("InvDlg", "InvTimeST1", "Font.name", "Arial");
  inv("InvDlg", "InvTimeST1", "Font.Size", "16");
  inv("InvDlg", "FrameInv1", "Left", "176");
  inv("InvDlg", "FrameInv1", "Width", "70");
  inv("InvDlg", "FrameInv1", "Height", "35");
  inv("InvDlg", "FrameInv1", "TOP", "75");
  inv("InvDlg", "InvTimeST1", "MinValue", "1");
  inv("InvDlg", "InvTimeST1", "MaxValue", "21");
  inv("InvDLg", "invComb", "top", "42");
  inv("InvDLg", "invCombF", "top", "40");
  inv("InvDLg", "invCombB", "top", "40");

  // The host shows the players' checker colours from these two small pictures; a missing
  // picture only leaves the host's old one in place.
  platform::CopyFileOver(frame.hostFolder + "Common\\Small" + settings.checkerWhite + ".bmp",
                         frame.hostFolder + "Data\\Chw.bmp");
  platform::CopyFileOver(frame.hostFolder + "Common\\Small" + settings.checkerBlack + ".bmp",
                         frame.hostFolder + "Data\\Chb.bmp");
  reply.Add("Layer", "201", "chw.bmp");
  reply.Add("Layer", "202", "chb.bmp");
  Rtti(reply, "REsumeDlg", "AskDraw1", "Visible", "0");
  Rtti(reply, "REsumeDlg", "REsign1", "Caption", "Resign the Match");
  reply.Add("RefreshImg");
}

void BackgammonModule::InitDLL(plugin::CommandList& reply) {
  const plugin::FrameState& frame = plugin::Frame();
  ui::BackgroundSetName().clear();
  windows_.Create(frame.hostFolder);
  plugin::LoadSounds(frame.gameFolder,
                     {"piece.wav", "dice.wav", frame.hostFolder + "data\\beep.wav"});
  plugin::SetBeepIndex(2);
  plugin::SetSoundSwitch(&Settings().sound);
  LoadSettings(frame.optionsKey);
  AppendSetupCommands(reply);
}

void BackgammonModule::Clear3D(plugin::CommandList& reply) {
  SaveSettings(plugin::Frame().optionsKey);
  Rtti(reply, "REsumeDlg", "AskDraw1", "Visible", "1");
  Rtti(reply, "REsumeDlg", "REsign1", "Caption", "Resign the Game");
  for (int n = 11; n <= 16; ++n)
    Rtti(reply, "MainForm", "GameB" + std::to_string(n), "Visible", "0");
  plugin::ReleaseSounds();
  windows_.Release();
}

void BackgammonModule::SetState(std::uint8_t state, plugin::CommandList& reply) {
  if (state == 0) {
    Rtti(reply, "MainForm", "GameB11", "Enabled", "0");
    Rtti(reply, "MainForm", "GameB2", "Enabled", "1");
    Rtti(reply, "MainForm", "GameB12", "Enabled", "0");
    Rtti(reply, "MainForm", "GameB13", "Enabled", "0");
  }
  // The board shown in the host's window is slot 1's; its resign button is off for a
  // game the local user only watches.
  if (IsObserver(*GameAt(1))) Rtti(reply, "MainForm", "GameB11", "Enabled", "0");
}

void BackgammonModule::Initgame(std::int32_t slot, std::string_view gameText,
                                std::string_view resumeText, plugin::CommandList& reply) {
  InitgameSlot(slot, gameText, resumeText, reply);
}

}  // namespace backgammon

plugin::GameModule& plugin::TheGameModule() {
  static backgammon::BackgammonModule module;
  return module;
}
