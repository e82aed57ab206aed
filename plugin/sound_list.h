// The plug-in's sounds: an ordered list of wave files played by index.
#pragma once

#include <string>
#include <vector>

namespace plugin {

// ---- Sound list ----

// Replaces the list. A name that is the path of an existing file is kept as it is; any
// other name is taken to be a file in `folder` (the game folder).
void LoadSounds(const std::string& folder, const std::vector<std::string>& names);

// Plays the sound at `index` unless the Sound setting is off at this moment; with `wait`
// returns when it is over. An index outside the list plays nothing.
void PlaySoundIndex(int index, bool wait);

// Drops the list.
void ReleaseSounds();

// The files in the list, in order.
const std::vector<std::string>& SoundFiles();

// ---- Switches ----

// Where the Sound setting lives; read at every play, so switching it off silences the next
// sound at once. Without a switch, sound is on.
void SetSoundSwitch(const bool* soundOn);

// The index of the clock beep (the last entry), set when the list is built.
int BeepIndex();
void SetBeepIndex(int index);

}  // namespace plugin
