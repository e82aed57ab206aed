#include "form.h"

#include <algorithm>
#include <cassert>

namespace toolkit {

namespace {

platform::Rect ToPlatform(const Rect& r) { return platform::Rect{r.Left, r.Top, r.Right, r.Bottom}; }

// A plug-in's module releases its forms when the plug-in is unloaded, and the module is
// made on first use, before the first form. The list is constant-initialised, so it is
// destroyed after every object made at run time, the module included; a list made on first
// use would be gone by then, and one made with new would leak at every unload.
constinit std::vector<TForm*> openForms;

std::vector<TForm*>& Registry() { return openForms; }

// Paints a control and its children, each clipped to itself and to what holds it.
void PaintTree(TControl& control, Bitmap& picture, const Rect& clip) {
  for (const auto& child : control.Children()) {
    if (!child->Visible()) continue;
    Rect box = child->FormRect();
    Rect childClip = box.Intersect(clip);
    if (childClip.Empty()) continue;
    PaintCanvas canvas(picture, box.Left, box.Top, childClip);
    canvas.Font() = child->Font;
    child->Paint(canvas);
    PaintTree(*child, picture, childClip);
  }
}

void ListTree(const TControl& control, std::vector<platform::ElementInfo>& elements) {
  for (const auto& child : control.Children()) {
    Rect box = child->FormRect();
    elements.push_back(platform::ElementInfo{child->Name, child->Caption(), child->ClassName(),
                                             ToPlatform(box), child->Showing(),
                                             child->EnabledInForm()});
    ListTree(*child, elements);
  }
}

}  // namespace

TForm::TForm(std::string name, std::string caption, std::string className)
    : TControl(nullptr, std::move(name)), className_(std::move(className)) {
  Font = FontSpec{};
  TControl::SetCaption(caption);
  TControl::SetVisible(false);
  CreateWindowNow();
  Registry().push_back(this);
}

TForm::~TForm() {
  destroying_ = true;
  auto& forms = Registry();
  forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
  captured_ = hovered_ = focused_ = nullptr;
  if (window_) platform::DestroyWindow(window_);
  window_ = 0;
}

void TForm::CreateWindowNow() {
  platform::WindowParams params;
  params.Name = Name;
  params.Caption = Caption();
  params.Class = className_;
  params.Bounds = platform::Rect::Sized(Left(), Top(), Width(), Height());
  params.Handler = this;
  window_ = platform::CreateWindow(params);
}

// ---- Showing ----

void TForm::Show() {
  SetVisible(true);
  BringToFront();
}

void TForm::Hide() { SetVisible(false); }

int TForm::ShowModal() {
  assert(!inModal_);
  modalResult_ = mrNone;
  TControl::SetVisible(true);
  inModal_ = true;
  int result = window_ ? platform::ShowModal(window_) : platform::kModalAborted;
  inModal_ = false;
  TControl::SetVisible(false);
  return result;
}

void TForm::Close() {
  if (OnClose) OnClose(*this);
  if (Modal()) {
    SetModalResult(mrCancel);
  } else if (ReleaseOnClose) {
    Hide();
    Release();
  } else {
    Hide();
  }
}

void TForm::Release() {
  if (!window_) return;
  platform::WindowId window = window_;
  platform::Post([window] { platform::DestroyWindow(window); }, window);
}

void TForm::SetModalResult(int result) {
  modalResult_ = result;
  if (inModal_ && result != mrNone) platform::EndModal(window_, result);
}

bool TForm::Modal() const { return inModal_; }

void TForm::BringToFront() {
  if (window_) platform::BringToFront(window_);
}

void TForm::SetWindowState(WindowState state) {
  state_ = state;
  // There is no task bar to minimise to: a minimised form is simply not on the screen.
  if (window_) platform::SetVisible(window_, Visible() && state != WindowState::Minimized);
}

void TForm::SetStayOnTop(bool onTop) {
  stayOnTop_ = onTop;
  if (window_) platform::SetStayOnTop(window_, onTop);
}

void TForm::SetFocusTo(TControl* control) {
  if (focused_ == control) return;
  TControl* old = focused_;
  focused_ = control;
  if (old) old->FocusChanged(false);
  if (control) control->FocusChanged(true);
}

// ---- The window ----

void TForm::SetBounds(int left, int top, int width, int height) {
  TControl::SetBounds(left, top, width, height);
  if (window_) platform::SetBounds(window_, platform::Rect::Sized(Left(), Top(), Width(), Height()));
}

void TForm::SetCaption(std::string_view caption) {
  TControl::SetCaption(caption);
  if (window_) platform::SetCaption(window_, caption);
  InvalidateArea(ClientRect());
}

void TForm::SetVisible(bool visible) {
  TControl::SetVisible(visible);
  if (window_) platform::SetVisible(window_, visible && state_ != WindowState::Minimized);
}

void TForm::SetEnabled(bool enabled) {
  TControl::SetEnabled(enabled);
  if (window_) platform::SetEnabled(window_, enabled);
}

void TForm::InvalidateArea(const Rect& area) const {
  if (window_) platform::Invalidate(window_, ToPlatform(area));
}

Bitmap TForm::Snapshot() {
  Bitmap picture(Width(), Height());
  PaintInto(picture, ClientRect());
  return picture;
}

const std::vector<TForm*>& TForm::Forms() { return Registry(); }

void TForm::ReleaseOrphans() {
  std::vector<TForm*> forms = Registry();
  for (TForm* form : forms) {
    if (form->ReleaseOnClose) delete form;
  }
}

// ---- Events of the window ----

void TForm::PaintInto(Bitmap& picture, const Rect& area) {
  Rect clip = area.Intersect(ClientRect());
  if (clip.Empty()) return;
  PaintCanvas canvas(picture, 0, 0, clip);
  canvas.Font() = Font;
  canvas.FillRect(clip, Color);
  if (OnPaint) OnPaint(*this, canvas);
  PaintTree(*this, picture, clip);
}

void TForm::Paint(const platform::DrawContext& context) {
  if (context.Empty() || Width() == 0 || Height() == 0) return;
  if (buffer_.Width() != Width() || buffer_.Height() != Height()) buffer_.SetSize(Width(), Height());
  platform::Rect clip = context.ClipInWindow();
  PaintInto(buffer_, Rect{clip.Left, clip.Top, clip.Right, clip.Bottom});
  context.CopyRows(0, 0, buffer_.Row(0), buffer_.Stride(), buffer_.Width(), buffer_.Height());
}

TControl* TForm::ControlAt(TControl& within, int x, int y) {
  const auto& children = within.Children();
  for (auto it = children.rbegin(); it != children.rend(); ++it) {
    TControl& child = **it;
    if (!child.Visible() || !child.FormRect().Contains(x, y)) continue;
    if (TControl* inner = ControlAt(child, x, y)) return inner;
    Rect box = child.FormRect();
    if (child.HitTest(x - box.Left, y - box.Top)) return child.EnabledInForm() ? &child : nullptr;
  }
  return nullptr;
}

void TForm::Pointer(const platform::PointerEvent& event) {
  using platform::PointerAction;
  TControl* target = captured_ ? captured_ : ControlAt(*this, event.X, event.Y);
  if (!target) target = this;
  Rect box = target->FormRect();
  int x = event.X - box.Left, y = event.Y - box.Top;
  switch (event.Action) {
    case PointerAction::Down:
    case PointerAction::DoubleClick:
      captured_ = target;
      platform::SetCapture(window_);
      if (target->CanFocus()) SetFocusTo(target);
      if (event.Action == PointerAction::Down) {
        target->MouseDown(event.Button, x, y);
      } else {
        target->DblClick(x, y);
      }
      break;
    case PointerAction::Move:
      target->MouseMove(x, y);
      break;
    case PointerAction::Up:
      captured_ = nullptr;
      if (platform::CaptureWindow() == window_) platform::ReleaseCapture();
      target->MouseUp(event.Button, x, y);
      break;
    default:
      break;
  }
}

bool TForm::Key(const platform::KeyEvent& event) {
  if (event.Action == platform::KeyAction::Char) {
    char key = event.Char;
    if (OnKeyPress) OnKeyPress(*this, key);
    if (key == 0) return true;
    return focused_ && focused_->EnabledInForm() && focused_->KeyPress(key);
  }
  if (event.Action == platform::KeyAction::Down && focused_ && focused_->EnabledInForm())
    return focused_->KeyDown(event.Key, event.Modifiers);
  return false;
}

void TForm::Activation(bool active) {
  active_ = active;
  if (active && OnActivate) OnActivate(*this);
  if (!active && OnDeactivate) OnDeactivate(*this);
}

void TForm::CaptureLost() {
  if (!captured_) return;
  TControl* control = captured_;
  captured_ = nullptr;
  control->pressed_ = false;
  control->Invalidate();
}

void TForm::CloseRequested(platform::WindowId) { Close(); }

void TForm::Destroyed(platform::WindowId window) {
  if (window != window_) return;
  window_ = 0;
  TControl::SetVisible(false);
  if (ReleaseOnClose && !destroying_) delete this;
}

void TForm::ListElements(std::vector<platform::ElementInfo>& elements) const {
  ListTree(*this, elements);
}

}  // namespace toolkit
