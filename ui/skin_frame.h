// Skinned panels.
#pragma once

#include "skin_store.h"

#include <panel.h>

namespace ui {

// ---- Frames ----

// TFrame is the panel of every plug-in form. With Clear it is filled with a texture (IList
// when Transparent, else IBack), Title adds the skin's title piece at (4, 2), and a bevel
// width draws a bevel of that width in the border colours (Framed; lowered puts border 1 at
// top and left) or a one-line border (BFramed). Without Clear it is a framed box: IList
// inside a 15-pixel margin and the eight frame pieces around it. Textures are tiled to the
// form's origin, so neighbouring frames show one texture.
class TFrame : public toolkit::TPanel {
 public:
  using TPanel::TPanel;
  std::string ClassName() const override { return "TFrame"; }
  void Paint(toolkit::PaintCanvas& canvas) override;

  bool Clear = true;
  bool Transparent = false;
  bool Title = false;
  int BevelWidth = 0;
  bool Framed = false;
  bool BFramed = false;
  bool Lowered = true;
  bool DoubleBuffered = false;  // every form paints through its own picture already
};

}  // namespace ui
