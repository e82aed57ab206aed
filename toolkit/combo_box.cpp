#include "combo_box.h"

#include "form.h"

#include <message_queue.h>

#include <algorithm>
#include <cassert>

namespace toolkit {

namespace {

platform::Rect ToPlatform(const Rect& r) { return platform::Rect{r.Left, r.Top, r.Right, r.Bottom}; }

constexpr Rgb kField{255, 255, 255};
constexpr Rgb kListBorder{100, 100, 100};

// A small filled triangle pointing down, centred in `box`.
void DownArrow(PaintCanvas& canvas, const Rect& box, Rgb colour) {
  int cx = box.Left + box.Width() / 2, cy = box.Top + box.Height() / 2 - 1;
  for (int row = 0; row < 4; ++row) canvas.FillRect(Rect{cx - 3 + row, cy + row, cx + 4 - row, cy + row + 1}, colour);
}

}  // namespace

// ---- The drop-down list ----

// List is the drop-down window of one combo. It lives as long as the combo; its window
// exists only while the list is open. It holds the pointer capture while open, so a press
// anywhere is its own to judge.
class TComboBox::List : public platform::WindowHandler {
 public:
  explicit List(TComboBox& combo) : combo_(combo) {}
  ~List() override { Close(false); }

  bool IsOpen() const { return window_ != 0; }
  platform::WindowId Window() const { return window_; }

  void Open() {
    if (window_) return;
    TForm* form = combo_.Form();
    if (!form || !platform::IsShowing(form->Window())) return;
    int count = static_cast<int>(combo_.items_.size());
    rows_ = std::clamp(combo_.DropDownCount, 1, std::max(count, 1));
    int height = rows_ * combo_.ItemHeight + 2;
    Rect box = combo_.FormRect();
    int x = box.Left, below = box.Bottom, above = box.Top;
    platform::ClientToScreen(form->Window(), x, below);
    int ignored = box.Left;
    platform::ClientToScreen(form->Window(), ignored, above);
    int y = below;
    if (below + height > platform::Screen().Height && above - height >= 0) y = above - height;
    hot_ = std::clamp(combo_.itemIndex_, 0, count - 1);
    top_ = std::clamp(hot_ - rows_ + 1, 0, State().MaxTop());
    platform::WindowParams params;
    params.Name = combo_.Name + "List";
    params.Class = "TComboList";
    params.Bounds = platform::Rect::Sized(x, y, combo_.Width(), height);
    params.StayOnTop = true;
    params.Handler = this;
    window_ = platform::CreateWindow(params);
    platform::SetVisible(window_, true);
    platform::SetCapture(window_);
  }

  // Destroys the window; gives the activation back to the combo's form when the list had it.
  void Close(bool reactivate) {
    if (!window_) return;
    platform::WindowId window = window_;
    bool wasActive = platform::ActiveWindow() == window;
    window_ = 0;
    dragging_ = false;
    platform::DestroyWindow(window);
    TForm* form = combo_.Form();
    if (reactivate && wasActive && form && platform::IsShowing(form->Window())) platform::ActivateWindow(form->Window());
    combo_.Invalidate();
  }

  void Paint(const platform::DrawContext& context) override {
    if (context.Empty()) return;
    platform::Rect bounds = platform::Bounds(window_);
    if (buffer_.Width() != bounds.Width() || buffer_.Height() != bounds.Height())
      buffer_.SetSize(bounds.Width(), bounds.Height());
    platform::Rect clip = context.ClipInWindow();
    PaintCanvas canvas(buffer_, 0, 0, Rect{clip.Left, clip.Top, clip.Right, clip.Bottom});
    canvas.Font() = combo_.Font;
    Rect all{0, 0, buffer_.Width(), buffer_.Height()};
    canvas.FillRect(all, kField);
    canvas.Bevel(all, kListBorder, kListBorder);
    int count = static_cast<int>(combo_.items_.size());
    for (int index = top_; index < std::min(count, top_ + rows_); ++index) {
      Rect item = ItemRect(index);
      PaintCanvas itemCanvas = ItemCanvas(canvas, item);
      bool selected = index == hot_;
      if (combo_.OnDrawItem) combo_.OnDrawItem(combo_, itemCanvas, index, item, selected);
      else DrawListItem(itemCanvas, item, combo_.items_[index], selected, kField);
    }
    if (State().Needed()) PaintScrollBar(canvas, BarRect(), State());
    context.CopyRows(0, 0, buffer_.Row(0), buffer_.Stride(), buffer_.Width(), buffer_.Height());
  }

  void Pointer(const platform::PointerEvent& event) override {
    using platform::PointerAction;
    platform::Rect bounds = platform::Bounds(window_);
    bool inside = event.X >= 0 && event.Y >= 0 && event.X < bounds.Width() && event.Y < bounds.Height();
    Rect bar = BarRect();
    switch (event.Action) {
      case PointerAction::Down:
      case PointerAction::DoubleClick:
        if (!inside) return Close(true);
        if (State().Needed() && bar.Contains(event.X, event.Y)) {
          Rect thumb = ScrollThumb(bar, State());
          if (thumb.Contains(event.X, event.Y)) {
            dragging_ = true;
            grab_ = event.Y - thumb.Top;
          } else {
            ScrollTo(top_ + (event.Y < thumb.Top ? -rows_ : rows_));
          }
          return;
        }
        Hover(event.X, event.Y);
        return;
      case PointerAction::Move:
        if (dragging_) return ScrollTo(TopForThumb(bar, State(), event.Y - grab_));
        Hover(event.X, event.Y);
        return;
      case PointerAction::Up: {
        if (dragging_) {
          dragging_ = false;
          return;
        }
        int index = IndexAt(event.X, event.Y);
        if (!inside || index < 0) return;
        // The combo's handlers may do anything, so the list is done with before they run.
        TComboBox& combo = combo_;
        Close(true);
        combo.Choose(index);
        return;
      }
      default:
        return;
    }
  }

  bool Key(const platform::KeyEvent& event) override {
    namespace keys = platform::keys;
    if (event.Action != platform::KeyAction::Down) return true;  // the list swallows every key
    int count = static_cast<int>(combo_.items_.size());
    switch (event.Key) {
      case keys::Up: MoveHot(hot_ - 1); break;
      case keys::Down: MoveHot(hot_ + 1); break;
      case keys::PageUp: MoveHot(hot_ - rows_); break;
      case keys::PageDown: MoveHot(hot_ + rows_); break;
      case keys::Home: MoveHot(0); break;
      case keys::End: MoveHot(count - 1); break;
      case keys::Return: FinishLater(hot_); break;
      case keys::Escape:
      case keys::Tab: FinishLater(-1); break;
      default:
        break;
    }
    return true;
  }

  // Another window became active, or the capture went elsewhere (a modal show): the list
  // closes, from the queue, since both come in the middle of the window system's own work.
  void Activation(bool active) override {
    if (!active) CloseLater();
  }
  void CaptureLost() override { CloseLater(); }

  void Destroyed(platform::WindowId window) override {
    if (window != window_) return;
    window_ = 0;
    dragging_ = false;
  }

  void ListElements(std::vector<platform::ElementInfo>& elements) const override {
    int count = static_cast<int>(combo_.items_.size());
    for (int index = top_; index < std::min(count, top_ + rows_); ++index) {
      elements.push_back(platform::ElementInfo{combo_.Name + "Item" + std::to_string(index), combo_.items_[index],
                                               "TComboItem", ToPlatform(ItemRect(index)), true, true});
    }
  }

 private:
  ScrollState State() const {
    return ScrollState{top_, rows_, static_cast<int>(combo_.items_.size())};
  }
  Rect BarRect() const {
    int width = buffer_.Width() > 0 ? buffer_.Width() : combo_.Width();
    return Rect{width - 1 - kScrollBarWidth, 1, width - 1, 1 + rows_ * combo_.ItemHeight};
  }
  Rect ItemRect(int index) const {
    int right = combo_.Width() - 1 - (State().Needed() ? kScrollBarWidth : 0);
    return Rect::Sized(1, 1 + (index - top_) * combo_.ItemHeight, right - 1, combo_.ItemHeight);
  }
  int IndexAt(int x, int y) const {
    if (x < 1 || (State().Needed() && x >= BarRect().Left) || y < 1) return -1;
    int index = top_ + (y - 1) / std::max(combo_.ItemHeight, 1);
    return index < std::min(static_cast<int>(combo_.items_.size()), top_ + rows_) ? index : -1;
  }
  void Hover(int x, int y) {
    int index = IndexAt(x, y);
    if (index < 0 || index == hot_) return;
    hot_ = index;
    platform::Invalidate(window_);
  }
  void MoveHot(int index) {
    int count = static_cast<int>(combo_.items_.size());
    if (count == 0) return;
    hot_ = std::clamp(index, 0, count - 1);
    if (hot_ < top_) top_ = hot_;
    if (hot_ >= top_ + rows_) top_ = hot_ - rows_ + 1;
    platform::Invalidate(window_);
  }
  void ScrollTo(int top) {
    top = std::clamp(top, 0, State().MaxTop());
    if (top == top_) return;
    top_ = top;
    platform::Invalidate(window_);
  }
  // Return and Escape take effect from the queue, after the character and the release their
  // stroke brings, which the open list swallows; done at once, the form beneath would get
  // the character and take Escape as cancelling the dialog.
  void FinishLater(int index) {
    platform::Post([this, index] {
      TComboBox& combo = combo_;
      Close(true);
      if (index >= 0 && index < static_cast<int>(combo.items_.size())) combo.Choose(index);
    }, window_);
  }
  void CloseLater() {
    if (!window_) return;
    // Posted with the window as owner: dropped if the list (and so the combo) is gone first.
    platform::Post([this] { Close(true); }, window_);
  }

  TComboBox& combo_;
  platform::WindowId window_ = 0;
  int rows_ = 1;
  int top_ = 0;
  int hot_ = -1;
  bool dragging_ = false;
  int grab_ = 0;
  Bitmap buffer_;
};

// ---- TComboBox ----

TComboBox::TComboBox(TControl* parent, std::string name)
    : TControl(parent, std::move(name)), list_(std::make_unique<List>(*this)) {}

TComboBox::~TComboBox() = default;

void TComboBox::SetItems(std::vector<std::string> items) {
  list_->Close(false);
  items_ = std::move(items);
  if (itemIndex_ >= static_cast<int>(items_.size())) itemIndex_ = -1;
  SetCaption(itemIndex_ >= 0 ? items_[itemIndex_] : std::string_view{});
}

void TComboBox::AddItem(std::string item) {
  list_->Close(false);
  items_.push_back(std::move(item));
}

void TComboBox::ClearItems() { SetItems({}); }

void TComboBox::SetItemIndex(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size())) index = -1;
  itemIndex_ = index;
  SetCaption(index >= 0 ? items_[index] : std::string_view{});
}

void TComboBox::SetText(std::string_view text) {
  auto found = std::find(items_.begin(), items_.end(), text);
  itemIndex_ = found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
  SetCaption(text);
}

void TComboBox::SetDroppedDown(bool dropped) {
  if (!dropped) return list_->Close(true);
  if (items_.empty() || !Showing() || !EnabledInForm()) return;
  list_->Open();
  Invalidate();
}

bool TComboBox::DroppedDown() const { return list_->IsOpen(); }

platform::WindowId TComboBox::ListWindow() const { return list_->Window(); }

void TComboBox::Choose(int index) {
  assert(index >= 0 && index < static_cast<int>(items_.size()));
  bool changed = index != itemIndex_;
  SetItemIndex(index);
  if (changed && OnChange) OnChange(*this);
  Click();
}

void TComboBox::SetEnabled(bool enabled) {
  if (!enabled) list_->Close(true);
  TControl::SetEnabled(enabled);
}

void TComboBox::FocusChanged(bool focused) {
  focused_ = focused;
  Invalidate();
}

void TComboBox::MouseDown(MouseButton button, int x, int y) {
  TControl::MouseDown(button, x, y);
  // While the list is open the press went to the list, so a press here always opens it.
  if (button == MouseButton::Left) SetDroppedDown(true);
}

bool TComboBox::KeyDown(int key, std::uint8_t modifiers) {
  namespace keys = platform::keys;
  int count = static_cast<int>(items_.size());
  if (count == 0) return false;
  if (key == keys::Down && (modifiers & platform::ModAlt)) {
    SetDroppedDown(true);
    return true;
  }
  int index = itemIndex_;
  if (key == keys::Up) index = std::max(itemIndex_ - 1, 0);
  else if (key == keys::Down) index = std::min(itemIndex_ + 1, count - 1);
  else if (key == keys::Home) index = 0;
  else if (key == keys::End) index = count - 1;
  else return false;
  if (index != itemIndex_) Choose(index);
  return true;
}

Rect TComboBox::ButtonRect() const {
  int side = std::clamp(Height() - 4, 0, 17);
  return Rect{Width() - 2 - side, 2, Width() - 2, Height() - 2};
}

void TComboBox::Paint(PaintCanvas& canvas) {
  Rect all = ClientRect();
  bool enabled = EnabledInForm();
  canvas.FillRect(all, enabled ? kField : Color);
  canvas.Bevel(all, Rgb{128, 128, 128}, Rgb{255, 255, 255});
  canvas.Bevel(Rect{1, 1, all.Right - 1, all.Bottom - 1}, Rgb{64, 64, 64}, Rgb{212, 208, 200});
  Rect button = ButtonRect();
  bool down = DroppedDown();
  canvas.FillRect(button, Rgb{236, 236, 236});
  if (down) canvas.Bevel(button, Rgb{128, 128, 128}, Rgb{128, 128, 128});
  else canvas.Bevel(button, Rgb{255, 255, 255}, Rgb{128, 128, 128});
  DownArrow(canvas, down ? button.Offset(1, 1) : button, enabled ? Rgb{0, 0, 0} : Rgb{160, 160, 160});
  Rect text{3, 3, button.Left - 1, Height() - 3};
  PaintCanvas textCanvas = ItemCanvas(canvas, text);
  textCanvas.Font().Colour = enabled ? Font.Colour : Rgb{128, 128, 128};
  if (focused_ && !down && enabled) {
    textCanvas.FillRect(text, kHighlight);
    textCanvas.Font().Colour = kHighlightText;
  }
  textCanvas.TextOut(text.Left + 1, (Height() - textCanvas.TextHeight()) / 2, Caption());
}

}  // namespace toolkit
