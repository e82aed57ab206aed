// What every list of items shares: the plain look of an item and the thin scroll bar beside
// a list that holds more items than it shows.
#pragma once

#include "control.h"

#include <string>

namespace toolkit {

// ---- Items ----

// The colours of a selected item when nobody draws the items themselves.
inline constexpr Rgb kHighlight{0, 0, 128};
inline constexpr Rgb kHighlightText{255, 255, 255};

// Draws one item plainly: the selected one filled with the highlight colour and written in
// white, another one on `background` in the canvas's font colour; the text 2 pixels in from
// the left, centred in the item's height.
void DrawListItem(PaintCanvas& canvas, const Rect& item, const std::string& text, bool selected, Rgb background);

// A canvas for one item: the same picture and coordinates as `canvas`, clipped to `item`
// as well, so that an owner's drawing cannot spill onto its neighbours.
PaintCanvas ItemCanvas(PaintCanvas& canvas, const Rect& item);

// ---- Scroll bars ----

inline constexpr int kScrollBarWidth = 10;
inline constexpr int kMinThumb = 12;

// ScrollState holds what a scroll bar shows: `count` items of which `visible` are shown
// from `top` on. The bar is needed only when count > visible.
struct ScrollState {
  int top = 0;
  int visible = 0;
  int count = 0;
  bool Needed() const { return count > visible && visible > 0; }
  int MaxTop() const { return count > visible ? count - visible : 0; }
};

// The thumb within `bar`: as high as the shown share of the items (at least kMinThumb),
// and as far down as `top` is towards its largest value.
Rect ScrollThumb(const Rect& bar, const ScrollState& state);
// The top a thumb dragged to `thumbTop` (bar coordinates as `bar`) stands for.
int TopForThumb(const Rect& bar, const ScrollState& state, int thumbTop);
// A groove with a raised thumb.
void PaintScrollBar(PaintCanvas& canvas, const Rect& bar, const ScrollState& state);

}  // namespace toolkit
