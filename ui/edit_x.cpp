#include "edit_x.h"

#include "skin_store.h"

namespace ui {

void TEditX::PaintBackground(toolkit::PaintCanvas& canvas) {
  if (!Tranparent) TEdit::PaintBackground(canvas);
}

toolkit::Rgb TEditX::TextColour() const {
  TFImage* store = SkinStore();
  if (!store) return TEdit::TextColour();
  return EnabledInForm() ? Font.Colour : store->Colour(3);
}

std::pair<toolkit::Rgb, toolkit::Rgb> TEditX::SelectionColours() const {
  TFImage* store = SkinStore();
  if (!store) return TEdit::SelectionColours();
  return {store->Colour(5), store->Colour(6)};
}

}  // namespace ui
