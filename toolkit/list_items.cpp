#include "list_items.h"

#include "rounding.h"

#include <algorithm>

namespace toolkit {

void DrawListItem(PaintCanvas& canvas, const Rect& item, const std::string& text, bool selected, Rgb background) {
  canvas.FillRect(item, selected ? kHighlight : background);
  if (selected) canvas.Font().Colour = kHighlightText;
  canvas.TextOut(item.Left + 2, item.Top + (item.Height() - canvas.TextHeight()) / 2, text);
}

PaintCanvas ItemCanvas(PaintCanvas& canvas, const Rect& item) {
  Rect clip = canvas.ClipRect().Intersect(item).Offset(canvas.OriginX(), canvas.OriginY());
  PaintCanvas result(canvas.Target(), canvas.OriginX(), canvas.OriginY(), clip);
  result.Font() = canvas.Font();
  return result;
}

Rect ScrollThumb(const Rect& bar, const ScrollState& state) {
  if (!state.Needed()) return bar;
  int height = std::clamp(bar.Height() * state.visible / state.count, std::min(kMinThumb, bar.Height()), bar.Height());
  int travel = bar.Height() - height;
  int top = bar.Top + travel * std::clamp(state.top, 0, state.MaxTop()) / state.MaxTop();
  return Rect{bar.Left, top, bar.Right, top + height};
}

int TopForThumb(const Rect& bar, const ScrollState& state, int thumbTop) {
  Rect thumb = ScrollThumb(bar, state);
  int travel = bar.Height() - thumb.Height();
  if (travel <= 0) return 0;
  double share = static_cast<double>(thumbTop - bar.Top) / travel;
  return std::clamp(Rounded(share * state.MaxTop()), 0, state.MaxTop());
}

void PaintScrollBar(PaintCanvas& canvas, const Rect& bar, const ScrollState& state) {
  canvas.FillRect(bar, Rgb{226, 226, 226});
  canvas.FillRect(Rect{bar.Left, bar.Top, bar.Left + 1, bar.Bottom}, Rgb{200, 200, 200});
  if (!state.Needed()) return;
  Rect thumb = ScrollThumb(bar, state);
  thumb = Rect{thumb.Left + 2, thumb.Top + 1, thumb.Right - 1, thumb.Bottom - 1};
  canvas.FillRect(thumb, Rgb{176, 176, 176});
  canvas.Bevel(thumb, Rgb{208, 208, 208}, Rgb{120, 120, 120});
}

}  // namespace toolkit
