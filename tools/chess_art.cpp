#include "chess_art.h"

#include <cmath>
#include <stdexcept>

namespace art {
namespace {

constexpr int kSquare = 100;

struct ChessStyle {
  Surface light{nullptr, cairo_surface_destroy};
  Surface dark{nullptr, cairo_surface_destroy};
  Surface margin{nullptr, cairo_surface_destroy};
  Colour lettering, border;
};

ChessStyle StyleOf(const std::string& name) {
  ChessStyle s;
  int size = 10 * kSquare;
  if (name == "Green") {
    s.light = Felt(size, size, Hex(0xeeeed2), 5);
    s.dark = Felt(size, size, Hex(0x769656), 7);
    s.margin = Wood(size, size, Hex(0x4a3322), Hex(0x24170d), 9);
    s.lettering = Hex(0xe9dcb8), s.border = Hex(0x1a120a);
  } else if (name == "Wood") {
    s.light = Wood(size, size, Hex(0xf0d9a8), Hex(0xd2ae74), 15);
    s.dark = Wood(size, size, Hex(0xa8703f), Hex(0x6f4320), 17, true);
    s.margin = Wood(size, size, Hex(0x5b2a16), Hex(0x2b1107), 19);
    s.lettering = Hex(0xf3d9a0), s.border = Hex(0x1c0a03);
  } else if (name == "Marble") {
    s.light = Marble(size, size, Hex(0xeeeae3), Hex(0xa9a39a), 25);
    s.dark = Marble(size, size, Hex(0x6f7c86), Hex(0x2f3a42), 27);
    s.margin = Granite(size, size, Hex(0x2e3034), Hex(0xc9c5be), Hex(0x0a0a0b), 29);
    s.lettering = Hex(0xdedad2), s.border = Hex(0x0c0c0e);
  } else {
    throw std::invalid_argument("no chess board style " + name);
  }
  return s;
}

void Label(cairo_t* cr, const std::string& text, double cx, double cy, bool upsideDown, Colour colour) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  if (upsideDown) cairo_rotate(cr, M_PI);
  Use(cr, Hex(0x000000, 0.5));
  CentredText(cr, text, 1.5, 1.5, kSquare * 0.36, true);
  Use(cr, colour);
  CentredText(cr, text, 0, 0, kSquare * 0.36, true);
  cairo_restore(cr);
}

}  // namespace

toolkit::Bitmap ChessBoard(const std::string& style) {
  ChessStyle s = StyleOf(style);
  const int size = 10 * kSquare;
  Surface surface = NewSurface(size, size);
  Pen pen = PenOn(surface);
  cairo_t* cr = pen.get();
  cairo_rectangle(cr, 0, 0, size, size);
  cairo_set_source_surface(cr, s.margin.get(), 0, 0);
  cairo_fill(cr);
  // Squares: file f, rank r at column f and row 9 - r; a1 is dark.
  for (int f = 1; f <= 8; ++f) {
    for (int r = 1; r <= 8; ++r) {
      cairo_rectangle(cr, f * kSquare, (9 - r) * kSquare, kSquare, kSquare);
      cairo_set_source_surface(cr, ((f + r) % 2 == 0 ? s.dark : s.light).get(), 0, 0);
      cairo_fill(cr);
    }
  }
  // A border around the playing area and a bevel on the margin.
  cairo_set_line_width(cr, 4);
  Use(cr, s.border);
  cairo_rectangle(cr, kSquare - 2, kSquare - 2, 8 * kSquare + 4, 8 * kSquare + 4);
  cairo_stroke(cr);
  for (int i = 0; i < 6; ++i) {
    cairo_set_line_width(cr, 1);
    Use(cr, Mix(Hex(0xffffff, 0.35), Hex(0x000000, 0.0), i / 6.0));
    cairo_rectangle(cr, i + 0.5, i + 0.5, size - 2 * i - 1, size - 2 * i - 1);
    cairo_stroke(cr);
  }
  for (int f = 1; f <= 8; ++f) {
    std::string file(1, static_cast<char>('a' + f - 1));
    Label(cr, file, f * kSquare + kSquare / 2.0, 9 * kSquare + kSquare * 0.42, false, s.lettering);
    Label(cr, file, f * kSquare + kSquare / 2.0, kSquare * 0.58, true, s.lettering);
  }
  for (int r = 1; r <= 8; ++r) {
    std::string rank(1, static_cast<char>('0' + r));
    double cy = (9 - r) * kSquare + kSquare / 2.0;
    Label(cr, rank, kSquare * 0.58, cy, false, s.lettering);
    Label(cr, rank, 9 * kSquare + kSquare * 0.42, cy, true, s.lettering);
  }
  // A soft light from the upper left.
  cairo_pattern_t* light = cairo_pattern_create_linear(0, 0, size, size);
  cairo_pattern_add_color_stop_rgba(light, 0, 1, 1, 1, 0.07);
  cairo_pattern_add_color_stop_rgba(light, 1, 0, 0, 0, 0.10);
  cairo_rectangle(cr, 0, 0, size, size);
  cairo_set_source(cr, light);
  cairo_fill(cr);
  cairo_pattern_destroy(light);
  return Plain(surface);
}

namespace {

// The piece glyphs: the solid form gives the silhouette, the outline form the details.
const char* const kSolid[6] = {"\u265A", "\u265B", "\u265C", "\u265D", "\u265E", "\u265F"};
const char* const kOutline[6] = {"\u2654", "\u2655", "\u2656", "\u2657", "\u2658", "\u2659"};

void GlyphPath(cairo_t* cr, const char* glyph, double cx, double bottom, double size) {
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
  cairo_text_extents_t e;
  cairo_text_extents(cr, kSolid[0], &e);  // one baseline and scale for the whole set
  cairo_text_extents_t own;
  cairo_text_extents(cr, glyph, &own);
  cairo_move_to(cr, cx - own.width / 2 - own.x_bearing, bottom - (e.height + e.y_bearing));
  cairo_text_path(cr, glyph);
}

}  // namespace

toolkit::Bitmap PieceStrip(bool white) {
  const int square = 128;
  Surface surface = NewSurface(square, 6 * square);
  Pen pen = PenOn(surface);
  cairo_t* cr = pen.get();
  for (int k = 0; k < 6; ++k) {
    double top = k * square, cx = square / 2.0, bottom = top + square * 0.90, size = square * 0.86;
    // Shadow on the ground.
    cairo_save(cr);
    cairo_translate(cr, cx + 3, bottom - 2);
    cairo_scale(cr, square * 0.34, square * 0.07);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    Use(cr, Hex(0x000000, 0.22));
    cairo_fill(cr);
    // Silhouette.
    GlyphPath(cr, kSolid[k], cx, bottom, size);
    cairo_pattern_t* body = cairo_pattern_create_linear(cx - square * 0.35, top, cx + square * 0.35, top + square);
    if (white) {
      cairo_pattern_add_color_stop_rgb(body, 0, 1.0, 1.0, 0.98);
      cairo_pattern_add_color_stop_rgb(body, 1, 0.80, 0.77, 0.70);
    } else {
      cairo_pattern_add_color_stop_rgb(body, 0, 0.30, 0.30, 0.33);
      cairo_pattern_add_color_stop_rgb(body, 1, 0.05, 0.05, 0.06);
    }
    cairo_set_source(cr, body);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(body);
    cairo_set_line_width(cr, square * 0.03);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    Use(cr, white ? Hex(0x1a1a1a) : Hex(0x000000));
    cairo_stroke(cr);
    // Details from the outline glyph.
    GlyphPath(cr, kOutline[k], cx, bottom, size);
    Use(cr, white ? Hex(0x1a1a1a) : Hex(0xb9b4a8));
    cairo_fill(cr);
    if (!white) {  // keep the outer contour dark
      GlyphPath(cr, kSolid[k], cx, bottom, size);
      cairo_set_line_width(cr, square * 0.035);
      Use(cr, Hex(0x000000));
      cairo_stroke(cr);
    }
  }
  return Masked(surface);
}

toolkit::Bitmap ChessMark() {
  const int size = 128;
  Surface surface = NewSurface(size, size);
  Pen pen = PenOn(surface);
  cairo_t* cr = pen.get();
  Colour gold = Hex(0xf2c230);
  cairo_rectangle(cr, 0, 0, size, size);
  Use(cr, Colour{gold.r, gold.g, gold.b, 0.55});
  cairo_fill(cr);
  cairo_set_line_width(cr, size * 0.09);
  Use(cr, Shade(gold, 0.85));
  cairo_rectangle(cr, size * 0.045, size * 0.045, size * 0.91, size * 0.91);
  cairo_stroke(cr);
  return Masked(surface);
}

}  // namespace art
