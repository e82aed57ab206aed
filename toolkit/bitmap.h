// Device-independent bitmaps: pixels in memory, handed out a row at a time.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace toolkit {

// ---- Colours ----

// Rgb holds one colour as its red, green and blue bytes. In 24-bit pixels the bytes lie in
// blue, green, red order; Rgb is the order-free value passed around by drawing calls.
struct Rgb {
  std::uint8_t R = 0;
  std::uint8_t G = 0;
  std::uint8_t B = 0;
  constexpr bool operator==(const Rgb&) const = default;
};

// ---- Bitmaps ----

// The two pixel layouts the pictures use: three bytes per pixel in blue, green, red order,
// or one byte per pixel indexing a palette of up to 256 colours.
enum class PixelFormat : std::uint8_t { Bgr24, Indexed8 };

// Bitmap owns a picture's pixels and nothing else: its size, its pixel format, the palette
// of an 8-bit picture and the rows, top row first, each padded to four bytes as in a bitmap
// file. Code that computes pixels takes rows (`Row(y)`); all drawing goes through a Canvas.
// A size change keeps the part of the picture that both sizes share and makes new pixels
// black, so setting the width to 1 drops all but the first column. Pictures larger than
// kMaxPixels are refused with a PictureError rather than exhausting memory.
class Bitmap {
 public:
  static constexpr std::int64_t kMaxPixels = std::int64_t{1} << 26;

  Bitmap() = default;
  Bitmap(int width, int height, PixelFormat format = PixelFormat::Bgr24);

  // ---- Size and format ----
  void SetSize(int width, int height);
  void SetWidth(int width) { SetSize(width, height_); }
  void SetHeight(int height) { SetSize(width_, height); }
  // Converts the pixels: an 8-bit picture becomes 24-bit through its palette; a 24-bit
  // picture becomes 8-bit by mapping every colour to the nearest palette entry (a default
  // palette of a colour cube and greys is set first when the picture has none).
  void SetFormat(PixelFormat format);
  // Drops the pixels (the picture becomes 0 by 0); format and palette stay.
  void Clear() { SetSize(0, 0); }

  // ---- Palette (8-bit pictures) ----
  const std::vector<Rgb>& Palette() const { return palette_; }
  // Replaces the palette (at most 256 colours); pixels keep their indexes.
  void SetPalette(std::vector<Rgb> palette);
  // The palette entry nearest to the colour (exact entries first); 0 without a palette.
  std::uint8_t NearestIndex(Rgb colour) const;
  // The colour of a palette index; black for an index beyond the palette.
  Rgb PaletteColour(std::uint8_t index) const {
    return index < palette_.size() ? palette_[index] : Rgb{};
  }

  // ---- Rows ----
  std::uint8_t* Row(int y);
  const std::uint8_t* Row(int y) const;

  // ---- Accessors ----
  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ == 0 || height_ == 0; }
  PixelFormat Format() const { return format_; }
  int BytesPerPixel() const { return format_ == PixelFormat::Bgr24 ? 3 : 1; }
  std::size_t Stride() const { return stride_; }

 private:
  static std::size_t StrideFor(int width, PixelFormat format);

  int width_ = 0;
  int height_ = 0;
  PixelFormat format_ = PixelFormat::Bgr24;
  std::size_t stride_ = 0;
  std::vector<std::uint8_t> pixels_;
  std::vector<Rgb> palette_;
};

// The palette SetFormat uses for a 24-bit picture that has none: a 6 by 6 by 6 colour cube
// followed by 40 greys.
std::vector<Rgb> DefaultPalette();

}  // namespace toolkit
