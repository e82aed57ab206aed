// Text lines and memos.
#pragma once

#include "control.h"

#include <functional>

namespace toolkit {

// ---- Edits ----

// TEdit holds one line of text the user types into while it has the focus: printable
// characters are inserted at the caret, Back removes the one before it, Left, Right, Home
// and End move it. A subclass limits what may be typed through Accepts. Multiline edits
// (memos) also break lines at Return. The text is the control's caption.
class TEdit : public TControl {
 public:
  using TControl::TControl;
  std::string ClassName() const override { return "TEdit"; }
  void Paint(PaintCanvas& canvas) override;
  bool KeyPress(char& key) override;
  bool KeyDown(int key, std::uint8_t modifiers) override;
  bool CanFocus() const override { return true; }
  void FocusChanged(bool focused) override;

  const std::string& Text() const { return Caption(); }
  void SetText(std::string_view text);
  bool Focused() const { return focused_; }

  std::size_t MaxLength = 0;  // 0: no limit
  bool ReadOnly = false;
  bool Multiline = false;
  std::function<void(TEdit&)> OnChange;

 protected:
  // Whether a typed character may enter the text; refusing it consumes it.
  virtual bool Accepts(char key) const { (void)key; return true; }
  // The background: a plain field with a lowered edge unless a subclass draws its own.
  virtual void PaintBackground(PaintCanvas& canvas);
  virtual Rgb TextColour() const { return EnabledInForm() ? Font.Colour : Rgb{128, 128, 128}; }
  std::size_t caret_ = 0;
  bool focused_ = false;
};

}  // namespace toolkit
