#include "bmp_file.h"

#include "picture_error.h"

#include <files.h>

#include <algorithm>
#include <bit>
#include <cstring>

namespace toolkit {
namespace {

// Little-endian readers over the file bytes; the caller has checked the bounds.
std::uint32_t U16(std::string_view b, std::size_t at) {
  return static_cast<std::uint8_t>(b[at]) | (static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 1])) << 8);
}
std::uint32_t U32(std::string_view b, std::size_t at) { return U16(b, at) | (U16(b, at + 2) << 16); }
std::int32_t S32(std::string_view b, std::size_t at) { return static_cast<std::int32_t>(U32(b, at)); }

void PutU16(std::string& out, std::uint32_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>((v >> 8) & 0xFF);
}
void PutU32(std::string& out, std::uint32_t v) {
  PutU16(out, v & 0xFFFF);
  PutU16(out, v >> 16);
}

[[noreturn]] void Fail(const std::string& why) { throw PictureError("bitmap file: " + why); }

// A bit-field channel: where it lies and how to widen it to 8 bits.
struct Channel {
  std::uint32_t mask = 0;
  int shift = 0;
  int bits = 0;
  std::uint8_t Extract(std::uint32_t pixel) const {
    if (bits == 0) return 0;
    std::uint32_t v = (pixel & mask) >> shift;
    if (bits >= 8) return static_cast<std::uint8_t>(v >> (bits - 8));
    std::uint32_t max = (1u << bits) - 1;
    return static_cast<std::uint8_t>((v * 255 + max / 2) / max);
  }
};

Channel ChannelOf(std::uint32_t mask) {
  Channel c;
  c.mask = mask;
  if (mask == 0) return c;
  c.shift = std::countr_zero(mask);
  c.bits = std::popcount(mask);
  if ((mask >> c.shift) != ((1ull << c.bits) - 1)) Fail("bit-field mask not contiguous");
  return c;
}

}  // namespace

Bitmap DecodeBmp(std::string_view b) {
  const std::size_t size = b.size();
  if (size < 14 + 12) Fail("too short");
  if (b[0] != 'B' || b[1] != 'M') Fail("no BM signature");
  std::uint32_t pixelOffset = U32(b, 10);
  std::uint32_t headerSize = U32(b, 14);
  if (headerSize < 12 || 14 + static_cast<std::uint64_t>(headerSize) > size) Fail("truncated header");

  std::int64_t width = 0, height = 0;
  std::uint32_t bits = 0, compression = 0, coloursUsed = 0;
  std::size_t paletteEntryBytes = 4;
  if (headerSize == 12) {  // the old core header: 16-bit sizes, three-byte palette entries
    width = U16(b, 18);
    height = U16(b, 20);
    bits = U16(b, 24);
    paletteEntryBytes = 3;
  } else {
    if (headerSize < 40) Fail("unknown header size");
    width = S32(b, 18);
    height = S32(b, 22);
    bits = U16(b, 28);
    compression = U32(b, 30);
    coloursUsed = U32(b, 46);
  }
  bool topDown = height < 0;
  height = std::abs(height);
  if (width <= 0 || height <= 0) Fail("empty picture");
  if (width > 65535 || height > 65535 || width * height > Bitmap::kMaxPixels) Fail("picture too large");

  // Bit-field masks: inside the later headers, or just after the 40-byte one.
  std::size_t paletteAt = 14 + headerSize;
  std::uint32_t masks[3] = {0x00FF0000, 0x0000FF00, 0x000000FF};  // red, green, blue
  if (bits == 16) masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
  if (compression == 3 || compression == 6) {
    if (bits != 16 && bits != 32) Fail("bit fields on a palette picture");
    std::size_t at = 14 + 40;
    if (headerSize == 40) paletteAt += 12;
    if (at + 12 > size) Fail("truncated bit fields");
    for (int i = 0; i < 3; ++i) masks[i] = U32(b, at + 4 * static_cast<std::size_t>(i));
  } else if (compression != 0) {
    Fail("compressed pictures are not read");
  }
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) Fail("unsupported depth");

  std::vector<Rgb> palette;
  if (bits <= 8) {
    std::uint32_t entries = coloursUsed == 0 || coloursUsed > (1u << bits) ? (1u << bits) : coloursUsed;
    if (paletteAt + entries * paletteEntryBytes > size) Fail("truncated palette");
    for (std::uint32_t i = 0; i < entries; ++i) {
      std::size_t at = paletteAt + i * paletteEntryBytes;
      palette.push_back(Rgb{static_cast<std::uint8_t>(b[at + 2]), static_cast<std::uint8_t>(b[at + 1]),
                            static_cast<std::uint8_t>(b[at])});
    }
    palette.resize(1u << bits);  // indexes beyond the stored palette show black
  }

  std::uint64_t rowBytes = (static_cast<std::uint64_t>(width) * bits + 7) / 8;
  std::uint64_t stride = (static_cast<std::uint64_t>(width) * bits + 31) / 32 * 4;
  // The last row may lack its padding; everything before it must be there.
  if (pixelOffset < 14 + 12 || pixelOffset + stride * static_cast<std::uint64_t>(height - 1) + rowBytes > size) {
    Fail("truncated pixels");
  }

  Bitmap bitmap(static_cast<int>(width), static_cast<int>(height),
                bits == 8 ? PixelFormat::Indexed8 : PixelFormat::Bgr24);
  if (bits == 8) bitmap.SetPalette(palette);
  Channel red = ChannelOf(masks[0]), green = ChannelOf(masks[1]), blue = ChannelOf(masks[2]);
  for (std::int64_t fileRow = 0; fileRow < height; ++fileRow) {
    const auto* from = reinterpret_cast<const std::uint8_t*>(b.data()) + pixelOffset + fileRow * stride;
    std::uint8_t* to = bitmap.Row(static_cast<int>(topDown ? fileRow : height - 1 - fileRow));
    switch (bits) {
      case 8:
        std::memcpy(to, from, static_cast<std::size_t>(width));
        break;
      case 24:
        std::memcpy(to, from, static_cast<std::size_t>(width) * 3);
        break;
      case 1:
      case 4:
        for (std::int64_t x = 0; x < width; ++x) {
          std::uint32_t index = bits == 1 ? (from[x / 8] >> (7 - x % 8)) & 1 : (from[x / 2] >> (x % 2 ? 0 : 4)) & 15;
          Rgb c = palette[index];
          to[3 * x] = c.B, to[3 * x + 1] = c.G, to[3 * x + 2] = c.R;
        }
        break;
      default:  // 16 and 32 bits through the channel masks
        for (std::int64_t x = 0; x < width; ++x) {
          std::uint32_t pixel = bits == 16 ? (from[2 * x] | (from[2 * x + 1] << 8))
                                           : (from[4 * x] | (from[4 * x + 1] << 8) | (from[4 * x + 2] << 16) |
                                              (static_cast<std::uint32_t>(from[4 * x + 3]) << 24));
          to[3 * x] = blue.Extract(pixel), to[3 * x + 1] = green.Extract(pixel), to[3 * x + 2] = red.Extract(pixel);
        }
        break;
    }
  }
  return bitmap;
}

Bitmap LoadBmpFile(std::string_view path) {
  std::optional<std::string> bytes = platform::ReadWholeFile(path);
  if (!bytes) throw PictureError("cannot read picture file " + std::string(path));
  try {
    return DecodeBmp(*bytes);
  } catch (const PictureError& error) {
    throw PictureError(std::string(error.what()) + " (" + std::string(path) + ")");
  }
}

std::string EncodeBmp(const Bitmap& bitmap) {
  bool indexed = bitmap.Format() == PixelFormat::Indexed8;
  std::uint32_t paletteEntries = indexed ? static_cast<std::uint32_t>(std::max<std::size_t>(bitmap.Palette().size(), 1)) : 0;
  std::uint32_t stride = static_cast<std::uint32_t>(bitmap.Stride());
  std::uint32_t pixelOffset = 14 + 40 + 4 * paletteEntries;
  std::uint32_t imageBytes = stride * static_cast<std::uint32_t>(bitmap.Height());
  std::string out;
  out.reserve(pixelOffset + imageBytes);
  out += "BM";
  PutU32(out, pixelOffset + imageBytes);
  PutU32(out, 0);
  PutU32(out, pixelOffset);
  PutU32(out, 40);
  PutU32(out, static_cast<std::uint32_t>(bitmap.Width()));
  PutU32(out, static_cast<std::uint32_t>(bitmap.Height()));
  PutU16(out, 1);
  PutU16(out, indexed ? 8 : 24);
  PutU32(out, 0);
  PutU32(out, imageBytes);
  PutU32(out, 3780);  // 96 pixels per inch
  PutU32(out, 3780);
  PutU32(out, paletteEntries);
  PutU32(out, 0);
  for (std::uint32_t i = 0; i < paletteEntries; ++i) {
    Rgb c = bitmap.PaletteColour(static_cast<std::uint8_t>(i));
    out += static_cast<char>(c.B);
    out += static_cast<char>(c.G);
    out += static_cast<char>(c.R);
    out += '\0';
  }
  for (int y = bitmap.Height() - 1; y >= 0; --y) {
    out.append(reinterpret_cast<const char*>(bitmap.Row(y)), stride);
  }
  return out;
}

bool SaveBmpFile(std::string_view path, const Bitmap& bitmap) {
  return platform::WriteWholeFile(path, EncodeBmp(bitmap));
}

}  // namespace toolkit
