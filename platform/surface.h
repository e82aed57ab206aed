// Pixel surfaces of the window system: 24-bit pictures kept in rows, and the view through
// which a window draws onto the surface of its top-level window.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform {

// ---- Colours and rectangles ----

// Colour holds one colour as its red, green and blue bytes; in a surface's rows the bytes of
// a pixel lie in blue, green, red order.
struct Colour {
  std::uint8_t R = 0;
  std::uint8_t G = 0;
  std::uint8_t B = 0;
  constexpr bool operator==(const Colour&) const = default;
};

// Rect holds a rectangle of whole pixels that includes its left and top edges and excludes
// its right and bottom edges; one whose right is not beyond its left (or bottom beyond its
// top) is empty. Offsets saturate instead of overflowing, so a rectangle moved far off any
// surface stays far off rather than wrapping onto it.
struct Rect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  static Rect Sized(int left, int top, int width, int height);

  constexpr int Width() const { return Right - Left; }
  constexpr int Height() const { return Bottom - Top; }
  constexpr bool Empty() const { return Right <= Left || Bottom <= Top; }
  constexpr bool Contains(int x, int y) const {
    return x >= Left && x < Right && y >= Top && y < Bottom;
  }
  // The common part; empty when the two do not meet.
  Rect Intersect(const Rect& other) const;
  bool Meets(const Rect& other) const { return !Intersect(other).Empty(); }
  // The smallest rectangle holding both; an empty one adds nothing.
  Rect Union(const Rect& other) const;
  Rect Offset(int dx, int dy) const;
  constexpr bool operator==(const Rect&) const = default;
};

// ---- Surfaces ----

// Surface owns a 24-bit picture and nothing else: its size and its rows, top row first,
// three bytes per pixel in blue, green, red order, each row padded to a multiple of four
// bytes. That is byte for byte the layout of a 24-bit device-independent bitmap, so pictures
// of the toolkit copy in and out a row at a time (CopyRows, Row). Every drawing call clips
// exactly to the surface: whatever lies partly or wholly outside touches only the pixels
// inside. A size change keeps the part both sizes share and makes new pixels black; sizes
// beyond kMaxPixels are refused, leaving the surface as it was.
class Surface {
 public:
  static constexpr std::int64_t kMaxPixels = std::int64_t{1} << 26;

  Surface() = default;
  Surface(int width, int height) { Resize(width, height); }

  // ---- Size ----
  // Negative sizes count as 0. False (and no change) when the picture would be too large.
  bool Resize(int width, int height);

  // ---- Pixels ----
  // The colour at (x, y); black outside the surface.
  Colour Pixel(int x, int y) const;
  void SetPixel(int x, int y, Colour colour);
  void Fill(const Rect& area, Colour colour);
  // Copies `sourceArea` of `source` with its top-left corner at (x, y). Pixels whose source
  // lies outside `source` are left alone. The source may be this surface.
  void Copy(int x, int y, const Surface& source, const Rect& sourceArea);
  // Copies a block of 24-bit rows laid out as in a surface (a toolkit bitmap's rows) with its
  // top-left corner at (x, y).
  void CopyRows(int x, int y, const std::uint8_t* firstRow, std::size_t stride, int width,
                int height);

  // ---- Rows ----
  // Row y, 0 <= y < Height(); writers keep inside Width() * 3 bytes.
  std::uint8_t* Row(int y);
  const std::uint8_t* Row(int y) const;

  // ---- Accessors ----
  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ == 0 || height_ == 0; }
  Rect Bounds() const { return Rect{0, 0, width_, height_}; }
  std::size_t Stride() const { return stride_; }

 private:
  friend struct DrawContext;
  // The clipped core of every copy: the block of rows lands at (x, y) but only inside `clip`
  // (itself cut to the surface).
  void Blit(std::int64_t x, std::int64_t y, const std::uint8_t* firstRow, std::size_t stride,
            int width, int height, const Rect& clip);

  int width_ = 0;
  int height_ = 0;
  std::size_t stride_ = 0;
  std::vector<std::uint8_t> pixels_;
};

// ---- Drawing into a window ----

// DrawContext is where one window's drawing lands: the backing surface of its top-level
// window, the surface position of the window's top-left corner (its origin) and the clip, in
// surface coordinates, outside which nothing may be written: the part of the window that is
// to be painted and lies inside all its ancestors. The drawing calls take the window's own
// coordinates and clip to that area and to the surface; code that writes rows directly must
// keep inside `Clip`, which is always inside the surface when handed out. A context whose
// clip is empty draws nothing (a window that is not showing). A context stays safe to draw
// with while the top-level window lives, even if it is resized meanwhile; destroying that
// window frees the surface, so a context must not be kept beyond that.
struct DrawContext {
  Surface* Target = nullptr;
  int OriginX = 0;
  int OriginY = 0;
  Rect Clip;

  // The clip in the window's own coordinates: the only part worth drawing.
  Rect ClipInWindow() const { return Clip.Offset(-OriginX, -OriginY); }
  bool Empty() const { return Target == nullptr || Clip.Empty(); }

  Colour Pixel(int x, int y) const;
  void SetPixel(int x, int y, Colour colour) const;
  void Fill(const Rect& area, Colour colour) const;
  void Copy(int x, int y, const Surface& source, const Rect& sourceArea) const;
  void CopyRows(int x, int y, const std::uint8_t* firstRow, std::size_t stride, int width,
                int height) const;

 private:
  Rect EffectiveClip() const;
};

}  // namespace platform
