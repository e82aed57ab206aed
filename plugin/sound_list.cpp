#include "sound_list.h"

#include <files.h>
#include <sound.h>

namespace plugin {
namespace {

struct SoundListState {
  std::vector<std::string> files;
  const bool* soundOn = nullptr;
  int beepIndex = -1;
};

SoundListState& State() {
  static SoundListState state;
  return state;
}

}  // namespace

void LoadSounds(const std::string& folder, const std::vector<std::string>& names) {
  SoundListState& state = State();
  state.files.clear();
  for (const std::string& name : names)
    state.files.push_back(platform::FileExists(name) ? name : folder + name);
}

void PlaySoundIndex(int index, bool wait) {
  SoundListState& state = State();
  if (state.soundOn && !*state.soundOn) return;
  if (index < 0 || static_cast<std::size_t>(index) >= state.files.size()) return;
  platform::PlayWave({index, state.files[static_cast<std::size_t>(index)], wait});
}

void ReleaseSounds() { State().files.clear(); }

const std::vector<std::string>& SoundFiles() { return State().files; }

void SetSoundSwitch(const bool* soundOn) { State().soundOn = soundOn; }

int BeepIndex() { return State().beepIndex; }

void SetBeepIndex(int index) { State().beepIndex = index; }

}  // namespace plugin
