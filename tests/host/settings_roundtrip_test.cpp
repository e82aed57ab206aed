// Stored preferences reach the host at start-up and go back to the store at the end.
#include "plugin_paths.h"
#include "test_folder.h"

#include <files.h>
#include <host_folder.h>
#include <plugin_instance.h>
#include <registry.h>

#include <gtest/gtest.h>

namespace {

TEST(SettingsRoundTripTest, InitDLLShowsStoredValuesAndClear3DWritesThemBackInOrder) {
  TestFolder folder;
  platform::SetHostFolder(folder.Path());
  std::string store = folder.Path() + "registry.reg";
  platform::SetRegistryFile(store);
  const std::string key = "Software\\Site\\Demo\\Backgammon\\Options";
  platform::RegistryWrite(key, "Sound", "0");
  platform::RegistryWrite(key, "Confirm", "0");
  platform::RegistryWrite(key, "AutoRool", "1");
  platform::RegistryWrite(key, "CheckerBlack", "Black");
  ASSERT_TRUE(platform::WriteWholeFile(folder.Path() + "Common/SmallBlack.bmp", "black"));

  std::string error;
  auto plugin = host::PluginInstance::Load(PluginPath("backgammon"), &error);
  ASSERT_TRUE(plugin) << error;
  std::string reply = plugin->InitDLL("Software\\Site\\Demo");
  EXPECT_NE(reply.find("RTTI:MainForm:GameB14:selected:0|"), std::string::npos);
  EXPECT_NE(reply.find("RTTI:MainForm:GameB15:selected:0|"), std::string::npos);
  EXPECT_NE(reply.find("RTTI:MainForm:GameB16:selected:0|"), std::string::npos);  // always starts off
  EXPECT_EQ(platform::ReadWholeFile(folder.Path() + "Data/Chb.bmp").value_or(""), "black");

  platform::SetRegistryFile(folder.Path() + "written.reg");
  plugin->Clear3D();
  std::string written = platform::ReadWholeFile(folder.Path() + "written.reg").value_or("");
  EXPECT_NE(written.find("[HKEY_CURRENT_USER\\" + key + "]\r\n"
                         "\"Sound\"=\"0\"\r\n\"Confirm\"=\"0\"\r\n\"Move\"=\"1\"\r\n\"AutoRool\"=\"0\"\r\n"
                         "\"AutoMove\"=\"1\"\r\n\"AutoRoolND\"=\"1\"\r\n\"Match\"=\"3\"\r\n"
                         "\"InvertBoard\"=\"1\"\r\n\"Board\"=\"Granite\"\r\n\"CheckerWhite\"=\"White\"\r\n"
                         "\"CheckerBlack\"=\"Black\"\r\n\"Delay\"=\"750\"\r\n\"Beep\"=\"10\"\r\n"),
            std::string::npos)
      << written;
  platform::SetRegistryFile("");
  platform::SetHostFolder("");
}

TEST(SettingsRoundTripTest, WithoutASiteNameThePgnFileIsTheGameFolderPlusPgn) {
  TestFolder folder;
  platform::SetHostFolder(folder.Path());
  platform::SetRegistryFile(folder.Path() + "registry.reg");
  std::string error;
  auto plugin = host::PluginInstance::Load(PluginPath("chess"), &error);
  ASSERT_TRUE(plugin) << error;
  plugin->InitDLL("Software\\Site");  // only two fields: the site name is empty
  plugin->Clear3D();
  EXPECT_EQ(platform::RegistryRead("Software\\Site\\Chess\\Options", "PGNfile").value_or(""),
            folder.Path() + "Chess\\.pgn");
  platform::SetRegistryFile("");
  platform::SetHostFolder("");
}

}  // namespace
