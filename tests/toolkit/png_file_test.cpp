#include "picture_samples.h"

#include <canvas.h>
#include <png_file.h>

#include <gtest/gtest.h>

#include <png.h>

#include <vector>

namespace {

using toolkit::Bitmap;
using toolkit::Canvas;
using namespace samples;

// Reads a PNG back with libpng's own reader, as RGB.
std::vector<png_byte> ReadBack(const std::string& png, int& width, int& height) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  EXPECT_TRUE(png_image_begin_read_from_memory(&image, png.data(), png.size()));
  image.format = PNG_FORMAT_RGB;
  std::vector<png_byte> pixels(PNG_IMAGE_SIZE(image));
  EXPECT_TRUE(png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr));
  width = static_cast<int>(image.width), height = static_cast<int>(image.height);
  return pixels;
}

TEST(PngFileTest, WritesColourAndPalettePictures) {
  Bitmap colour = Gradient(7, 3);
  Bitmap indexed(2, 2, toolkit::PixelFormat::Indexed8);
  indexed.SetPalette({kRed, kBlue});
  indexed.Row(0)[1] = 1, indexed.Row(1)[0] = 1;
  for (const Bitmap* picture : {&colour, &indexed}) {
    int width = 0, height = 0;
    std::vector<png_byte> pixels = ReadBack(toolkit::EncodePng(*picture), width, height);
    ASSERT_EQ(width, picture->Width());
    ASSERT_EQ(height, picture->Height());
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        toolkit::Rgb p = Canvas(const_cast<Bitmap&>(*picture)).Pixel(x, y);
        const png_byte* q = &pixels[3 * (y * width + x)];
        EXPECT_EQ((toolkit::Rgb{q[0], q[1], q[2]}), p) << x << "," << y;
      }
    }
  }
}

}  // namespace
