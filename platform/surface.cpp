#include "surface.h"

#include <algorithm>
#include <cassert>
#include <climits>
#include <cstring>

namespace platform {
namespace {

int Saturate(std::int64_t value) {
  return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

std::size_t StrideFor(int width) { return (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3}; }

}  // namespace

// ---- Rect ----

Rect Rect::Sized(int left, int top, int width, int height) {
  return Rect{left, top, Saturate(std::int64_t{left} + width), Saturate(std::int64_t{top} + height)};
}

Rect Rect::Intersect(const Rect& other) const {
  return Rect{std::max(Left, other.Left), std::max(Top, other.Top), std::min(Right, other.Right),
              std::min(Bottom, other.Bottom)};
}

Rect Rect::Union(const Rect& other) const {
  if (Empty()) return other;
  if (other.Empty()) return *this;
  return Rect{std::min(Left, other.Left), std::min(Top, other.Top), std::max(Right, other.Right),
              std::max(Bottom, other.Bottom)};
}

Rect Rect::Offset(int dx, int dy) const {
  return Rect{Saturate(std::int64_t{Left} + dx), Saturate(std::int64_t{Top} + dy),
              Saturate(std::int64_t{Right} + dx), Saturate(std::int64_t{Bottom} + dy)};
}

// ---- Surface ----

bool Surface::Resize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == width_ && height == height_) return true;
  if (std::int64_t{width} * height > kMaxPixels) return false;
  std::size_t stride = StrideFor(width);
  std::vector<std::uint8_t> pixels(stride * static_cast<std::size_t>(height), 0);
  int keepRows = std::min(height, height_);
  std::size_t keepBytes = static_cast<std::size_t>(std::min(width, width_)) * 3;
  if (keepBytes == 0) keepRows = 0;  // an empty picture has no rows to copy from or to
  for (int y = 0; y < keepRows; ++y) {
    std::memcpy(pixels.data() + stride * static_cast<std::size_t>(y), Row(y), keepBytes);
  }
  pixels_ = std::move(pixels);
  stride_ = stride;
  width_ = width;
  height_ = height;
  return true;
}

std::uint8_t* Surface::Row(int y) {
  assert(y >= 0 && y < height_);
  return pixels_.data() + stride_ * static_cast<std::size_t>(y);
}

const std::uint8_t* Surface::Row(int y) const {
  assert(y >= 0 && y < height_);
  return pixels_.data() + stride_ * static_cast<std::size_t>(y);
}

Colour Surface::Pixel(int x, int y) const {
  if (!Bounds().Contains(x, y)) return Colour{};
  const std::uint8_t* p = Row(y) + 3 * static_cast<std::size_t>(x);
  return Colour{p[2], p[1], p[0]};
}

void Surface::SetPixel(int x, int y, Colour colour) { Fill(Rect{x, y, x + 1, y + 1}, colour); }

void Surface::Fill(const Rect& area, Colour colour) {
  Rect inside = area.Intersect(Bounds());
  if (inside.Empty()) return;
  for (int y = inside.Top; y < inside.Bottom; ++y) {
    std::uint8_t* p = Row(y) + 3 * static_cast<std::size_t>(inside.Left);
    for (int x = inside.Left; x < inside.Right; ++x, p += 3) {
      p[0] = colour.B;
      p[1] = colour.G;
      p[2] = colour.R;
    }
  }
}

void Surface::Copy(int x, int y, const Surface& source, const Rect& sourceArea) {
  Rect from = sourceArea.Intersect(source.Bounds());
  if (from.Empty()) return;
  std::int64_t toX = std::int64_t{x} + (from.Left - sourceArea.Left);
  std::int64_t toY = std::int64_t{y} + (from.Top - sourceArea.Top);
  if (&source == this) {
    Surface copy(from.Width(), from.Height());  // overlapping copies read the old pixels
    copy.Copy(0, 0, source, from);
    Blit(toX, toY, copy.Row(0), copy.Stride(), copy.Width(), copy.Height(), Bounds());
    return;
  }
  Blit(toX, toY, source.Row(from.Top) + 3 * static_cast<std::size_t>(from.Left), source.Stride(),
       from.Width(), from.Height(), Bounds());
}

void Surface::CopyRows(int x, int y, const std::uint8_t* firstRow, std::size_t stride, int width,
                       int height) {
  Blit(x, y, firstRow, stride, width, height, Bounds());
}

void Surface::Blit(std::int64_t x, std::int64_t y, const std::uint8_t* firstRow, std::size_t stride,
                   int width, int height, const Rect& clip) {
  if (firstRow == nullptr || width <= 0 || height <= 0) return;
  Rect limit = clip.Intersect(Bounds());
  std::int64_t left = std::max<std::int64_t>(x, limit.Left);
  std::int64_t top = std::max<std::int64_t>(y, limit.Top);
  std::int64_t right = std::min<std::int64_t>(x + width, limit.Right);
  std::int64_t bottom = std::min<std::int64_t>(y + height, limit.Bottom);
  if (right <= left || bottom <= top) return;
  std::size_t bytes = static_cast<std::size_t>(right - left) * 3;
  for (std::int64_t row = top; row < bottom; ++row) {
    const std::uint8_t* from =
        firstRow + stride * static_cast<std::size_t>(row - y) + 3 * static_cast<std::size_t>(left - x);
    std::memmove(Row(static_cast<int>(row)) + 3 * static_cast<std::size_t>(left), from, bytes);
  }
}

// ---- DrawContext ----

Rect DrawContext::EffectiveClip() const {
  return Target ? Clip.Intersect(Target->Bounds()) : Rect{};
}

Colour DrawContext::Pixel(int x, int y) const {
  if (!Target) return Colour{};
  std::int64_t sx = std::int64_t{x} + OriginX, sy = std::int64_t{y} + OriginY;
  Rect clip = EffectiveClip();
  if (sx < clip.Left || sx >= clip.Right || sy < clip.Top || sy >= clip.Bottom) return Colour{};
  return Target->Pixel(static_cast<int>(sx), static_cast<int>(sy));
}

void DrawContext::SetPixel(int x, int y, Colour colour) const {
  Fill(Rect::Sized(x, y, 1, 1), colour);
}

void DrawContext::Fill(const Rect& area, Colour colour) const {
  if (!Target) return;
  Target->Fill(area.Offset(OriginX, OriginY).Intersect(EffectiveClip()), colour);
}

void DrawContext::Copy(int x, int y, const Surface& source, const Rect& sourceArea) const {
  if (!Target) return;
  Rect from = sourceArea.Intersect(source.Bounds());
  if (from.Empty()) return;
  std::int64_t toX = std::int64_t{x} + OriginX + (from.Left - sourceArea.Left);
  std::int64_t toY = std::int64_t{y} + OriginY + (from.Top - sourceArea.Top);
  if (&source == Target) {
    Surface copy(from.Width(), from.Height());
    copy.Copy(0, 0, source, from);
    Target->Blit(toX, toY, copy.Row(0), copy.Stride(), copy.Width(), copy.Height(), Clip);
    return;
  }
  Target->Blit(toX, toY, source.Row(from.Top) + 3 * static_cast<std::size_t>(from.Left),
               source.Stride(), from.Width(), from.Height(), Clip);
}

void DrawContext::CopyRows(int x, int y, const std::uint8_t* firstRow, std::size_t stride, int width,
                           int height) const {
  if (!Target) return;
  Target->Blit(std::int64_t{x} + OriginX, std::int64_t{y} + OriginY, firstRow, stride, width, height,
               Clip);
}

}  // namespace platform
