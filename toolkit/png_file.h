// PNG pictures, through libpng: written for screenshots, contact sheets and tools.
#pragma once

#include "bitmap.h"

#include <string>
#include <string_view>

namespace toolkit {

// ---- Writing ----

// The bytes of a PNG file of the picture: 8-bit RGB for a 24-bit picture, a palette PNG for
// an 8-bit one. Raises PictureError for an empty picture.
std::string EncodePng(const Bitmap& bitmap);

// Writes the file atomically (folders are created); false when it cannot be written.
[[nodiscard]] bool SavePngFile(std::string_view path, const Bitmap& bitmap);

}  // namespace toolkit
