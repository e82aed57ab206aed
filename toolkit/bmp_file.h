// Windows bitmap files.
#pragma once

#include "bitmap.h"

#include <string>
#include <string_view>

namespace toolkit {

// ---- Reading ----

// Decodes a Windows bitmap file: 1, 4, 8, 16, 24 or 32 bits per pixel, uncompressed or
// with bit-field masks, bottom-up or top-down, with the old 12-byte or any later header.
// 8-bit files give an 8-bit picture with their palette; every other depth gives a 24-bit
// picture (alpha is dropped). Raises PictureError for anything truncated, corrupt, empty,
// too large or of a kind not read (compressed files).
Bitmap DecodeBmp(std::string_view bytes);

// Reads and decodes a bitmap file addressed by a Windows-style or native path; a missing or
// unreadable file raises PictureError.
Bitmap LoadBmpFile(std::string_view path);

// ---- Writing ----

// The bytes of a bottom-up bitmap file: 24 bits per pixel, or 8 bits with the palette.
std::string EncodeBmp(const Bitmap& bitmap);

// Writes the file atomically (folders are created); false when it cannot be written.
[[nodiscard]] bool SaveBmpFile(std::string_view path, const Bitmap& bitmap);

}  // namespace toolkit
