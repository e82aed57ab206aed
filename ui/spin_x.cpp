#include "spin_x.h"

#include "skin_store.h"

#include <charconv>

namespace ui {

using toolkit::Rect;

// ---- TSpinButtonX ----

TSpinButtonX::TSpinButtonX(toolkit::TControl* parent, std::string name) : TControl(parent, std::move(name)) {
  repeat_.OnTimer = [this] {
    // The first repeat comes after 400 ms, the others every 100 ms.
    if (repeat_.Interval() != 100) repeat_.SetInterval(100);
    if (pressedDirection_ != 0 && OnStep) OnStep(pressedDirection_);
  };
}

void TSpinButtonX::MouseDown(toolkit::MouseButton button, int x, int y) {
  TControl::MouseDown(button, x, y);
  if (button != toolkit::MouseButton::Left) return;
  pressedDirection_ = y < Height() / 2 ? 1 : -1;
  Invalidate();
  if (OnStep) OnStep(pressedDirection_);
  repeat_.SetOwner(0);
  repeat_.SetInterval(400);
  repeat_.SetEnabled(true);
}

void TSpinButtonX::MouseUp(toolkit::MouseButton button, int x, int y) {
  repeat_.SetEnabled(false);
  pressedDirection_ = 0;
  pressed_ = false;
  Invalidate();
  if (OnMouseUp) OnMouseUp(*this, button, x, y);
}

void TSpinButtonX::PaintArrow(toolkit::PaintCanvas& canvas, const Rect& half, bool up, bool pressed) {
  TFImage* store = SkinStore();
  Rgb arrow = store ? store->Colour(1) : Rgb{0, 0, 0};
  if (store && !store->IBack.Empty()) canvas.Tile(half, store->IBack);
  else canvas.FillRect(half, Rgb{225, 225, 225});
  if (!pressed) {
    Rgb light = store ? store->Colour(kBorder2) : Rgb{255, 255, 255};
    Rgb dark = store ? store->Colour(kBorder1) : Rgb{128, 128, 128};
    canvas.Bevel(half, light, dark);
  }
  int shift = pressed ? 1 : 0;
  int cx = half.Left + half.Width() / 2 + shift;
  int rows = std::max(1, std::min(4, half.Height() / 2 - 1));
  int top = half.Top + (half.Height() - rows) / 2 + shift;
  for (int i = 0; i < rows; ++i) {
    int spread = up ? i : rows - 1 - i;
    canvas.FillRect(Rect{cx - spread, top + i, cx + spread + 1, top + i + 1}, arrow);
  }
}

void TSpinButtonX::Paint(toolkit::PaintCanvas& canvas) {
  int middle = Height() / 2;
  PaintArrow(canvas, Rect{0, 0, Width(), middle}, true, pressedDirection_ == 1);
  PaintArrow(canvas, Rect{0, middle, Width(), Height()}, false, pressedDirection_ == -1);
}

// ---- TSpinEditX ----

TSpinEditX::TSpinEditX(toolkit::TControl* parent, std::string name) : TEditX(parent, std::move(name)) {
  Button = &Add<TSpinButtonX>("SpinButton");
  Button->OnStep = [this](int direction) { SetValue(Value() + direction * Increment); };
}

void TSpinEditX::SetBounds(int left, int top, int width, int height) {
  TEditX::SetBounds(left, top, width, height);
  Button->SetBounds(std::max(0, width - 16), 0, std::min(16, width), height);
}

int TSpinEditX::Value() const {
  const std::string& text = Text();
  const char* begin = text.data();
  const char* end = begin + text.size();
  if (begin != end && *begin == '+') ++begin;
  int value = 0;
  auto [at, error] = std::from_chars(begin, end, value);
  if (error != std::errc() || at != end) return MinValue;
  return value;
}

void TSpinEditX::SetValue(int value) {
  if (MinValue != MaxValue) value = std::clamp(value, MinValue, MaxValue);
  SetText(std::to_string(value));
}

bool TSpinEditX::KeyDown(int key, std::uint8_t modifiers) {
  if (key == platform::keys::Up || key == platform::keys::Down) {
    SetValue(Value() + (key == platform::keys::Up ? Increment : -Increment));
    return true;
  }
  return TEditX::KeyDown(key, modifiers);
}

bool TSpinEditX::Accepts(char key) const {
  return (key >= '0' && key <= '9') || key == '+' || key == '-' || key == '.' || key == ',';
}

}  // namespace ui
