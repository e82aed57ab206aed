#include "sound_art.h"

#include "art.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace art {
namespace {

constexpr int kRate = 22050;

using Samples = std::vector<double>;

// A knock: a very short noise burst exciting a few decaying resonances.
void Knock(Samples& out, double at, double loudness, const std::vector<double>& modes, double decay,
           std::uint32_t seed) {
  int start = static_cast<int>(at * kRate);
  for (std::size_t m = 0; m < modes.size(); ++m) {
    double frequency = modes[m], weight = 1.0 / (1 + m);
    for (int i = 0; start + i < static_cast<int>(out.size()) && i < kRate / 2; ++i) {
      double t = i / static_cast<double>(kRate);
      out[start + i] += loudness * weight * std::sin(2 * M_PI * frequency * t) * std::exp(-t / decay);
    }
  }
  for (int i = 0; i < kRate / 250 && start + i < static_cast<int>(out.size()); ++i) {
    double t = i / static_cast<double>(kRate / 250);
    out[start + i] += loudness * 0.8 * (Hash(i, 0, seed) * 2 - 1) * (1 - t);
  }
}

// A bell-like tone with a few harmonics and a soft attack.
void Tone(Samples& out, double at, double length, double frequency, double loudness) {
  int start = static_cast<int>(at * kRate);
  int count = static_cast<int>(length * kRate);
  for (int i = 0; i < count && start + i < static_cast<int>(out.size()); ++i) {
    double t = i / static_cast<double>(kRate);
    double envelope = std::min(1.0, t / 0.008) * std::exp(-t / (length * 0.45));
    double v = std::sin(2 * M_PI * frequency * t) + 0.35 * std::sin(2 * M_PI * 2 * frequency * t) +
               0.12 * std::sin(2 * M_PI * 3 * frequency * t);
    out[start + i] += loudness * envelope * v;
  }
}

std::string Wave(const Samples& samples) {
  double peak = 1e-9;
  for (double v : samples) peak = std::max(peak, std::abs(v));
  double gain = 0.8 / peak;
  std::string data;
  for (double v : samples) {
    auto s = static_cast<std::int16_t>(std::lround(std::clamp(v * gain, -1.0, 1.0) * 32767));
    data += static_cast<char>(s & 0xFF);
    data += static_cast<char>((s >> 8) & 0xFF);
  }
  auto u32 = [](std::uint32_t v) {
    return std::string{static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF),
                       static_cast<char>((v >> 16) & 0xFF), static_cast<char>(v >> 24)};
  };
  auto u16 = [](std::uint32_t v) { return std::string{static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)}; };
  std::string file = "RIFF" + u32(36 + static_cast<std::uint32_t>(data.size())) + "WAVE";
  file += "fmt " + u32(16) + u16(1) + u16(1) + u32(kRate) + u32(kRate * 2) + u16(2) + u16(16);
  file += "data" + u32(static_cast<std::uint32_t>(data.size())) + data;
  return file;
}

}  // namespace

std::string SoundFile(const std::string& name) {
  Samples out;
  if (name == "piece") {
    out.assign(kRate * 15 / 100, 0);
    Knock(out, 0.002, 1.0, {1150, 2350, 3900}, 0.018, 1);
  } else if (name == "dice") {
    out.assign(kRate * 55 / 100, 0);
    double at = 0.0;
    for (int i = 0; i < 11; ++i) {
      double loudness = 1.0 - i * 0.07;
      Knock(out, at, loudness, {2600 + 400 * Hash(i, 1, 3), 4300 + 700 * Hash(i, 2, 3)}, 0.008, 10 + i);
      at += 0.018 + 0.045 * Hash(i, 3, 3);
    }
  } else if (name == "check") {
    out.assign(kRate * 45 / 100, 0);
    Tone(out, 0.0, 0.22, 880, 0.8);
    Tone(out, 0.13, 0.32, 1174.7, 0.8);
  } else if (name == "Mate") {
    out.assign(kRate * 110 / 100, 0);
    const double notes[4] = {523.25, 659.25, 783.99, 1046.5};
    for (int i = 0; i < 4; ++i) Tone(out, 0.12 * i, i == 3 ? 0.75 : 0.25, notes[i], 0.7);
    Tone(out, 0.36, 0.75, 659.25, 0.35);
    Tone(out, 0.36, 0.75, 783.99, 0.35);
  } else if (name == "beep") {
    out.assign(kRate * 15 / 100, 0);
    for (std::size_t i = 0; i < out.size(); ++i) {
      double t = i / static_cast<double>(kRate);
      double fade = std::min({1.0, t / 0.005, (out.size() - i) / (0.005 * kRate)});
      out[i] = fade * std::sin(2 * M_PI * 1000 * t);
    }
  } else {
    throw std::invalid_argument("no sound " + name);
  }
  return Wave(out);
}

}  // namespace art
