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

// The pieces are drawn in a box of 100 by 100 units standing on the line y = 90, in the
// classic shapes: every piece on a round plinth, the king with its cross, the queen with
// her coronet, the rook with its battlements, the bishop with its mitre, the knight's head
// and the pawn's ball.

void Plinth(cairo_t* cr) {
  RoundedRect(cr, 20, 80, 60, 10, 4);
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 27, 81);
  cairo_curve_to(cr, 27, 75, 31, 73, 34, 73);
  cairo_line_to(cr, 66, 73);
  cairo_curve_to(cr, 69, 73, 73, 75, 73, 81);
  cairo_close_path(cr);
}

// A body rising from the plinth to a waist at `waistY`, half as wide there as `waist`.
void Body(cairo_t* cr, double waistY, double waist, double foot = 16) {
  cairo_new_sub_path(cr);
  cairo_move_to(cr, 50 - foot, 74);
  cairo_curve_to(cr, 50 - foot + 4, 64, 50 - waist, waistY + 10, 50 - waist, waistY);
  cairo_line_to(cr, 50 + waist, waistY);
  cairo_curve_to(cr, 50 + waist, waistY + 10, 50 + foot - 4, 64, 50 + foot, 74);
  cairo_close_path(cr);
}

void Collar(cairo_t* cr, double y, double halfWidth) {
  cairo_new_sub_path(cr);
  RoundedRect(cr, 50 - halfWidth, y - 3, 2 * halfWidth, 6, 3);
}

void Ball(cairo_t* cr, double x, double y, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
}

void PiecePath(cairo_t* cr, int kind) {
  switch (kind) {
    case 0:  // king
      Plinth(cr);
      Body(cr, 46, 8, 17);
      Collar(cr, 46, 13);
      cairo_new_sub_path(cr);
      cairo_move_to(cr, 38, 43);
      cairo_curve_to(cr, 28, 38, 27, 24, 36, 22);
      cairo_curve_to(cr, 42, 21, 46, 25, 50, 28);
      cairo_curve_to(cr, 54, 25, 58, 21, 64, 22);
      cairo_curve_to(cr, 73, 24, 72, 38, 62, 43);
      cairo_close_path(cr);
      cairo_new_sub_path(cr);
      cairo_rectangle(cr, 47, 6, 6, 22);
      cairo_new_sub_path(cr);
      cairo_rectangle(cr, 41, 11, 18, 6);
      break;
    case 1:  // queen
      Plinth(cr);
      Body(cr, 48, 8, 17);
      Collar(cr, 48, 13);
      cairo_new_sub_path(cr);
      cairo_move_to(cr, 38, 45);
      cairo_line_to(cr, 27, 22);
      cairo_line_to(cr, 38, 33);
      cairo_line_to(cr, 44, 18);
      cairo_line_to(cr, 50, 32);
      cairo_line_to(cr, 56, 18);
      cairo_line_to(cr, 62, 33);
      cairo_line_to(cr, 73, 22);
      cairo_line_to(cr, 62, 45);
      cairo_close_path(cr);
      Ball(cr, 27, 20, 4);
      Ball(cr, 44, 15.5, 4);
      Ball(cr, 56, 15.5, 4);
      Ball(cr, 73, 20, 4);
      Ball(cr, 50, 29, 3.5);
      break;
    case 2:  // rook
      Plinth(cr);
      cairo_new_sub_path(cr);
      cairo_move_to(cr, 33, 74);
      cairo_line_to(cr, 36, 42);
      cairo_line_to(cr, 64, 42);
      cairo_line_to(cr, 67, 74);
      cairo_close_path(cr);
      cairo_new_sub_path(cr);
      cairo_move_to(cr, 30, 43);
      cairo_line_to(cr, 30, 22);
      for (double x : {30.0, 45.0, 60.0}) {
        cairo_line_to(cr, x, 22);
        cairo_line_to(cr, x + 10, 22);
        cairo_line_to(cr, x + 10, 29);
        cairo_line_to(cr, x + 15, 29);
        if (x < 60) cairo_line_to(cr, x + 15, 22);
      }
      cairo_line_to(cr, 70, 22);
      cairo_line_to(cr, 70, 43);
      cairo_close_path(cr);
      break;
    case 3:  // bishop
      Plinth(cr);
      Body(cr, 52, 7, 16);
      Collar(cr, 52, 13);
      cairo_new_sub_path(cr);
      cairo_move_to(cr, 39, 49);
      cairo_curve_to(cr, 30, 40, 38, 26, 50, 17);
      cairo_curve_to(cr, 62, 26, 70, 40, 61, 49);
      cairo_close_path(cr);
      Ball(cr, 50, 13, 4.5);
      break;
    case 4:  // knight
      Plinth(cr);
      cairo_new_sub_path(cr);
      cairo_move_to(cr, 33, 74);
      cairo_curve_to(cr, 36, 64, 44, 58, 47, 52);   // chest up to the throat
      cairo_curve_to(cr, 40, 54, 33, 58, 28, 60);   // under the jaw to the mouth
      cairo_curve_to(cr, 22, 61, 18, 56, 20, 51);   // muzzle
      cairo_curve_to(cr, 24, 44, 30, 36, 36, 28);   // the nose up to the forehead
      cairo_curve_to(cr, 40, 22, 44, 19, 47, 18);
      cairo_line_to(cr, 48, 10);                    // ear
      cairo_line_to(cr, 54, 17);
      cairo_curve_to(cr, 66, 20, 74, 34, 72, 52);   // the mane down the back of the neck
      cairo_curve_to(cr, 71, 62, 68, 68, 67, 74);
      cairo_close_path(cr);
      break;
    default:  // pawn
      Plinth(cr);
      Body(cr, 50, 6, 15);
      Collar(cr, 50, 11);
      Ball(cr, 50, 36, 12);
      break;
  }
}

// Lines inside a piece that give it form: the knight's eye and mane, the bishop's slit.
void PieceDetails(cairo_t* cr, int kind) {
  if (kind == 4) {
    Ball(cr, 40, 33, 2.6);
    cairo_fill(cr);
    cairo_move_to(cr, 57, 22);
    cairo_curve_to(cr, 66, 30, 68, 44, 65, 60);
    cairo_stroke(cr);
    cairo_move_to(cr, 24, 54);
    cairo_line_to(cr, 27, 53);
    cairo_stroke(cr);
  } else if (kind == 3) {
    cairo_move_to(cr, 45, 34);
    cairo_line_to(cr, 55, 26);
    cairo_stroke(cr);
  }
  cairo_move_to(cr, 27, 80.5);  // the plinth's upper edge
  cairo_line_to(cr, 73, 80.5);
  cairo_stroke(cr);
}

}  // namespace

toolkit::Bitmap PieceStrip(bool white) {
  const int square = 128;
  Surface surface = NewSurface(square, 6 * square);
  Pen pen = PenOn(surface);
  cairo_t* cr = pen.get();
  for (int k = 0; k < 6; ++k) {
    cairo_save(cr);
    cairo_translate(cr, 0, k * square);
    cairo_scale(cr, square / 100.0, square / 100.0);
    // Shadow on the ground.
    cairo_save(cr);
    cairo_translate(cr, 53, 89);
    cairo_scale(cr, 34, 5);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    Use(cr, Hex(0x000000, 0.25));
    cairo_fill(cr);
    // The body, lit from the upper left.
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    PiecePath(cr, k);
    cairo_pattern_t* body = cairo_pattern_create_linear(25, 10, 80, 90);
    if (white) {
      cairo_pattern_add_color_stop_rgb(body, 0, 1.0, 0.99, 0.96);
      cairo_pattern_add_color_stop_rgb(body, 0.55, 0.93, 0.90, 0.83);
      cairo_pattern_add_color_stop_rgb(body, 1, 0.72, 0.68, 0.60);
    } else {
      cairo_pattern_add_color_stop_rgb(body, 0, 0.40, 0.39, 0.42);
      cairo_pattern_add_color_stop_rgb(body, 0.5, 0.16, 0.16, 0.18);
      cairo_pattern_add_color_stop_rgb(body, 1, 0.05, 0.05, 0.06);
    }
    cairo_set_source(cr, body);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(body);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 2.4);
    Use(cr, white ? Hex(0x2a2520) : Hex(0x000000));
    cairo_stroke(cr);
    cairo_set_line_width(cr, 1.6);
    Use(cr, white ? Hex(0x2a2520) : Hex(0xc9c3b6, 0.9));
    PieceDetails(cr, k);
    cairo_restore(cr);
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
