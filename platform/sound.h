// The sound device: wave files played through ALSA, or silence where there is no device.
#pragma once

#include <functional>
#include <string>

namespace platform {

// ---- Requests ----

// What a plug-in asked to play: the index in its sound list, the file, and whether the
// caller waits until the sound is over. Reported to the observer before anything plays.
struct SoundRequest {
  int index = -1;
  std::string file;
  bool wait = false;
};

// A host or a test registers one observer to see every request (nullptr removes it).
void SetSoundObserver(std::function<void(const SoundRequest&)> observer);

// ---- Playing ----

// Plays a PCM wave file (8 or 16 bits, mono or stereo). Without `wait` it plays in the
// background; with `wait` it returns when the sound is over. A sound that arrives while
// another still plays is skipped, and so is everything when no device can be opened or the
// file is not a wave we can play. Never blocks longer than the sound lasts.
void PlayWave(const SoundRequest& request);

// Turns the device off (silence, requests still observed) or back on. Tests and headless
// hosts switch it off; the default is on unless GAMEHOST_NO_SOUND is set.
void SetSoundDeviceEnabled(bool enabled);

// Waits for a background sound to finish (for an orderly shutdown).
void WaitForSound();

}  // namespace platform
