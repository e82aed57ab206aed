// Reading the PCM data of a wave file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// ---- Wave files ----

// WaveData holds the format and the sample bytes of an uncompressed PCM wave file.
struct WaveData {
  int channels = 0;
  int sampleRate = 0;
  int bitsPerSample = 0;
  std::string samples;  // interleaved frames, little-endian as in the file

  int FrameBytes() const { return channels * bitsPerSample / 8; }
  // Length of the sound in milliseconds.
  std::int64_t DurationMs() const {
    return FrameBytes() > 0 && sampleRate > 0
               ? static_cast<std::int64_t>(samples.size() / static_cast<std::size_t>(FrameBytes())) * 1000 /
                     sampleRate
               : 0;
  }
};

// Parses a RIFF/WAVE file; nothing for anything but 8- or 16-bit PCM with 1 or 2 channels.
std::optional<WaveData> ParseWave(std::string_view file);

}  // namespace platform
