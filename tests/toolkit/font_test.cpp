#include <canvas.h>

#include <gtest/gtest.h>

namespace {

using toolkit::Bitmap;
using toolkit::Canvas;
using toolkit::Rect;
using toolkit::Rgb;

TEST(FontTest, TextIsMeasuredAndDrawnInTheCanvasFont) {
  Bitmap b(200, 60);
  Canvas c(b);
  c.FillRect(Rect{0, 0, 200, 60}, Rgb{255, 255, 255});
  c.Font().Size = 10;
  int width = c.TextWidth("Backgammon");
  int height = c.TextHeight("Backgammon");
  EXPECT_GT(width, 40);
  EXPECT_GT(height, 10);
  c.Font().Size = 16;
  EXPECT_GT(c.TextWidth("Backgammon"), width);
  c.Font().Size = 10;
  c.Font().Colour = Rgb{200, 0, 0};
  c.TextOut(20, 10, "Backgammon");
  int inked = 0, reddest = 0;
  for (int y = 0; y < 60; ++y) {
    for (int x = 0; x < 200; ++x) {
      Rgb p = c.Pixel(x, y);
      if (p == Rgb{255, 255, 255}) continue;
      ++inked;
      EXPECT_TRUE(x >= 19 && x <= 20 + width && y >= 10 && y < 10 + height) << x << "," << y;
      EXPECT_EQ(p.R >= p.G, true);
      reddest = std::max(reddest, 255 - p.G);
    }
  }
  EXPECT_GT(inked, 50);
  EXPECT_GT(reddest, 200);  // some pixels fully covered, in the text colour
}

TEST(FontTest, AnsiBytesAndUnknownFamiliesStillDraw) {
  Bitmap b(40, 30);
  Canvas c(b);
  c.Font().Name = "MS Sans Serif";  // not on this machine: fontconfig picks a stand-in
  c.Font().Colour = Rgb{255, 255, 255};
  EXPECT_GT(c.TextWidth("\xBD"), 0);
  c.TextOut(2, 2, "\xBD");  // the one-half sign of the Western code page
  int inked = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) inked += c.Pixel(x, y) != Rgb{};
  EXPECT_GT(inked, 5);
  EXPECT_EQ(toolkit::AnsiToUnicode(0x80), U'\u20AC');
  EXPECT_EQ(toolkit::AnsiToUnicode(0xBD), U'\u00BD');
}

}  // namespace
