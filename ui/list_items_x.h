// Skinned items of the plug-ins' lists and drop-down lists.
#pragma once

#include "skin_store.h"

#include <control.h>

#include <string>

namespace ui {

// ---- Items ----

// Draws one item as the plug-ins draw their lists' items: the selected one filled with
// palette colour 6 and written in palette colour 5, another one on the IList texture, tiled
// as if the list were one long texture (`listTop` is where the list's first item would lie,
// so the texture scrolls with the items), written in palette colour 7; the text 2 pixels in.
// Without a skin the items are drawn plainly.
void DrawSkinnedItem(toolkit::PaintCanvas& canvas, const toolkit::Rect& item, const std::string& text, bool selected,
                     int listTop = 0);

}  // namespace ui
