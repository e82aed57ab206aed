#include "wave_file.h"

#include <cstring>

namespace platform {
namespace {

std::uint32_t U32(std::string_view bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
  return value;
}

std::uint16_t U16(std::string_view bytes, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                    (static_cast<unsigned char>(bytes[at + 1]) << 8));
}

}  // namespace

std::optional<WaveData> ParseWave(std::string_view file) {
  if (file.size() < 12 || file.substr(0, 4) != "RIFF" || file.substr(8, 4) != "WAVE") return std::nullopt;
  WaveData wave;
  bool haveFormat = false, haveData = false;
  std::size_t at = 12;
  while (at + 8 <= file.size()) {
    std::string_view id = file.substr(at, 4);
    std::uint64_t size = U32(file, at + 4);
    std::size_t body = at + 8;
    std::uint64_t available = file.size() - body;
    if (id == "fmt ") {
      if (size < 16 || size > available) return std::nullopt;
      if (U16(file, body) != 1) return std::nullopt;  // PCM only
      wave.channels = U16(file, body + 2);
      wave.sampleRate = static_cast<int>(U32(file, body + 4));
      wave.bitsPerSample = U16(file, body + 14);
      haveFormat = true;
    } else if (id == "data") {
      // A data chunk cut short by a truncated file plays what is there.
      wave.samples = std::string(file.substr(body, static_cast<std::size_t>(std::min(size, available))));
      haveData = true;
    }
    at = body + static_cast<std::size_t>(std::min<std::uint64_t>(size + (size & 1), available));
    if (at == body && size != 0) break;
  }
  bool usable = haveFormat && haveData && (wave.channels == 1 || wave.channels == 2) &&
                (wave.bitsPerSample == 8 || wave.bitsPerSample == 16) && wave.sampleRate >= 1000 &&
                wave.sampleRate <= 192000;
  if (!usable) return std::nullopt;
  wave.samples.resize(wave.samples.size() - wave.samples.size() % static_cast<std::size_t>(wave.FrameBytes()));
  return wave;
}

}  // namespace platform
