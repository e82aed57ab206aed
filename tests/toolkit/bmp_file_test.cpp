#include "picture_samples.h"
#include "test_folder.h"

#include <bmp_file.h>
#include <canvas.h>
#include <picture_error.h>

#include <files.h>

#include <gtest/gtest.h>

namespace {

using toolkit::Bitmap;
using toolkit::Canvas;
using toolkit::PixelFormat;
using toolkit::Rgb;
using namespace samples;

// Every depth and row order gives the same 3 by 2 picture: top row red, green, blue; bottom
// row white, black, red (two colours only at 1 bit).
TEST(BmpFileTest, ReadsEveryDepthAndRowOrder) {
  const std::vector<std::vector<Rgb>> colours = {{kRed, kGreen, kBlue}, {kWhite, kBlack, kRed}};
  const std::vector<Rgb> palette = {kBlack, kRed, kGreen, kBlue, kWhite};
  const std::vector<std::vector<int>> indexes = {{1, 2, 3}, {4, 0, 1}};
  struct Case {
    const char* name;
    BmpSpec spec;
    PixelFormat format;
  };
  auto indexed = [&](int bits, bool topDown, int header = 40) {
    BmpSpec s;
    s.bits = bits, s.topDown = topDown, s.headerSize = header, s.palette = palette, s.indexes = indexes;
    return s;
  };
  auto direct = [&](int bits, bool topDown, int header = 40, std::uint32_t compression = 0) {
    BmpSpec s;
    s.bits = bits, s.topDown = topDown, s.headerSize = header, s.compression = compression, s.colours = colours;
    s.masks[0] = 0x000000FF, s.masks[1] = 0x0000FF00, s.masks[2] = 0x00FF0000;  // red in the low byte
    return s;
  };
  BmpSpec oneBit;
  oneBit.bits = 1, oneBit.palette = {kBlue, kWhite}, oneBit.indexes = {{0, 1, 1}, {1, 0, 0}};
  const Case cases[] = {
      {"4 bits bottom-up", indexed(4, false), PixelFormat::Bgr24},
      {"4 bits top-down", indexed(4, true), PixelFormat::Bgr24},
      {"8 bits bottom-up", indexed(8, false), PixelFormat::Indexed8},
      {"8 bits top-down", indexed(8, true), PixelFormat::Indexed8},
      {"8 bits, old header", indexed(8, false, 12), PixelFormat::Indexed8},
      {"16 bits", direct(16, false), PixelFormat::Bgr24},
      {"24 bits bottom-up", direct(24, false), PixelFormat::Bgr24},
      {"24 bits top-down", direct(24, true), PixelFormat::Bgr24},
      {"24 bits, old header", direct(24, false, 12), PixelFormat::Bgr24},
      {"24 bits, version 4 header", direct(24, false, 108), PixelFormat::Bgr24},
      {"32 bits", direct(32, false), PixelFormat::Bgr24},
      {"32 bits with bit fields", direct(32, true, 40, 3), PixelFormat::Bgr24},
      {"32 bits with bit fields, version 4 header", direct(32, false, 108, 3), PixelFormat::Bgr24},
  };
  for (const Case& test : cases) {
    Bitmap b = toolkit::DecodeBmp(MakeBmp(test.spec));
    ASSERT_EQ(b.Width(), 3) << test.name;
    ASSERT_EQ(b.Height(), 2) << test.name;
    EXPECT_EQ(b.Format(), test.format) << test.name;
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 3; ++x) EXPECT_EQ(Canvas(b).Pixel(x, y), colours[y][x]) << test.name << " " << x << "," << y;
  }
  Bitmap b = toolkit::DecodeBmp(MakeBmp(oneBit));
  const Rgb expected[2][3] = {{kBlue, kWhite, kWhite}, {kWhite, kBlue, kBlue}};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(Canvas(b).Pixel(x, y), expected[y][x]) << "1 bit " << x << "," << y;
}

TEST(BmpFileTest, WritesWhatItReads) {
  Bitmap colour = Gradient(5, 3);
  Bitmap back = toolkit::DecodeBmp(toolkit::EncodeBmp(colour));
  ASSERT_EQ(back.Width(), 5);
  ASSERT_EQ(back.Height(), 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(Canvas(back).Pixel(x, y), Canvas(colour).Pixel(x, y));

  Bitmap indexed(3, 2, PixelFormat::Indexed8);
  indexed.SetPalette({kRed, kGreen, kBlue});
  for (int x = 0; x < 3; ++x) indexed.Row(0)[x] = static_cast<std::uint8_t>(x), indexed.Row(1)[x] = 2;
  Bitmap again = toolkit::DecodeBmp(toolkit::EncodeBmp(indexed));
  EXPECT_EQ(again.Format(), PixelFormat::Indexed8);
  EXPECT_EQ(again.Row(0)[1], 1);
  EXPECT_EQ(again.Row(1)[0], 2);
  EXPECT_EQ(again.PaletteColour(2), kBlue);

  TestFolder folder;
  ASSERT_TRUE(toolkit::SaveBmpFile(folder.Path() + "Pictures\\Saved.bmp", colour));
  EXPECT_EQ(toolkit::LoadBmpFile(folder.Path() + "pictures\\saved.BMP").Width(), 5);
}

TEST(BmpFileTest, BrokenFilesRaisePictureError) {
  BmpSpec spec;
  spec.colours = {{kRed, kGreen}, {kBlue, kWhite}};
  const std::string valid = MakeBmp(spec);
  auto patched = [&](std::size_t at, std::uint32_t value) {
    std::string s = valid;
    for (int i = 0; i < 4; ++i) s[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    return s;
  };
  auto patched16 = [&](std::size_t at, std::uint32_t value) {
    std::string s = valid;
    s[at] = static_cast<char>(value & 0xFF), s[at + 1] = static_cast<char>(value >> 8);
    return s;
  };
  struct Case { const char* name; std::string bytes; };
  const Case cases[] = {
      {"zero bytes", ""},
      {"signature only", "BM"},
      {"not a bitmap", "GIF89a" + std::string(60, '\0')},
      {"truncated header", valid.substr(0, 30)},
      {"truncated pixels", valid.substr(0, valid.size() - 7)},
      {"zero width", patched(18, 0)},
      {"zero height", patched(22, 0)},
      {"huge declared size", patched(22, 60000) },
      {"width beyond any sense", patched(18, 0x7FFFFFFF)},
      {"negative width", patched(18, 0xFFFFFFFE)},
      {"unknown depth", patched16(28, 7)},
      {"run-length compressed", patched(30, 1)},
      {"pixels beyond the end", patched(10, 0xFFFFFF00)},
      {"header beyond the end", patched(14, 0xFFFFFFF0)},
      {"bit fields on 24 bits", patched(30, 3)},
  };
  for (const Case& test : cases) {
    EXPECT_THROW(toolkit::DecodeBmp(test.bytes), toolkit::PictureError) << test.name;
  }
  BmpSpec palette;
  palette.bits = 8, palette.palette = {kRed, kBlue}, palette.indexes = {{0, 1}};
  std::string shortPalette = MakeBmp(palette);
  shortPalette[46] = static_cast<char>(200);  // claims 200 colours the file does not hold
  EXPECT_THROW(toolkit::DecodeBmp(shortPalette), toolkit::PictureError);

  TestFolder folder;
  EXPECT_THROW(toolkit::LoadBmpFile(folder.Path() + "missing.bmp"), toolkit::PictureError);
}

}  // namespace
