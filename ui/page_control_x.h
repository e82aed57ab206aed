// Skinned pages.
#pragma once

#include "button_x.h"

#include <page_control.h>

namespace ui {

// ---- Pages ----

// TPageControlX is the page control of the plug-ins' forms: its tabs are TButtonX tabs
// (ImageType 4, one group), its face the IBack texture inside the skin's border colours,
// left open under the selected tab. Without a skin it looks like the plain page control.
class TPageControlX : public toolkit::TPageControl {
 public:
  using TPageControl::TPageControl;
  std::string ClassName() const override { return "TPageControlX"; }

 protected:
  toolkit::TControl& CreateTab(const std::string& name, const std::string& caption) override;
  void MarkTab(toolkit::TControl& tab, bool selected) override;
  void PaintFace(toolkit::PaintCanvas& canvas, const toolkit::Rect& body, const toolkit::Rect& tab) override;
};

}  // namespace ui
