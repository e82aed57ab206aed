// JPEG pictures, through libjpeg.
#pragma once

#include "bitmap.h"

#include <string>
#include <string_view>

namespace toolkit {

// ---- Reading ----

// Decodes a JPEG picture (baseline or progressive; grey, colour or CMYK) into a 24-bit
// bitmap. A truncated or corrupt file, one declaring a picture larger than
// Bitmap::kMaxPixels, or one with an absurd number of progressive scans raises PictureError;
// the decoder never reads outside the bytes given.
Bitmap DecodeJpeg(std::string_view bytes);

// Reads and decodes a JPEG file addressed by a Windows-style or native path; a missing or
// unreadable file raises PictureError.
Bitmap LoadJpegFile(std::string_view path);

// ---- Writing ----

// The bytes of a baseline JPEG file of the picture (converted to 24 bits), quality 1..100.
// Used by tools and tests that need JPEG pictures.
std::string EncodeJpeg(const Bitmap& bitmap, int quality = 90);

}  // namespace toolkit
