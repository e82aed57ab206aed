// Controls: the pieces a form is built of. A control lies in its parent, draws itself onto
// its form's picture and hears the pointer and keys the form passes it.
#pragma once

#include "bitmap.h"
#include "canvas.h"
#include "font.h"
#include "rect.h"

#include <window_system.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace toolkit {

class TForm;

// ---- Painting ----

// PaintCanvas is where one control draws: its form's picture, seen through the control's
// own coordinates and clipped to the control (and to the part being painted). Every call
// takes control coordinates; nothing lands outside the clip.
class PaintCanvas {
 public:
  PaintCanvas(Bitmap& target, int originX, int originY, const Rect& clip);

  // ---- Areas ----
  void FillRect(const Rect& area, Rgb colour);
  // The whole picture (or part of it) with its top-left corner at (x, y), unstretched.
  void Draw(int x, int y, const Bitmap& picture);
  void DrawPart(int x, int y, const Bitmap& picture, const Rect& part);
  // `picture` repeated over `area`, its tiles aligned to the form's origin so that
  // neighbouring controls show one continuous texture.
  void Tile(const Rect& area, const Bitmap& picture, int offsetY = 0);
  void Line(int x0, int y0, int x1, int y1, Rgb colour);
  // A one-pixel frame: top and left in `light`, bottom and right in `dark`.
  void Bevel(const Rect& area, Rgb light, Rgb dark);

  // ---- Pixels ----
  Rgb Pixel(int x, int y) const;
  void SetPixel(int x, int y, Rgb colour);

  // ---- Text ----
  void TextOut(int x, int y, std::string_view text);
  int TextWidth(std::string_view text) const;
  int TextHeight() const;

  // ---- Accessors ----
  FontSpec& Font() { return font_; }
  // The clip in control coordinates.
  Rect ClipRect() const { return clip_.Offset(-originX_, -originY_); }
  Bitmap& Target() const { return *target_; }
  int OriginX() const { return originX_; }
  int OriginY() const { return originY_; }

 private:
  Bitmap* target_;
  int originX_;
  int originY_;
  Rect clip_;  // in target coordinates
  FontSpec font_;
};

// ---- Controls ----

using platform::MouseButton;

// TControl holds what every control has: a name, a caption, a rectangle in its parent, the
// visible and enabled flags, a font and a colour, and the children it owns. Controls are
// created through their parent (Add) and live as long as it does. The events are virtual
// methods for the control's own behaviour and std::function members for the form that uses
// it (OnClick and the like), as the form designs hook them.
class TControl {
 public:
  explicit TControl(TControl* parent, std::string name = {});
  virtual ~TControl();
  TControl(const TControl&) = delete;
  TControl& operator=(const TControl&) = delete;

  // ---- Children ----
  // Creates a child owned by this control.
  template <typename T, typename... Args>
  T& Add(Args&&... args) {
    auto child = std::make_unique<T>(this, std::forward<Args>(args)...);
    T& result = *child;
    children_.push_back(std::move(child));
    return result;
  }
  const std::vector<std::unique_ptr<TControl>>& Children() const { return children_; }
  // The first control of that name here or below (this one included); nullptr when none.
  TControl* FindControl(std::string_view name);

  // ---- Geometry ----
  virtual void SetBounds(int left, int top, int width, int height);
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  // The rectangle in the form's client coordinates.
  Rect FormRect() const;
  Rect ClientRect() const { return Rect{0, 0, width_, height_}; }

  // ---- State ----
  virtual void SetCaption(std::string_view caption);
  virtual void SetVisible(bool visible);
  virtual void SetEnabled(bool enabled);
  // Visible with every parent.
  bool Showing() const;
  // Enabled with every parent.
  bool EnabledInForm() const;
  // Repaints the control on its form.
  void Invalidate() const;

  // ---- Painting and input (the control's own behaviour) ----
  virtual std::string ClassName() const { return "TControl"; }
  virtual void Paint(PaintCanvas& canvas);
  virtual void MouseDown(MouseButton button, int x, int y);
  virtual void MouseMove(int x, int y) { (void)x, (void)y; }
  virtual void MouseUp(MouseButton button, int x, int y);
  virtual void DblClick(int x, int y);
  // A typed character; true when consumed.
  virtual bool KeyPress(char& key) { (void)key; return false; }
  virtual bool KeyDown(int key, std::uint8_t modifiers) { (void)key, (void)modifiers; return false; }
  virtual bool CanFocus() const { return false; }
  virtual void FocusChanged(bool focused) { (void)focused; }
  // The click event with the control's own reaction first (a toggle toggles); a click
  // from code or from the pointer alike.
  virtual void Click();
  // Pointer events are offered to children first; a control that lets them through to
  // what lies beneath (a transparent frame) answers false.
  virtual bool HitTest(int x, int y) const { (void)x, (void)y; return true; }

  // ---- Events for the form ----
  std::function<void(TControl&)> OnClick;
  std::function<void(TControl&)> OnDblClick;
  std::function<void(TControl&, MouseButton, int, int)> OnMouseDown;
  std::function<void(TControl&, int, int)> OnMouseMove;
  std::function<void(TControl&, MouseButton, int, int)> OnMouseUp;

  // ---- Fields ----
  std::string Name;
  std::string Hint;  // "@@" in a hint is a line break (HintText)
  bool ShowHint = false;
  int Tag = 0;
  FontSpec Font;
  Rgb Color{240, 240, 240};

  // The hint as shown, with "@@" as line breaks.
  std::string HintText() const;

  // ---- Accessors ----
  const std::string& Caption() const { return caption_; }
  bool Visible() const { return visible_; }
  bool Enabled() const { return enabled_; }
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  TControl* Parent() const { return parent_; }
  // The form the control lies on (the form itself for a form); nullptr for a control
  // created without one.
  virtual TForm* Form() const;

 protected:
  // True while the pointer pressed on this control stays on it.
  bool pressed_ = false;
  bool hot_ = false;

 private:
  friend class TForm;
  TControl* parent_;
  std::vector<std::unique_ptr<TControl>> children_;
  std::string caption_;
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
};

// Mixes of two colours used by bevels and engraved text.
Rgb MixColours(Rgb a, Rgb b);  // per-channel average, halves truncated

}  // namespace toolkit
