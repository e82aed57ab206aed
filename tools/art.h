// Drawing helpers of make-host-folder: cairo surfaces, the picture layouts the plug-ins
// read (plain, masked, keyed on a transparent colour), and procedural textures.
#pragma once

#include <bitmap.h>

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace art {

// ---- Surfaces ----

// Surface owns a cairo image surface (32-bit, premultiplied alpha); Pen owns a cairo
// context drawing on one. Both release themselves.
using Surface = std::unique_ptr<cairo_surface_t, void (*)(cairo_surface_t*)>;
using Pen = std::unique_ptr<cairo_t, void (*)(cairo_t*)>;

Surface NewSurface(int width, int height);  // fully transparent
Pen PenOn(const Surface& surface);

// A colour for cairo calls: bytes 0..255 and an alpha 0..1.
struct Colour {
  double r = 0, g = 0, b = 0, a = 1;
};
Colour Hex(std::uint32_t rgb, double alpha = 1);
void Use(cairo_t* cr, Colour c);
Colour Mix(Colour a, Colour b, double t);  // t = 0 gives a, 1 gives b
Colour Shade(Colour c, double factor);     // below 1 darker, above 1 lighter

// ---- Picture layouts ----

// The opaque picture (alpha ignored).
toolkit::Bitmap Plain(const Surface& surface);
// A masked picture twice as wide as the surface: the colours on the left (un-premultiplied,
// black where nothing is drawn) and the mask on the right (255 - alpha in all three bytes,
// so 0 is opaque and 255 transparent).
toolkit::Bitmap Masked(const Surface& surface);
// A picture transparent in `key` (fuchsia in the skins): untouched pixels take the key,
// partly covered edge pixels are laid over `edge` so no key colour bleeds into them.
toolkit::Bitmap Keyed(const Surface& surface, toolkit::Rgb key, toolkit::Rgb edge);
// The surface of a plain bitmap, for composing the contact sheet.
Surface FromBitmap(const toolkit::Bitmap& bitmap);
// The surface of a masked bitmap's shape with its mask turned into alpha.
Surface FromMasked(const toolkit::Bitmap& bitmap);

// ---- Textures ----

// A tileable value noise in 0..1 with `period` lattice cells across the tile.
double Noise(double x, double y, int period, std::uint32_t seed);
// Octaves of Noise, each twice as fine and half as strong; 0..1.
double Fractal(double x, double y, int period, int octaves, std::uint32_t seed);
// A hash of three numbers in 0..1, for speckles.
double Hash(int x, int y, std::uint32_t seed);

// An opaque surface filled pixel by pixel from a function of (x, y).
Surface Texture(int width, int height, const std::function<Colour(int, int)>& colourAt);

// Stone: a base colour varied by clouds and sprinkled with specks of the given colours.
Surface Granite(int width, int height, Colour base, Colour speckA, Colour speckB, std::uint32_t seed);
// Wood along x (grain lines running horizontally) between a light and a dark tone.
Surface Wood(int width, int height, Colour light, Colour dark, std::uint32_t seed, bool vertical = false);
// Cloth: a fine weave of small variations around a colour, tileable over `width` by `height`.
Surface Felt(int width, int height, Colour base, std::uint32_t seed);
// Marble: a base with soft veins of another colour.
Surface Marble(int width, int height, Colour base, Colour vein, std::uint32_t seed);

// ---- Shapes ----

void RoundedRect(cairo_t* cr, double x, double y, double width, double height, double radius);
// Draws text centred on (x, y) in the given family, size in pixels and weight.
void CentredText(cairo_t* cr, const std::string& text, double x, double y, double size, bool bold,
                 const char* family = "DejaVu Sans");

}  // namespace art
