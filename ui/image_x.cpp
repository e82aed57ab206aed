#include "image_x.h"

#include <bmp_file.h>
#include <jpeg_file.h>

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <string>
#include <vector>

namespace ui {
namespace {

using toolkit::Bitmap;
using toolkit::PixelFormat;

bool NamesJpeg(std::string_view fileName) {
  std::string upper(fileName);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  }
  return upper.find(".JPG") != std::string::npos;
}

// The inclusive source span [first, last] of every result column or row.
struct Span {
  int first;
  int last;
};

std::vector<Span> Spans(int resultSize, double ratio, int sourceSize) {
  std::vector<Span> spans(static_cast<std::size_t>(resultSize));
  for (int i = 0; i < resultSize; ++i) {
    int first = Rounded(i * ratio);
    int last = Rounded((i + 1) * ratio);
    if (last >= sourceSize) last = sourceSize - 1;
    spans[static_cast<std::size_t>(i)] = Span{first, last};
  }
  return spans;
}

// The box filter proper: every result pixel is the truncated average of its inclusive box.
void Resample(const Bitmap& source, Bitmap& result, double ratio) {
  std::vector<Span> columns = Spans(result.Width(), ratio, source.Width());
  std::vector<Span> rows = Spans(result.Height(), ratio, source.Height());
  std::vector<std::uint64_t> sums(3 * static_cast<std::size_t>(result.Width()));
  for (int y = 0; y < result.Height(); ++y) {
    std::uint8_t* out = result.Row(y);
    Span rowSpan = rows[static_cast<std::size_t>(y)];
    if (rowSpan.first > rowSpan.last) {
      std::fill(out, out + 3 * static_cast<std::size_t>(result.Width()), std::uint8_t{0});
      continue;
    }
    for (int x = 0; x < result.Width(); ++x) {
      Span columnSpan = columns[static_cast<std::size_t>(x)];
      std::uint8_t* pixel = out + 3 * x;
      if (columnSpan.first > columnSpan.last) {
        pixel[0] = pixel[1] = pixel[2] = 0;
        continue;
      }
      std::uint64_t blue = 0, green = 0, red = 0;
      for (int sy = rowSpan.first; sy <= rowSpan.last; ++sy) {
        const std::uint8_t* p = source.Row(sy) + 3 * columnSpan.first;
        for (int sx = columnSpan.first; sx <= columnSpan.last; ++sx, p += 3) {
          blue += p[0];
          green += p[1];
          red += p[2];
        }
      }
      std::uint64_t count = static_cast<std::uint64_t>(columnSpan.last - columnSpan.first + 1) *
                            static_cast<std::uint64_t>(rowSpan.last - rowSpan.first + 1);
      pixel[0] = static_cast<std::uint8_t>(blue / count);
      pixel[1] = static_cast<std::uint8_t>(green / count);
      pixel[2] = static_cast<std::uint8_t>(red / count);
    }
  }
}

}  // namespace

void ScaleBitmap(Bitmap& source, Bitmap& target, int targetWidth, int targetHeight) {
  bool indexed = source.Format() == PixelFormat::Indexed8;
  std::vector<toolkit::Rgb> palette = source.Palette();
  source.SetFormat(PixelFormat::Bgr24);

  int width = 0, height = 0;
  double ratio = 0;
  bool wanted = targetHeight != 0 ? targetHeight > 0 : targetWidth > 0;
  if (wanted && !source.Empty()) {
    if (targetHeight != 0) {
      ratio = static_cast<double>(source.Height() - 1) / targetHeight;
      height = targetHeight;
    } else {
      ratio = static_cast<double>(source.Width() - 1) / targetWidth;
      width = targetWidth;
    }
    // A one-pixel side gives no ratio: there is no sensible size for the other side.
    if (ratio <= 0) throw PictureError("picture too small to scale");
    double follows = (targetHeight != 0 ? source.Width() : source.Height()) / ratio;
    if (follows * (targetHeight != 0 ? height : width) > static_cast<double>(Bitmap::kMaxPixels)) {
      throw PictureError("scaled picture too large");
    }
    (targetHeight != 0 ? width : height) = Rounded(follows);
  }

  Bitmap result(width, height, PixelFormat::Bgr24);
  if (!result.Empty()) Resample(source, result, ratio);
  if (indexed) {
    // The toolkit maps the averaged colours onto the source's palette.
    target = Bitmap(0, 0, PixelFormat::Indexed8);
    target.SetPalette(palette);
    target.SetSize(width, height);
    toolkit::Canvas(target).Draw(0, 0, result);
  } else {
    target = std::move(result);
  }
}

void LoadScaled(std::string_view fileName, Bitmap& target, int targetWidth, bool cropCentre) {
  Bitmap work = NamesJpeg(fileName) ? toolkit::LoadJpegFile(fileName) : toolkit::LoadBmpFile(fileName);
  if (cropCentre) {
    int side = Rounded(work.Width() / 10.0 * 8);
    int offset = side / 8;
    toolkit::Canvas(work).CopyRect(toolkit::Rect::Sized(0, 0, side, side), work,
                                   toolkit::Rect::Sized(offset, offset, side, side));
    work.SetWidth(side);
    work.SetHeight(side);
    targetWidth = static_cast<int>(static_cast<std::int64_t>(targetWidth) * 8 / 10);
  }
  ScaleBitmap(work, target, targetWidth, 0);
}

void DrawMasked(int x, int y, Bitmap& picture, int maxColumns, double opacity, toolkit::Canvas& canvas) {
  int w = picture.Width() / 2;
  int h = picture.Height();
  if (w == 0 || h == 0) return;
  picture.SetFormat(PixelFormat::Bgr24);

  // Weight of every mask byte, 0..256.
  int weights[256];
  for (int m = 0; m < 256; ++m) {
    if (opacity == 1.0) {
      weights[m] = 256 - m;
    } else {
      weights[m] = m == 255 ? 0 : std::clamp(Rounded(opacity * (256 - m)), 0, 256);
    }
  }

  Bitmap& surface = canvas.Target();
  int columns = std::min(maxColumns, w);
  toolkit::Rect blended = toolkit::Rect::Sized(x, y, std::max(columns, 0), h).Intersect(canvas.Bounds());
  if (blended.Empty()) return;
  if (surface.Format() != PixelFormat::Bgr24) {
    // An 8-bit surface: blend on a 24-bit copy of the background and draw it back.
    Bitmap work(blended.Width(), blended.Height());
    toolkit::Canvas(work).CopyRect(toolkit::Rect{0, 0, work.Width(), work.Height()}, surface, blended);
    toolkit::Canvas workCanvas(work);
    DrawMasked(x - blended.Left, y - blended.Top, picture, maxColumns, opacity, workCanvas);
    canvas.Draw(blended.Left, blended.Top, work);
    return;
  }
  for (int row = blended.Top; row < blended.Bottom; ++row) {
    const std::uint8_t* source = picture.Row(row - y);
    std::uint8_t* out = surface.Row(row) + 3 * blended.Left;
    const std::uint8_t* colour = source + 3 * (blended.Left - x);
    const std::uint8_t* mask = source + 3 * (blended.Left - x + w);
    for (int column = blended.Left; column < blended.Right; ++column, out += 3, colour += 3, mask += 3) {
      int e = weights[mask[0]];
      int rest = 256 - e;
      out[0] = static_cast<std::uint8_t>((e * colour[0] + rest * out[0]) >> 8);
      out[1] = static_cast<std::uint8_t>((e * colour[1] + rest * out[1]) >> 8);
      out[2] = static_cast<std::uint8_t>((e * colour[2] + rest * out[2]) >> 8);
    }
  }
}

void Rotate180(Bitmap& bitmap) {
  bitmap.SetFormat(PixelFormat::Bgr24);
  int width = bitmap.Width(), height = bitmap.Height();
  for (int top = 0, bottom = height - 1; top <= bottom; ++top, --bottom) {
    std::uint8_t* a = bitmap.Row(top);
    std::uint8_t* b = bitmap.Row(bottom);
    // Pixel (x, top) swaps with (width - 1 - x, bottom); on the middle row only half of it.
    int count = top == bottom ? width / 2 : width;
    for (int x = 0; x < count; ++x) {
      std::uint8_t* p = a + 3 * x;
      std::uint8_t* q = b + 3 * (width - 1 - x);
      std::swap(p[0], q[0]);
      std::swap(p[1], q[1]);
      std::swap(p[2], q[2]);
    }
  }
}

}  // namespace ui
