#include "backgammon_art.h"

#include <cmath>
#include <map>
#include <stdexcept>

namespace art {
namespace {

// Board geometry in layout units (one unit is a sixteenth of the board's width, the size a
// checker is drawn at), measured from the board's centre, y growing downward.
constexpr int kBoardWidth = 1586;
constexpr int kBoardHeight = 1172;
constexpr double kScale = kBoardWidth / 16.0;  // pixels per unit
constexpr double kStep = 0.945;                // distance between neighbouring checkers
constexpr double kFieldEdge = 6.17;            // outer edge of the playing fields
constexpr double kBarHalf = kStep / 2;         // the bar is one checker wide
constexpr double kFieldHalfHeight = 5.25;
constexpr double kPointLength = 4.5;
constexpr double kTrayLeft = 6.40, kTrayRight = 7.62, kTrayInner = 0.30;

double Px(double unitsX) { return kBoardWidth / 2.0 + unitsX * kScale; }
double Py(double unitsY) { return kBoardHeight / 2.0 + unitsY * kScale; }

struct BoardStyle {
  Surface frame{nullptr, cairo_surface_destroy};
  Surface field{nullptr, cairo_surface_destroy};
  Surface tray{nullptr, cairo_surface_destroy};
  Surface pointA{nullptr, cairo_surface_destroy};
  Surface pointB{nullptr, cairo_surface_destroy};
  Colour edgeLight, edgeDark, hinge, inlay;
};

BoardStyle StyleOf(const std::string& name) {
  BoardStyle s;
  int w = kBoardWidth, h = kBoardHeight;
  if (name == "Granite") {
    s.frame = Granite(w, h, Hex(0x3b3d42), Hex(0xd9d4cc), Hex(0x0c0c0e), 11);
    s.field = Granite(w, h, Hex(0xbcb9b1), Hex(0xe2dfd7), Hex(0x7a7771), 23);
    s.tray = Granite(w, h, Hex(0x8d8a84), Hex(0xd8d4cc), Hex(0x35332f), 31);
    s.pointA = Marble(w, h, Hex(0xf2efe7), Hex(0x9a948a), 41);
    s.pointB = Marble(w, h, Hex(0x2b2d33), Hex(0x8c8f99), 43);
    s.edgeLight = Hex(0x8e9098), s.edgeDark = Hex(0x111114), s.hinge = Hex(0xc9ccd2), s.inlay = Hex(0xa9aab0);
  } else if (name == "Green") {
    s.frame = Wood(w, h, Hex(0x8a3f22), Hex(0x4a1c0c), 51);
    s.field = Felt(w, h, Hex(0x2f6b3c), 53);
    s.tray = Felt(w, h, Hex(0x23512d), 57);
    s.pointA = Marble(w, h, Hex(0xefe2c0), Hex(0xcdb88a), 61);
    s.pointB = Marble(w, h, Hex(0x9c2b22), Hex(0x6b1510), 63);
    s.edgeLight = Hex(0xc0734a), s.edgeDark = Hex(0x2a0e05), s.hinge = Hex(0xd8b458), s.inlay = Hex(0xd8b458);
  } else if (name == "Walnut") {
    s.frame = Wood(w, h, Hex(0x6e4a2c), Hex(0x2e1c0f), 71);
    s.field = Felt(w, h, Hex(0xc9a877), 73);
    s.tray = Felt(w, h, Hex(0x9d7f55), 77);
    s.pointA = Marble(w, h, Hex(0xf4ecd8), Hex(0xd4c6a4), 81);
    s.pointB = Marble(w, h, Hex(0x1f5f63), Hex(0x123c40), 83);
    s.edgeLight = Hex(0xa57a52), s.edgeDark = Hex(0x1a0f06), s.hinge = Hex(0xcfae6a), s.inlay = Hex(0xe6d3a8);
  } else {
    throw std::invalid_argument("no board style " + name);
  }
  return s;
}

void FillWith(cairo_t* cr, const Surface& texture) {
  cairo_set_source_surface(cr, texture.get(), 0, 0);
  cairo_fill_preserve(cr);
}

void RectPath(cairo_t* cr, double x0, double y0, double x1, double y1) {
  cairo_rectangle(cr, Px(x0), Py(y0), Px(x1) - Px(x0), Py(y1) - Py(y0));
}

// A recess: filled with the texture, with a shadow along its top and left inner edges and a
// light line along its bottom and right outer edges, as if cut into the frame.
void Recess(cairo_t* cr, double x0, double y0, double x1, double y1, const Surface& texture, const BoardStyle& s) {
  RectPath(cr, x0, y0, x1, y1);
  FillWith(cr, texture);
  cairo_save(cr);
  cairo_clip(cr);
  for (int i = 0; i < 14; ++i) {
    Colour shadow = Hex(0x000000, 0.05 * (14 - i) / 14.0 * 3);
    Use(cr, shadow);
    cairo_rectangle(cr, Px(x0), Py(y0) + i, Px(x1) - Px(x0), 1);
    cairo_fill(cr);
    cairo_rectangle(cr, Px(x0) + i, Py(y0), 1, Py(y1) - Py(y0));
    cairo_fill(cr);
  }
  cairo_restore(cr);
  cairo_set_line_width(cr, 2);
  Use(cr, Shade(s.edgeLight, 1.1));
  cairo_move_to(cr, Px(x0) - 1, Py(y1) + 1);
  cairo_line_to(cr, Px(x1) + 1, Py(y1) + 1);
  cairo_line_to(cr, Px(x1) + 1, Py(y0) - 1);
  cairo_stroke(cr);
  Use(cr, s.edgeDark);
  cairo_move_to(cr, Px(x0) - 1, Py(y1) + 1);
  cairo_line_to(cr, Px(x0) - 1, Py(y0) - 1);
  cairo_line_to(cr, Px(x1) + 1, Py(y0) - 1);
  cairo_stroke(cr);
}

// Left edge (in units) of the checkers on point k (1..12) of the lower half; the upper half
// mirrors it (point 25 - k).
double PointColumn(int k) { return kStep * (k <= 6 ? 6.5 - k : -(k - 6) - 0.5); }

void Points(cairo_t* cr, const BoardStyle& s) {
  for (int upper = 0; upper < 2; ++upper) {
    for (int k = 1; k <= 12; ++k) {
      double centre = PointColumn(k) + 0.475;
      double base = upper ? -kFieldHalfHeight : kFieldHalfHeight;
      double tip = upper ? base + kPointLength : base - kPointLength;
      const Surface& texture = ((k + upper) % 2 == 0) ? s.pointA : s.pointB;
      double half = kStep / 2 - 0.02;
      cairo_move_to(cr, Px(centre - half), Py(base));
      cairo_line_to(cr, Px(centre), Py(tip));
      cairo_line_to(cr, Px(centre + half), Py(base));
      cairo_close_path(cr);
      FillWith(cr, texture);
      // A soft light down the middle and darker flanks give the points some relief.
      cairo_pattern_t* relief = cairo_pattern_create_linear(Px(centre - half), 0, Px(centre + half), 0);
      cairo_pattern_add_color_stop_rgba(relief, 0, 0, 0, 0, 0.22);
      cairo_pattern_add_color_stop_rgba(relief, 0.45, 1, 1, 1, 0.10);
      cairo_pattern_add_color_stop_rgba(relief, 0.55, 1, 1, 1, 0.10);
      cairo_pattern_add_color_stop_rgba(relief, 1, 0, 0, 0, 0.22);
      cairo_set_source(cr, relief);
      cairo_fill_preserve(cr);
      cairo_pattern_destroy(relief);
      cairo_set_line_width(cr, 1.6);
      Use(cr, Hex(0x000000, 0.45));
      cairo_stroke(cr);
    }
  }
}

void Hinge(cairo_t* cr, double yUnits, const BoardStyle& s) {
  double x = Px(-0.30), y = Py(yUnits - 0.55), w = Px(0.30) - Px(-0.30), h = 1.1 * kScale;
  cairo_pattern_t* metal = cairo_pattern_create_linear(x, 0, x + w, 0);
  Colour c = s.hinge;
  cairo_pattern_add_color_stop_rgb(metal, 0, Shade(c, 0.55).r / 255, Shade(c, 0.55).g / 255, Shade(c, 0.55).b / 255);
  cairo_pattern_add_color_stop_rgb(metal, 0.35, Shade(c, 1.3).r / 255, Shade(c, 1.3).g / 255, Shade(c, 1.3).b / 255);
  cairo_pattern_add_color_stop_rgb(metal, 1, Shade(c, 0.6).r / 255, Shade(c, 0.6).g / 255, Shade(c, 0.6).b / 255);
  RoundedRect(cr, x, y, w, h, 6);
  cairo_set_source(cr, metal);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(metal);
  Use(cr, Hex(0x000000, 0.5));
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  for (int i = 0; i < 3; ++i) {  // the pin's knuckles
    double ky = y + h * (0.2 + 0.3 * i);
    Use(cr, Hex(0x000000, 0.35));
    cairo_move_to(cr, x + 3, ky);
    cairo_line_to(cr, x + w - 3, ky);
    cairo_stroke(cr);
  }
  for (double sy : {y + 0.12 * h, y + 0.88 * h}) {  // screws
    cairo_arc(cr, x + w / 2, sy, 4, 0, 2 * M_PI);
    Use(cr, Shade(c, 0.5));
    cairo_fill(cr);
  }
}

}  // namespace

toolkit::Bitmap BackgammonBoard(const std::string& style) {
  BoardStyle s = StyleOf(style);
  Surface surface = NewSurface(kBoardWidth, kBoardHeight);
  Pen pen = PenOn(surface);
  cairo_t* cr = pen.get();

  // Frame, with an outer bevel.
  cairo_rectangle(cr, 0, 0, kBoardWidth, kBoardHeight);
  FillWith(cr, s.frame);
  cairo_new_path(cr);
  for (int i = 0; i < 10; ++i) {
    cairo_rectangle(cr, i + 0.5, i + 0.5, kBoardWidth - 2 * i - 1, kBoardHeight - 2 * i - 1);
    Use(cr, i < 5 ? Mix(s.edgeLight, s.edgeDark, i / 5.0) : Hex(0x000000, 0.0));
    cairo_set_line_width(cr, 1);
    if (i < 5) cairo_stroke(cr); else cairo_new_path(cr);
  }
  // A fine inlay line around the whole playing area.
  cairo_set_line_width(cr, 3);
  cairo_rectangle(cr, Px(-7.75), Py(-5.62), Px(7.75) - Px(-7.75), Py(5.62) - Py(-5.62));
  Use(cr, Mix(s.inlay, s.edgeDark, 0.15));
  cairo_stroke(cr);

  // Playing fields, bar and trays.
  Recess(cr, -kFieldEdge, -kFieldHalfHeight, -kBarHalf, kFieldHalfHeight, s.field, s);
  Recess(cr, kBarHalf, -kFieldHalfHeight, kFieldEdge, kFieldHalfHeight, s.field, s);
  Recess(cr, kTrayLeft, kTrayInner, kTrayRight, kFieldHalfHeight, s.tray, s);
  Recess(cr, kTrayLeft, -kFieldHalfHeight, kTrayRight, -kTrayInner, s.tray, s);
  Points(cr, s);
  Hinge(cr, -2.6, s);
  Hinge(cr, 2.6, s);

  // The doubling cube's resting place: a small engraved square on the left rail.
  cairo_set_line_width(cr, 2);
  Use(cr, Mix(s.inlay, s.edgeDark, 0.3));
  RoundedRect(cr, Px(-7.30), Py(-0.45), 1.0 * kScale, 0.9 * kScale, 10);
  cairo_stroke(cr);

  // Lighting: a broad soft highlight from the upper left, darker towards the lower right.
  cairo_pattern_t* light = cairo_pattern_create_radial(kBoardWidth * 0.3, kBoardHeight * 0.25, 50,
                                                       kBoardWidth * 0.5, kBoardHeight * 0.5, kBoardWidth * 0.75);
  cairo_pattern_add_color_stop_rgba(light, 0, 1, 1, 1, 0.08);
  cairo_pattern_add_color_stop_rgba(light, 0.6, 1, 1, 1, 0.0);
  cairo_pattern_add_color_stop_rgba(light, 1, 0, 0, 0, 0.18);
  cairo_rectangle(cr, 0, 0, kBoardWidth, kBoardHeight);
  cairo_set_source(cr, light);
  cairo_fill(cr);
  cairo_pattern_destroy(light);
  return Plain(surface);
}

namespace {

struct CheckerLook {
  Colour base, vein, rim, groove;
};

CheckerLook LookOf(const std::string& colour) {
  if (colour == "White") return {Hex(0xf3ecdc), Hex(0xcdbf9f), Hex(0xb9ab8c), Hex(0xa8997a)};
  if (colour == "Red") return {Hex(0xb3261e), Hex(0x7a0f0a), Hex(0x6d0d08), Hex(0x5c0a06)};
  if (colour == "Black") return {Hex(0x2a2a2e), Hex(0x5a5a62), Hex(0x0e0e10), Hex(0x050506)};
  throw std::invalid_argument("no checker colour " + colour);
}

std::uint32_t SeedOf(const std::string& text) {
  std::uint32_t h = 2166136261u;
  for (char c : text) h = (h ^ static_cast<std::uint8_t>(c)) * 16777619u;
  return h;
}

void SoftShadow(cairo_t* cr, double cx, double cy, double radius, double strength) {
  cairo_pattern_t* shadow = cairo_pattern_create_radial(cx, cy, radius * 0.7, cx, cy, radius * 1.08);
  cairo_pattern_add_color_stop_rgba(shadow, 0, 0, 0, 0, strength);
  cairo_pattern_add_color_stop_rgba(shadow, 1, 0, 0, 0, 0);
  cairo_arc(cr, cx, cy, radius * 1.08, 0, 2 * M_PI);
  cairo_set_source(cr, shadow);
  cairo_fill(cr);
  cairo_pattern_destroy(shadow);
}

// A disc with a rim, a groove, a domed centre and a highlight, filling a square of `size`.
void DrawChecker(cairo_t* cr, const std::string& colour, double x, double y, double size, bool shadow) {
  CheckerLook look = LookOf(colour);
  double r = size * 0.465, cx = x + r, cy = y + r;
  if (shadow) SoftShadow(cr, cx + size * 0.025, cy + size * 0.03, r, 0.45);
  int textureSize = static_cast<int>(std::ceil(size));
  Surface material = Marble(textureSize, textureSize, look.base, look.vein, SeedOf(colour));
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_set_source_surface(cr, material.get(), x, y);
  cairo_fill(cr);
  // Rim: a ring darker at the lower right.
  cairo_pattern_t* rim = cairo_pattern_create_linear(cx - r, cy - r, cx + r, cy + r);
  cairo_pattern_add_color_stop_rgba(rim, 0, 1, 1, 1, 0.35);
  cairo_pattern_add_color_stop_rgba(rim, 0.5, 0, 0, 0, 0.05);
  cairo_pattern_add_color_stop_rgba(rim, 1, 0, 0, 0, 0.45);
  cairo_set_line_width(cr, r * 0.16);
  cairo_arc(cr, cx, cy, r * 0.92, 0, 2 * M_PI);
  cairo_set_source(cr, rim);
  cairo_stroke(cr);
  cairo_pattern_destroy(rim);
  // Groove around the centre.
  cairo_set_line_width(cr, std::max(1.0, r * 0.05));
  Use(cr, Colour{look.groove.r, look.groove.g, look.groove.b, 0.8});
  cairo_arc(cr, cx, cy, r * 0.66, 0, 2 * M_PI);
  cairo_stroke(cr);
  Use(cr, Hex(0xffffff, 0.25));
  cairo_arc(cr, cx + r * 0.02, cy + r * 0.02, r * 0.66, M_PI * 0.1, M_PI * 0.9);
  cairo_stroke(cr);
  // Domed centre.
  cairo_pattern_t* dome = cairo_pattern_create_radial(cx - r * 0.25, cy - r * 0.3, r * 0.05, cx, cy, r * 0.64);
  cairo_pattern_add_color_stop_rgba(dome, 0, 1, 1, 1, 0.35);
  cairo_pattern_add_color_stop_rgba(dome, 1, 0, 0, 0, 0.12);
  cairo_arc(cr, cx, cy, r * 0.63, 0, 2 * M_PI);
  cairo_set_source(cr, dome);
  cairo_fill(cr);
  cairo_pattern_destroy(dome);
  // Outline.
  cairo_set_line_width(cr, std::max(1.0, r * 0.03));
  Use(cr, Colour{look.rim.r * 0.5, look.rim.g * 0.5, look.rim.b * 0.5, 0.9});
  cairo_arc(cr, cx, cy, r - r * 0.015, 0, 2 * M_PI);
  cairo_stroke(cr);
}

}  // namespace

toolkit::Bitmap Checker(const std::string& colour) {
  const int size = 128;
  Surface surface = NewSurface(size, size);
  Pen pen = PenOn(surface);
  DrawChecker(pen.get(), colour, 0, 0, size, true);
  return Masked(surface);
}

toolkit::Bitmap VerticalChecker(const std::string& colour) {
  const int width = 64, height = 236;
  CheckerLook look = LookOf(colour);
  Surface surface = NewSurface(width, height);
  Pen pen = PenOn(surface);
  cairo_t* cr = pen.get();
  double x = 3, y = 5, w = width * 0.86, h = height * 0.94;
  RoundedRect(cr, x + 3, y + 4, w, h, w * 0.35);  // shadow
  Use(cr, Hex(0x000000, 0.3));
  cairo_fill(cr);
  Surface material = Marble(width, height, look.base, look.vein, SeedOf(colour) + 5);
  RoundedRect(cr, x, y, w, h, w * 0.35);
  cairo_set_source_surface(cr, material.get(), 0, 0);
  cairo_fill_preserve(cr);
  // The edge of a disc is a cylinder: light along the middle, dark at both sides.
  cairo_pattern_t* round = cairo_pattern_create_linear(x, 0, x + w, 0);
  cairo_pattern_add_color_stop_rgba(round, 0, 0, 0, 0, 0.55);
  cairo_pattern_add_color_stop_rgba(round, 0.35, 1, 1, 1, 0.25);
  cairo_pattern_add_color_stop_rgba(round, 0.6, 1, 1, 1, 0.05);
  cairo_pattern_add_color_stop_rgba(round, 1, 0, 0, 0, 0.6);
  cairo_set_source(cr, round);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(round);
  Use(cr, Colour{look.rim.r * 0.5, look.rim.g * 0.5, look.rim.b * 0.5, 0.9});
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  // Two grooves along the edge.
  cairo_set_line_width(cr, 2);
  for (double gx : {x + w * 0.28, x + w * 0.72}) {
    Use(cr, Colour{look.groove.r, look.groove.g, look.groove.b, 0.7});
    cairo_move_to(cr, gx, y + w * 0.3);
    cairo_line_to(cr, gx, y + h - w * 0.3);
    cairo_stroke(cr);
  }
  return Masked(surface);
}

toolkit::Bitmap SmallChecker(const std::string& colour) {
  const int size = 20;
  Surface surface = NewSurface(size, size);
  Pen pen = PenOn(surface);
  DrawChecker(pen.get(), colour, 0.5, 0.5, size * 1.02, false);
  return Keyed(surface, toolkit::Rgb{255, 0, 255}, toolkit::Rgb{192, 192, 192});
}

namespace {

struct DieLook {
  Colour body, pip;
};

DieLook DieOf(const std::string& colour) {
  if (colour == "White") return {Hex(0xfbf8f0), Hex(0x151515)};
  if (colour == "Red") return {Hex(0xc0241c), Hex(0xfdf6ea)};
  if (colour == "Black") return {Hex(0x24242a), Hex(0xf5f1e6)};
  throw std::invalid_argument("no die colour " + colour);
}

void DrawDie(cairo_t* cr, const DieLook& look, int face, double x, double y, double size) {
  double body = size * 0.6, left = x + (size - body) / 2, top = y + (size - body) / 2, radius = body * 0.18;
  RoundedRect(cr, left + body * 0.05, top + body * 0.07, body, body, radius);  // shadow
  Use(cr, Hex(0x000000, 0.35));
  cairo_fill(cr);
  RoundedRect(cr, left, top, body, body, radius);
  Use(cr, look.body);
  cairo_fill_preserve(cr);
  cairo_pattern_t* shine = cairo_pattern_create_linear(left, top, left + body, top + body);
  cairo_pattern_add_color_stop_rgba(shine, 0, 1, 1, 1, 0.30);
  cairo_pattern_add_color_stop_rgba(shine, 0.5, 1, 1, 1, 0.0);
  cairo_pattern_add_color_stop_rgba(shine, 1, 0, 0, 0, 0.28);
  cairo_set_source(cr, shine);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(shine);
  cairo_set_line_width(cr, std::max(1.0, body * 0.025));
  Use(cr, Shade(look.body, 0.45));
  cairo_stroke(cr);
  static const int kPips[7][6][2] = {
      {},
      {{1, 1}},
      {{0, 0}, {2, 2}},
      {{0, 0}, {1, 1}, {2, 2}},
      {{0, 0}, {2, 0}, {0, 2}, {2, 2}},
      {{0, 0}, {2, 0}, {1, 1}, {0, 2}, {2, 2}},
      {{0, 0}, {2, 0}, {0, 1}, {2, 1}, {0, 2}, {2, 2}},
  };
  double pipRadius = body * (face == 1 ? 0.12 : 0.085);
  for (int i = 0; i < face; ++i) {
    double px = left + body * (0.25 + 0.25 * kPips[face][i][0]);
    double py = top + body * (0.25 + 0.25 * kPips[face][i][1]);
    cairo_arc(cr, px, py, pipRadius, 0, 2 * M_PI);
    Use(cr, look.pip);
    cairo_fill(cr);
    cairo_arc(cr, px - pipRadius * 0.2, py - pipRadius * 0.2, pipRadius * 0.55, 0, 2 * M_PI);
    Use(cr, Hex(0x000000, 0.18));
    cairo_fill(cr);
  }
}

}  // namespace

toolkit::Bitmap DiceStrip(const std::string& colour) {
  const int face = 144;
  DieLook look = DieOf(colour);
  Surface surface = NewSurface(face, 6 * face);
  Pen pen = PenOn(surface);
  for (int f = 1; f <= 6; ++f) DrawDie(pen.get(), look, f, 0, (f - 1) * face, face);
  return Masked(surface);
}

toolkit::Bitmap CubeStrip() {
  const int face = 128;
  static const char* kValues[6] = {"64", "2", "4", "8", "16", "32"};
  Surface surface = NewSurface(face, 6 * face);
  Pen pen = PenOn(surface);
  cairo_t* cr = pen.get();
  for (int k = 0; k < 6; ++k) {
    double x = face * 0.03, y = k * face + face * 0.03, body = face * 0.84, radius = body * 0.14;
    RoundedRect(cr, x + body * 0.06, y + body * 0.07, body, body, radius);
    Use(cr, Hex(0x000000, 0.35));
    cairo_fill(cr);
    RoundedRect(cr, x, y, body, body, radius);
    cairo_pattern_t* ivory = cairo_pattern_create_linear(x, y, x + body, y + body);
    cairo_pattern_add_color_stop_rgb(ivory, 0, 1.0, 0.99, 0.95);
    cairo_pattern_add_color_stop_rgb(ivory, 1, 0.86, 0.82, 0.72);
    cairo_set_source(cr, ivory);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(ivory);
    cairo_set_line_width(cr, 2.5);
    Use(cr, Hex(0x5a4a30));
    cairo_stroke(cr);
    // An inner bevel, the face of the cube set into its edges.
    RoundedRect(cr, x + body * 0.09, y + body * 0.09, body * 0.82, body * 0.82, radius * 0.7);
    Use(cr, Hex(0x7a6848, 0.45));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    Use(cr, Hex(0x1d2a5a));
    CentredText(cr, kValues[k], x + body / 2, y + body / 2, std::string(kValues[k]).size() == 1 ? body * 0.58 : body * 0.48,
                true, "DejaVu Serif");
  }
  return Masked(surface);
}

toolkit::Bitmap Mark(bool legal) {
  const int size = 128;
  Surface surface = NewSurface(size, size);
  Pen pen = PenOn(surface);
  cairo_t* cr = pen.get();
  double r = size * 0.43, cx = size * 0.475, cy = size * 0.475;
  Colour c = legal ? Hex(0x2fc25b) : Hex(0xe0483a);
  cairo_pattern_t* glow = cairo_pattern_create_radial(cx, cy, r * 0.2, cx, cy, r);
  cairo_pattern_add_color_stop_rgba(glow, 0, c.r / 255, c.g / 255, c.b / 255, 0.05);
  cairo_pattern_add_color_stop_rgba(glow, 1, c.r / 255, c.g / 255, c.b / 255, 0.45);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_set_source(cr, glow);
  cairo_fill(cr);
  cairo_pattern_destroy(glow);
  cairo_set_line_width(cr, size * 0.075);
  Use(cr, Colour{c.r, c.g, c.b, 0.95});
  cairo_arc(cr, cx, cy, r - size * 0.04, 0, 2 * M_PI);
  cairo_stroke(cr);
  cairo_set_line_width(cr, size * 0.02);
  Use(cr, Hex(0xffffff, 0.7));
  cairo_arc(cr, cx, cy, r - size * 0.04, M_PI * 1.05, M_PI * 1.6);
  cairo_stroke(cr);
  if (!legal) {
    cairo_set_line_width(cr, size * 0.07);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    Use(cr, Colour{c.r, c.g, c.b, 0.95});
    double d = r * 0.62;
    cairo_move_to(cr, cx - d, cy + d);
    cairo_line_to(cr, cx + d, cy - d);
    cairo_stroke(cr);
  }
  return Masked(surface);
}

toolkit::Bitmap VariantIcon(const std::string& variant) {
  static const std::map<std::string, std::pair<std::uint32_t, const char*>> kBadges = {
      {"nack", {0x2f6fc0, "N"}}, {"hyper", {0xe07a1f, "H"}}, {"long", {0x2e9a4e, "L"}}, {"tapa", {0x8a3fb3, "T"}}};
  auto badge = kBadges.at(variant);
  const int size = 20;
  Surface surface = NewSurface(size, size);
  Pen pen = PenOn(surface);
  cairo_t* cr = pen.get();
  Colour c = Hex(badge.first);
  RoundedRect(cr, 1, 1, 18, 18, 5);
  cairo_pattern_t* fill = cairo_pattern_create_linear(0, 1, 0, 19);
  cairo_pattern_add_color_stop_rgb(fill, 0, Shade(c, 1.25).r / 255, Shade(c, 1.25).g / 255, Shade(c, 1.25).b / 255);
  cairo_pattern_add_color_stop_rgb(fill, 1, Shade(c, 0.75).r / 255, Shade(c, 0.75).g / 255, Shade(c, 0.75).b / 255);
  cairo_set_source(cr, fill);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(fill);
  Use(cr, Shade(c, 0.5));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  Use(cr, Hex(0xffffff));
  CentredText(cr, badge.second, 10, 10.5, 13, true);
  return Masked(surface);
}

}  // namespace art
