// Skinned text lines and memos.
#pragma once

#include <edit.h>

namespace ui {

// ---- Skinned edits ----

// TEditX is an edit that, with `Tranparent` set (so spelled in the designs), paints no
// background of its own: its text lies straight on the texture beneath, in palette colour
// 7 (3 when disabled), the selection in palette colour 5 on palette colour 6. SkinForm
// gives it its colour.
class TEditX : public toolkit::TEdit {
 public:
  using TEdit::TEdit;
  std::string ClassName() const override { return "TEditX"; }

  bool Tranparent = true;

 protected:
  void PaintBackground(toolkit::PaintCanvas& canvas) override;
  toolkit::Rgb TextColour() const override;
  std::pair<toolkit::Rgb, toolkit::Rgb> SelectionColours() const override;
};

// TMemoX is the several-line kind of TEditX.
class TMemoX : public TEditX {
 public:
  TMemoX(toolkit::TControl* parent, std::string name = {}) : TEditX(parent, std::move(name)) {
    Multiline = true;
  }
  std::string ClassName() const override { return "TMemoX"; }
};

}  // namespace ui
