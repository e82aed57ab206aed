#include "backgammon_settings.h"

#include <command_list.h>
#include <registry.h>
#include <settings_store.h>

namespace backgammon {

using plugin::BoolText;
using plugin::OnUnlessZero;
using plugin::ReadNumberSetting;
using plugin::ReadSetting;
using plugin::WriteSetting;

BackgammonSettings& Settings() {
  static BackgammonSettings settings;
  return settings;
}

void LoadSettings(const std::string& key) {
  BackgammonSettings& s = Settings();
  const BackgammonSettings defaults;
  s.sound = OnUnlessZero(ReadSetting(key, "Sound", "1"));
  s.confirm = OnUnlessZero(ReadSetting(key, "Confirm", "1"));
  s.beep = ReadNumberSetting(key, "Beep", defaults.beep);
  s.move = OnUnlessZero(ReadSetting(key, "Move", "1"));
  s.match = ReadNumberSetting(key, "Match", defaults.match);
  // The "No double" button always starts off, whatever was stored; the stored value is
  // still read so the order of reads stays as it was.
  (void)ReadSetting(key, "AutoRool", "0");
  s.autoRool = false;
  s.autoMove = OnUnlessZero(ReadSetting(key, "AutoMove", "1"));
  s.autoRoolND = OnUnlessZero(ReadSetting(key, "AutoRoolND", "1"));
  s.invertBoard = ReadNumberSetting(key, "InvertBoard", defaults.invertBoard);
  if (s.invertBoard == 0) s.invertBoard = 1;
  s.delay = ReadNumberSetting(key, "Delay", defaults.delay);
  s.board = ReadSetting(key, "Board", defaults.board);
  s.checkerWhite = ReadSetting(key, "CheckerWhite", defaults.checkerWhite);
  s.checkerBlack = ReadSetting(key, "CheckerBlack", defaults.checkerBlack);
}

void SaveSettings(const std::string& key) {
  const BackgammonSettings& s = Settings();
  platform::RegistryBatch batch;
  WriteSetting(key, "Sound", BoolText(s.sound));
  WriteSetting(key, "Confirm", BoolText(s.confirm));
  WriteSetting(key, "Move", BoolText(s.move));
  WriteSetting(key, "AutoRool", BoolText(s.autoRool));
  WriteSetting(key, "AutoMove", BoolText(s.autoMove));
  WriteSetting(key, "AutoRoolND", BoolText(s.autoRoolND));
  WriteSetting(key, "Match", std::to_string(s.match));
  WriteSetting(key, "InvertBoard", std::to_string(s.invertBoard));
  WriteSetting(key, "Board", s.board);
  WriteSetting(key, "CheckerWhite", s.checkerWhite);
  WriteSetting(key, "CheckerBlack", s.checkerBlack);
  WriteSetting(key, "Delay", std::to_string(s.delay));
  WriteSetting(key, "Beep", std::to_string(s.beep));
}

}  // namespace backgammon
