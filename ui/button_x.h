// Skinned buttons: push buttons, large and small picture buttons, tabs, toggles and groups,
// drawn from the skin store's pieces over its textures.
#pragma once

#include "skin_store.h"

#include <control.h>

namespace ui {

// ---- Compositing ----

// Lays a skin piece over what the canvas holds at (x, y): fuchsia pixels are transparent;
// with a mask (same size, blue byte 0 = piece, 255 = what lies beneath) the two are mixed.
// On a 256-colour screen the piece is simply drawn over.
void DrawPiece(toolkit::PaintCanvas& canvas, int x, int y, const Bitmap& piece, const Bitmap* mask);
// Blends a layer icon at (x, y): pixels equal to its top-left pixel are transparent, the
// others are mixed as (icon x (255 - alpha) + beneath x alpha) / 256, with half the icon's
// weight when `faded`.
void DrawLayerIcon(toolkit::PaintCanvas& canvas, int x, int y, const Bitmap& icon, int alpha, bool faded);
// A piece fitted to a size: its left and right halves (top and bottom halves) kept, the
// middle column (row) repeated or dropped, so edges and corners stay crisp.
Bitmap FitPiece(const Bitmap& piece, int width, int height);
// The text cut and ended with "..." so that it fits the width.
std::string Shortened(const toolkit::PaintCanvas& canvas, const std::string& text, int width);

// ---- Buttons ----

// TButtonX is the skinned button of every plug-in form. Group > 0 makes it one of a set of
// siblings of which one is selected (tabs, radio groups); Group < -1 makes it a toggle;
// Group -1 is a push button; 0 a plain picture button. ImageType picks the look: 0 large
// button with a layer icon and the caption below, 1 and 3 small button at the left or
// right with the caption beside it, 2 the small marker piece, 4 a tab. BGType picks the
// texture behind it (0 IBack, other IList). With RightClick a right-button release clicks
// too. The pressed look shows while the pointer that went down on it stays on it.
class TButtonX : public toolkit::TControl {
 public:
  using TControl::TControl;
  std::string ClassName() const override { return "TButtonX"; }
  void Paint(toolkit::PaintCanvas& canvas) override;
  void MouseDown(toolkit::MouseButton button, int x, int y) override;
  void MouseMove(int x, int y) override;
  void MouseUp(toolkit::MouseButton button, int x, int y) override;
  void DblClick(int x, int y) override;
  void Click() override;

  void SetSelected(bool selected);
  bool Selected() const { return selected_; }
  void SetBlink(bool blink);
  bool Blink() const { return blink_; }
  // Shows the pressed look (while the pointer holds it down on the button).
  bool Down() const { return down_; }

  int Group = 0;
  int ImageType = 0;
  int Layer = 0;
  int LayerAlpha = 128;
  bool RightClick = false;
  int BGType = 0;

 protected:
  // The texture behind the control, tiled to the form.
  void PaintTexture(toolkit::PaintCanvas& canvas, const Bitmap* texture);
  const Bitmap* Texture() const;
  // Writes a caption in `colour`, or engraved in palette colours 2 and 3 when disabled.
  void WriteCaption(toolkit::PaintCanvas& canvas, int x, int y, const std::string& text, Rgb colour);
  // Deselects the siblings of the same group.
  void SelectInGroup();

 private:
  void PaintPush(toolkit::PaintCanvas& canvas, TFImage& store);
  void PaintLarge(toolkit::PaintCanvas& canvas, TFImage& store);
  void PaintSmall(toolkit::PaintCanvas& canvas, TFImage& store);
  void PaintTab(toolkit::PaintCanvas& canvas, TFImage& store);
  void PaintPlain(toolkit::PaintCanvas& canvas);
  void BlendLayer(toolkit::PaintCanvas& canvas, TFImage& store, int x, int y);

  bool selected_ = false;
  bool blink_ = false;
  bool down_ = false;
  toolkit::MouseButton pressButton_ = toolkit::MouseButton::Left;
};

// TCheckBoxX: a click toggles it; the check piece sits at the left, the caption 5 pixels
// right of it. A double click counts as a second click.
class TCheckBoxX : public TButtonX {
 public:
  using TButtonX::TButtonX;
  std::string ClassName() const override { return "TCheckBoxX"; }
  void Paint(toolkit::PaintCanvas& canvas) override;
  void Click() override;
  void DblClick(int x, int y) override;

 protected:
  // The pieces: on, off, on pressed or disabled, off pressed or disabled.
  virtual int FirstPiece() const { return 111; }
};

// TRadioButtonX: a click selects it and deselects the siblings of its group.
class TRadioButtonX : public TCheckBoxX {
 public:
  using TCheckBoxX::TCheckBoxX;
  std::string ClassName() const override { return "TRadioButtonX"; }
  void Click() override;

 protected:
  int FirstPiece() const override { return 101; }
};

}  // namespace ui
