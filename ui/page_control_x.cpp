#include "page_control_x.h"

namespace ui {

using toolkit::Rect;

toolkit::TControl& TPageControlX::CreateTab(const std::string& name, const std::string& caption) {
  TButtonX& tab = Add<TButtonX>(name);
  tab.ImageType = 4;
  tab.Group = 1;
  tab.SetCaption(caption);
  return tab;
}

void TPageControlX::MarkTab(toolkit::TControl& tab, bool selected) {
  if (auto* button = dynamic_cast<TButtonX*>(&tab)) button->SetSelected(selected);
}

void TPageControlX::PaintFace(toolkit::PaintCanvas& canvas, const Rect& body, const Rect& tab) {
  TFImage* store = SkinStore();
  if (!store || store->IBack.Empty()) return TPageControl::PaintFace(canvas, body, tab);
  if (!ShowTabs()) return;
  canvas.Tile(body, store->IBack);
  Rgb light = store->Colour(kBorder2), dark = store->Colour(kBorder1);
  canvas.FillRect(Rect{body.Left, body.Top, body.Right, body.Top + 1}, light);
  canvas.FillRect(Rect{body.Left, body.Top, body.Left + 1, body.Bottom}, light);
  canvas.FillRect(Rect{body.Right - 1, body.Top, body.Right, body.Bottom}, dark);
  canvas.FillRect(Rect{body.Left, body.Bottom - 1, body.Right, body.Bottom}, dark);
  // The selected tab opens into the page: its texture runs on over the top line.
  if (!tab.Empty()) canvas.Tile(Rect{tab.Left + 1, body.Top, tab.Right - 1, body.Top + 1}, store->IBack);
}

}  // namespace ui
