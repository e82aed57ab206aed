#include "picture_samples.h"

#include <bitmap.h>
#include <canvas.h>
#include <picture_error.h>
#include <rounding.h>

#include <gtest/gtest.h>

namespace {

using toolkit::Bitmap;
using toolkit::Canvas;
using toolkit::PixelFormat;
using toolkit::Rgb;
using namespace samples;

TEST(BitmapTest, SizeChangesKeepTheSharedPartAndMakeNewPixelsBlack) {
  Bitmap b = Gradient(3, 2);
  Bitmap original = b;
  b.SetSize(5, 3);
  Canvas c(b);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) {
      Rgb expected = (x < 3 && y < 2) ? Canvas(original).Pixel(x, y) : kBlack;
      EXPECT_EQ(c.Pixel(x, y), expected) << x << "," << y;
    }
  }
  // Setting the width to 1 drops the picture: growing again brings back nothing.
  b.SetWidth(1);
  b.SetWidth(3);
  EXPECT_EQ(c.Pixel(0, 1), Canvas(original).Pixel(0, 1));
  EXPECT_EQ(c.Pixel(1, 0), kBlack);
  EXPECT_EQ(c.Pixel(2, 1), kBlack);
  b.SetSize(-4, 7);
  EXPECT_TRUE(b.Empty());
}

TEST(BitmapTest, RowsArePaddedToFourBytes) {
  EXPECT_EQ(Bitmap(5, 1).Stride(), 16u);
  EXPECT_EQ(Bitmap(4, 1).Stride(), 12u);
  EXPECT_EQ(Bitmap(5, 1, PixelFormat::Indexed8).Stride(), 8u);
}

TEST(BitmapTest, FormatChangesGoThroughThePalette) {
  Bitmap indexed(3, 1, PixelFormat::Indexed8);
  indexed.SetPalette({kRed, kGreen});
  indexed.Row(0)[0] = 1, indexed.Row(0)[1] = 0, indexed.Row(0)[2] = 7;  // 7 lies beyond the palette
  indexed.SetFormat(PixelFormat::Bgr24);
  EXPECT_EQ(Canvas(indexed).Pixel(0, 0), kGreen);
  EXPECT_EQ(Canvas(indexed).Pixel(1, 0), kRed);
  EXPECT_EQ(Canvas(indexed).Pixel(2, 0), kBlack);

  Bitmap colour(2, 1);
  Canvas(colour).SetPixel(0, 0, Rgb{100, 100, 100});
  Canvas(colour).SetPixel(1, 0, Rgb{200, 190, 210});
  colour.SetPalette({kBlack, kWhite});
  colour.SetFormat(PixelFormat::Indexed8);
  EXPECT_EQ(colour.Row(0)[0], 0);
  EXPECT_EQ(colour.Row(0)[1], 1);

  Bitmap plain(1, 1);  // no palette: the default one, which holds the colour cube
  Canvas(plain).SetPixel(0, 0, Rgb{51, 102, 153});
  plain.SetFormat(PixelFormat::Indexed8);
  EXPECT_EQ(Canvas(plain).Pixel(0, 0), (Rgb{51, 102, 153}));
}

TEST(BitmapTest, PicturesBeyondTheLimitRaisePictureError) {
  EXPECT_THROW(Bitmap(1 << 14, 1 << 13), toolkit::PictureError);
  Bitmap b(10, 10);
  EXPECT_THROW(b.SetSize(70000, 70000), toolkit::PictureError);
  EXPECT_EQ(b.Width(), 10);  // unchanged after the refusal
}

TEST(RoundingTest, TiesGoToTheEvenNeighbour) {
  struct Case { double value; int rounded; };
  const Case cases[] = {{0.5, 0},  {1.5, 2},    {2.5, 2},  {-0.5, 0}, {-1.5, -2}, {-2.5, -2},
                        {2.4999, 2}, {2.5001, 3}, {47.5, 48}, {412.5, 412}, {1e300, INT_MAX}, {-1e300, INT_MIN}};
  for (const Case& c : cases) EXPECT_EQ(toolkit::Rounded(c.value), c.rounded) << c.value;
  EXPECT_EQ(toolkit::Rounded(std::nan("")), 0);
}

}  // namespace
