#include "list_items_x.h"

#include <list_items.h>

namespace ui {

void DrawSkinnedItem(toolkit::PaintCanvas& canvas, const toolkit::Rect& item, const std::string& text, bool selected,
                     int listTop) {
  TFImage* store = SkinStore();
  if (!store || store->IList.Empty()) return toolkit::DrawListItem(canvas, item, text, selected, Rgb{255, 255, 255});
  if (selected) {
    canvas.FillRect(item, store->Colour(6));
  } else {
    // Tile aligns to the form; shifted so that the texture starts where the first item lies.
    canvas.Tile(item, store->IList, -(canvas.OriginY() + listTop));
  }
  canvas.Font().Colour = store->Colour(selected ? 5 : 7);
  canvas.TextOut(item.Left + 2, item.Top + (item.Height() - canvas.TextHeight()) / 2, text);
}

}  // namespace ui
