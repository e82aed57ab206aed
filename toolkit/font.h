// Typefaces for text on canvases: found by name through fontconfig, rendered by FreeType.
#pragma once

#include "bitmap.h"
#include "rect.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace toolkit {

// ---- Font descriptions ----

// FontSpec holds what a canvas is told about its font: a family name ("DejaVu Sans"; names
// the machine lacks, such as the designers' "MS Sans Serif", fall back to what fontconfig
// picks), a size in points at 96 pixels per inch, the text colour and the weight.
struct FontSpec {
  std::string Name = "DejaVu Sans";
  int Size = 8;
  Rgb Colour{};
  bool Bold = false;
};

// ---- Typefaces ----

// FontFace holds one typeface at one pixel size and a cache of its rendered glyphs. Texts
// are bytes of the Western ANSI code page (so 0xBD is "½"). Faces are shared per process:
// Find returns the same face for the same name, size and weight, and faces live until the
// process ends. When no font can be found at all, a face measures and draws nothing.
class FontFace {
 public:
  static FontFace& Find(const std::string& name, int pointSize, bool bold);
  ~FontFace();
  FontFace(const FontFace&) = delete;
  FontFace& operator=(const FontFace&) = delete;

  // ---- Measuring ----
  int TextWidth(std::string_view text);
  int Height() const { return ascent_ + descent_; }
  int Ascent() const { return ascent_; }

  // ---- Drawing ----
  // Draws the text with the top-left corner of its cell at (x, y), blending the glyphs'
  // coverage over the pixels (transparent background). Only pixels inside `clip` and inside
  // the bitmap are touched. On an 8-bit bitmap a pixel covered at least half takes the
  // palette entry nearest to the colour.
  void Draw(Bitmap& target, int x, int y, std::string_view text, Rgb colour, const Rect& clip);

 private:
  struct Glyph {
    int left = 0;     // from the pen position to the first column
    int top = 0;      // from the baseline up to the first row
    int width = 0;
    int height = 0;
    int advance = 0;  // whole pixels
    std::string coverage;  // width * height bytes, 0..255
  };

  FontFace() = default;
  const Glyph& GlyphOf(std::uint8_t byte);

  void* face_ = nullptr;  // FT_Face, kept opaque so users need no FreeType headers
  int ascent_ = 0;
  int descent_ = 0;
  std::map<std::uint8_t, Glyph> glyphs_;
};

// The Unicode code point of a byte of the Western ANSI code page.
char32_t AnsiToUnicode(std::uint8_t byte);

}  // namespace toolkit
