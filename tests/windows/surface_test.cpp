#include "test_window.h"

#include <climits>
#include <cstring>

namespace {

using namespace wintest;

constexpr Colour kMarker{1, 2, 3};

// The bounding rectangle of the pixels that are no longer the marker, and whether every
// pixel inside it changed (so the change is exactly that rectangle).
struct Change {
  Rect Area;
  bool Solid = true;
};

Change ChangedArea(const Surface& s) {
  Change change;
  int count = 0;
  for (int y = 0; y < s.Height(); ++y) {
    for (int x = 0; x < s.Width(); ++x) {
      if (s.Pixel(x, y) == kMarker) continue;
      change.Area = change.Area.Union(Rect{x, y, x + 1, y + 1});
      ++count;
    }
  }
  change.Solid = count == change.Area.Width() * change.Area.Height() || change.Area.Empty();
  return change;
}

Surface Marked(int width, int height) {
  Surface s(width, height);
  s.Fill(s.Bounds(), kMarker);
  return s;
}

struct FillCase {
  const char* Name;
  Rect Area;
  Rect Expected;
};

TEST(SurfaceClipping, FillTouchesOnlyPixelsInsideTheSurface) {
  const FillCase cases[] = {
      {"inside", {2, 3, 5, 6}, {2, 3, 5, 6}},
      {"over the top-left corner", {-5, -5, 3, 2}, {0, 0, 3, 2}},
      {"over the bottom-right corner", {18, 8, 30, 30}, {18, 8, 20, 10}},
      {"wholly outside", {25, 0, 30, 5}, {}},
      {"everything there is", {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, {0, 0, 20, 10}},
      {"inverted", {5, 5, 2, 2}, {}},
  };
  for (const FillCase& c : cases) {
    SCOPED_TRACE(c.Name);
    Surface s = Marked(20, 10);
    s.Fill(c.Area, kRed);
    Change change = ChangedArea(s);
    EXPECT_EQ(change.Area, c.Expected);
    EXPECT_TRUE(change.Solid);
  }
}

TEST(SurfaceClipping, DrawContextKeepsInsideItsClipAndTheSurface) {
  // The window's origin lies at (15, 5) of a 20 by 10 surface and it may paint (10, 2) to
  // (18, 9); the last case's clip reaches beyond the surface, as a clip handed out before the
  // surface shrank would.
  struct ContextCase {
    const char* Name;
    Rect Clip;
    Rect Area;  // in the window's coordinates
    Rect Expected;
  };
  const ContextCase cases[] = {
      {"far beyond the clip", {10, 2, 18, 9}, {0, 0, 100, 100}, {15, 5, 18, 9}},
      {"above and left of the origin", {10, 2, 18, 9}, {-20, -20, 0, 0}, {10, 2, 15, 5}},
      {"near the largest coordinates", {10, 2, 18, 9}, Rect::Sized(INT_MAX - 1, INT_MAX - 1, 10, 10), {}},
      {"from the smallest coordinates", {10, 2, 18, 9}, {INT_MIN, INT_MIN, 1, 1}, {10, 2, 16, 6}},
      {"clip larger than the surface", {-50, -50, 500, 500}, {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, {0, 0, 20, 10}},
  };
  for (const ContextCase& c : cases) {
    SCOPED_TRACE(c.Name);
    Surface s = Marked(20, 10);
    DrawContext context{&s, 15, 5, c.Clip};
    context.Fill(c.Area, kRed);
    Change change = ChangedArea(s);
    EXPECT_EQ(change.Area, c.Expected);
    EXPECT_TRUE(change.Solid);
  }
}

TEST(SurfaceClipping, CopiesLandClippedAndKeepTheirPixels) {
  Surface source(6, 4);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 6; ++x) source.SetPixel(x, y, Colour{static_cast<std::uint8_t>(10 * x), static_cast<std::uint8_t>(10 * y), 99});
  }
  struct CopyCase {
    const char* Name;
    int X, Y;
    Rect From;
    Rect Expected;
  };
  const CopyCase cases[] = {
      {"inside", 2, 2, {0, 0, 6, 4}, {2, 2, 8, 6}},
      {"over the left edge", -3, 1, {0, 0, 6, 4}, {0, 1, 3, 5}},
      {"source area beyond the source", 0, 0, {-2, -1, 10, 10}, {2, 1, 8, 5}},
      {"far away", INT_MAX - 2, 0, {0, 0, 6, 4}, {}},
  };
  for (const CopyCase& c : cases) {
    SCOPED_TRACE(c.Name);
    Surface s = Marked(10, 8);
    s.Copy(c.X, c.Y, source, c.From);
    Change change = ChangedArea(s);
    EXPECT_EQ(change.Area, c.Expected);
    for (int y = c.Expected.Top; y < c.Expected.Bottom; ++y) {
      for (int x = c.Expected.Left; x < c.Expected.Right; ++x) {
        ASSERT_EQ(s.Pixel(x, y), source.Pixel(x - c.X + c.From.Left, y - c.Y + c.From.Top));
      }
    }
  }
}

TEST(SurfaceClipping, RowsFromABitmapLandClippedToTheContext) {
  // Three pixels a row, padded to 12 bytes, as a toolkit bitmap keeps them.
  std::uint8_t rows[2 * 12] = {};
  for (int i = 0; i < 9; ++i) rows[i] = rows[12 + i] = 200;
  Surface s = Marked(8, 8);
  DrawContext context{&s, 2, 2, Rect{3, 3, 8, 8}};
  context.CopyRows(0, 0, rows, 12, 3, 2);
  EXPECT_EQ(ChangedArea(s).Area, (Rect{3, 3, 5, 4}));
  EXPECT_EQ(s.Pixel(3, 3), (Colour{200, 200, 200}));
}

TEST(SurfaceClipping, OverlappingCopyWithinOneSurfaceReadsTheOldPixels) {
  Surface s(8, 1);
  for (int x = 0; x < 8; ++x) s.SetPixel(x, 0, Colour{static_cast<std::uint8_t>(x), 0, 0});
  s.Copy(2, 0, s, Rect{0, 0, 6, 1});
  for (int x = 2; x < 8; ++x) EXPECT_EQ(s.Pixel(x, 0).R, x - 2) << x;
}

TEST(SurfaceSize, ResizingKeepsTheSharedPartAndRefusesRunawaySizes) {
  Surface s = Marked(4, 4);
  s.SetPixel(1, 1, kRed);
  EXPECT_TRUE(s.Resize(6, 2));
  EXPECT_EQ(s.Pixel(1, 1), kRed);
  EXPECT_EQ(s.Pixel(5, 0), (Colour{}));  // new pixels are black
  EXPECT_FALSE(s.Resize(1 << 20, 1 << 20));
  EXPECT_EQ(s.Width(), 6);
  EXPECT_TRUE(s.Resize(-3, 5));
  EXPECT_TRUE(s.Empty());
  EXPECT_EQ(s.Pixel(0, 0), (Colour{}));
}

}  // namespace
