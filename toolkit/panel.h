// Panels, labels, paint boxes and images: the plain controls of a form.
#pragma once

#include "control.h"

#include <functional>

namespace toolkit {

// ---- Panels ----

enum class BevelKind : std::uint8_t { None, Raised, Lowered };

// TPanel holds other controls over a plain area of its colour, with an optional one-pixel
// bevel; a ParentBackground panel paints nothing, so what lies beneath shows.
class TPanel : public TControl {
 public:
  using TControl::TControl;
  std::string ClassName() const override { return "TPanel"; }
  void Paint(PaintCanvas& canvas) override;

  BevelKind BevelOuter = BevelKind::None;
  bool ParentBackground = false;
};

// ---- Labels ----

enum class Alignment : std::uint8_t { Left, Center, Right };

// TLabel writes its caption in its font colour on a transparent background (unless
// Transparent is off), aligned and optionally word-wrapped at spaces to its width; "\r\n"
// and "\n" break lines. Labels take no pointer input of their own except clicks.
class TLabel : public TControl {
 public:
  using TControl::TControl;
  std::string ClassName() const override { return "TLabel"; }
  void Paint(PaintCanvas& canvas) override;
  // The lines the caption is written in at the label's width.
  std::vector<std::string> Lines(const PaintCanvas& canvas) const;

  Alignment TextAlign = Alignment::Left;
  bool WordWrap = false;
  bool Transparent = true;
  bool CenterVertically = false;

 protected:
  // Writes one line; TLabelEffect adds its highlight and shadow.
  virtual void WriteLine(PaintCanvas& canvas, int x, int y, const std::string& line);
};

// TLabelEffect is a label with engraved 3D text: the text is written over a highlight one
// pixel up and left and a shadow one pixel down and right, in colours the skin sets.
class TLabelEffect : public TLabel {
 public:
  using TLabel::TLabel;
  std::string ClassName() const override { return "TLabelEffect"; }

  Rgb HighlightColor{255, 255, 255};
  Rgb ShadowColor{128, 128, 128};
  int EffectDepth = 1;

 protected:
  void WriteLine(PaintCanvas& canvas, int x, int y, const std::string& line) override;
};

// ---- Paint boxes and images ----

// TPaintBox is an area the form draws on itself through OnPaint.
class TPaintBox : public TControl {
 public:
  using TControl::TControl;
  std::string ClassName() const override { return "TPaintBox"; }
  void Paint(PaintCanvas& canvas) override {
    if (OnPaint) OnPaint(*this, canvas);
  }
  std::function<void(TPaintBox&, PaintCanvas&)> OnPaint;
};

// TImage shows a picture it owns, at its top-left corner, centred, or stretched over it.
class TImage : public TControl {
 public:
  using TControl::TControl;
  std::string ClassName() const override { return "TImage"; }
  void Paint(PaintCanvas& canvas) override;

  Bitmap Picture;
  bool Stretch = false;
  bool Center = false;
};

}  // namespace toolkit
