#include "surface_bitmap.h"

#include <cstring>

namespace toolkit {

Bitmap BitmapFromSurface(const platform::Surface& surface) {
  Bitmap bitmap(surface.Width(), surface.Height());
  for (int y = 0; y < surface.Height(); ++y)
    std::memcpy(bitmap.Row(y), surface.Row(y), static_cast<std::size_t>(surface.Width()) * 3);
  return bitmap;
}

}  // namespace toolkit
