#include "skin_art.h"

#include <canvas.h>

#include <cmath>
#include <stdexcept>

namespace art {
namespace {

using toolkit::Bitmap;
using toolkit::Rgb;

constexpr Rgb kFuchsia{255, 0, 255};
constexpr Rgb kYellow{255, 255, 0};

struct SkinStyle {
  Colour sheet, face, faceTop, border, selected, blink, disabled, title, glyph;
  Rgb palette[15];
  Rgb pushText[3];
  Colour back, list;
  bool textureFiles = false;
};

SkinStyle StyleOf(const std::string& name) {
  SkinStyle s;
  if (name == "default") {
    s.sheet = Hex(0x9aa3b2), s.face = Hex(0xc8d0de), s.faceTop = Hex(0xf2f5fa), s.border = Hex(0x76839c);
    s.selected = Hex(0x9cc0ec), s.blink = Hex(0xffc458), s.disabled = Hex(0xdcdee2), s.title = Hex(0x2d5296);
    s.glyph = Hex(0x28385a);
    const Rgb palette[15] = {{24, 32, 56},    {150, 154, 166}, {255, 255, 254}, {176, 28, 36},   {255, 255, 255},
                             {46, 94, 170},   {16, 16, 24},    {196, 36, 36},   {126, 66, 170},  {28, 136, 56},
                             {250, 252, 255}, {36, 76, 150},   {208, 214, 226}, {96, 108, 130},  {244, 247, 252}};
    std::copy(std::begin(palette), std::end(palette), s.palette);
    s.pushText[0] = {20, 28, 48}, s.pushText[1] = {140, 146, 160}, s.pushText[2] = {252, 252, 252};
    s.back = Hex(0xdfe4ec), s.list = Hex(0xf3f5f9);
  } else if (name == "Midnight") {
    s.sheet = Hex(0x30384a), s.face = Hex(0x28324a), s.faceTop = Hex(0x4a5a7a), s.border = Hex(0x0a0e16);
    s.selected = Hex(0x2a7296), s.blink = Hex(0xc87a2a), s.disabled = Hex(0x2c3038), s.title = Hex(0x1a3c60);
    s.glyph = Hex(0xc8dcf0);
    const Rgb palette[15] = {{220, 226, 236}, {96, 104, 120},  {20, 24, 32},    {255, 120, 90},  {12, 16, 24},
                             {98, 200, 230},  {232, 236, 244}, {255, 100, 100}, {190, 140, 255}, {110, 220, 140},
                             {240, 246, 254}, {26, 60, 96},    {140, 152, 172}, {12, 16, 26},    {70, 84, 108}};
    std::copy(std::begin(palette), std::end(palette), s.palette);
    s.pushText[0] = {230, 236, 246}, s.pushText[1] = {100, 108, 124}, s.pushText[2] = {10, 12, 18};
    s.back = Hex(0x1e2532), s.list = Hex(0x151b26);
    s.textureFiles = true;
  } else {
    throw std::invalid_argument("no skin " + name);
  }
  return s;
}

Rgb ToRgb(Colour c) {
  auto byte = [](double v) { return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L)); };
  return Rgb{byte(c.r), byte(c.g), byte(c.b)};
}

// Copies a piece into the sheet; a pixel that happens to be pure yellow is nudged, since
// yellow marks trimmed space.
void Place(Bitmap& sheet, int x, int y, Bitmap piece) {
  for (int py = 0; py < piece.Height(); ++py) {
    std::uint8_t* row = piece.Row(py);
    for (int px = 0; px < piece.Width(); ++px) {
      if (row[3 * px] == 0 && row[3 * px + 1] == 255 && row[3 * px + 2] == 255) row[3 * px] = 1;
    }
  }
  toolkit::Canvas(sheet).Draw(x, y, piece);
}

// A cell whose piece is smaller than the cell: yellow fills the columns to the right of the
// piece and the rows below it, so the store trims them away.
void PlaceTrimmed(Bitmap& sheet, int x, int y, int cellWidth, int cellHeight, Bitmap piece) {
  toolkit::Canvas(sheet).FillRect(toolkit::Rect::Sized(x, y, cellWidth, cellHeight), kYellow);
  Place(sheet, x, y, std::move(piece));
}

// Draws on a transparent surface of the piece's size and keys it on fuchsia.
template <typename Draw>
Bitmap KeyedPiece(int width, int height, Colour edge, Draw draw) {
  Surface surface = NewSurface(width, height);
  Pen pen = PenOn(surface);
  draw(pen.get());
  return Keyed(surface, kFuchsia, ToRgb(edge));
}

void Swatch(Bitmap& sheet, int cx, int cy, int half, Rgb colour) {
  toolkit::Canvas canvas(sheet);
  canvas.FillRect(toolkit::Rect{cx - half - 1, cy - half - 1, cx + half + 1, cy + half + 1}, Rgb{40, 40, 40});
  canvas.FillRect(toolkit::Rect{cx - half, cy - half, cx + half, cy + half}, colour);
}

Bitmap Sheet(int width, int height, Colour colour) {
  Surface surface = Felt(width, height, colour, 99);
  return Plain(surface);
}

// ---- Button looks ----

enum class Look { Normal, Pressed, Selected, SelectedPressed, Disabled, Blinking };

void ButtonFace(cairo_t* cr, const SkinStyle& s, Look look, double w, double h, double radius) {
  Colour top = s.faceTop, bottom = s.face, border = s.border;
  switch (look) {
    case Look::Normal: break;
    case Look::Pressed: std::swap(top, bottom), top = Shade(top, 0.85); break;
    case Look::Selected: top = Mix(s.faceTop, s.selected, 0.5), bottom = s.selected; break;
    case Look::SelectedPressed: top = Shade(s.selected, 0.8), bottom = Mix(s.faceTop, s.selected, 0.5); break;
    case Look::Disabled: top = bottom = s.disabled, border = Mix(s.border, s.disabled, 0.6); break;
    case Look::Blinking: top = Shade(s.blink, 1.3), bottom = s.blink; break;
  }
  RoundedRect(cr, 0.5, 0.5, w - 1, h - 1, radius);
  cairo_pattern_t* fill = cairo_pattern_create_linear(0, 0, 0, h);
  cairo_pattern_add_color_stop_rgb(fill, 0, top.r / 255, top.g / 255, top.b / 255);
  cairo_pattern_add_color_stop_rgb(fill, 1, bottom.r / 255, bottom.g / 255, bottom.b / 255);
  cairo_set_source(cr, fill);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(fill);
  cairo_set_line_width(cr, 1);
  Use(cr, border);
  cairo_stroke(cr);
  if (look != Look::Disabled) {  // a light line inside the top edge
    RoundedRect(cr, 1.5, 1.5, w - 3, h - 3, radius - 1);
    Use(cr, Hex(0xffffff, look == Look::Pressed || look == Look::SelectedPressed ? 0.08 : 0.35));
    cairo_stroke(cr);
  }
}

Bitmap ButtonPiece(const SkinStyle& s, Look look, int w, int h, double radius) {
  return KeyedPiece(w, h, s.face, [&](cairo_t* cr) { ButtonFace(cr, s, look, w, h, radius); });
}

// A mask: 0 where the face shows, 255 where the texture shows, soft at the rounded edge.
Bitmap ButtonMask(int w, int h, double radius, double inset) {
  Surface surface = NewSurface(w, h);
  Pen pen = PenOn(surface);
  RoundedRect(pen.get(), inset, inset, w - 2 * inset, h - 2 * inset, radius);
  cairo_set_source_rgb(pen.get(), 0, 0, 0);
  cairo_fill(pen.get());
  Bitmap coverage = Masked(surface);  // right half: 255 - coverage
  Bitmap mask(w, h);
  toolkit::Canvas(mask).CopyRect(toolkit::Rect{0, 0, w, h}, coverage, toolkit::Rect{w, 0, 2 * w, h});
  return mask;
}

// ---- Icons ----

void IconStroke(cairo_t* cr, const SkinStyle& s, double width) {
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  Use(cr, s.glyph);
  cairo_stroke(cr);
}

void Arrow(cairo_t* cr, double angle) {  // a filled triangle pointing at `angle` around (14.5, 14.5)
  cairo_save(cr);
  cairo_translate(cr, 14.5, 14.5);
  cairo_rotate(cr, angle);
  cairo_move_to(cr, 7, 0);
  cairo_line_to(cr, -5, -7);
  cairo_line_to(cr, -5, 7);
  cairo_close_path(cr);
  cairo_restore(cr);
}

void DrawIcon(cairo_t* cr, const SkinStyle& s, int layer) {
  auto fill = [&] { Use(cr, s.glyph); cairo_fill(cr); };
  switch (layer) {
    // Window and list controls.
    case 100: Arrow(cr, -M_PI / 2); fill(); break;
    case 101: Arrow(cr, M_PI); fill(); break;
    case 102: Arrow(cr, 0); fill(); break;
    case 103:  // the drop-down arrow
      cairo_move_to(cr, 7, 11); cairo_line_to(cr, 22, 11); cairo_line_to(cr, 14.5, 19); cairo_close_path(cr); fill();
      break;
    case 104:
      cairo_move_to(cr, 14.5, 7); cairo_line_to(cr, 14.5, 22); cairo_move_to(cr, 7, 14.5); cairo_line_to(cr, 22, 14.5);
      IconStroke(cr, s, 3); break;
    case 105: cairo_move_to(cr, 7, 14.5); cairo_line_to(cr, 22, 14.5); IconStroke(cr, s, 3); break;
    case 106:  // close
      cairo_move_to(cr, 8, 8); cairo_line_to(cr, 21, 21); cairo_move_to(cr, 21, 8); cairo_line_to(cr, 8, 21);
      IconStroke(cr, s, 3); break;
    case 107: cairo_move_to(cr, 8, 20); cairo_line_to(cr, 21, 20); IconStroke(cr, s, 3); break;  // minimise
    case 108:  // maximise
      cairo_rectangle(cr, 8, 8, 13, 12); IconStroke(cr, s, 2);
      cairo_move_to(cr, 8, 9.5); cairo_line_to(cr, 21, 9.5); IconStroke(cr, s, 3); break;
    case 109: Use(cr, s.glyph); CentredText(cr, "?", 14.5, 14.5, 20, true); break;
    // Game icons the host may show on its own buttons.
    case 1: Arrow(cr, 0); fill(); break;  // play
    case 2: cairo_rectangle(cr, 8, 7, 5, 15); cairo_rectangle(cr, 16, 7, 5, 15); fill(); break;  // pause
    case 3: cairo_rectangle(cr, 8, 8, 13, 13); fill(); break;  // stop
    case 4:  // a die
      RoundedRect(cr, 6, 6, 17, 17, 4); IconStroke(cr, s, 2);
      for (auto [px, py] : {std::pair{10.5, 10.5}, {14.5, 14.5}, {18.5, 18.5}}) cairo_arc(cr, px, py, 1.8, 0, 2 * M_PI);
      fill(); break;
    case 5:  // a flag (resign)
      cairo_move_to(cr, 8, 24); cairo_line_to(cr, 8, 5); IconStroke(cr, s, 2);
      cairo_move_to(cr, 9, 6); cairo_line_to(cr, 22, 9.5); cairo_line_to(cr, 9, 13); cairo_close_path(cr); fill(); break;
    case 6:  // equals (a draw)
      cairo_move_to(cr, 7, 11); cairo_line_to(cr, 22, 11); cairo_move_to(cr, 7, 18); cairo_line_to(cr, 22, 18);
      IconStroke(cr, s, 3); break;
    case 7:  // a clock
      cairo_arc(cr, 14.5, 14.5, 9, 0, 2 * M_PI); IconStroke(cr, s, 2);
      cairo_move_to(cr, 14.5, 8.5); cairo_line_to(cr, 14.5, 14.5); cairo_line_to(cr, 19, 17); IconStroke(cr, s, 2); break;
    case 8:  // a speech bubble
      RoundedRect(cr, 5, 6, 19, 13, 4); cairo_move_to(cr, 10, 19); cairo_line_to(cr, 9, 24); cairo_line_to(cr, 15, 19);
      IconStroke(cr, s, 2); break;
    case 9:  // a gear
      for (int i = 0; i < 8; ++i) {
        double a = i * M_PI / 4;
        cairo_move_to(cr, 14.5 + 6 * std::cos(a), 14.5 + 6 * std::sin(a));
        cairo_line_to(cr, 14.5 + 10 * std::cos(a), 14.5 + 10 * std::sin(a));
      }
      IconStroke(cr, s, 3);
      cairo_arc(cr, 14.5, 14.5, 6.5, 0, 2 * M_PI); IconStroke(cr, s, 2.5); break;
    case 10:  // a speaker
      cairo_move_to(cr, 6, 12); cairo_line_to(cr, 10, 12); cairo_line_to(cr, 15, 7); cairo_line_to(cr, 15, 22);
      cairo_line_to(cr, 10, 17); cairo_line_to(cr, 6, 17); cairo_close_path(cr); fill();
      cairo_arc(cr, 15, 14.5, 5, -0.8, 0.8); IconStroke(cr, s, 1.8);
      cairo_arc(cr, 15, 14.5, 8.5, -0.8, 0.8); IconStroke(cr, s, 1.8); break;
    case 11:  // an eye (watch)
      cairo_move_to(cr, 4, 14.5); cairo_curve_to(cr, 10, 6, 19, 6, 25, 14.5); cairo_curve_to(cr, 19, 23, 10, 23, 4, 14.5);
      IconStroke(cr, s, 2); cairo_arc(cr, 14.5, 14.5, 3.5, 0, 2 * M_PI); fill(); break;
    case 12:  // a cup
      cairo_move_to(cr, 9, 6); cairo_line_to(cr, 20, 6); cairo_curve_to(cr, 20, 15, 17, 17, 14.5, 17);
      cairo_curve_to(cr, 12, 17, 9, 15, 9, 6); fill();
      cairo_rectangle(cr, 13.5, 17, 2, 4); cairo_rectangle(cr, 10, 21, 9, 2.5); fill(); break;
    case 13:  // a person
      cairo_arc(cr, 14.5, 9.5, 4, 0, 2 * M_PI); fill();
      cairo_arc(cr, 14.5, 24, 8, M_PI, 2 * M_PI); fill(); break;
    case 14:  // two people
      cairo_arc(cr, 10.5, 10, 3.5, 0, 2 * M_PI); cairo_arc(cr, 18.5, 10, 3.5, 0, 2 * M_PI); fill();
      cairo_arc(cr, 10.5, 23, 6.5, M_PI, 2 * M_PI); fill(); cairo_arc(cr, 18.5, 23, 6.5, M_PI, 2 * M_PI); fill(); break;
    case 15:  // a star
      for (int i = 0; i < 10; ++i) {
        double a = -M_PI / 2 + i * M_PI / 5, r = i % 2 ? 4.2 : 10;
        if (i == 0) cairo_move_to(cr, 14.5 + r * std::cos(a), 15 + r * std::sin(a));
        else cairo_line_to(cr, 14.5 + r * std::cos(a), 15 + r * std::sin(a));
      }
      cairo_close_path(cr); fill(); break;
    case 16: Use(cr, s.glyph); CentredText(cr, "i", 14.5, 14.5, 20, true, "DejaVu Serif"); break;
    case 17:  // a refresh arrow
      cairo_arc(cr, 14.5, 14.5, 8, 0.3, 2 * M_PI - 0.6); IconStroke(cr, s, 2.5);
      cairo_move_to(cr, 24, 9); cairo_line_to(cr, 22, 16); cairo_line_to(cr, 17, 11); cairo_close_path(cr); fill(); break;
    case 18:  // a disk (save)
      RoundedRect(cr, 6, 6, 17, 17, 2); IconStroke(cr, s, 2);
      cairo_rectangle(cr, 10, 6, 9, 6); fill(); break;
    case 19:  // a list
      for (double y : {9.0, 14.5, 20.0}) { cairo_move_to(cr, 11, y); cairo_line_to(cr, 23, y); }
      IconStroke(cr, s, 2.2);
      for (double y : {9.0, 14.5, 20.0}) cairo_arc(cr, 7, y, 1.6, 0, 2 * M_PI);
      fill(); break;
    case 20:  // a chess knight's head, simply
      cairo_move_to(cr, 9, 24); cairo_line_to(cr, 21, 24); cairo_line_to(cr, 20, 17); cairo_curve_to(cr, 22, 12, 19, 6, 13, 5);
      cairo_line_to(cr, 11, 8); cairo_line_to(cr, 6, 13); cairo_line_to(cr, 8, 16); cairo_line_to(cr, 13, 14);
      cairo_line_to(cr, 9, 24); cairo_close_path(cr); fill(); break;
    default: break;
  }
}

// ---- Radio buttons and check boxes ----

void RadioLook(cairo_t* cr, const SkinStyle& s, bool on, bool pressed) {
  cairo_arc(cr, 6.5, 6.5, 6, 0, 2 * M_PI);
  Colour fill = pressed ? s.disabled : Shade(s.faceTop, 1.05);
  Use(cr, fill);
  cairo_fill_preserve(cr);
  Use(cr, s.border);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  if (on) {
    cairo_arc(cr, 6.5, 6.5, 3, 0, 2 * M_PI);
    Use(cr, pressed ? Mix(s.glyph, s.disabled, 0.5) : s.glyph);
    cairo_fill(cr);
  }
}

void CheckLook(cairo_t* cr, const SkinStyle& s, bool on, bool pressed) {
  RoundedRect(cr, 0.5, 0.5, 12, 12, 3);
  Use(cr, pressed ? s.disabled : Shade(s.faceTop, 1.05));
  cairo_fill_preserve(cr);
  Use(cr, s.border);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  if (on) {
    cairo_move_to(cr, 3, 6.5);
    cairo_line_to(cr, 5.5, 9.5);
    cairo_line_to(cr, 10, 3.5);
    cairo_set_line_width(cr, 2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    Use(cr, pressed ? Mix(s.glyph, s.disabled, 0.5) : s.glyph);
    cairo_stroke(cr);
  }
}

// ---- The two sets ----

Bitmap BackgroundSet(const SkinStyle& s) {
  Bitmap sheet = Sheet(440, 300, s.sheet);
  // Textures: background (1, 33, 169, 198) and list (170, 33, 140, 198).
  Place(sheet, 1, 33, Plain(Felt(169, 198, s.back, 201)));
  Place(sheet, 170, 33, Plain(Felt(140, 198, s.list, 203)));
  // Piece 125: the panel title bar.
  Place(sheet, 1, 1, KeyedPiece(313, 31, s.title, [&](cairo_t* cr) {
    RoundedRect(cr, 0.5, 0.5, 312, 40, 7);
    cairo_pattern_t* fill = cairo_pattern_create_linear(0, 0, 0, 31);
    Colour top = Shade(s.title, 1.35), bottom = Shade(s.title, 0.8);
    cairo_pattern_add_color_stop_rgb(fill, 0, top.r / 255, top.g / 255, top.b / 255);
    cairo_pattern_add_color_stop_rgb(fill, 1, bottom.r / 255, bottom.g / 255, bottom.b / 255);
    cairo_set_source(cr, fill);
    cairo_fill(cr);
    cairo_pattern_destroy(fill);
  }));
  // Piece 124: a vertical strip (a scroll track), 14 of its 16 columns used.
  PlaceTrimmed(sheet, 315, 1, 16, 229, KeyedPiece(14, 229, s.face, [&](cairo_t* cr) {
    RoundedRect(cr, 0.5, 0.5, 13, 228, 6);
    Use(cr, Mix(s.face, s.border, 0.25));
    cairo_fill_preserve(cr);
    Use(cr, s.border);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  }));
  // Piece 123: a horizontal strip (a status bar), 14 of its 16 rows used.
  PlaceTrimmed(sheet, 1, 232, 313, 16, KeyedPiece(313, 14, s.face, [&](cairo_t* cr) {
    RoundedRect(cr, 0.5, 0.5, 312, 13, 5);
    cairo_pattern_t* fill = cairo_pattern_create_linear(0, 0, 0, 14);
    cairo_pattern_add_color_stop_rgb(fill, 0, s.faceTop.r / 255, s.faceTop.g / 255, s.faceTop.b / 255);
    cairo_pattern_add_color_stop_rgb(fill, 1, s.face.r / 255, s.face.g / 255, s.face.b / 255);
    cairo_set_source(cr, fill);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(fill);
    Use(cr, s.border);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  }));
  // Pieces 131..138: the frame, drawn as one 64 by 64 picture and cut in nine.
  Place(sheet, 333, 1, KeyedPiece(64, 64, s.face, [&](cairo_t* cr) {
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    RoundedRect(cr, 0.5, 0.5, 63, 63, 9);
    cairo_rectangle(cr, 15, 15, 34, 34);
    cairo_pattern_t* fill = cairo_pattern_create_linear(0, 0, 64, 64);
    Colour a = Shade(s.faceTop, 1.05), b = Shade(s.face, 0.8);
    cairo_pattern_add_color_stop_rgb(fill, 0, a.r / 255, a.g / 255, a.b / 255);
    cairo_pattern_add_color_stop_rgb(fill, 1, b.r / 255, b.g / 255, b.b / 255);
    cairo_set_source(cr, fill);
    cairo_fill(cr);
    cairo_pattern_destroy(fill);
    RoundedRect(cr, 0.5, 0.5, 63, 63, 9);
    Use(cr, s.border);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    RoundedRect(cr, 6.5, 6.5, 51, 51, 4);
    Use(cr, Hex(0xffffff, 0.45));
    cairo_stroke(cr);
    cairo_rectangle(cr, 14.5, 14.5, 35, 35);
    Use(cr, s.border);
    cairo_stroke(cr);
  }));
  {  // The frame's unused centre stays transparent.
    toolkit::Canvas(sheet).FillRect(toolkit::Rect::Sized(348, 16, 33, 33), kFuchsia);
  }
  // Pieces 101..104 (radio) and 111..114 (check): on, off, on pressed, off pressed.
  for (int i = 0; i < 4; ++i) {
    bool on = i % 2 == 0, pressed = i >= 2;
    PlaceTrimmed(sheet, 333 + 17 * i, 66, 16, 16,
                 KeyedPiece(13, 13, s.faceTop, [&](cairo_t* cr) { RadioLook(cr, s, on, pressed); }));
    PlaceTrimmed(sheet, 333 + 17 * i, 83, 16, 16,
                 KeyedPiece(13, 13, s.faceTop, [&](cairo_t* cr) { CheckLook(cr, s, on, pressed); }));
  }
  // Piece 121: a small marker icon, 16 of 20 pixels each way.
  PlaceTrimmed(sheet, 227, 250, 20, 20, KeyedPiece(16, 16, s.face, [&](cairo_t* cr) {
    cairo_move_to(cr, 8, 0.5);
    cairo_line_to(cr, 15.5, 8);
    cairo_line_to(cr, 8, 15.5);
    cairo_line_to(cr, 0.5, 8);
    cairo_close_path(cr);
    Use(cr, s.blink);
    cairo_fill_preserve(cr);
    Use(cr, s.border);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  }));
  // Piece 122: an emblem, 28 of 32 pixels each way.
  PlaceTrimmed(sheet, 400, 0, 32, 32, KeyedPiece(28, 28, s.face, [&](cairo_t* cr) {
    cairo_arc(cr, 14, 14, 13, 0, 2 * M_PI);
    Use(cr, s.title);
    cairo_fill_preserve(cr);
    Use(cr, s.border);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    RoundedRect(cr, 7, 7, 14, 14, 3);
    Use(cr, Hex(0xffffff));
    cairo_fill(cr);
    Use(cr, s.title);
    for (auto [x, y] : {std::pair{10.5, 10.5}, {14.0, 14.0}, {17.5, 17.5}}) cairo_arc(cr, x, y, 1.4, 0, 2 * M_PI);
    cairo_fill(cr);
  }));
  // The palette, each colour a small swatch around the pixel where it is read.
  for (int i = 0; i < 15; ++i) Swatch(sheet, kPalettePixels[i][0], kPalettePixels[i][1], 9, s.palette[i]);
  return sheet;
}

Bitmap ButtonSet(const SkinStyle& s) {
  Bitmap sheet = Sheet(600, 640, s.sheet);
  auto cell = [](int column, int row) { return std::pair{1 + 32 * column, 1 + 32 * row}; };
  // Large buttons (29 by 29) and small buttons (20 by 20) in the 32-pixel grid.
  struct Entry { int column, row; Look look; };
  const Entry large[6] = {{0, 0, Look::Normal},   {1, 0, Look::Pressed},  {0, 2, Look::Selected},
                          {1, 2, Look::SelectedPressed}, {0, 1, Look::Disabled}, {1, 1, Look::Blinking}};
  for (const Entry& e : large) {
    auto [x, y] = cell(e.column, e.row);
    Place(sheet, x, y, ButtonPiece(s, e.look, 29, 29, 6));
    auto [sx, sy] = cell(e.column, e.row + 3);
    Place(sheet, sx, sy, ButtonPiece(s, e.look, 20, 20, 4));
  }
  Place(sheet, cell(2, 0).first, cell(2, 0).second, ButtonMask(29, 29, 6, 0.5));
  Place(sheet, cell(2, 1).first, cell(2, 1).second, ButtonMask(29, 29, 6, 0.5));
  Place(sheet, cell(2, 3).first, cell(2, 3).second, ButtonMask(20, 20, 4, 0.5));
  Place(sheet, cell(2, 4).first, cell(2, 4).second, ButtonMask(20, 20, 4, 0.5));
  // Metric cells: the used part's width and height are the offsets.
  struct Metric { int x, y, w, h; };
  const Metric metrics[6] = {{65, 65, 6, 4}, {65, 193, 6, 4}, {65, 161, 2, 2},
                             {81, 193, 2, 2}, {257, 65, 1, 1}, {257, 97, 1, 1}};
  for (const Metric& m : metrics) {
    toolkit::Canvas canvas(sheet);
    canvas.FillRect(toolkit::Rect::Sized(m.x, m.y, 10, 10), kYellow);
    canvas.FillRect(toolkit::Rect::Sized(m.x, m.y, m.w, m.h), Rgb{64, 64, 72});
  }
  // Push buttons: faces 21, 22 and masks 27, 28, 152 by 28 of their 156 by 31 cells.
  PlaceTrimmed(sheet, 257, 1, 156, 31, ButtonPiece(s, Look::Normal, 152, 28, 8));
  PlaceTrimmed(sheet, 257, 33, 156, 31, ButtonPiece(s, Look::Pressed, 152, 28, 8));
  PlaceTrimmed(sheet, 414, 1, 156, 31, ButtonMask(152, 28, 8, 0.5));
  PlaceTrimmed(sheet, 414, 33, 156, 31, ButtonMask(152, 28, 8, 1.0));
  // Push-button text colours: normal, disabled, disabled shadow.
  for (int i = 0; i < 3; ++i) Swatch(sheet, 580, 16 + 32 * i, 8, s.pushText[i]);
  // Layers: icons 1..20 in the left block, 100..109 in the right one; the rest are empty
  // (their pixels all equal the top-left one, so nothing shows).
  for (int n = 1; n <= 99; ++n) {
    int x = ((n - 1) % 5) * 32 + 97, y = ((n - 1) / 5) * 32 + 1;
    Place(sheet, x, y, KeyedPiece(29, 29, s.face, [&](cairo_t* cr) { DrawIcon(cr, s, n); }));
  }
  for (int a = 0; a < 10; ++a) {
    Place(sheet, a * 32 + 257, 129, KeyedPiece(29, 29, s.face, [&](cairo_t* cr) { DrawIcon(cr, s, 100 + a); }));
  }
  return sheet;
}

Bitmap TextureFile(Colour base, std::uint32_t seed, bool stripes) {
  const int size = 256;
  Surface surface = Felt(size, size, base, seed);
  Pen pen = PenOn(surface);
  cairo_t* cr = pen.get();
  cairo_set_line_width(cr, 1);
  for (int i = -size; i < size; i += stripes ? 8 : 32) {
    Use(cr, Hex(0xffffff, stripes ? 0.025 : 0.04));
    cairo_move_to(cr, i, 0);
    cairo_line_to(cr, i + size, size);
    cairo_stroke(cr);
  }
  return Plain(surface);
}

}  // namespace

std::vector<std::string> SkinNames() { return {"default", "Midnight"}; }

SkinPictures Skin(const std::string& name) {
  SkinStyle s = StyleOf(name);
  SkinPictures pictures;
  pictures.name = name;
  pictures.backgroundSet = BackgroundSet(s);
  pictures.buttonSet = ButtonSet(s);
  if (s.textureFiles) {
    pictures.backTexture = TextureFile(Shade(s.back, 1.1), 301, false);
    pictures.listTexture = TextureFile(s.list, 303, true);
  }
  return pictures;
}

toolkit::Bitmap MenuPicture(const std::string& name) {
  return KeyedPiece(16, 16, Hex(0xf0f0f0), [&](cairo_t* cr) {
    Use(cr, Hex(0x202020));
    if (name == "radio") {
      cairo_arc(cr, 8, 8, 3.5, 0, 2 * M_PI);
      cairo_fill(cr);
    } else if (name == "check") {
      cairo_move_to(cr, 3.5, 8.5);
      cairo_line_to(cr, 6.5, 11.5);
      cairo_line_to(cr, 12.5, 4.5);
      cairo_set_line_width(cr, 2);
      cairo_stroke(cr);
    } else if (name == "submenu") {
      cairo_move_to(cr, 6, 4);
      cairo_line_to(cr, 11, 8);
      cairo_line_to(cr, 6, 12);
      cairo_close_path(cr);
      cairo_fill(cr);
    } else {
      throw std::invalid_argument("no menu picture " + name);
    }
  });
}

}  // namespace art
