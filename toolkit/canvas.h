// Drawing on a bitmap.
#pragma once

#include "bitmap.h"
#include "font.h"
#include "rect.h"

#include <string_view>

namespace toolkit {

// ---- Canvas ----

// Canvas draws on one bitmap that it does not own: pixels, filled rectangles, copies of
// other bitmaps (plain or stretched), lines and text. Clipping is exact: anything that lies
// partly or wholly outside the bitmap touches only the pixels inside it. Colours given to an
// 8-bit bitmap take the nearest palette entry; pixels read from one come through its
// palette. A canvas may copy from its own bitmap, overlapping or not.
class Canvas {
 public:
  explicit Canvas(Bitmap& target) : target_(&target) {}

  // ---- Pixels ----
  // The colour at (x, y); black outside the bitmap.
  Rgb Pixel(int x, int y) const;
  void SetPixel(int x, int y, Rgb colour);

  // ---- Areas ----
  void FillRect(const Rect& area, Rgb colour);
  // Copies the source rectangle into the destination rectangle, stretching it (nearest
  // pixel) when the two differ in size. Destination pixels whose source pixel lies outside
  // the source bitmap keep their colour.
  void CopyRect(const Rect& destination, const Bitmap& source, const Rect& sourceArea);
  // The whole source with its top-left corner at (x, y).
  void Draw(int x, int y, const Bitmap& source);
  // The whole source stretched over the destination rectangle.
  void StretchDraw(const Rect& destination, const Bitmap& source);

  // ---- Lines ----
  // A one-pixel line from (x0, y0) towards (x1, y1); the end point itself is not drawn, so
  // lines joined end to start draw every pixel once.
  void Line(int x0, int y0, int x1, int y1, Rgb colour);

  // ---- Text ----
  // Text in the canvas font, the top-left corner of its cell at (x, y), on a transparent
  // background (only the glyphs are drawn).
  void TextOut(int x, int y, std::string_view text);
  int TextWidth(std::string_view text) const;
  int TextHeight(std::string_view text) const;

  // ---- Accessors ----
  FontSpec& Font() { return font_; }
  const FontSpec& Font() const { return font_; }
  Bitmap& Target() const { return *target_; }
  Rect Bounds() const { return Rect{0, 0, target_->Width(), target_->Height()}; }

 private:
  FontFace& Face() const;
  void Put(std::uint8_t* row, int x, Rgb colour);

  Bitmap* target_;
  FontSpec font_;
};

// The colour of pixel (x, y) of a bitmap, which must lie inside it.
Rgb PixelOf(const Bitmap& bitmap, int x, int y);

}  // namespace toolkit
