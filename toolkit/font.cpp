#include "font.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstdlib>
#include <mutex>
#include <tuple>

namespace toolkit {
namespace {

// Bytes 0x80..0x9F of the Western ANSI code page; the rest map to the same code point.
constexpr char32_t kAnsiHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

struct FontLibrary {
  std::mutex lock;
  FT_Library freetype = nullptr;
  bool started = false;
  std::map<std::tuple<std::string, int, bool>, std::unique_ptr<FontFace>> faces;
};

FontLibrary& Library() {
  static FontLibrary* library = new FontLibrary;  // lives to the end of the process
  return *library;
}

// The font file and face index fontconfig picks for a family name; "" when none.
std::pair<std::string, int> MatchFont(const std::string& name, bool bold) {
  std::pair<std::string, int> result{"", 0};
  if (!FcInit()) return result;
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>("DejaVu Sans"));
  FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult outcome = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &outcome);
  if (match) {
    FcChar8* file = nullptr;
    int index = 0;
    if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file) {
      result.first = reinterpret_cast<const char*>(file);
      if (FcPatternGetInteger(match, FC_INDEX, 0, &index) == FcResultMatch) result.second = index;
    }
    FcPatternDestroy(match);
  }
  FcPatternDestroy(pattern);
  return result;
}

}  // namespace

#if defined(__SANITIZE_ADDRESS__)
// fontconfig leaves a few blocks from parsing its configuration that no pointer reaches,
// once per process; they are not ours to free, so the leak checker is told to pass over them
// in every program that draws text.
extern "C" __attribute__((visibility("default"), used)) const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\n";
}
#endif

char32_t AnsiToUnicode(std::uint8_t byte) {
  return (byte >= 0x80 && byte < 0xA0) ? kAnsiHigh[byte - 0x80] : char32_t{byte};
}

FontFace& FontFace::Find(const std::string& name, int pointSize, bool bold) {
  FontLibrary& library = Library();
  std::lock_guard<std::mutex> guard(library.lock);
  auto key = std::make_tuple(name, pointSize, bold);
  auto found = library.faces.find(key);
  if (found != library.faces.end()) return *found->second;

  std::unique_ptr<FontFace> face(new FontFace);
  if (!library.started) {
    library.started = true;
    if (FT_Init_FreeType(&library.freetype) != 0) library.freetype = nullptr;
  }
  // Points at 96 pixels per inch, rounded as the designers' toolkit does (8 pt is 11 px).
  int pixels = std::clamp((std::abs(pointSize) * 96 + 36) / 72, 1, 400);
  auto [file, index] = MatchFont(name, bold);
  FT_Face ftFace = nullptr;
  if (library.freetype && !file.empty() &&
      FT_New_Face(library.freetype, file.c_str(), index, &ftFace) == 0) {
    if (FT_Set_Pixel_Sizes(ftFace, 0, static_cast<FT_UInt>(pixels)) == 0) {
      face->face_ = ftFace;
      face->ascent_ = static_cast<int>((ftFace->size->metrics.ascender + 63) >> 6);
      face->descent_ = static_cast<int>((-ftFace->size->metrics.descender + 63) >> 6);
    } else {
      FT_Done_Face(ftFace);
    }
  }
  FontFace& result = *face;
  library.faces.emplace(key, std::move(face));
  return result;
}

FontFace::~FontFace() {
  if (face_) FT_Done_Face(static_cast<FT_Face>(face_));
}

const FontFace::Glyph& FontFace::GlyphOf(std::uint8_t byte) {
  auto found = glyphs_.find(byte);
  if (found != glyphs_.end()) return found->second;
  Glyph glyph;
  auto ftFace = static_cast<FT_Face>(face_);
  if (ftFace && FT_Load_Char(ftFace, AnsiToUnicode(byte), FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL) == 0) {
    FT_GlyphSlot slot = ftFace->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    if (bitmap.pixel_mode == FT_PIXEL_MODE_GRAY) {
      glyph.width = static_cast<int>(bitmap.width);
      glyph.height = static_cast<int>(bitmap.rows);
      glyph.coverage.resize(static_cast<std::size_t>(glyph.width) * glyph.height);
      for (int row = 0; row < glyph.height; ++row) {
        const unsigned char* from = bitmap.buffer + static_cast<std::ptrdiff_t>(row) * bitmap.pitch;
        std::copy(from, from + glyph.width, glyph.coverage.begin() + static_cast<std::ptrdiff_t>(row) * glyph.width);
      }
    }
  }
  return glyphs_.emplace(byte, std::move(glyph)).first->second;
}

int FontFace::TextWidth(std::string_view text) {
  std::lock_guard<std::mutex> guard(Library().lock);
  int width = 0;
  for (char c : text) width += GlyphOf(static_cast<std::uint8_t>(c)).advance;
  return width;
}

void FontFace::Draw(Bitmap& target, int x, int y, std::string_view text, Rgb colour, const Rect& clip) {
  std::lock_guard<std::mutex> guard(Library().lock);
  Rect area = clip.Intersect(Rect{0, 0, target.Width(), target.Height()});
  if (area.Empty()) return;
  bool indexed = target.Format() == PixelFormat::Indexed8;
  std::uint8_t index = indexed ? target.NearestIndex(colour) : 0;
  int pen = x;
  int baseline = y + ascent_;
  for (char c : text) {
    const Glyph& glyph = GlyphOf(static_cast<std::uint8_t>(c));
    int left = pen + glyph.left;
    int top = baseline - glyph.top;
    Rect box = Rect::Sized(left, top, glyph.width, glyph.height).Intersect(area);
    for (int py = box.Top; py < box.Bottom; ++py) {
      std::uint8_t* row = target.Row(py);
      const char* cover = glyph.coverage.data() + static_cast<std::size_t>(py - top) * glyph.width;
      for (int px = box.Left; px < box.Right; ++px) {
        int a = static_cast<std::uint8_t>(cover[px - left]);
        if (a == 0) continue;
        if (indexed) {
          if (a >= 128) row[px] = index;
          continue;
        }
        std::uint8_t* p = row + 3 * px;
        p[0] = static_cast<std::uint8_t>((colour.B * a + p[0] * (255 - a) + 127) / 255);
        p[1] = static_cast<std::uint8_t>((colour.G * a + p[1] * (255 - a) + 127) / 255);
        p[2] = static_cast<std::uint8_t>((colour.R * a + p[2] * (255 - a) + 127) / 255);
      }
    }
    pen += glyph.advance;
  }
}

}  // namespace toolkit
