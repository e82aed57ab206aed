#include "list_box.h"

#include <window_system.h>

#include <algorithm>
#include <cassert>

namespace toolkit {

namespace {

constexpr Rgb kListBackground{255, 255, 255};

}  // namespace

// ---- Items ----

void TListBox::SetItems(std::vector<std::string> items) {
  items_ = std::move(items);
  if (itemIndex_ >= static_cast<int>(items_.size())) itemIndex_ = -1;
  SetTopIndex(top_);
  Invalidate();
}

void TListBox::AddItem(std::string item) {
  items_.push_back(std::move(item));
  Invalidate();
}

void TListBox::ClearItems() { SetItems({}); }

// ---- Selection and scrolling ----

void TListBox::SetItemIndex(int index) { Select(index); }

bool TListBox::Select(int index) {
  int count = static_cast<int>(items_.size());
  index = index < 0 || count == 0 ? -1 : std::min(index, count - 1);
  bool changed = index != itemIndex_;
  itemIndex_ = index;
  if (index >= 0) {
    int rows = std::max(VisibleRows(), 1);
    if (index < top_) SetTopIndex(index);
    else if (index >= top_ + rows) SetTopIndex(index - rows + 1);
  }
  if (changed) Invalidate();
  return changed;
}

void TListBox::SetTopIndex(int index) {
  index = std::clamp(index, 0, State().MaxTop());
  if (index == top_) return;
  top_ = index;
  Invalidate();
}

void TListBox::SetItemHeight(int height) {
  itemHeight_ = std::max(height, 1);
  SetTopIndex(top_);
  Invalidate();
}

void TListBox::SetBounds(int left, int top, int width, int height) {
  TControl::SetBounds(left, top, width, height);
  top_ = std::clamp(top_, 0, State().MaxTop());
}

int TListBox::VisibleRows() const { return std::max(Height() - 2, 0) / itemHeight_; }

Rect TListBox::ItemsArea() const {
  int right = Width() - 1 - (State().Needed() ? kScrollBarWidth : 0);
  return Rect{1, 1, std::max(right, 1), std::max(Height() - 1, 1)};
}

Rect TListBox::BarRect() const { return Rect{Width() - 1 - kScrollBarWidth, 1, Width() - 1, Height() - 1}; }

Rect TListBox::ItemRect(int index) const {
  Rect area = ItemsArea();
  return Rect::Sized(area.Left, area.Top + (index - top_) * itemHeight_, area.Width(), itemHeight_);
}

int TListBox::ItemAt(int x, int y) const {
  Rect area = ItemsArea();
  if (!area.Contains(x, y)) return -1;
  int index = top_ + (y - area.Top) / itemHeight_;
  return index < static_cast<int>(items_.size()) ? index : -1;
}

// ---- Painting ----

void TListBox::Paint(PaintCanvas& canvas) {
  Rect all = ClientRect();
  Rect area = ItemsArea();
  canvas.FillRect(area, EnabledInForm() ? kListBackground : Color);
  int count = static_cast<int>(items_.size());
  // A row cut by the bottom edge is drawn too, as far as it shows.
  for (int index = top_; index < count && ItemRect(index).Top < area.Bottom; ++index) {
    Rect item = ItemRect(index);
    PaintCanvas itemCanvas = ItemCanvas(canvas, item.Intersect(area));
    itemCanvas.Font().Colour = EnabledInForm() ? Font.Colour : Rgb{128, 128, 128};
    bool selected = index == itemIndex_;
    if (OnDrawItem) OnDrawItem(*this, itemCanvas, index, item, selected);
    else DrawListItem(itemCanvas, item, items_[index], selected, kListBackground);
    if (selected && focused_) {
      // The focus shows as a dotted frame around the selection.
      for (int x = item.Left; x < item.Right; x += 2) {
        itemCanvas.SetPixel(x, item.Top, kHighlightText);
        itemCanvas.SetPixel(x, item.Bottom - 1, kHighlightText);
      }
      for (int y = item.Top; y < item.Bottom; y += 2) {
        itemCanvas.SetPixel(item.Left, y, kHighlightText);
        itemCanvas.SetPixel(item.Right - 1, y, kHighlightText);
      }
    }
  }
  if (State().Needed()) PaintScrollBar(canvas, BarRect(), State());
  canvas.Bevel(all, Rgb{128, 128, 128}, Rgb{255, 255, 255});
}

// ---- Pointer and keys ----

void TListBox::MouseDown(MouseButton button, int x, int y) {
  TControl::MouseDown(button, x, y);
  if (button != MouseButton::Left) return;
  if (State().Needed() && BarRect().Contains(x, y)) {
    pressed_ = false;  // the scroll bar never clicks
    Rect thumb = ScrollThumb(BarRect(), State());
    if (thumb.Contains(x, y)) {
      dragging_ = true;
      grab_ = y - thumb.Top;
    } else {
      SetTopIndex(top_ + (y < thumb.Top ? -VisibleRows() : VisibleRows()));
    }
    return;
  }
  int index = ItemAt(x, y);
  if (index >= 0) Select(index);
}

void TListBox::MouseMove(int x, int y) {
  TControl::MouseMove(x, y);
  if (dragging_) SetTopIndex(TopForThumb(BarRect(), State(), y - grab_));
}

void TListBox::MouseUp(MouseButton button, int x, int y) {
  dragging_ = false;
  TControl::MouseUp(button, x, y);
}

void TListBox::DblClick(int x, int y) {
  if (State().Needed() && BarRect().Contains(x, y)) return;
  TControl::DblClick(x, y);
}

bool TListBox::KeyDown(int key, std::uint8_t) {
  namespace keys = platform::keys;
  int count = static_cast<int>(items_.size());
  int rows = std::max(VisibleRows(), 1);
  int index = itemIndex_;
  switch (key) {
    case keys::Up: index = std::max(itemIndex_ - 1, 0); break;
    case keys::Down: index = itemIndex_ + 1; break;
    case keys::PageUp: index = std::max(itemIndex_ - rows + 1, 0); break;
    case keys::PageDown: index = std::max(itemIndex_, 0) + rows - 1; break;
    case keys::Home: index = 0; break;
    case keys::End: index = count - 1; break;
    default: return false;
  }
  if (count > 0 && Select(index)) Click();
  return true;
}

void TListBox::FocusChanged(bool focused) {
  focused_ = focused;
  Invalidate();
}

}  // namespace toolkit
