// The one crossing between the window system's surfaces and the toolkit's bitmaps.
#pragma once

#include "bitmap.h"

#include <surface.h>

namespace toolkit {

// ---- Conversion ----

// A 24-bit bitmap with the surface's pixels; both keep rows in the same layout, so this is
// a copy row by row.
Bitmap BitmapFromSurface(const platform::Surface& surface);

}  // namespace toolkit
