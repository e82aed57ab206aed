#include "screenshot.h"

#include <bitmap.h>
#include <compositor.h>
#include <png_file.h>
#include <surface.h>

#include <algorithm>
#include <cstring>

namespace host {
namespace {

// Both keep 24-bit rows in blue, green, red order, so the rows are copied as they are.
toolkit::Bitmap ToBitmap(const platform::Surface& surface) {
  toolkit::Bitmap bitmap(surface.Width(), surface.Height());
  const std::size_t rowBytes = static_cast<std::size_t>(surface.Width()) * 3;
  for (int y = 0; y < surface.Height(); ++y) std::memcpy(bitmap.Row(y), surface.Row(y), rowBytes);
  return bitmap;
}

bool Save(const platform::Surface& surface, const std::string& path) {
  if (surface.Empty()) return false;
  return toolkit::SavePngFile(path, ToBitmap(surface));
}

}  // namespace

bool SaveScreenshot(const std::string& path) {
  platform::Surface picture;
  platform::RenderScreen(picture);
  return Save(picture, path);
}

bool SaveWindowShot(platform::WindowId window, const std::string& path) {
  platform::Surface picture;
  return platform::RenderWindow(window, picture) && Save(picture, path);
}

}  // namespace host
