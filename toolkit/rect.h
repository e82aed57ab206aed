// Rectangles of whole pixels.
#pragma once

#include <algorithm>

namespace toolkit {

// ---- Rectangles ----

// Rect holds a rectangle that includes its left and top edges and excludes its right and
// bottom edges, as the painting code of the games reasons about them. A rectangle whose
// right is not beyond its left (or bottom beyond its top) is empty.
struct Rect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  static constexpr Rect Sized(int left, int top, int width, int height) {
    return Rect{left, top, left + width, top + height};
  }

  constexpr int Width() const { return Right - Left; }
  constexpr int Height() const { return Bottom - Top; }
  constexpr bool Empty() const { return Right <= Left || Bottom <= Top; }
  constexpr bool Contains(int x, int y) const {
    return x >= Left && x < Right && y >= Top && y < Bottom;
  }
  // The common part; empty when the two do not meet.
  constexpr Rect Intersect(const Rect& other) const {
    return Rect{std::max(Left, other.Left), std::max(Top, other.Top), std::min(Right, other.Right),
                std::min(Bottom, other.Bottom)};
  }
  constexpr bool Meets(const Rect& other) const { return !Intersect(other).Empty(); }
  // The smallest rectangle holding both; an empty one adds nothing.
  constexpr Rect Union(const Rect& other) const {
    if (Empty()) return other;
    if (other.Empty()) return *this;
    return Rect{std::min(Left, other.Left), std::min(Top, other.Top), std::max(Right, other.Right),
                std::max(Bottom, other.Bottom)};
  }
  constexpr Rect Offset(int dx, int dy) const {
    return Rect{Left + dx, Top + dy, Right + dx, Bottom + dy};
  }
  constexpr bool operator==(const Rect&) const = default;
};

}  // namespace toolkit
