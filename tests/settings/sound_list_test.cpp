#include "test_folder.h"

#include <files.h>
#include <sound.h>
#include <sound_list.h>

#include <gtest/gtest.h>

namespace {

TEST(SoundListTest, NamesAreFilesInTheGameFolderUnlessTheyAreExistingPaths) {
  TestFolder folder;
  std::string beep = folder.Path() + "data/beep.wav";
  ASSERT_TRUE(platform::WriteWholeFile(beep, "RIFF"));
  plugin::LoadSounds("/games/backgammon\\", {"piece.wav", "dice.wav", beep});
  EXPECT_EQ(plugin::SoundFiles(),
            (std::vector<std::string>{"/games/backgammon\\piece.wav", "/games/backgammon\\dice.wav", beep}));
  plugin::ReleaseSounds();
  EXPECT_TRUE(plugin::SoundFiles().empty());
}

TEST(SoundListTest, PlaysByIndexOnlyWhileSoundIsOn) {
  std::vector<platform::SoundRequest> heard;
  platform::SetSoundObserver([&](const platform::SoundRequest& r) { heard.push_back(r); });
  plugin::LoadSounds("/g/", {"piece.wav", "dice.wav"});
  bool soundOn = true;
  plugin::SetSoundSwitch(&soundOn);
  plugin::PlaySoundIndex(1, false);
  plugin::PlaySoundIndex(0, true);
  plugin::PlaySoundIndex(2, false);   // outside the list
  plugin::PlaySoundIndex(-1, false);
  soundOn = false;                    // read at the moment of playing
  plugin::PlaySoundIndex(0, false);
  ASSERT_EQ(heard.size(), 2u);
  EXPECT_EQ(heard[0].index, 1);
  EXPECT_EQ(heard[0].file, "/g/dice.wav");
  EXPECT_FALSE(heard[0].wait);
  EXPECT_TRUE(heard[1].wait);
  plugin::SetSoundSwitch(nullptr);
  platform::SetSoundObserver(nullptr);
  plugin::ReleaseSounds();
}

}  // namespace
