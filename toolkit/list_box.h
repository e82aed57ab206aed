// List boxes: a column of items, one of them selected, drawn by the form that owns them.
#pragma once

#include "list_items.h"

#include <functional>
#include <string>
#include <vector>

namespace toolkit {

// ---- List boxes ----

// TListBox shows its items in rows ItemHeight pixels high inside a one-pixel lowered edge,
// from TopIndex on; a thin scroll bar stands at the right while there are more items than
// rows (a press beside its thumb pages, dragging the thumb scrolls). OnDrawItem, when set,
// draws every row shown (the canvas is clipped to the row); without it the text is written
// plainly; the focused list frames its selection with dots. A press on an item selects it and its release clicks (OnClick); a double click
// comes as OnDblClick. With the focus, Up, Down, PageUp, PageDown, Home and End move the
// selection and click, as a choice by the pointer does. A selection is always scrolled into
// view. Setting items, index or top from code clicks nothing.
class TListBox : public TControl {
 public:
  using TControl::TControl;
  std::string ClassName() const override { return "TListBox"; }
  void Paint(PaintCanvas& canvas) override;
  void MouseDown(MouseButton button, int x, int y) override;
  void MouseMove(int x, int y) override;
  void MouseUp(MouseButton button, int x, int y) override;
  void DblClick(int x, int y) override;
  bool KeyDown(int key, std::uint8_t modifiers) override;
  bool CanFocus() const override { return true; }
  void FocusChanged(bool focused) override;
  void SetBounds(int left, int top, int width, int height) override;

  // ---- Items ----
  const std::vector<std::string>& Items() const { return items_; }
  // Replaces the items; the top is kept where it still fits, the index when it names an item.
  void SetItems(std::vector<std::string> items);
  void AddItem(std::string item);
  void ClearItems();

  // ---- Selection and scrolling ----
  int ItemIndex() const { return itemIndex_; }
  // -1 selects nothing; other indexes outside the items are held to them.
  void SetItemIndex(int index);
  int TopIndex() const { return top_; }
  void SetTopIndex(int index);
  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int height);
  // Rows that fit wholly inside the edge.
  int VisibleRows() const;
  // The rectangle row `index` is drawn in (control coordinates); it lies outside the
  // items' area when the item is scrolled out of view.
  Rect ItemRect(int index) const;
  // The item at a point of the control, or -1.
  int ItemAt(int x, int y) const;

  // ---- Events ----
  std::function<void(TListBox&, PaintCanvas& canvas, int index, const Rect& rect, bool selected)> OnDrawItem;

 private:
  ScrollState State() const { return ScrollState{top_, VisibleRows(), static_cast<int>(items_.size())}; }
  Rect ItemsArea() const;
  Rect BarRect() const;
  // Selects and scrolls; true when the selection changed.
  bool Select(int index);

  std::vector<std::string> items_;
  int itemIndex_ = -1;
  int top_ = 0;
  int itemHeight_ = 16;
  bool focused_ = false;
  bool dragging_ = false;
  int grab_ = 0;
};

}  // namespace toolkit
