// Board pictures: loading, resampling, masked blending and turning.
#pragma once

#include <bitmap.h>
#include <canvas.h>
#include <picture_error.h>
#include <rounding.h>

#include <string_view>

namespace ui {

// A missing, truncated or corrupt picture file raises this one error (see LoadScaled).
using toolkit::PictureError;
// Floating point to whole pixels, ties to the even neighbour.
using toolkit::Rounded;

// ---- Loading ----

// Reads a picture file and resamples it into `target` at `targetWidth` pixels wide (the
// height follows the aspect ratio). A file whose upper-cased name contains ".JPG" anywhere
// is decoded as JPEG, any other as a Windows bitmap file. With cropCentre the centre of the
// picture is cut out first (a square of side rounded(W / 10 * 8) whose corner is an eighth
// of that side in from the top-left) and the target width shrinks to 8/10 of the asked one.
// A missing, unreadable, truncated or corrupt file raises PictureError; `target` is then
// left as it was.
void LoadScaled(std::string_view fileName, toolkit::Bitmap& target, int targetWidth, bool cropCentre);

// ---- Resampling ----

// Resamples `source` into `target` by averaging boxes of source pixels, keeping the aspect
// ratio. When targetHeight is not 0 the height is fixed and the width follows; otherwise the
// width is fixed. The ratio counts the source size less one; neighbouring boxes share their
// border row and column; averages truncate; an empty box gives black. An 8-bit source gives
// an 8-bit target with the source's palette. The source becomes 24-bit as a side effect. A
// wanted size of 0 or less, or an empty source, leaves the target empty. A one-pixel source
// (no ratio) or a result beyond Bitmap::kMaxPixels raises PictureError.
void ScaleBitmap(toolkit::Bitmap& source, toolkit::Bitmap& target, int targetWidth, int targetHeight);

// ---- Blending ----

// The full width of a masked picture, for callers that want every column of it.
constexpr int kAllColumns = 100000;

// Blends a masked picture (colours in the left half, mask in the right half, blue byte
// 0 = opaque .. 255 = transparent; an odd last column is ignored) onto the canvas with its
// top-left corner at (x, y). Only the first maxColumns columns of the shape are blended;
// the rest stay as they were. Opacity 1 gives weight 256 - mask (so even mask 255 keeps
// weight 1); any other opacity gives weight 0 for mask 255 and rounded(opacity * (256 -
// mask)) otherwise, held within 0..256. Pixels outside the canvas are never touched. The
// picture becomes 24-bit as a side effect.
void DrawMasked(int x, int y, toolkit::Bitmap& picture, int maxColumns, double opacity, toolkit::Canvas& canvas);

// ---- Turning ----

// Turns the bitmap by half a turn in place, after making it 24-bit.
void Rotate180(toolkit::Bitmap& bitmap);

}  // namespace ui
