#include "png_file.h"

#include "picture_error.h"

#include <files.h>

#include <png.h>

namespace toolkit {
namespace {

void Append(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::string*>(png_get_io_ptr(png));
  out->append(reinterpret_cast<const char*>(data), length);
}

void Flush(png_structp) {}

// libpng reports errors by jumping back to the setjmp of the encoding function, which keeps
// no C++ object alive across the jump except ones declared before it.
bool Encode(const Bitmap& bitmap, std::string& out) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  std::vector<png_color> palette;
  if (!info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, info ? &info : nullptr);
    return false;
  }
  bool indexed = bitmap.Format() == PixelFormat::Indexed8;
  png_set_write_fn(png, &out, Append, Flush);
  png_set_IHDR(png, info, static_cast<png_uint_32>(bitmap.Width()), static_cast<png_uint_32>(bitmap.Height()), 8,
               indexed ? PNG_COLOR_TYPE_PALETTE : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (indexed) {
    for (int i = 0; i < 256; ++i) {
      Rgb c = bitmap.PaletteColour(static_cast<std::uint8_t>(i));
      palette.push_back(png_color{c.R, c.G, c.B});
    }
    png_set_PLTE(png, info, palette.data(), 256);
  }
  png_write_info(png, info);
  if (!indexed) png_set_bgr(png);
  for (int y = 0; y < bitmap.Height(); ++y) {
    png_write_row(png, const_cast<png_bytep>(bitmap.Row(y)));
  }
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

std::string EncodePng(const Bitmap& bitmap) {
  if (bitmap.Empty()) throw PictureError("PNG picture: nothing to encode");
  std::string out;
  if (!Encode(bitmap, out)) throw PictureError("PNG picture: cannot encode");
  return out;
}

bool SavePngFile(std::string_view path, const Bitmap& bitmap) {
  return platform::WriteWholeFile(path, EncodePng(bitmap));
}

}  // namespace toolkit
