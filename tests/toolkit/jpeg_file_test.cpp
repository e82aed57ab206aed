#include "picture_samples.h"

#include <canvas.h>
#include <jpeg_file.h>
#include <picture_error.h>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using toolkit::Bitmap;
using toolkit::Canvas;
using namespace samples;

// The offset of the frame header's height field in a baseline JPEG file.
std::size_t FrameSizeAt(const std::string& jpeg) {
  for (std::size_t i = 2; i + 9 < jpeg.size(); ++i) {
    if (static_cast<unsigned char>(jpeg[i]) == 0xFF && static_cast<unsigned char>(jpeg[i + 1]) == 0xC0) return i + 5;
  }
  return std::string::npos;
}

TEST(JpegFileTest, DecodesWhatWasEncoded) {
  Bitmap picture(64, 48);  // smooth, as photographs and board pictures are
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 64; ++x)
      Canvas(picture).SetPixel(x, y, toolkit::Rgb{static_cast<std::uint8_t>(x * 4), static_cast<std::uint8_t>(y * 5), 128});
  Bitmap back = toolkit::DecodeJpeg(toolkit::EncodeJpeg(picture, 95));
  ASSERT_EQ(back.Width(), 64);
  ASSERT_EQ(back.Height(), 48);
  EXPECT_EQ(back.Format(), toolkit::PixelFormat::Bgr24);
  int worst = 0;
  for (int y = 0; y < 48; ++y) {
    for (int x = 0; x < 64; ++x) {
      toolkit::Rgb a = Canvas(picture).Pixel(x, y), b = Canvas(back).Pixel(x, y);
      worst = std::max({worst, std::abs(a.R - b.R), std::abs(a.G - b.G), std::abs(a.B - b.B)});
    }
  }
  EXPECT_LT(worst, 12);  // lossy, but the same picture
}

TEST(JpegFileTest, BrokenFilesRaisePictureError) {
  const std::string valid = toolkit::EncodeJpeg(Gradient(40, 30));
  std::size_t size = FrameSizeAt(valid);
  ASSERT_NE(size, std::string::npos);
  auto withSize = [&](int width, int height) {
    std::string s = valid;
    s[size] = static_cast<char>(height >> 8), s[size + 1] = static_cast<char>(height & 0xFF);
    s[size + 2] = static_cast<char>(width >> 8), s[size + 3] = static_cast<char>(width & 0xFF);
    return s;
  };
  struct Case { const char* name; std::string bytes; };
  const Case cases[] = {
      {"zero bytes", ""},
      {"start marker only", "\xFF\xD8"},
      {"not a JPEG", std::string(100, 'x')},
      {"cut in the header", valid.substr(0, size + 2)},
      {"cut after the header", valid.substr(0, size + 200)},
      {"cut in the middle", valid.substr(0, valid.size() / 2)},
      {"cut before the end marker", valid.substr(0, valid.size() - 2)},
      {"zero width", withSize(0, 30)},
      {"zero height", withSize(40, 0)},
      {"huge declared size", withSize(65000, 65000)},
  };
  for (const Case& test : cases) {
    EXPECT_THROW(toolkit::DecodeJpeg(test.bytes), toolkit::PictureError) << test.name;
  }
  EXPECT_THROW(toolkit::LoadJpegFile("/nonexistent/board.jpg"), toolkit::PictureError);
}

}  // namespace
