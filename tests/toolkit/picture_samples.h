// Small pictures and hand-made files for the picture tests.
#pragma once

#include <bitmap.h>
#include <canvas.h>

#include <cstdint>
#include <string>
#include <vector>

namespace samples {

inline constexpr toolkit::Rgb kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255}, kWhite{255, 255, 255},
    kBlack{0, 0, 0};

// A 24-bit picture whose every pixel differs: red grows to the right, green downwards.
inline toolkit::Bitmap Gradient(int width, int height) {
  toolkit::Bitmap b(width, height);
  toolkit::Canvas c(b);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      c.SetPixel(x, y, toolkit::Rgb{static_cast<std::uint8_t>(x * 255 / std::max(width - 1, 1)),
                                    static_cast<std::uint8_t>(y * 255 / std::max(height - 1, 1)),
                                    static_cast<std::uint8_t>((x * 7 + y * 13) % 256)});
  return b;
}

inline void PutU16(std::string& s, std::uint32_t v) {
  s += static_cast<char>(v & 0xFF);
  s += static_cast<char>((v >> 8) & 0xFF);
}
inline void PutU32(std::string& s, std::uint32_t v) {
  PutU16(s, v & 0xFFFF);
  PutU16(s, v >> 16);
}

// A bitmap file written independently of the reader under test. `pixels` holds the picture
// top row first as palette indexes (bits <= 8) or colours; `topDown` stores the rows in that
// order with a negative height. Header sizes 12 (old core header), 40 and 108; bit fields
// (compression 3) for 16 and 32 bits use `masks` (red, green, blue).
struct BmpSpec {
  int bits = 24;
  bool topDown = false;
  int headerSize = 40;
  std::uint32_t compression = 0;
  std::uint32_t masks[3] = {0, 0, 0};
  std::vector<toolkit::Rgb> palette;
  std::vector<std::vector<toolkit::Rgb>> colours;  // bits > 8
  std::vector<std::vector<int>> indexes;           // bits <= 8
};

inline std::string MakeBmp(const BmpSpec& spec) {
  int height = static_cast<int>(spec.bits <= 8 ? spec.indexes.size() : spec.colours.size());
  int width = static_cast<int>(spec.bits <= 8 ? spec.indexes[0].size() : spec.colours[0].size());
  std::string rows;
  for (int i = 0; i < height; ++i) {
    int y = spec.topDown ? i : height - 1 - i;
    std::string row;
    std::uint32_t acc = 0;
    int accBits = 0;
    auto push = [&](std::uint32_t value, int bits) {
      acc = (acc << bits) | value;
      accBits += bits;
      while (accBits >= 8) {
        row += static_cast<char>((acc >> (accBits - 8)) & 0xFF);
        accBits -= 8;
      }
    };
    for (int x = 0; x < width; ++x) {
      if (spec.bits <= 8) {
        push(static_cast<std::uint32_t>(spec.indexes[y][x]), spec.bits);
        continue;
      }
      toolkit::Rgb c = spec.colours[y][x];
      if (spec.bits == 24) {
        row += static_cast<char>(c.B), row += static_cast<char>(c.G), row += static_cast<char>(c.R);
      } else if (spec.bits == 16) {
        std::uint32_t v = ((c.R >> 3) << 10) | ((c.G >> 3) << 5) | (c.B >> 3);
        PutU16(row, v);
      } else {  // 32
        if (spec.compression == 3) {
          auto place = [](std::uint8_t v, std::uint32_t mask) {
            int shift = __builtin_ctz(mask);
            return (static_cast<std::uint32_t>(v) << shift) & mask;
          };
          PutU32(row, place(c.R, spec.masks[0]) | place(c.G, spec.masks[1]) | place(c.B, spec.masks[2]));
        } else {
          PutU32(row, (std::uint32_t{c.R} << 16) | (std::uint32_t{c.G} << 8) | c.B | 0xAA000000u);
        }
      }
    }
    if (accBits > 0) row += static_cast<char>((acc << (8 - accBits)) & 0xFF);
    while (row.size() % 4) row += '\0';
    rows += row;
  }
  std::size_t entry = spec.headerSize == 12 ? 3 : 4;
  std::string header;
  PutU32(header, static_cast<std::uint32_t>(spec.headerSize));
  if (spec.headerSize == 12) {
    PutU16(header, static_cast<std::uint32_t>(width));
    PutU16(header, static_cast<std::uint32_t>(height));
    PutU16(header, 1);
    PutU16(header, static_cast<std::uint32_t>(spec.bits));
  } else {
    PutU32(header, static_cast<std::uint32_t>(width));
    PutU32(header, static_cast<std::uint32_t>(spec.topDown ? -height : height));
    PutU16(header, 1);
    PutU16(header, static_cast<std::uint32_t>(spec.bits));
    PutU32(header, spec.compression);
    PutU32(header, static_cast<std::uint32_t>(rows.size()));
    PutU32(header, 2835);
    PutU32(header, 2835);
    PutU32(header, static_cast<std::uint32_t>(spec.palette.size()));
    PutU32(header, 0);
    if (spec.headerSize > 40) {
      for (std::uint32_t m : spec.masks) PutU32(header, m);
      while (header.size() < static_cast<std::size_t>(spec.headerSize)) header += '\0';
    } else if (spec.compression == 3) {
      for (std::uint32_t m : spec.masks) PutU32(header, m);
    }
  }
  std::vector<toolkit::Rgb> colours = spec.palette;
  if (spec.headerSize == 12 && spec.bits <= 8) colours.resize(std::size_t{1} << spec.bits);  // always full there
  std::string palette;
  for (toolkit::Rgb c : colours) {
    palette += static_cast<char>(c.B), palette += static_cast<char>(c.G), palette += static_cast<char>(c.R);
    if (entry == 4) palette += '\0';
  }
  std::uint32_t offset = static_cast<std::uint32_t>(14 + header.size() + palette.size());
  std::string file = "BM";
  PutU32(file, offset + static_cast<std::uint32_t>(rows.size()));
  PutU32(file, 0);
  PutU32(file, offset);
  return file + header + palette + rows;
}

}  // namespace samples
