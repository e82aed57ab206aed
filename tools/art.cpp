#include "art.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace art {

Surface NewSurface(int width, int height) {
  return Surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height), cairo_surface_destroy);
}

Pen PenOn(const Surface& surface) { return Pen(cairo_create(surface.get()), cairo_destroy); }

Colour Hex(std::uint32_t rgb, double alpha) {
  return Colour{static_cast<double>((rgb >> 16) & 0xFF), static_cast<double>((rgb >> 8) & 0xFF),
                static_cast<double>(rgb & 0xFF), alpha};
}

void Use(cairo_t* cr, Colour c) { cairo_set_source_rgba(cr, c.r / 255, c.g / 255, c.b / 255, c.a); }

Colour Mix(Colour a, Colour b, double t) {
  return Colour{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

Colour Shade(Colour c, double factor) {
  if (factor <= 1) return Colour{c.r * factor, c.g * factor, c.b * factor, c.a};
  double t = std::min(factor - 1, 1.0);
  return Mix(c, Colour{255, 255, 255, c.a}, t);
}

namespace {

// Pixel (x, y) of an ARGB32 surface: alpha and the premultiplied colour.
struct Premultiplied {
  int a, r, g, b;
};

Premultiplied At(cairo_surface_t* s, int x, int y) {
  const unsigned char* data = cairo_image_surface_get_data(s);
  int stride = cairo_image_surface_get_stride(s);
  std::uint32_t v = *reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride + 4 * x);
  return Premultiplied{static_cast<int>(v >> 24), static_cast<int>((v >> 16) & 0xFF),
                       static_cast<int>((v >> 8) & 0xFF), static_cast<int>(v & 0xFF)};
}

std::uint8_t Unpremultiply(int c, int a) {
  return a == 0 ? 0 : static_cast<std::uint8_t>(std::min(255, (c * 255 + a / 2) / a));
}

std::uint8_t Byte(double v) { return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L)); }

}  // namespace

toolkit::Bitmap Plain(const Surface& surface) {
  cairo_surface_flush(surface.get());
  int w = cairo_image_surface_get_width(surface.get()), h = cairo_image_surface_get_height(surface.get());
  toolkit::Bitmap out(w, h);
  for (int y = 0; y < h; ++y) {
    std::uint8_t* row = out.Row(y);
    for (int x = 0; x < w; ++x) {
      Premultiplied p = At(surface.get(), x, y);
      row[3 * x] = Unpremultiply(p.b, p.a);
      row[3 * x + 1] = Unpremultiply(p.g, p.a);
      row[3 * x + 2] = Unpremultiply(p.r, p.a);
    }
  }
  return out;
}

toolkit::Bitmap Masked(const Surface& surface) {
  // The colour half is the plain picture; the mask half is white where it is transparent.
  toolkit::Bitmap colour = Plain(surface);
  const int w = colour.Width(), h = colour.Height();
  toolkit::Bitmap out(2 * w, h);
  for (int y = 0; y < h; ++y) {
    std::uint8_t* row = out.Row(y);
    std::memcpy(row, colour.Row(y), static_cast<std::size_t>(3 * w));
    for (int x = 0; x < w; ++x) {
      auto mask = static_cast<std::uint8_t>(255 - At(surface.get(), x, y).a);
      row[3 * (w + x)] = row[3 * (w + x) + 1] = row[3 * (w + x) + 2] = mask;
    }
  }
  return out;
}

toolkit::Bitmap Keyed(const Surface& surface, toolkit::Rgb key, toolkit::Rgb edge) {
  cairo_surface_flush(surface.get());
  int w = cairo_image_surface_get_width(surface.get()), h = cairo_image_surface_get_height(surface.get());
  toolkit::Bitmap out(w, h);
  for (int y = 0; y < h; ++y) {
    std::uint8_t* row = out.Row(y);
    for (int x = 0; x < w; ++x) {
      Premultiplied p = At(surface.get(), x, y);
      toolkit::Rgb c = key;
      if (p.a > 0) {
        int rest = 255 - p.a;
        c = toolkit::Rgb{static_cast<std::uint8_t>(p.r + (edge.R * rest + 127) / 255),
                         static_cast<std::uint8_t>(p.g + (edge.G * rest + 127) / 255),
                         static_cast<std::uint8_t>(p.b + (edge.B * rest + 127) / 255)};
        if (c == key) c.G = 1;  // never the key by accident
      }
      row[3 * x] = c.B, row[3 * x + 1] = c.G, row[3 * x + 2] = c.R;
    }
  }
  return out;
}

Surface FromBitmap(const toolkit::Bitmap& bitmap) {
  toolkit::Bitmap copy = bitmap;
  copy.SetFormat(toolkit::PixelFormat::Bgr24);
  Surface s = NewSurface(copy.Width(), copy.Height());
  unsigned char* data = cairo_image_surface_get_data(s.get());
  int stride = cairo_image_surface_get_stride(s.get());
  for (int y = 0; y < copy.Height(); ++y) {
    auto* out = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
    const std::uint8_t* in = copy.Row(y);
    for (int x = 0; x < copy.Width(); ++x) {
      out[x] = 0xFF000000u | (std::uint32_t{in[3 * x + 2]} << 16) | (std::uint32_t{in[3 * x + 1]} << 8) | in[3 * x];
    }
  }
  cairo_surface_mark_dirty(s.get());
  return s;
}

Surface FromMasked(const toolkit::Bitmap& bitmap) {
  int w = bitmap.Width() / 2, h = bitmap.Height();
  Surface s = NewSurface(std::max(w, 1), std::max(h, 1));
  unsigned char* data = cairo_image_surface_get_data(s.get());
  int stride = cairo_image_surface_get_stride(s.get());
  for (int y = 0; y < h; ++y) {
    auto* out = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
    const std::uint8_t* in = bitmap.Row(y);
    for (int x = 0; x < w; ++x) {
      std::uint32_t a = 255u - in[3 * (w + x)];
      auto pm = [a](std::uint8_t c) { return (c * a + 127) / 255; };
      out[x] = (a << 24) | (pm(in[3 * x + 2]) << 16) | (pm(in[3 * x + 1]) << 8) | pm(in[3 * x]);
    }
  }
  cairo_surface_mark_dirty(s.get());
  return s;
}

// ---- Noise ----

double Hash(int x, int y, std::uint32_t seed) {
  std::uint32_t h = seed * 0x9E3779B1u ^ static_cast<std::uint32_t>(x) * 0x85EBCA77u ^
                    static_cast<std::uint32_t>(y) * 0xC2B2AE3Du;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  h *= 0x297A2D39u;
  h ^= h >> 15;
  return (h & 0xFFFFFF) / static_cast<double>(0x1000000);
}

double Noise(double x, double y, int period, std::uint32_t seed) {
  double fx = std::floor(x), fy = std::floor(y);
  int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
  double tx = x - fx, ty = y - fy;
  tx = tx * tx * (3 - 2 * tx);
  ty = ty * ty * (3 - 2 * ty);
  auto wrap = [period](int v) { return ((v % period) + period) % period; };
  double a = Hash(wrap(ix), wrap(iy), seed), b = Hash(wrap(ix + 1), wrap(iy), seed);
  double c = Hash(wrap(ix), wrap(iy + 1), seed), d = Hash(wrap(ix + 1), wrap(iy + 1), seed);
  return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

double Fractal(double x, double y, int period, int octaves, std::uint32_t seed) {
  double sum = 0, weight = 0.5, total = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += Noise(x, y, period, seed + static_cast<std::uint32_t>(i) * 101u) * weight;
    total += weight;
    x *= 2, y *= 2, period *= 2, weight *= 0.5;
  }
  return sum / total;
}

Surface Texture(int width, int height, const std::function<Colour(int, int)>& colourAt) {
  Surface s = NewSurface(width, height);
  unsigned char* data = cairo_image_surface_get_data(s.get());
  int stride = cairo_image_surface_get_stride(s.get());
  for (int y = 0; y < height; ++y) {
    auto* out = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
    for (int x = 0; x < width; ++x) {
      Colour c = colourAt(x, y);
      out[x] = 0xFF000000u | (std::uint32_t{Byte(c.r)} << 16) | (std::uint32_t{Byte(c.g)} << 8) | Byte(c.b);
    }
  }
  cairo_surface_mark_dirty(s.get());
  return s;
}

Surface Granite(int width, int height, Colour base, Colour speckA, Colour speckB, std::uint32_t seed) {
  // Stone is a mosaic of crystals: every pixel takes the grain of the nearest of a scatter of
  // points (one per small cell), each grain a tone of the base or one of the speck colours,
  // with soft clouds over the whole and a darker seam where two grains meet.
  const double grain = 5.0;
  double cloudScale = 1.0 / 180.0;
  return Texture(width, height, [=](int x, int y) {
    int gx = static_cast<int>(std::floor(x / grain)), gy = static_cast<int>(std::floor(y / grain));
    double nearest = 1e9, second = 1e9;
    int cellX = 0, cellY = 0;
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        int cx = gx + dx, cy = gy + dy;
        double px = (cx + Hash(cx, cy, seed)) * grain, py = (cy + Hash(cx, cy, seed + 1)) * grain;
        double d = (px - x) * (px - x) + (py - y) * (py - y);
        if (d < nearest) {
          second = nearest, nearest = d, cellX = cx, cellY = cy;
        } else if (d < second) {
          second = d;
        }
      }
    }
    double pick = Hash(cellX, cellY, seed + 2), tone = Hash(cellX, cellY, seed + 3);
    Colour c = Shade(base, 0.78 + 0.4 * tone);
    if (pick > 0.86) c = Mix(speckA, base, 0.25 * tone);
    else if (pick < 0.16) c = Mix(speckB, base, 0.3 * tone);
    double cloud = Fractal(x * cloudScale, y * cloudScale, 64, 3, seed + 5);
    c = Shade(c, 0.88 + 0.24 * cloud);
    double seam = std::sqrt(second) - std::sqrt(nearest);
    if (seam < 0.8) c = Shade(c, 0.86 + 0.14 * seam / 0.8);
    double fine = (Hash(x, y, seed + 11) - 0.5) * 8;
    return Colour{c.r + fine, c.g + fine, c.b + fine, 1};
  });
}

Surface Wood(int width, int height, Colour light, Colour dark, std::uint32_t seed, bool vertical) {
  return Texture(width, height, [=](int px, int py) {
    double along = vertical ? py : px, across = vertical ? px : py;
    double warp = Fractal(along / 420.0, across / 160.0, 64, 4, seed) * 9.0;
    double rings = std::pow(std::sin((across / 26.0 + warp) * 1.3) * 0.5 + 0.5, 1.6);
    double streak = Fractal(along / 140.0, across / 2.5, 256, 2, seed + 5);
    double figure = Fractal(along / 700.0, across / 300.0, 64, 2, seed + 8);
    double t = std::clamp(0.45 * rings + 0.35 * streak + 0.3 * (figure - 0.5), 0.0, 1.0);
    Colour c = Mix(light, dark, t);
    double fine = (Hash(px, py, seed + 9) - 0.5) * 8;
    return Colour{c.r + fine, c.g + fine, c.b + fine, 1};
  });
}

Surface Felt(int width, int height, Colour base, std::uint32_t seed) {
  int period = 8;
  return Texture(width, height, [=](int x, int y) {
    double cloud = Fractal(x * period / static_cast<double>(width), y * period / static_cast<double>(height),
                           period, 3, seed);
    double fine = (Hash(x % width, y % height, seed + 1) - 0.5) * 16;
    double weave = ((x + y) % 2 == 0) ? 3 : -3;
    Colour c = Shade(base, 0.9 + 0.2 * cloud);
    return Colour{c.r + fine + weave, c.g + fine + weave, c.b + fine + weave, 1};
  });
}

Surface Marble(int width, int height, Colour base, Colour vein, std::uint32_t seed) {
  int period = 4;
  double sx = period / static_cast<double>(width), sy = period / static_cast<double>(height);
  return Texture(width, height, [=](int x, int y) {
    double turbulence = Fractal(x * sx, y * sy, period, 5, seed);
    double v = std::abs(std::sin((x * sx + y * sy * 0.6) * 3.14159 + turbulence * 9.0));
    double veins = std::pow(1 - v, 6);
    Colour c = Mix(Shade(base, 0.94 + 0.1 * turbulence), vein, veins * 0.8);
    double fine = (Hash(x, y, seed + 2) - 0.5) * 5;
    return Colour{c.r + fine, c.g + fine, c.b + fine, 1};
  });
}

void RoundedRect(cairo_t* cr, double x, double y, double width, double height, double radius) {
  radius = std::min({radius, width / 2, height / 2});
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + width - radius, y + radius, radius, -M_PI / 2, 0);
  cairo_arc(cr, x + width - radius, y + height - radius, radius, 0, M_PI / 2);
  cairo_arc(cr, x + radius, y + height - radius, radius, M_PI / 2, M_PI);
  cairo_arc(cr, x + radius, y + radius, radius, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

void CentredText(cairo_t* cr, const std::string& text, double x, double y, double size, bool bold,
                 const char* family) {
  cairo_select_font_face(cr, family, CAIRO_FONT_SLANT_NORMAL, bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
  cairo_text_extents_t extents;
  cairo_text_extents(cr, text.c_str(), &extents);
  cairo_move_to(cr, x - extents.width / 2 - extents.x_bearing, y - extents.height / 2 - extents.y_bearing);
  cairo_show_text(cr, text.c_str());
}

}  // namespace art
