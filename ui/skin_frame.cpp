#include "skin_frame.h"

#include "button_x.h"

namespace ui {

using toolkit::Rect;

void TFrame::Paint(toolkit::PaintCanvas& canvas) {
  TFImage* store = SkinStore();
  if (!store || store->BgSet.Empty()) {
    TPanel::Paint(canvas);
    return;
  }
  Rect all = ClientRect();
  if (Clear) {
    const Bitmap& texture = Transparent ? store->IList : store->IBack;
    if (texture.Empty()) canvas.FillRect(all, Color);
    else canvas.Tile(all, texture);
  } else {
    canvas.Tile(all, store->IBack);
    canvas.Tile(Rect{15, 15, Width() - 15, Height() - 15}, store->IList);
    const Bitmap& topEdge = store->GetPiece(132);
    for (int x = 15; x < Width() - 15; x += std::max(1, topEdge.Width())) DrawPiece(canvas, x, 0, topEdge, nullptr);
    const Bitmap& bottomEdge = store->GetPiece(137);
    for (int x = 15; x < Width() - 15; x += std::max(1, bottomEdge.Width()))
      DrawPiece(canvas, x, Height() - bottomEdge.Height(), bottomEdge, nullptr);
    const Bitmap& leftEdge = store->GetPiece(134);
    for (int y = 15; y < Height() - 15; y += std::max(1, leftEdge.Height())) DrawPiece(canvas, 0, y, leftEdge, nullptr);
    const Bitmap& rightEdge = store->GetPiece(135);
    for (int y = 15; y < Height() - 15; y += std::max(1, rightEdge.Height()))
      DrawPiece(canvas, Width() - rightEdge.Width(), y, rightEdge, nullptr);
    DrawPiece(canvas, 0, 0, store->GetPiece(131), nullptr);
    const Bitmap& topRight = store->GetPiece(133);
    DrawPiece(canvas, Width() - topRight.Width(), 0, topRight, nullptr);
    const Bitmap& bottomLeft = store->GetPiece(136);
    DrawPiece(canvas, 0, Height() - bottomLeft.Height(), bottomLeft, nullptr);
    const Bitmap& bottomRight = store->GetPiece(138);
    DrawPiece(canvas, Width() - bottomRight.Width(), Height() - bottomRight.Height(), bottomRight, nullptr);
  }
  if (Title) DrawPiece(canvas, 4, 2, store->GetPiece(125), nullptr);
  Rgb border1 = store->Colour(kBorder1), border2 = store->Colour(kBorder2);
  if (BevelWidth > 0 && Framed) {
    Rgb light = Lowered ? border1 : border2, dark = Lowered ? border2 : border1;
    for (int i = 0; i < BevelWidth; ++i) canvas.Bevel(Rect{i, i, Width() - i, Height() - i}, light, dark);
  } else if (BevelWidth > 0 && BFramed) {
    canvas.Bevel(all, border1, border1);
  }
}

}  // namespace ui
