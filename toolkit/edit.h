// Text lines and memos.
#pragma once

#include "control.h"

#include <functional>
#include <utility>

namespace toolkit {

// ---- Edits ----

// TEdit holds one line of text the user types into while it has the focus: printable
// characters are inserted at the caret (replacing the selection), Back and Delete remove the
// selection or the character before or after the caret, Left, Right, Home and End move the
// caret, and with Shift they extend the selection; Ctrl+A selects everything. A press places
// the caret, dragging selects, a double click selects the word. A subclass limits what may
// be typed through Accepts. Multiline edits (memos) also break lines at Return. The text is
// the control's caption; the selection runs between the anchor and the caret.
class TEdit : public TControl {
 public:
  using TControl::TControl;
  std::string ClassName() const override { return "TEdit"; }
  void Paint(PaintCanvas& canvas) override;
  bool KeyPress(char& key) override;
  bool KeyDown(int key, std::uint8_t modifiers) override;
  void MouseDown(MouseButton button, int x, int y) override;
  void MouseMove(int x, int y) override;
  void MouseUp(MouseButton button, int x, int y) override;
  void DblClick(int x, int y) override;
  bool CanFocus() const override { return true; }
  void FocusChanged(bool focused) override;

  const std::string& Text() const { return Caption(); }
  void SetText(std::string_view text);
  bool Focused() const { return focused_; }

  // ---- Selection ----
  std::size_t SelStart() const { return std::min(anchor_, caret_); }
  std::size_t SelLength() const { return anchor_ > caret_ ? anchor_ - caret_ : caret_ - anchor_; }
  std::string SelText() const { return Text().substr(SelStart(), SelLength()); }
  std::size_t CaretPosition() const { return caret_; }
  // Selects `length` bytes from `start` (cut to the text); the caret ends the selection.
  void SetSelection(std::size_t start, std::size_t length);
  void SelectAll() { SetSelection(0, Text().size()); }

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
  // The selected text's colour and the colour behind it.
  virtual std::pair<Rgb, Rgb> SelectionColours() const { return {Rgb{255, 255, 255}, Rgb{10, 36, 106}}; }

  std::size_t caret_ = 0;
  std::size_t anchor_ = 0;
  bool focused_ = false;

 private:
  // Where a line starts: the text's first line starts at the top (memo) or is centred.
  int FirstLineY(int lineHeight) const { return Multiline ? 2 : (Height() - lineHeight) / 2; }
  // The text position nearest to a point of the control.
  std::size_t PositionAt(int x, int y) const;
  // Replaces the selection with `insert`, leaving the caret after it.
  void ReplaceSelection(std::string_view insert);
  void MoveCaret(std::size_t position, bool extend);

  bool selecting_ = false;  // a press is being dragged
};

}  // namespace toolkit
