#include "bitmap.h"

#include "picture_error.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <unordered_map>

namespace toolkit {

Bitmap::Bitmap(int width, int height, PixelFormat format) : format_(format) {
  SetSize(width, height);
}

std::size_t Bitmap::StrideFor(int width, PixelFormat format) {
  std::size_t bytes = static_cast<std::size_t>(width) * (format == PixelFormat::Bgr24 ? 3 : 1);
  return (bytes + 3) & ~std::size_t{3};
}

void Bitmap::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == width_ && height == height_) return;
  if (static_cast<std::int64_t>(width) * height > kMaxPixels) {
    throw PictureError("picture too large: " + std::to_string(width) + " by " + std::to_string(height));
  }
  std::size_t stride = StrideFor(width, format_);
  std::vector<std::uint8_t> pixels(stride * static_cast<std::size_t>(height), 0);
  int keepRows = std::min(height, height_);
  std::size_t keepBytes = static_cast<std::size_t>(std::min(width, width_)) * BytesPerPixel();
  for (int y = 0; keepBytes > 0 && y < keepRows; ++y) {
    std::memcpy(pixels.data() + stride * static_cast<std::size_t>(y), Row(y), keepBytes);
  }
  pixels_ = std::move(pixels);
  stride_ = stride;
  width_ = width;
  height_ = height;
}

void Bitmap::SetPalette(std::vector<Rgb> palette) {
  if (palette.size() > 256) palette.resize(256);
  palette_ = std::move(palette);
}

std::uint8_t Bitmap::NearestIndex(Rgb colour) const {
  int best = 0;
  int bestDistance = 1 << 30;
  for (std::size_t i = 0; i < palette_.size(); ++i) {
    int dr = palette_[i].R - colour.R, dg = palette_[i].G - colour.G, db = palette_[i].B - colour.B;
    int distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) {
      bestDistance = distance;
      best = static_cast<int>(i);
      if (distance == 0) break;
    }
  }
  return static_cast<std::uint8_t>(best);
}

void Bitmap::SetFormat(PixelFormat format) {
  if (format == format_) return;
  Bitmap converted;
  converted.format_ = format;
  converted.SetSize(width_, height_);
  if (format == PixelFormat::Bgr24) {
    for (int y = 0; y < height_; ++y) {
      const std::uint8_t* from = Row(y);
      std::uint8_t* to = converted.Row(y);
      for (int x = 0; x < width_; ++x) {
        Rgb c = PaletteColour(from[x]);
        to[3 * x] = c.B;
        to[3 * x + 1] = c.G;
        to[3 * x + 2] = c.R;
      }
    }
  } else {
    if (palette_.empty()) palette_ = DefaultPalette();
    converted.palette_ = palette_;
    std::unordered_map<std::uint32_t, std::uint8_t> known;
    for (int y = 0; y < height_; ++y) {
      const std::uint8_t* from = Row(y);
      std::uint8_t* to = converted.Row(y);
      for (int x = 0; x < width_; ++x) {
        Rgb c{from[3 * x + 2], from[3 * x + 1], from[3 * x]};
        std::uint32_t key = (std::uint32_t{c.R} << 16) | (std::uint32_t{c.G} << 8) | c.B;
        auto found = known.find(key);
        if (found == known.end()) found = known.emplace(key, NearestIndex(c)).first;
        to[x] = found->second;
      }
    }
  }
  converted.palette_ = palette_;
  *this = std::move(converted);
}

std::uint8_t* Bitmap::Row(int y) {
  assert(y >= 0 && y < height_);
  return pixels_.data() + stride_ * static_cast<std::size_t>(y);
}

const std::uint8_t* Bitmap::Row(int y) const {
  assert(y >= 0 && y < height_);
  return pixels_.data() + stride_ * static_cast<std::size_t>(y);
}

std::vector<Rgb> DefaultPalette() {
  std::vector<Rgb> palette;
  palette.reserve(256);
  for (int r = 0; r < 6; ++r)
    for (int g = 0; g < 6; ++g)
      for (int b = 0; b < 6; ++b)
        palette.push_back(Rgb{static_cast<std::uint8_t>(r * 51), static_cast<std::uint8_t>(g * 51),
                              static_cast<std::uint8_t>(b * 51)});
  for (int i = 0; i < 40; ++i) {
    auto v = static_cast<std::uint8_t>((i * 255 + 20) / 39);
    palette.push_back(Rgb{v, v, v});
  }
  return palette;
}

}  // namespace toolkit
