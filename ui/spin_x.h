// The skinned numeric edit with its two arrow buttons.
#pragma once

#include "edit_x.h"

#include <timer.h>

namespace ui {

// ---- Spin buttons ----

// TSpinButtonX is the pair of small arrow buttons of a spin edit, the up arrow in its top
// half and the down arrow in its bottom half, over the IBack texture with a raised edge
// while not pressed. Holding one steps again after 400 ms and then every 100 ms.
class TSpinButtonX : public toolkit::TControl {
 public:
  TSpinButtonX(toolkit::TControl* parent, std::string name = {});
  std::string ClassName() const override { return "TSpinButtonX"; }
  void Paint(toolkit::PaintCanvas& canvas) override;
  void MouseDown(toolkit::MouseButton button, int x, int y) override;
  void MouseUp(toolkit::MouseButton button, int x, int y) override;

  // +1 for the up arrow, -1 for the down arrow.
  std::function<void(int)> OnStep;

 private:
  void PaintArrow(toolkit::PaintCanvas& canvas, const toolkit::Rect& half, bool up, bool pressed);

  int pressedDirection_ = 0;
  toolkit::TTimer repeat_;
};

// ---- Spin edits ----

// TSpinEditX is a transparent numeric edit: only digits, "+", "-" and the decimal
// separator may be typed, Up and Down step the value, and Value reads the text as a whole
// number (MinValue when it is none). A value written is held within MinValue..MaxValue
// unless the two are equal.
class TSpinEditX : public TEditX {
 public:
  TSpinEditX(toolkit::TControl* parent, std::string name = {});
  std::string ClassName() const override { return "TSpinEditX"; }
  void SetBounds(int left, int top, int width, int height) override;
  bool KeyDown(int key, std::uint8_t modifiers) override;

  int Value() const;
  void SetValue(int value);

  int MinValue = 0;
  int MaxValue = 0;
  int Increment = 1;
  TSpinButtonX* Button;

 protected:
  bool Accepts(char key) const override;
};

}  // namespace ui
