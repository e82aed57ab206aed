#include "chess_settings.h"

#include <command_list.h>
#include <registry.h>
#include <settings_store.h>

namespace chess {

using plugin::BoolText;
using plugin::OnUnlessZero;
using plugin::ReadNumberSetting;
using plugin::ReadSetting;
using plugin::WriteSetting;

ChessSettings& Settings() {
  static ChessSettings settings;
  return settings;
}

void LoadSettings(const std::string& key, const std::string& defaultPgnFile) {
  ChessSettings& s = Settings();
  const ChessSettings defaults;
  s.sound = OnUnlessZero(ReadSetting(key, "Sound", "1"));
  s.confirm = OnUnlessZero(ReadSetting(key, "Confirm", "1"));
  s.beep = ReadNumberSetting(key, "Beep", defaults.beep);
  s.move = OnUnlessZero(ReadSetting(key, "Move", "1"));
  s.time1 = ReadNumberSetting(key, "time1", defaults.time1);
  s.time2 = ReadNumberSetting(key, "Time2", defaults.time2);
  s.delay = ReadNumberSetting(key, "Delay", defaults.delay);
  s.board = ReadSetting(key, "Board", defaults.board);
  s.lastMove = OnUnlessZero(ReadSetting(key, "LastMove", "1"));
  s.max = OnUnlessZero(ReadSetting(key, "Max", "0"));
  s.pgnFile = ReadSetting(key, "PGNfile", defaultPgnFile);
  s.saveOne = ReadSetting(key, "SaveOne", "0") == "1";
}

void SaveSettings(const std::string& key) {
  const ChessSettings& s = Settings();
  platform::RegistryBatch batch;
  WriteSetting(key, "Sound", BoolText(s.sound));
  WriteSetting(key, "Confirm", BoolText(s.confirm));
  WriteSetting(key, "Move", BoolText(s.move));
  WriteSetting(key, "Max", BoolText(s.max));
  WriteSetting(key, "Time1", std::to_string(s.time1));
  WriteSetting(key, "Time2", std::to_string(s.time2));
  WriteSetting(key, "Delay", std::to_string(s.delay));
  WriteSetting(key, "LastMove", BoolText(s.lastMove));
  WriteSetting(key, "Board", s.board);
  WriteSetting(key, "PGNfile", s.pgnFile);
  WriteSetting(key, "SaveOne", BoolText(s.saveOne));
  WriteSetting(key, "Beep", std::to_string(s.beep));
}

}  // namespace chess
