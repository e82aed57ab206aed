#include "control.h"

#include "form.h"

#include <cassert>
#include <cstdlib>

namespace toolkit {

// ---- PaintCanvas ----

PaintCanvas::PaintCanvas(Bitmap& target, int originX, int originY, const Rect& clip)
    : target_(&target),
      originX_(originX),
      originY_(originY),
      clip_(clip.Intersect(Rect{0, 0, target.Width(), target.Height()})) {}

void PaintCanvas::FillRect(const Rect& area, Rgb colour) {
  Canvas(*target_).FillRect(area.Offset(originX_, originY_).Intersect(clip_), colour);
}

void PaintCanvas::Draw(int x, int y, const Bitmap& picture) {
  DrawPart(x, y, picture, Rect{0, 0, picture.Width(), picture.Height()});
}

void PaintCanvas::DrawPart(int x, int y, const Bitmap& picture, const Rect& part) {
  Rect destination = Rect::Sized(x + originX_, y + originY_, part.Width(), part.Height());
  Rect box = destination.Intersect(clip_);
  if (box.Empty()) return;
  Rect source = box.Offset(part.Left - destination.Left, part.Top - destination.Top);
  Canvas(*target_).CopyRect(box, picture, source);
}

void PaintCanvas::Tile(const Rect& area, const Bitmap& picture, int offsetY) {
  Rect box = area.Offset(originX_, originY_).Intersect(clip_);
  if (box.Empty()) return;
  if (picture.Empty()) return;
  int w = picture.Width(), h = picture.Height();
  auto floorMod = [](int a, int m) { return ((a % m) + m) % m; };
  Canvas canvas(*target_);
  int startY = box.Top - floorMod(box.Top + offsetY, h);
  int startX = box.Left - floorMod(box.Left, w);
  for (int ty = startY; ty < box.Bottom; ty += h) {
    for (int tx = startX; tx < box.Right; tx += w) {
      Rect tile = Rect::Sized(tx, ty, w, h).Intersect(box);
      if (tile.Empty()) continue;
      canvas.CopyRect(tile, picture, tile.Offset(-tx, -ty));
    }
  }
}

void PaintCanvas::Line(int x0, int y0, int x1, int y1, Rgb colour) {
  int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
  int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
  int error = dx + dy;
  while (!(x0 == x1 && y0 == y1)) {
    SetPixel(x0, y0, colour);
    int e2 = 2 * error;
    if (e2 >= dy) error += dy, x0 += sx;
    if (e2 <= dx) error += dx, y0 += sy;
  }
}

void PaintCanvas::Bevel(const Rect& area, Rgb light, Rgb dark) {
  if (area.Empty()) return;
  FillRect(Rect{area.Left, area.Top, area.Right, area.Top + 1}, light);
  FillRect(Rect{area.Left, area.Top, area.Left + 1, area.Bottom}, light);
  FillRect(Rect{area.Left, area.Bottom - 1, area.Right, area.Bottom}, dark);
  FillRect(Rect{area.Right - 1, area.Top, area.Right, area.Bottom}, dark);
}

Rgb PaintCanvas::Pixel(int x, int y) const {
  x += originX_, y += originY_;
  if (!Rect{0, 0, target_->Width(), target_->Height()}.Contains(x, y)) return Rgb{};
  return PixelOf(*target_, x, y);
}

void PaintCanvas::SetPixel(int x, int y, Rgb colour) {
  x += originX_, y += originY_;
  if (clip_.Contains(x, y)) Canvas(*target_).SetPixel(x, y, colour);
}

void PaintCanvas::TextOut(int x, int y, std::string_view text) {
  FontFace::Find(font_.Name, font_.Size, font_.Bold)
      .Draw(*target_, x + originX_, y + originY_, text, font_.Colour, clip_);
}

int PaintCanvas::TextWidth(std::string_view text) const {
  return FontFace::Find(font_.Name, font_.Size, font_.Bold).TextWidth(text);
}

int PaintCanvas::TextHeight() const { return FontFace::Find(font_.Name, font_.Size, font_.Bold).Height(); }

// ---- TControl ----

TControl::TControl(TControl* parent, std::string name) : Name(std::move(name)), parent_(parent) {
  if (parent) {
    Font = parent->Font;
    Color = parent->Color;
  }
}

TControl::~TControl() = default;

TControl* TControl::FindControl(std::string_view name) {
  if (Name == name) return this;
  for (auto& child : children_) {
    if (TControl* found = child->FindControl(name)) return found;
  }
  return nullptr;
}

void TControl::SetBounds(int left, int top, int width, int height) {
  Invalidate();
  left_ = left, top_ = top, width_ = std::max(0, width), height_ = std::max(0, height);
  Invalidate();
}

Rect TControl::FormRect() const {
  if (!parent_) return ClientRect();
  Rect outer = parent_->FormRect();
  return Rect::Sized(outer.Left + left_, outer.Top + top_, width_, height_);
}

void TControl::SetCaption(std::string_view caption) {
  if (caption_ == caption) return;
  caption_ = caption;
  Invalidate();
}

void TControl::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  if (parent_) parent_->Invalidate();
}

void TControl::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  Invalidate();
}

bool TControl::Showing() const {
  for (const TControl* c = this; c; c = c->parent_) {
    if (!c->visible_) return false;
  }
  return true;
}

bool TControl::EnabledInForm() const {
  for (const TControl* c = this; c; c = c->parent_) {
    if (!c->enabled_) return false;
  }
  return true;
}

void TControl::Invalidate() const {
  if (TForm* form = Form()) form->InvalidateArea(FormRect());
}

TForm* TControl::Form() const {
  const TControl* root = this;
  while (root->parent_) root = root->parent_;
  return root == this ? nullptr : root->Form();
}

void TControl::Paint(PaintCanvas&) {}

void TControl::MouseDown(MouseButton button, int x, int y) {
  pressed_ = button == MouseButton::Left;
  if (OnMouseDown) OnMouseDown(*this, button, x, y);
}

void TControl::MouseUp(MouseButton button, int x, int y) {
  bool click = pressed_ && button == MouseButton::Left && ClientRect().Contains(x, y);
  pressed_ = false;
  if (OnMouseUp) OnMouseUp(*this, button, x, y);
  if (click) Click();
}

void TControl::DblClick(int, int) {
  if (OnDblClick) OnDblClick(*this);
}

void TControl::Click() {
  if (OnClick) OnClick(*this);
}

std::string TControl::HintText() const {
  std::string text = Hint;
  for (std::size_t at = text.find("@@"); at != std::string::npos; at = text.find("@@", at + 2))
    text.replace(at, 2, "\r\n");
  return text;
}

Rgb MixColours(Rgb a, Rgb b) {
  return Rgb{static_cast<std::uint8_t>((a.R + b.R) / 2), static_cast<std::uint8_t>((a.G + b.G) / 2),
             static_cast<std::uint8_t>((a.B + b.B) / 2)};
}

}  // namespace toolkit
