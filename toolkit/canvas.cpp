#include "canvas.h"

#include <cassert>
#include <cstdlib>
#include <cstring>

namespace toolkit {

Rgb PixelOf(const Bitmap& bitmap, int x, int y) {
  assert(x >= 0 && x < bitmap.Width() && y >= 0 && y < bitmap.Height());
  const std::uint8_t* row = bitmap.Row(y);
  if (bitmap.Format() == PixelFormat::Indexed8) return bitmap.PaletteColour(row[x]);
  const std::uint8_t* p = row + 3 * x;
  return Rgb{p[2], p[1], p[0]};
}

void Canvas::Put(std::uint8_t* row, int x, Rgb colour) {
  if (target_->Format() == PixelFormat::Indexed8) {
    row[x] = target_->NearestIndex(colour);
  } else {
    std::uint8_t* p = row + 3 * x;
    p[0] = colour.B;
    p[1] = colour.G;
    p[2] = colour.R;
  }
}

Rgb Canvas::Pixel(int x, int y) const {
  if (!Bounds().Contains(x, y)) return Rgb{};
  return PixelOf(*target_, x, y);
}

void Canvas::SetPixel(int x, int y, Rgb colour) {
  if (!Bounds().Contains(x, y)) return;
  Put(target_->Row(y), x, colour);
}

void Canvas::FillRect(const Rect& area, Rgb colour) {
  Rect box = area.Intersect(Bounds());
  if (box.Empty()) return;
  if (target_->Format() == PixelFormat::Indexed8) {
    std::uint8_t index = target_->NearestIndex(colour);
    for (int y = box.Top; y < box.Bottom; ++y) std::memset(target_->Row(y) + box.Left, index, box.Width());
    return;
  }
  for (int y = box.Top; y < box.Bottom; ++y) {
    std::uint8_t* p = target_->Row(y) + 3 * box.Left;
    for (int x = box.Left; x < box.Right; ++x, p += 3) {
      p[0] = colour.B;
      p[1] = colour.G;
      p[2] = colour.R;
    }
  }
}

void Canvas::CopyRect(const Rect& destination, const Bitmap& source, const Rect& sourceArea) {
  if (destination.Empty() || sourceArea.Empty()) return;
  if (&source == target_) {
    // Copying within one bitmap: take the source part first so overlaps read old pixels.
    Rect part = sourceArea.Intersect(Rect{0, 0, source.Width(), source.Height()});
    if (part.Empty()) return;
    Bitmap copy(part.Width(), part.Height(), source.Format());
    copy.SetPalette(source.Palette());
    for (int y = 0; y < part.Height(); ++y) {
      std::memcpy(copy.Row(y), source.Row(part.Top + y) + static_cast<std::size_t>(part.Left) * source.BytesPerPixel(),
                  static_cast<std::size_t>(part.Width()) * source.BytesPerPixel());
    }
    CopyRect(destination, copy, sourceArea.Offset(-part.Left, -part.Top));
    return;
  }
  Rect box = destination.Intersect(Bounds());
  if (box.Empty()) return;
  std::int64_t dw = destination.Width(), dh = destination.Height();
  std::int64_t sw = sourceArea.Width(), sh = sourceArea.Height();
  bool same = dw == sw && dh == sh;
  bool fast = same && source.Format() == PixelFormat::Bgr24 && target_->Format() == PixelFormat::Bgr24;
  for (int y = box.Top; y < box.Bottom; ++y) {
    std::int64_t sy = sourceArea.Top + (same ? y - destination.Top : (y - destination.Top) * sh / dh);
    if (sy < 0 || sy >= source.Height()) continue;
    const std::uint8_t* from = source.Row(static_cast<int>(sy));
    std::uint8_t* to = target_->Row(y);
    if (fast) {
      // The columns whose source pixel exists, copied in one go.
      std::int64_t first = std::max<std::int64_t>(box.Left, destination.Left - sourceArea.Left);
      std::int64_t last = std::min<std::int64_t>(box.Right, destination.Left - sourceArea.Left + source.Width());
      if (first < last) {
        std::int64_t sx = sourceArea.Left + (first - destination.Left);
        std::memcpy(to + 3 * first, from + 3 * sx, static_cast<std::size_t>(3 * (last - first)));
      }
      continue;
    }
    for (int x = box.Left; x < box.Right; ++x) {
      std::int64_t sx = sourceArea.Left + (same ? x - destination.Left : (x - destination.Left) * sw / dw);
      if (sx < 0 || sx >= source.Width()) continue;
      Put(to, x, PixelOf(source, static_cast<int>(sx), static_cast<int>(sy)));
    }
  }
}

void Canvas::Draw(int x, int y, const Bitmap& source) {
  CopyRect(Rect::Sized(x, y, source.Width(), source.Height()), source,
           Rect{0, 0, source.Width(), source.Height()});
}

void Canvas::StretchDraw(const Rect& destination, const Bitmap& source) {
  CopyRect(destination, source, Rect{0, 0, source.Width(), source.Height()});
}

void Canvas::Line(int x0, int y0, int x1, int y1, Rgb colour) {
  std::int64_t dx = std::int64_t{x1} - x0, dy = std::int64_t{y1} - y0;
  std::int64_t adx = std::llabs(dx), ady = std::llabs(dy);
  std::int64_t steps = std::max(adx, ady);
  if (steps == 0) return;
  bool xMajor = adx >= ady;
  std::int64_t majorStart = xMajor ? x0 : y0;
  std::int64_t majorStep = (xMajor ? dx : dy) < 0 ? -1 : 1;
  std::int64_t majorLimit = xMajor ? target_->Width() : target_->Height();
  // Only the steps whose major coordinate lies inside the bitmap are walked, so a line
  // reaching far outside costs no more than one across the bitmap.
  std::int64_t from = 0, to = steps;  // steps i in [from, to)
  if (majorStep > 0) {
    from = std::max<std::int64_t>(from, -majorStart);
    to = std::min<std::int64_t>(to, majorLimit - majorStart);
  } else {
    from = std::max<std::int64_t>(from, majorStart - (majorLimit - 1));
    to = std::min<std::int64_t>(to, majorStart + 1);
  }
  std::int64_t minorStart = xMajor ? y0 : x0;
  std::int64_t minorDelta = xMajor ? dy : dx;
  for (std::int64_t i = from; i < to; ++i) {
    std::int64_t major = majorStart + majorStep * i;
    // The minor coordinate nearest to the exact line, halves rounded away from the start.
    std::int64_t minor = minorStart + (minorDelta >= 0 ? 1 : -1) *
                                          ((2 * i * std::llabs(minorDelta) + steps) / (2 * steps));
    int px = static_cast<int>(xMajor ? major : minor), py = static_cast<int>(xMajor ? minor : major);
    if (xMajor ? (minor < 0 || minor >= target_->Height()) : (minor < 0 || minor >= target_->Width())) continue;
    Put(target_->Row(py), px, colour);
  }
}

FontFace& Canvas::Face() const { return FontFace::Find(font_.Name, font_.Size, font_.Bold); }

void Canvas::TextOut(int x, int y, std::string_view text) {
  Face().Draw(*target_, x, y, text, font_.Colour, Bounds());
}

int Canvas::TextWidth(std::string_view text) const { return Face().TextWidth(text); }

int Canvas::TextHeight(std::string_view) const { return Face().Height(); }

}  // namespace toolkit
