// The boundary itself: which symbols a plug-in shows, who owns which text, and that garbage
// from a host never breaks a call.
#include "plugin_paths.h"

#include <gameplugin.h>
#include <host_text.h>
#include <hostmm.h>
#include <plugin_instance.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <cstring>
#include <set>

namespace {

std::unique_ptr<host::PluginInstance> Load(const std::string& name) {
  std::string error;
  auto plugin = host::PluginInstance::Load(PluginPath(name), &error);
  EXPECT_TRUE(plugin) << error;
  return plugin;
}

std::set<std::string> DynamicSymbols(const std::string& path) {
  std::set<std::string> names;
  std::string command = "nm -D --defined-only " + path;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return names;
  char line[1024];
  while (std::fgets(line, sizeof line, pipe)) {
    std::string text(line);
    text.erase(text.find_last_not_of("\r\n") + 1);
    std::size_t space = text.rfind(' ');
    names.insert(text.substr(space + 1));
  }
  ::pclose(pipe);
  return names;
}

TEST(BoundaryTest, EachPluginExportsExactlyTheTwentySixNames) {
  const std::set<std::string> expected = {GP_EXPORT_NAMES};
  ASSERT_EQ(expected.size(), 26u);
  for (const char* name : {"backgammon", "chess"}) {
    EXPECT_EQ(DynamicSymbols(PluginPath(name)), expected) << name;
  }
}

TEST(BoundaryTest, AnEmptyReplyIsTheNullTextAndTheOldReplyIsReleased) {
  auto plugin = Load("chess");
  ASSERT_TRUE(plugin);
  plugin->InitDLL("x");
  std::size_t before = HostMemBlocksInUse();
  GpText reply = HostText("old reply").Release();
  plugin->Exports().CheckTimer(&reply, 1);
  EXPECT_EQ(reply, nullptr);
  EXPECT_EQ(HostMemBlocksInUse(), before);
}

TEST(BoundaryTest, TextsCrossBothWaysWithoutLeaks) {
  std::size_t before = HostMemBlocksInUse();
  {
    auto backgammon = Load("backgammon");
    auto chess = Load("chess");
    ASSERT_TRUE(backgammon && chess);
    for (int round = 0; round < 3; ++round) {
      backgammon->InitDLL("Software\\Site\\Name");
      chess->InitDLL("Software\\Site\\Name");
      backgammon->GameProcess(1, "Play:1:a:b:xyz");
      chess->Initgame(2, "game text", "resume text");
      std::string invitation = "1:2:3";
      chess->GetInvData("values", invitation);
      backgammon->InitMatch();
      backgammon->SmallPos(1);
      chess->PaintComb("path", 0, 0, 1, 1, "caption", true, 0);
      backgammon->Clear3D();
      chess->Clear3D();
    }
    // A borrowed argument comes back with the reference count the host gave it.
    HostText message("GameProcess message");
    GpText reply = nullptr;
    chess->Exports().GameProcess(&reply, 1, message.Get());
    int32_t count;
    std::memcpy(&count, message.Get() - GP_TEXT_HEADER, sizeof count);
    EXPECT_EQ(count, 1);
    GpTextRelease(reply);
  }
  EXPECT_EQ(HostMemBlocksInUse(), before);
}

TEST(BoundaryTest, TwoInstancesOfOnePluginKeepSeparateState) {
  // Each copy has its own generator for the scrambler's start values, so two fresh copies
  // draw the same start values however much the other one has drawn.
  auto first = Load("chess");
  auto second = Load("chess");
  ASSERT_TRUE(first && second);
  auto header = [](host::PluginInstance& plugin) {
    GpText reply = nullptr;
    plugin.Exports().InitDLL(&reply, nullptr, nullptr);
    HostText owned = HostText::Adopt(reply);
    return owned.View().empty() ? -1 : static_cast<unsigned char>(owned.View()[0]);
  };
  std::vector<int> firstHeaders;
  for (int i = 0; i < 5; ++i) firstHeaders.push_back(header(*first));
  EXPECT_EQ(header(*second), firstHeaders[0]);
  EXPECT_NE(std::adjacent_find(firstHeaders.begin(), firstHeaders.end(), std::not_equal_to<>()),
            firstHeaders.end());
}

TEST(BoundaryTest, GarbageInGivesAShortReplyNeverACrash) {
  auto plugin = Load("backgammon");
  ASSERT_TRUE(plugin);
  plugin->InitDLL("x");
  std::mt19937 random(11);
  for (int round = 0; round < 300; ++round) {
    std::string garbage(static_cast<std::size_t>(random() % 400), ' ');
    for (char& c : garbage) c = static_cast<char>(random());
    int slot = static_cast<int>(random() % 40) - 15;
    HostText raw(garbage);
    GpText reply = nullptr;
    plugin->Exports().GameProcess(&reply, slot, raw.Get());
    plugin->Exports().Initgame(&reply, slot, raw.Get(), raw.Get());
    plugin->Exports().Action(&reply, slot, static_cast<int32_t>(random()));
    plugin->Exports().MouseUp(&reply, slot, static_cast<int32_t>(random()), -5, 0, 0);
    GpTextRelease(reply);
  }
  // Null out-variables and null texts are accepted too.
  plugin->Exports().InitMatch(nullptr, nullptr, nullptr);
  plugin->Exports().GetInvData(nullptr, nullptr, nullptr);
  plugin->Exports().Init3D(nullptr, nullptr, nullptr);
  plugin->Exports().SmallPos(nullptr, 99, 0, 0, nullptr);
}

}  // namespace
