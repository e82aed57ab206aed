// Combo boxes: a field showing the chosen item and a list that drops down to choose another.
#pragma once

#include "list_items.h"

#include <window_system.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace toolkit {

// ---- Combo boxes ----

// TComboBox shows its text in a field with an arrow button; a press on it, or Alt+Down,
// drops down the list of items: a window of its own, kept on top of every other, that lies
// below the field (above it when the screen ends first) and shows up to DropDownCount items
// with a thin scroll bar when there are more. The list takes the keys while it is open
// (Up, Down, PageUp, PageDown, Home and End move the highlight, Return chooses, Escape
// closes) and the pointer (the item under it is highlighted and a release on it chooses it;
// a press anywhere outside the list closes it, and so does another window becoming active).
// Its items are reported to the element tree as "TComboItem" elements named after the
// combo and their index ("ComboBoardItem2"), so a test can click one. With the list closed,
// Up and Down (and Home and End) step the choice. A choice by the user sets ItemIndex and
// the text, calls OnChange when the index changed, then OnClick. Setting the items, the
// index or the text from code calls neither. OnDrawItem, when set, draws the list's items.
class TComboBox : public TControl {
 public:
  TComboBox(TControl* parent, std::string name = {});
  ~TComboBox() override;
  std::string ClassName() const override { return "TComboBox"; }
  void Paint(PaintCanvas& canvas) override;
  void MouseDown(MouseButton button, int x, int y) override;
  bool KeyDown(int key, std::uint8_t modifiers) override;
  bool CanFocus() const override { return true; }
  void FocusChanged(bool focused) override;
  void SetEnabled(bool enabled) override;

  // ---- Items ----
  const std::vector<std::string>& Items() const { return items_; }
  // Replaces the items; the index is kept when it still names an item, else it is -1.
  void SetItems(std::vector<std::string> items);
  void AddItem(std::string item);
  void ClearItems();

  // ---- The choice ----
  int ItemIndex() const { return itemIndex_; }
  // -1 (or any index that names no item) empties the text.
  void SetItemIndex(int index);
  const std::string& Text() const { return Caption(); }
  // The index follows: the first item with that text, else -1.
  void SetText(std::string_view text);

  // ---- The list ----
  // Opening does nothing when there are no items or the combo is not showing and enabled.
  void SetDroppedDown(bool dropped);
  bool DroppedDown() const;
  // The list's window (0 while closed), for tests and screenshots.
  platform::WindowId ListWindow() const;

  int DropDownCount = 8;
  int ItemHeight = 16;

  // ---- Events ----
  std::function<void(TComboBox&)> OnChange;
  // Draws item `index` of the open list on `canvas` (list coordinates, clipped to `rect`).
  std::function<void(TComboBox&, PaintCanvas& canvas, int index, const Rect& rect, bool selected)> OnDrawItem;

 private:
  class List;
  friend class List;
  // A choice from the open list or the keys: the index, the text, then the events.
  void Choose(int index);
  Rect ButtonRect() const;

  std::vector<std::string> items_;
  int itemIndex_ = -1;
  bool focused_ = false;
  std::unique_ptr<List> list_;
};

}  // namespace toolkit
