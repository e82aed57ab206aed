#include "picture_samples.h"
#include "test_folder.h"

#include <image_x.h>

#include <bmp_file.h>
#include <jpeg_file.h>

#include <files.h>

#include <gtest/gtest.h>

namespace {

using toolkit::Bitmap;
using toolkit::Canvas;
using toolkit::PixelFormat;
using toolkit::Rect;
using toolkit::Rgb;
using namespace samples;

// A masked picture of the given width (odd widths allowed) and height: every colour pixel
// `colour`, every mask pixel `mask` (blue byte; the other two bytes 0 so only blue counts).
Bitmap MaskedPicture(int width, int height, Rgb colour, std::uint8_t mask) {
  Bitmap b(width, height);
  Canvas c(b);
  int w = width / 2;
  c.FillRect(Rect{0, 0, w, height}, colour);
  c.FillRect(Rect{w, 0, 2 * w, height}, Rgb{0, 0, mask});
  if (width % 2) c.FillRect(Rect{width - 1, 0, width, height}, Rgb{1, 2, 3});
  return b;
}

Bitmap Filled(int width, int height, Rgb colour) {
  Bitmap b(width, height);
  Canvas(b).FillRect(Rect{0, 0, width, height}, colour);
  return b;
}

// ---- DrawMasked ----

TEST(DrawMaskedTest, WeightsFollowMaskAndOpacity) {
  const Rgb picture{200, 100, 40}, background{10, 60, 250};
  auto mix = [&](int e) {
    auto channel = [e](int p, int b) { return static_cast<std::uint8_t>((e * p + (256 - e) * b) >> 8); };
    return Rgb{channel(picture.R, background.R), channel(picture.G, background.G), channel(picture.B, background.B)};
  };
  struct Case { std::uint8_t mask; double opacity; int weight; };
  const Case cases[] = {
      {0, 1.0, 256},    // opaque
      {255, 1.0, 1},    // the transparent mask still lets 1/256 of the picture through at opacity 1
      {255, 0.999, 0},  // at any other opacity it leaves the background exactly
      {255, 0.5, 0},
      {0, 0.5, 128},    // an even mix
      {128, 1.0, 128},
      {128, 0.25, 32},
      {100, 0.5, 78},   // rounded(0.5 * 156) = 78
      {1, 0.25, 64},    // rounded(0.25 * 255) = rounded(63.75)
      {0, 3.0, 256},    // weights never exceed 256 ...
      {0, -1.0, 0},     // ... nor fall below 0
  };
  for (const Case& test : cases) {
    Bitmap canvasBitmap = Filled(4, 3, background);
    Canvas canvas(canvasBitmap);
    Bitmap sprite = MaskedPicture(4, 2, picture, test.mask);
    ui::DrawMasked(1, 1, sprite, ui::kAllColumns, test.opacity, canvas);
    Rgb expected = mix(test.weight);
    EXPECT_EQ(canvas.Pixel(1, 1), expected) << int(test.mask) << " at " << test.opacity;
    EXPECT_EQ(canvas.Pixel(2, 2), expected) << int(test.mask) << " at " << test.opacity;
    EXPECT_EQ(canvas.Pixel(0, 1), background);
    EXPECT_EQ(canvas.Pixel(3, 1), background);
    EXPECT_EQ(canvas.Pixel(1, 0), background);
  }
  EXPECT_EQ(mix(1), (Rgb{10, 60, 249}));  // (picture + 255 * background) / 256, shifted
}

TEST(DrawMaskedTest, OddWidthsIgnoreTheLastColumnAndMaxColumnsStopsTheBlend) {
  // 105 pixels wide: a shape 52 wide, mask in columns 52..103, column 104 ignored.
  Bitmap sprite(105, 1);
  Canvas s(sprite);
  s.FillRect(Rect{0, 0, 52, 1}, kRed);
  s.FillRect(Rect{52, 0, 104, 1}, Rgb{0, 0, 0});
  s.SetPixel(52 + 51, 0, Rgb{0, 0, 255});  // the shape's last column is transparent...
  s.SetPixel(104, 0, Rgb{0, 0, 0});        // ...and column 104 would say opaque: ignored
  Bitmap target = Filled(60, 1, kBlue);
  Canvas t(target);
  ui::DrawMasked(0, 0, sprite, ui::kAllColumns, 0.5, t);
  const Rgb half{127, 0, 127};  // (128 * 255) >> 8 of red and of blue
  EXPECT_EQ(t.Pixel(0, 0), half);
  EXPECT_EQ(t.Pixel(50, 0), half);
  EXPECT_EQ(t.Pixel(51, 0), kBlue);
  EXPECT_EQ(t.Pixel(52, 0), kBlue);

  Bitmap again = Filled(60, 1, kBlue);
  Canvas a(again);
  ui::DrawMasked(0, 0, sprite, 10, 1.0, a);
  EXPECT_EQ(a.Pixel(9, 0), kRed);
  EXPECT_EQ(a.Pixel(10, 0), kBlue);
  ui::DrawMasked(0, 0, sprite, 0, 1.0, a);  // no column at all
  ui::DrawMasked(0, 0, sprite, -5, 1.0, a);
  EXPECT_EQ(a.Pixel(10, 0), kBlue);

  for (int width : {0, 1}) {  // nothing to draw
    Bitmap tiny = MaskedPicture(width, 3, kRed, 0);
    Bitmap untouched = Filled(4, 4, kBlue);
    Canvas u(untouched);
    ui::DrawMasked(0, 0, tiny, ui::kAllColumns, 1.0, u);
    EXPECT_EQ(u.Pixel(0, 0), kBlue);
  }
}

TEST(DrawMaskedTest, ClipsAtEveryEdgeAndBlendsOnPaletteCanvases) {
  Bitmap sprite = MaskedPicture(10, 5, kRed, 0);
  for (auto [x, y] : {std::pair{-3, -2}, {3, 3}, {-4, 4}, {6, -4}, {-100, 0}, {0, 100}}) {
    Bitmap target = Filled(7, 5, kBlue);
    Canvas t(target);
    ui::DrawMasked(x, y, sprite, ui::kAllColumns, 1.0, t);
    for (int py = 0; py < 5; ++py) {
      for (int px = 0; px < 7; ++px) {
        bool covered = px >= x && px < x + 5 && py >= y && py < y + 5;
        EXPECT_EQ(t.Pixel(px, py), covered ? kRed : kBlue) << x << "," << y << " at " << px << "," << py;
      }
      for (std::size_t pad = 21; pad < target.Stride(); ++pad) EXPECT_EQ(target.Row(py)[pad], 0);
    }
  }
  Bitmap indexed(4, 1, PixelFormat::Indexed8);
  indexed.SetPalette({kBlack, kRed, kBlue, Rgb{128, 0, 127}});
  std::fill(indexed.Row(0), indexed.Row(0) + 4, std::uint8_t{2});
  Canvas ic(indexed);
  Bitmap half = MaskedPicture(4, 1, kRed, 0);
  ui::DrawMasked(1, 0, half, ui::kAllColumns, 0.5, ic);
  EXPECT_EQ(indexed.Row(0)[0], 2);
  EXPECT_EQ(indexed.Row(0)[1], 3);  // the blend lands on the nearest palette entry
  EXPECT_EQ(indexed.Row(0)[3], 2);
  // The picture itself becomes 24-bit.
  Bitmap palettePicture(2, 1, PixelFormat::Indexed8);
  palettePicture.SetPalette({kRed, kBlack});
  palettePicture.Row(0)[1] = 1;
  Bitmap target = Filled(2, 1, kBlue);
  Canvas pt(target);
  ui::DrawMasked(0, 0, palettePicture, ui::kAllColumns, 1.0, pt);
  EXPECT_EQ(palettePicture.Format(), PixelFormat::Bgr24);
  EXPECT_EQ(pt.Pixel(0, 0), kRed);
}

// ---- ScaleBitmap ----

TEST(ScaleBitmapTest, SizesFollowTheRatioOfTheSizeLessOne) {
  struct Case { int width, height, targetWidth, targetHeight, resultWidth, resultHeight; };
  const Case cases[] = {
      {513, 529, 400, 0, 400, 413},  // r = 512 / 400 = 1.28, rounded(529 / 1.28) = 413
      {513, 529, 0, 413, 401, 413},  // r = 528 / 413, rounded(513 / r) = 401
      {1586, 1172, 800, 0, 800, 592},  // r = 1585 / 800, rounded(591.55)
      {3, 3, 5, 0, 5, 8},            // enlarging: r = 0.4, rounded(7.5) = 8
      {10, 4, 0, 2, 7, 2},           // r = 1.5, rounded(6.67) = 7
  };
  for (const Case& test : cases) {
    Bitmap source = Gradient(test.width, test.height), target;
    ui::ScaleBitmap(source, target, test.targetWidth, test.targetHeight);
    EXPECT_EQ(target.Width(), test.resultWidth) << test.width << "x" << test.height;
    EXPECT_EQ(target.Height(), test.resultHeight) << test.width << "x" << test.height;
    EXPECT_EQ(target.Format(), PixelFormat::Bgr24);
  }
}

TEST(ScaleBitmapTest, BoxesAreInclusiveShareBordersAndTruncate) {
  // One row of five pixels to two columns: r = 2, boxes 0..2 and 2..4 share column 2. Two
  // rows of it keep the height at rounded(2 / 2) = 1 with the box of rows 0..1 (row 2 is
  // beyond the picture and lowered to 1).
  Bitmap source(5, 2);
  Canvas c(source);
  const std::uint8_t values[2][5] = {{0, 1, 2, 3, 255}, {0, 0, 1, 0, 0}};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 5; ++x) c.SetPixel(x, y, Rgb{values[y][x], values[y][x], 9});
  Bitmap target;
  ui::ScaleBitmap(source, target, 2, 0);
  ASSERT_EQ(target.Width(), 2);
  ASSERT_EQ(target.Height(), 1);
  EXPECT_EQ(Canvas(target).Pixel(0, 0), (Rgb{0, 0, 9}));   // (0+1+2+0+0+1) / 6 = 0.67 -> 0
  EXPECT_EQ(Canvas(target).Pixel(1, 0), (Rgb{43, 43, 9}));  // (2+3+255+1+0+0) / 6 = 43.5 -> 43
}

TEST(ScaleBitmapTest, EnlargingLeavesAnEmptyLastRowBlack) {
  // 3 by 3 to width 5: r = 0.4, 8 rows; row 7 starts at rounded(2.8) = 3, beyond the
  // picture, and ends lowered to 2: an empty box, so black.
  Bitmap source = Filled(3, 3, kWhite), target;
  ui::ScaleBitmap(source, target, 5, 0);
  ASSERT_EQ(target.Height(), 8);
  for (int x = 0; x < 5; ++x) {
    EXPECT_EQ(Canvas(target).Pixel(x, 6), kWhite);
    EXPECT_EQ(Canvas(target).Pixel(x, 7), kBlack);
  }
}

TEST(ScaleBitmapTest, PaletteSourcesGiveAPaletteTarget) {
  Bitmap source(4, 4, PixelFormat::Indexed8);
  source.SetPalette({kBlack, kWhite, kRed});
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) source.Row(y)[x] = static_cast<std::uint8_t>(x < 2 ? 2 : (y < 2 ? 1 : 0));
  Bitmap target;
  ui::ScaleBitmap(source, target, 2, 0);  // r = 1.5: boxes 0..2 and 2..3 (lowered)
  EXPECT_EQ(source.Format(), PixelFormat::Bgr24);  // converted as a side effect
  ASSERT_EQ(target.Format(), PixelFormat::Indexed8);
  EXPECT_EQ(target.Palette(), source.Palette());
  ASSERT_EQ(target.Width(), 2);
  ASSERT_EQ(target.Height(), 3);
  EXPECT_EQ(target.PaletteColour(target.Row(0)[0]), kRed);    // 6 red, 2 white, 1 black: (226, 56, 56), nearest red
  EXPECT_EQ(target.PaletteColour(target.Row(0)[1]), kWhite);  // boxes 2..3 x 0..2: white and black, nearer white
  EXPECT_EQ(target.PaletteColour(target.Row(2)[1]), kBlack);
}

TEST(ScaleBitmapTest, DegenerateSizesAreRefusedOrEmpty) {
  Bitmap source = Gradient(20, 10), target = Gradient(3, 3);
  ui::ScaleBitmap(source, target, 0, 0);
  EXPECT_TRUE(target.Empty());
  ui::ScaleBitmap(source, target, 5, -3);
  EXPECT_TRUE(target.Empty());
  Bitmap empty;
  ui::ScaleBitmap(empty, target, 40, 0);
  EXPECT_TRUE(target.Empty());
  Bitmap column = Gradient(1, 50);  // no ratio from a one-pixel width
  EXPECT_THROW(ui::ScaleBitmap(column, target, 40, 0), ui::PictureError);
  Bitmap sliver = Gradient(2, 8000);  // would be 400 wide and 3,200,000 high
  EXPECT_THROW(ui::ScaleBitmap(sliver, target, 400, 0), ui::PictureError);
}

// ---- LoadScaled ----

class LoadScaledTest : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, const std::string& bytes) {
    std::string path = folder_.Path() + name;
    EXPECT_TRUE(platform::WriteWholeFile(path, bytes));
    return path;
  }
  TestFolder folder_;
};

TEST_F(LoadScaledTest, NamesHoldingDotJpgAnywhereAreReadAsJpeg) {
  const std::string jpeg = toolkit::EncodeJpeg(Filled(40, 20, kGreen), 90);
  const std::string bmp = toolkit::EncodeBmp(Filled(40, 20, kGreen));
  struct Case { const char* name; bool holdsJpeg; bool loads; };
  const Case cases[] = {
      {"boardGreen.jpg", true, true},   {"BOARD.JPG", true, true},      {"board.Jpg.bmp", true, true},
      {"board.jpgx", true, true},       {"mark.bmp", false, true},      {"mark.BMP", false, true},
      {"photo.jpeg", true, false},      // ".JPEG" does not hold ".JPG": read as a bitmap file, refused
      {"picture.jpg.bmp", false, false},  // holds ".JPG": a bitmap file in it is refused
      {"noextension", false, true},
  };
  for (const Case& test : cases) {
    std::string path = Write(test.name, test.holdsJpeg ? jpeg : bmp);
    Bitmap target = Filled(2, 2, kRed);
    if (test.loads) {
      ui::LoadScaled(path, target, 20, false);
      EXPECT_EQ(target.Width(), 20) << test.name;
      EXPECT_EQ(target.Height(), 10) << test.name;  // r = 39 / 20, rounded(20 / 1.95)
    } else {
      EXPECT_THROW(ui::LoadScaled(path, target, 20, false), ui::PictureError) << test.name;
      EXPECT_EQ(target.Width(), 2) << test.name;  // left as it was
    }
  }
}

TEST_F(LoadScaledTest, CropCentreCutsTheMiddleSquareAndShrinksTheWidth) {
  // 500 wide: a square of side 400 at (50, 50). Everything outside it is black, the square
  // white with a red 2 by 2 block at its corner; asked for 500, the result is 400 wide.
  Bitmap picture = Filled(500, 520, kBlack);
  Canvas c(picture);
  c.FillRect(Rect::Sized(50, 50, 400, 400), kWhite);
  c.FillRect(Rect::Sized(50, 50, 2, 2), kRed);
  std::string path = Write("Chess\\boardGreen.bmp", toolkit::EncodeBmp(picture));
  Bitmap target;
  ui::LoadScaled(path, target, 500, true);
  ASSERT_EQ(target.Width(), 400);
  ASSERT_EQ(target.Height(), 401);  // r = 399 / 400: the square grows by a row
  Canvas t(target);
  EXPECT_EQ(t.Pixel(0, 0), kRed);
  for (int y = 3; y < 401; y += 7)
    for (int x = 3; x < 400; x += 7) ASSERT_EQ(t.Pixel(x, y), kWhite) << x << "," << y;
  EXPECT_EQ(t.Pixel(399, 400), kWhite);
}

TEST_F(LoadScaledTest, MissingAndBrokenFilesRaisePictureError) {
  const std::string bmp = toolkit::EncodeBmp(Gradient(30, 20));
  const std::string jpeg = toolkit::EncodeJpeg(Gradient(30, 20));
  struct Case { const char* name; std::string bytes; bool write; };
  const Case cases[] = {
      {"missing.bmp", "", false},        {"missing.jpg", "", false},
      {"empty.bmp", "", true},           {"empty.jpg", "", true},
      {"short.bmp", bmp.substr(0, bmp.size() / 2), true},
      {"short.jpg", jpeg.substr(0, jpeg.size() / 2), true},
      {"text.bmp", "not a picture at all", true},
  };
  for (const Case& test : cases) {
    std::string path = test.write ? Write(test.name, test.bytes) : folder_.Path() + test.name;
    Bitmap target = Filled(3, 3, kRed);
    EXPECT_THROW(ui::LoadScaled(path, target, 10, false), ui::PictureError) << test.name;
    EXPECT_EQ(target.Width(), 3);
  }
}

// ---- Rotate180 ----

TEST(Rotate180Test, EveryPixelChangesPlaceWithItsOpposite) {
  for (auto [width, height] : {std::pair{3, 3}, {4, 2}, {5, 1}, {1, 4}, {2, 5}}) {
    Bitmap b = Gradient(width, height);
    Bitmap original = b;
    ui::Rotate180(b);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x)
        ASSERT_EQ(Canvas(b).Pixel(x, y), Canvas(original).Pixel(width - 1 - x, height - 1 - y))
            << width << "x" << height << " at " << x << "," << y;
    ui::Rotate180(b);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) ASSERT_EQ(Canvas(b).Pixel(x, y), Canvas(original).Pixel(x, y));
  }
  Bitmap indexed(2, 1, PixelFormat::Indexed8);
  indexed.SetPalette({kRed, kBlue});
  indexed.Row(0)[1] = 1;
  ui::Rotate180(indexed);
  EXPECT_EQ(indexed.Format(), PixelFormat::Bgr24);
  EXPECT_EQ(Canvas(indexed).Pixel(0, 0), kBlue);
}

}  // namespace
