#include "button_x.h"

#include "image_x.h"

#include <canvas.h>

#include <algorithm>

namespace ui {

namespace {

using toolkit::PaintCanvas;
using toolkit::Rect;

constexpr Rgb kFuchsia{255, 0, 255};

std::uint8_t Mix(int front, int back, int frontWeight) {
  return static_cast<std::uint8_t>((front * frontWeight + back * (256 - frontWeight)) >> 8);
}

Rgb MixRgb(Rgb front, Rgb back, int frontWeight) {
  return Rgb{Mix(front.R, back.R, frontWeight), Mix(front.G, back.G, frontWeight), Mix(front.B, back.B, frontWeight)};
}

int Slice(int at, int size, int pieceSize) {
  // Left half from the piece's left, right half from its right, the middle repeated.
  int half = pieceSize / 2;
  if (at < std::min(half, size / 2)) return at;
  int fromRight = size - 1 - at;
  if (fromRight < pieceSize - half && fromRight < size - size / 2) return pieceSize - 1 - fromRight;
  return half;
}

}  // namespace

// ---- Compositing ----

void DrawPiece(PaintCanvas& canvas, int x, int y, const Bitmap& piece, const Bitmap* mask) {
  TFImage* store = SkinStore();
  bool blend = mask && !mask->Empty() && !(store && store->PaletteScreen());
  Rect clip = canvas.ClipRect();
  for (int py = 0; py < piece.Height(); ++py) {
    for (int px = 0; px < piece.Width(); ++px) {
      if (!clip.Contains(x + px, y + py)) continue;
      Rgb colour = toolkit::PixelOf(piece, px, py);
      if (colour == kFuchsia) continue;
      if (blend && px < mask->Width() && py < mask->Height()) {
        int m = toolkit::PixelOf(*mask, px, py).B;
        colour = MixRgb(colour, canvas.Pixel(x + px, y + py), 256 - m);
      }
      canvas.SetPixel(x + px, y + py, colour);
    }
  }
}

void DrawLayerIcon(PaintCanvas& canvas, int x, int y, const Bitmap& icon, int alpha, bool faded) {
  if (icon.Empty()) return;
  TFImage* store = SkinStore();
  bool plain = store && store->PaletteScreen();
  Rgb key = toolkit::PixelOf(icon, 0, 0);
  int weight = 255 - std::clamp(alpha, 0, 255);
  if (faded) weight /= 2;
  Rect clip = canvas.ClipRect();
  for (int py = 0; py < icon.Height(); ++py) {
    for (int px = 0; px < icon.Width(); ++px) {
      if (!clip.Contains(x + px, y + py)) continue;
      Rgb colour = toolkit::PixelOf(icon, px, py);
      if (colour == key) continue;
      if (!plain) colour = MixRgb(colour, canvas.Pixel(x + px, y + py), weight);
      canvas.SetPixel(x + px, y + py, colour);
    }
  }
}

Bitmap FitPiece(const Bitmap& piece, int width, int height) {
  Bitmap fitted;
  if (piece.Empty() || width <= 0 || height <= 0) return fitted;
  if (piece.Width() == width && piece.Height() == height) return piece;
  fitted.SetSize(width, height);
  for (int y = 0; y < height; ++y) {
    int sy = Slice(y, height, piece.Height());
    for (int x = 0; x < width; ++x) {
      Rgb c = toolkit::PixelOf(piece, Slice(x, width, piece.Width()), sy);
      std::uint8_t* p = fitted.Row(y) + 3 * x;
      p[0] = c.B, p[1] = c.G, p[2] = c.R;
    }
  }
  return fitted;
}

std::string Shortened(const PaintCanvas& canvas, const std::string& text, int width) {
  if (canvas.TextWidth(text) <= width) return text;
  std::string cut = text;
  while (!cut.empty() && canvas.TextWidth(cut + "...") > width) cut.pop_back();
  return cut + "...";
}

// ---- TButtonX: behaviour ----

void TButtonX::SetSelected(bool selected) {
  if (selected_ == selected) return;
  selected_ = selected;
  Invalidate();
}

void TButtonX::SetBlink(bool blink) {
  if (blink_ == blink) return;
  blink_ = blink;
  Invalidate();
}

void TButtonX::SelectInGroup() {
  SetSelected(true);
  if (!Parent()) return;
  for (const auto& sibling : Parent()->Children()) {
    auto* other = dynamic_cast<TButtonX*>(sibling.get());
    if (other && other != this && other->Group == Group) other->SetSelected(false);
  }
}

void TButtonX::Click() {
  if (Group > 0) SelectInGroup();
  else if (Group < -1) SetSelected(!selected_);
  TControl::Click();
}

void TButtonX::MouseDown(toolkit::MouseButton button, int x, int y) {
  TControl::MouseDown(button, x, y);
  if (button == toolkit::MouseButton::Left || (RightClick && button == toolkit::MouseButton::Right)) {
    pressed_ = true;
    pressButton_ = button;
    down_ = true;
    Invalidate();
  }
}

void TButtonX::MouseMove(int x, int y) {
  TControl::MouseMove(x, y);
  bool down = pressed_ && ClientRect().Contains(x, y);
  if (down != down_) {
    down_ = down;
    Invalidate();
  }
}

void TButtonX::MouseUp(toolkit::MouseButton button, int x, int y) {
  bool click = pressed_ && button == pressButton_ && ClientRect().Contains(x, y);
  pressed_ = false;
  if (down_) {
    down_ = false;
    Invalidate();
  }
  if (OnMouseUp) OnMouseUp(*this, button, x, y);
  if (click) Click();
}

void TButtonX::DblClick(int, int) {
  Click();
  if (Group >= -1 && OnDblClick) OnDblClick(*this);
}

// ---- TButtonX: looks ----

const Bitmap* TButtonX::Texture() const {
  TFImage* store = SkinStore();
  if (!store) return nullptr;
  const Bitmap& texture = BGType == 0 ? store->IBack : store->IList;
  return texture.Empty() ? nullptr : &texture;
}

void TButtonX::PaintTexture(PaintCanvas& canvas, const Bitmap* texture) {
  if (texture) canvas.Tile(ClientRect(), *texture);
  else canvas.FillRect(ClientRect(), Color);
}

void TButtonX::WriteCaption(PaintCanvas& canvas, int x, int y, const std::string& text, Rgb colour) {
  TFImage* store = SkinStore();
  if (!EnabledInForm() && store) {
    canvas.Font().Colour = store->Colour(2);
    canvas.TextOut(x, y, text);
    canvas.Font().Colour = store->Colour(3);
    canvas.TextOut(x - 1, y - 1, text);
    return;
  }
  canvas.Font().Colour = colour;
  canvas.TextOut(x, y, text);
}

void TButtonX::Paint(PaintCanvas& canvas) {
  TFImage* store = SkinStore();
  if (!store || store->ButtonSet.Empty()) return PaintPlain(canvas);
  if (ImageType != 4) PaintTexture(canvas, Texture());
  if (Group == -1) PaintPush(canvas, *store);
  else if (ImageType == 0) PaintLarge(canvas, *store);
  else if (ImageType == 1 || ImageType == 3) PaintSmall(canvas, *store);
  else if (ImageType == 2) {
    const Bitmap& piece = store->GetPiece(121);
    DrawPiece(canvas, (Width() - piece.Width()) / 2, (Height() - piece.Height()) / 2, piece, nullptr);
  } else if (ImageType == 4) PaintTab(canvas, *store);
}

// Without a skin the button still shows what it is: a bevelled face and its caption.
void TButtonX::PaintPlain(PaintCanvas& canvas) {
  canvas.FillRect(ClientRect(), selected_ ? Rgb{200, 210, 230} : Rgb{225, 225, 225});
  bool sunk = down_ || selected_;
  canvas.Bevel(ClientRect(), sunk ? Rgb{128, 128, 128} : Rgb{255, 255, 255}, sunk ? Rgb{255, 255, 255} : Rgb{128, 128, 128});
  canvas.Font().Colour = EnabledInForm() ? Rgb{0, 0, 0} : Rgb{128, 128, 128};
  int w = canvas.TextWidth(Caption());
  canvas.TextOut((Width() - w) / 2, (Height() - canvas.TextHeight()) / 2, Caption());
}

void TButtonX::PaintPush(PaintCanvas& canvas, TFImage& store) {
  Bitmap face = FitPiece(store.GetPiece(down_ ? 22 : 21), Width(), Height());
  Bitmap mask = FitPiece(store.GetPiece2(down_ ? 28 : 27), Width(), Height());
  DrawPiece(canvas, 0, 0, face, &mask);
  Offset offset = down_ ? store.PushCaptionPressed() : store.PushCaptionNormal();
  std::string text = Shortened(canvas, Caption(), Width() - 6);
  int x = (Width() - canvas.TextWidth(text)) / 2 + offset.X - 1;
  int y = (Height() - canvas.TextHeight()) / 2 + offset.Y - 1;
  if (!EnabledInForm()) {
    canvas.Font().Colour = store.PushTextShadow();
    canvas.TextOut(x + 1, y + 1, text);
    canvas.Font().Colour = store.PushTextDisabled();
    canvas.TextOut(x, y, text);
    return;
  }
  canvas.Font().Colour = store.PushText();
  canvas.TextOut(x, y, text);
}

void TButtonX::BlendLayer(PaintCanvas& canvas, TFImage& store, int x, int y) {
  if (Layer <= 0) return;
  DrawLayerIcon(canvas, x, y, store.GetLayer(Layer), LayerAlpha, !EnabledInForm());
  if (Layer > 1000) {
    Bitmap picture = store.GetLayer(Layer);
    toolkit::Canvas target(canvas.Target());
    DrawMasked(canvas.OriginX() + x + 2, canvas.OriginY() + y + 5, picture, kAllColumns,
               (255 - LayerAlpha) / 256.0, target);
  }
}

void TButtonX::PaintLarge(PaintCanvas& canvas, TFImage& store) {
  int n = !EnabledInForm() ? 5 : down_ ? (selected_ ? 4 : 2) : blink_ ? 6 : selected_ ? 3 : 1;
  const Bitmap& piece = store.GetPiece(n);
  const Bitmap& mask = store.GetPiece2(down_ ? 8 : 7);
  if (Width() < piece.Width() || Height() < piece.Height()) {
    // A button smaller than its piece (a caption bar's close button) shows the piece and
    // its icon shrunk to fit, rather than cut.
    int side = std::min(Width(), Height());
    Bitmap face = FitPiece(piece, side, side), faceMask = FitPiece(mask, side, side);
    int x = (Width() - side) / 2, y = (Height() - side) / 2;
    DrawPiece(canvas, x, y, face, &faceMask);
    const Bitmap& icon = store.GetLayer(Layer);
    if (Layer > 0 && !icon.Empty()) {
      Bitmap small(side, side);
      toolkit::Canvas(small).StretchDraw(toolkit::Rect{0, 0, side, side}, icon);
      DrawLayerIcon(canvas, x + (down_ ? 1 : 0), y + (down_ ? 1 : 0), small, LayerAlpha, !EnabledInForm());
    }
    return;
  }
  int x = (Width() - piece.Width()) / 2;
  DrawPiece(canvas, x, 0, piece, &mask);
  Offset icon = down_ ? store.LargeIconPressed() : store.LargeIconNormal();
  BlendLayer(canvas, store, x + icon.X - 1, icon.Y - 1);
  if (Caption().empty()) return;
  std::string text = Shortened(canvas, Caption(), Width());
  WriteCaption(canvas, (Width() - canvas.TextWidth(text)) / 2, Height() - canvas.TextHeight(), text,
               store.Colour(selected_ ? 4 : 1));
}

void TButtonX::PaintSmall(PaintCanvas& canvas, TFImage& store) {
  int n = !EnabledInForm() ? 15 : down_ ? (selected_ ? 14 : 12) : blink_ ? 16 : selected_ ? 13 : 11;
  const Bitmap& piece = store.GetPiece(n);
  const Bitmap& mask = store.GetPiece2(down_ ? 18 : 17);
  int y = (Height() - piece.Height()) / 2;
  int x = ImageType == 1 ? 0 : Width() - piece.Width();
  DrawPiece(canvas, x, y, piece, &mask);
  Offset icon = down_ ? store.SmallIconPressed() : store.SmallIconNormal();
  BlendLayer(canvas, store, x + icon.X - 1, y + icon.Y - 1);
  int textY = (Height() - canvas.TextHeight()) / 2;
  int room = Width() - piece.Width() - 5;
  std::string text = Shortened(canvas, Caption(), room);
  int textX = ImageType == 1 ? piece.Width() + 5 : x - 5 - canvas.TextWidth(text);
  WriteCaption(canvas, textX, textY, text, store.Colour(selected_ ? 4 : 1));
}

void TButtonX::PaintTab(PaintCanvas& canvas, TFImage& store) {
  Rect all = ClientRect();
  if (blink_) canvas.FillRect(all, store.Colour(6));
  else PaintTexture(canvas, selected_ ? &store.IBack : &store.IList);
  Rgb light = store.Colour(kBorder2), dark = store.Colour(kBorder1);
  // A selected tab opens into the page below it: no line at its bottom.
  canvas.FillRect(Rect{0, 0, all.Right, 1}, light);
  canvas.FillRect(Rect{0, 0, 1, all.Bottom}, light);
  canvas.FillRect(Rect{all.Right - 1, 0, all.Right, all.Bottom}, dark);
  if (!selected_) canvas.FillRect(Rect{0, all.Bottom - 1, all.Right, all.Bottom}, dark);
  std::string text = Shortened(canvas, Caption(), Width() - 4);
  WriteCaption(canvas, (Width() - canvas.TextWidth(text)) / 2, (Height() - canvas.TextHeight()) / 2, text,
               store.Colour(blink_ ? 5 : selected_ ? 1 : 7));
}

// ---- Check boxes and radio buttons ----

void TCheckBoxX::Click() {
  SetSelected(!Selected());
  TControl::Click();
}

void TCheckBoxX::DblClick(int, int) { Click(); }

void TCheckBoxX::Paint(PaintCanvas& canvas) {
  TFImage* store = SkinStore();
  if (!store || store->BgSet.Empty()) {
    canvas.FillRect(Rect::Sized(0, (Height() - 13) / 2, 13, 13), Rgb{255, 255, 255});
    canvas.Bevel(Rect::Sized(0, (Height() - 13) / 2, 13, 13), Rgb{128, 128, 128}, Rgb{255, 255, 255});
    if (Selected()) canvas.FillRect(Rect::Sized(3, (Height() - 13) / 2 + 3, 7, 7), Rgb{0, 0, 0});
    canvas.Font().Colour = Rgb{0, 0, 0};
    canvas.TextOut(18, (Height() - canvas.TextHeight()) / 2, Caption());
    return;
  }
  PaintTexture(canvas, Texture());
  bool faded = Down() || !EnabledInForm();
  int n = FirstPiece() + (Selected() ? 0 : 1) + (faded ? 2 : 0);
  const Bitmap& piece = store->GetPiece(n);
  DrawPiece(canvas, 0, (Height() - piece.Height()) / 2, piece, nullptr);
  std::string text = Shortened(canvas, Caption(), Width() - piece.Width() - 5);
  WriteCaption(canvas, piece.Width() + 5, (Height() - canvas.TextHeight()) / 2, text, store->Colour(1));
}

void TRadioButtonX::Click() {
  SelectInGroup();
  TControl::Click();
}

}  // namespace ui
