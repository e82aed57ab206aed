// A brief fuzz of the two picture readers: valid files with random damage must decode or
// raise PictureError, never crash, hang or read outside the bytes (the sanitizer build
// watches the last).
#include "picture_samples.h"

#include <bmp_file.h>
#include <jpeg_file.h>
#include <picture_error.h>

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace {

using namespace samples;

std::string Damage(const std::string& file, std::mt19937& random) {
  std::string s = file;
  std::uniform_int_distribution<int> kind(0, 3);
  switch (kind(random)) {
    case 0:  // a cut
      s.resize(std::uniform_int_distribution<std::size_t>(0, s.size())(random));
      break;
    case 1: {  // a few bytes overwritten, mostly in the headers where sizes live
      int count = std::uniform_int_distribution<int>(1, 6)(random);
      for (int i = 0; i < count && !s.empty(); ++i) {
        std::size_t limit = (random() % 2) ? std::min<std::size_t>(s.size(), 200) : s.size();
        s[std::uniform_int_distribution<std::size_t>(0, limit - 1)(random)] = static_cast<char>(random());
      }
      break;
    }
    case 2: {  // a header field set to an extreme
      if (s.size() < 8) break;
      std::size_t at = std::uniform_int_distribution<std::size_t>(0, std::min<std::size_t>(s.size(), 180) - 4)(random);
      const char extremes[] = {'\0', '\x7F', '\xFF', '\x80'};
      for (int i = 0; i < 4; ++i) s[at + i] = extremes[random() % 4];
      break;
    }
    default: {  // a block repeated or removed
      if (s.size() < 16) break;
      std::size_t at = random() % (s.size() - 8), length = 1 + random() % 8;
      if (random() % 2) s.insert(at, s.substr(at, length));
      else s.erase(at, length);
      break;
    }
  }
  return s;
}

void Fuzz(const std::vector<std::string>& seeds, const std::function<void(const std::string&)>& decode,
          int rounds) {
  std::mt19937 random(20240611);
  int decoded = 0, refused = 0;
  for (int i = 0; i < rounds; ++i) {
    std::string input = Damage(seeds[static_cast<std::size_t>(i) % seeds.size()], random);
    try {
      decode(input);
      ++decoded;
    } catch (const toolkit::PictureError&) {
      ++refused;
    }
  }
  EXPECT_EQ(decoded + refused, rounds);
  EXPECT_GT(refused, 0);
}

TEST(PictureFuzzTest, DamagedBitmapFilesDecodeOrRaisePictureError) {
  BmpSpec direct;
  direct.colours = {{kRed, kGreen, kBlue}, {kWhite, kBlack, kRed}};
  BmpSpec fields = direct;
  fields.bits = 32, fields.compression = 3, fields.masks[0] = 0xFF0000, fields.masks[1] = 0xFF00, fields.masks[2] = 0xFF;
  BmpSpec indexed;
  indexed.bits = 8, indexed.palette = {kRed, kBlue, kGreen}, indexed.indexes = {{0, 1, 2}, {2, 1, 0}};
  BmpSpec nibbles = indexed;
  nibbles.bits = 4, nibbles.topDown = true;
  BmpSpec core = indexed;
  core.headerSize = 12;
  Fuzz({MakeBmp(direct), MakeBmp(fields), MakeBmp(indexed), MakeBmp(nibbles), MakeBmp(core)},
       [](const std::string& bytes) { toolkit::DecodeBmp(bytes); }, 4000);
}

TEST(PictureFuzzTest, DamagedJpegFilesDecodeOrRaisePictureError) {
  Fuzz({toolkit::EncodeJpeg(Gradient(24, 16), 90), toolkit::EncodeJpeg(Gradient(9, 33), 40)},
       [](const std::string& bytes) { toolkit::DecodeJpeg(bytes); }, 1500);
}

}  // namespace
