#include "picture_samples.h"

#include <canvas.h>

#include <gtest/gtest.h>

#include <functional>

namespace {

using toolkit::Bitmap;
using toolkit::Canvas;
using toolkit::PixelFormat;
using toolkit::Rect;
using toolkit::Rgb;
using namespace samples;

struct ClipCase {
  const char* name;
  std::function<void(Canvas&, int, int)> draw;  // draws with everything moved by (dx, dy)
};

// Each drawing lies partly outside a 7 by 5 bitmap (a width whose rows carry padding). The
// same drawing on a larger bitmap, moved so the small one's area lies inside it, must give
// exactly that area: nothing wraps into another row, nothing is lost or added at the edges,
// the row padding stays untouched (and the sanitizer build sees no access outside).
TEST(CanvasTest, ClippingIsExact) {
  static const Bitmap picture = Gradient(6, 4);
  const ClipCase cases[] = {
      {"fill", [](Canvas& c, int dx, int dy) { c.FillRect(Rect{-3 + dx, 2 + dy, 4 + dx, 9 + dy}, kRed); }},
      {"draw", [](Canvas& c, int dx, int dy) { c.Draw(4 + dx, -2 + dy, picture); }},
      {"stretch", [](Canvas& c, int dx, int dy) { c.StretchDraw(Rect{-5 + dx, 1 + dy, 9 + dx, 12 + dy}, picture); }},
      {"copy beyond the source",
       [](Canvas& c, int dx, int dy) { c.CopyRect(Rect::Sized(-1 + dx, -1 + dy, 6, 6), picture, Rect::Sized(3, 1, 6, 6)); }},
      {"line", [](Canvas& c, int dx, int dy) { c.Line(-6 + dx, -3 + dy, 12 + dx, 9 + dy, kBlue); }},
      {"steep line", [](Canvas& c, int dx, int dy) { c.Line(5 + dx, 40 + dy, 2 + dx, -30 + dy, kGreen); }},
      {"text", [](Canvas& c, int dx, int dy) { c.TextOut(-4 + dx, -3 + dy, "Wg"); }},
  };
  const int offset = 30;
  for (const ClipCase& test : cases) {
    Bitmap small(7, 5), large(7 + 2 * offset, 5 + 2 * offset);
    Canvas(small).FillRect(Rect{0, 0, 7, 5}, Rgb{9, 9, 9});
    Canvas(large).FillRect(Rect{0, 0, large.Width(), large.Height()}, Rgb{9, 9, 9});
    Canvas smallCanvas(small), largeCanvas(large);
    smallCanvas.Font().Size = 20;
    largeCanvas.Font().Size = 20;
    test.draw(smallCanvas, 0, 0);
    test.draw(largeCanvas, offset, offset);
    for (int y = 0; y < 5; ++y) {
      for (int x = 0; x < 7; ++x) {
        ASSERT_EQ(smallCanvas.Pixel(x, y), largeCanvas.Pixel(x + offset, y + offset)) << test.name << " " << x << "," << y;
      }
      for (std::size_t pad = 21; pad < small.Stride(); ++pad) EXPECT_EQ(small.Row(y)[pad], 0) << test.name;
    }
  }
}

TEST(CanvasTest, StretchingPicksTheNearestPixelOnTheLeftAndAbove) {
  Bitmap source(2, 1);
  Canvas(source).SetPixel(0, 0, kRed);
  Canvas(source).SetPixel(1, 0, kBlue);
  Bitmap wide(4, 1);
  Canvas(wide).StretchDraw(Rect{0, 0, 4, 1}, source);
  const Rgb expectedWide[4] = {kRed, kRed, kBlue, kBlue};
  for (int x = 0; x < 4; ++x) EXPECT_EQ(Canvas(wide).Pixel(x, 0), expectedWide[x]);
  Bitmap back(1, 1);
  Canvas(back).StretchDraw(Rect{0, 0, 1, 1}, wide);
  EXPECT_EQ(Canvas(back).Pixel(0, 0), kRed);
}

TEST(CanvasTest, CopiesWithinOneBitmapReadTheOldPixels) {
  Bitmap b = Gradient(5, 5);
  Bitmap before = b;
  Canvas c(b);
  c.CopyRect(Rect{1, 1, 5, 5}, b, Rect{0, 0, 4, 4});  // overlapping, down and to the right
  for (int y = 1; y < 5; ++y)
    for (int x = 1; x < 5; ++x) EXPECT_EQ(c.Pixel(x, y), Canvas(before).Pixel(x - 1, y - 1));
  EXPECT_EQ(c.Pixel(0, 3), Canvas(before).Pixel(0, 3));
}

TEST(CanvasTest, LinesLeaveOutTheirEndPoint) {
  struct Case { int x0, y0, x1, y1; std::vector<std::pair<int, int>> pixels; };
  const Case cases[] = {
      {0, 0, 3, 0, {{0, 0}, {1, 0}, {2, 0}}},
      {3, 2, 0, 2, {{3, 2}, {2, 2}, {1, 2}}},
      {0, 0, 2, 2, {{0, 0}, {1, 1}}},
      {1, 1, 1, 1, {}},
  };
  for (const Case& test : cases) {
    Bitmap b(4, 3);
    Canvas c(b);
    c.Line(test.x0, test.y0, test.x1, test.y1, kWhite);
    int lit = 0;
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 4; ++x) lit += c.Pixel(x, y) == kWhite;
    EXPECT_EQ(lit, static_cast<int>(test.pixels.size()));
    for (auto [x, y] : test.pixels) EXPECT_EQ(c.Pixel(x, y), kWhite) << x << "," << y;
  }
  // A line reaching far outside costs no more than one across the bitmap.
  Bitmap b(10, 5);
  Canvas c(b);
  c.Line(-1000000000, 2, 1000000000, 2, kWhite);
  for (int x = 0; x < 10; ++x) EXPECT_EQ(c.Pixel(x, 2), kWhite);
}

TEST(CanvasTest, EightBitBitmapsTakeTheNearestPaletteEntry) {
  Bitmap b(3, 1, PixelFormat::Indexed8);
  b.SetPalette({kBlack, kWhite, kRed});
  Canvas c(b);
  c.FillRect(Rect{0, 0, 3, 1}, Rgb{220, 30, 20});
  EXPECT_EQ(b.Row(0)[1], 2);
  Bitmap source(1, 1);
  Canvas(source).SetPixel(0, 0, Rgb{240, 240, 250});
  c.Draw(2, 0, source);
  EXPECT_EQ(c.Pixel(2, 0), kWhite);
  EXPECT_EQ(c.Pixel(-1, 0), kBlack);  // outside: black, nothing read
}

}  // namespace
