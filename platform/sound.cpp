#include "sound.h"

#include "files.h"
#include "wave_file.h"

#include <alsa/asoundlib.h>

#include <atomic>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace platform {
namespace {

struct SoundState {
  std::function<void(const SoundRequest&)> observer;
  // GAMEHOST_NO_SOUND keeps test runs and headless hosts off the speakers.
  bool deviceEnabled = std::getenv("GAMEHOST_NO_SOUND") == nullptr;
  std::atomic<bool> playing{false};
  std::thread background;
  // A sound still playing when the process ends is let finish: a thread left unjoined would
  // end the process abnormally.
  ~SoundState() {
    if (background.joinable()) background.join();
  }
};

SoundState& State() {
  static SoundState state;
  return state;
}

// Plays the samples on the default device; returns at once when no device opens.
void PlayOnDevice(const WaveData& wave) {
  snd_pcm_t* pcm = nullptr;
  // Opening without blocking: a device held by another program counts as busy.
  if (snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0) return;
  snd_pcm_nonblock(pcm, 0);
  snd_pcm_format_t format = wave.bitsPerSample == 8 ? SND_PCM_FORMAT_U8 : SND_PCM_FORMAT_S16_LE;
  if (snd_pcm_set_params(pcm, format, SND_PCM_ACCESS_RW_INTERLEAVED,
                         static_cast<unsigned>(wave.channels), static_cast<unsigned>(wave.sampleRate),
                         1, 100000) == 0) {
    const char* data = wave.samples.data();
    snd_pcm_uframes_t frames = wave.samples.size() / static_cast<std::size_t>(wave.FrameBytes());
    while (frames > 0) {
      snd_pcm_sframes_t written = snd_pcm_writei(pcm, data, frames);
      if (written < 0) written = snd_pcm_recover(pcm, static_cast<int>(written), 1);
      if (written < 0) break;
      frames -= static_cast<snd_pcm_uframes_t>(written);
      data += written * wave.FrameBytes();
    }
    snd_pcm_drain(pcm);
  }
  snd_pcm_close(pcm);
}

}  // namespace

void SetSoundObserver(std::function<void(const SoundRequest&)> observer) {
  State().observer = std::move(observer);
}

void SetSoundDeviceEnabled(bool enabled) { State().deviceEnabled = enabled; }

void WaitForSound() {
  SoundState& state = State();
  if (state.background.joinable()) state.background.join();
}

void PlayWave(const SoundRequest& request) {
  SoundState& state = State();
  if (state.observer) state.observer(request);
  if (!state.deviceEnabled || state.playing.load()) return;  // busy: this sound is skipped
  std::optional<std::string> bytes = ReadWholeFile(request.file);
  if (!bytes) return;
  std::optional<WaveData> wave = ParseWave(*bytes);
  if (!wave) return;
  WaitForSound();  // the previous background sound has finished; collect its thread
  state.playing = true;
  if (request.wait) {
    PlayOnDevice(*wave);
    state.playing = false;
    return;
  }
  state.background = std::thread([wave = std::move(*wave)] {
    PlayOnDevice(wave);
    State().playing = false;
  });
}

}  // namespace platform
