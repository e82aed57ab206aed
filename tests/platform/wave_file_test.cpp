#include <wave_file.h>

#include <gtest/gtest.h>

namespace {

std::string Le32(std::uint32_t v) {
  return {static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16), static_cast<char>(v >> 24)};
}
std::string Le16(std::uint16_t v) { return {static_cast<char>(v), static_cast<char>(v >> 8)}; }

std::string Wave(std::uint16_t format, std::uint16_t channels, std::uint32_t rate, std::uint16_t bits,
                 const std::string& samples) {
  std::string fmt = Le16(format) + Le16(channels) + Le32(rate) + Le32(rate * channels * bits / 8) +
                    Le16(static_cast<std::uint16_t>(channels * bits / 8)) + Le16(bits);
  std::string body = "WAVE" + std::string("fmt ") + Le32(16) + fmt + "data" + Le32(static_cast<std::uint32_t>(samples.size())) + samples;
  return "RIFF" + Le32(static_cast<std::uint32_t>(body.size())) + body;
}

TEST(WaveFileTest, ReadsPcmAndRefusesTheRest) {
  auto wave = platform::ParseWave(Wave(1, 1, 8000, 16, std::string(1600, '\0')));
  ASSERT_TRUE(wave);
  EXPECT_EQ(wave->channels, 1);
  EXPECT_EQ(wave->DurationMs(), 100);
  EXPECT_FALSE(platform::ParseWave(Wave(3, 1, 8000, 32, std::string(16, '\0'))));  // float samples
  EXPECT_FALSE(platform::ParseWave("RIFF"));
  EXPECT_FALSE(platform::ParseWave(""));
  // A file cut inside its data plays what is there, in whole frames.
  std::string cut = Wave(1, 2, 8000, 16, std::string(400, '\x10')).substr(0, 44 + 101);
  auto partial = platform::ParseWave(cut);
  ASSERT_TRUE(partial);
  EXPECT_EQ(partial->samples.size(), 100u);
}

}  // namespace
