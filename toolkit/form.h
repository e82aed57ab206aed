// Forms: top-level windows of the window system that draw their controls themselves.
#pragma once

#include "control.h"

#include <message_queue.h>
#include <window_system.h>

#include <vector>

namespace toolkit {

// ---- Modal results ----

inline constexpr int mrNone = 0;
inline constexpr int mrOk = 1;
inline constexpr int mrCancel = 2;

// ---- Forms ----

enum class WindowState : std::uint8_t { Normal, Minimized, Maximized };

// TForm is one top-level window and the controls on it. The form paints the whole client
// area into a picture of its own (its colour, its OnPaint, then every control from the
// bottom up) and hands the picture to the window system, so controls need no windows;
// it reports every showing control to the element tree, and passes the pointer to the
// control under it (the pressed control keeps it until release) and keys to its OnKeyPress
// first, then to the focused control. Forms are borderless; dialogs draw their own
// caption bars. A form made with ReleaseOnClose frees itself once its window is gone.
class TForm : public TControl, public platform::WindowHandler {
 public:
  // `className` is what the element tree reports ("TForm", or the dialog's own class).
  explicit TForm(std::string name, std::string caption = {}, std::string className = "TForm");
  ~TForm() override;

  // ---- Showing ----
  void Show();
  void Hide();
  // Shows the form modally over the message queue and answers its ModalResult (mrCancel
  // when closed, 0 when the loop was aborted).
  int ShowModal();
  // Asks the form to close: a modal form ends its loop with mrCancel, another one hides
  // (or is released, with ReleaseOnClose).
  void Close();
  // Destroys the window from the queue; a form with ReleaseOnClose is freed with it.
  void Release();
  void SetModalResult(int result);
  int ModalResult() const { return modalResult_; }
  bool Modal() const;
  void BringToFront();
  void SetWindowState(WindowState state);
  WindowState State() const { return state_; }
  void SetStayOnTop(bool onTop);
  bool Active() const { return active_; }
  // Frees the form when its window is destroyed (Release, or the window system reset).
  bool ReleaseOnClose = false;
  bool ToolWindow = false;  // no taskbar entry; the window system has no taskbar to leave out

  // ---- Focus ----
  void SetFocusTo(TControl* control);
  TControl* FocusedControl() const { return focused_; }

  // ---- Events ----
  std::function<void(TForm&, PaintCanvas&)> OnPaint;
  std::function<void(TForm&)> OnActivate;
  std::function<void(TForm&)> OnDeactivate;
  // Typed characters reach this first; setting the key to 0 consumes it.
  std::function<void(TForm&, char&)> OnKeyPress;
  std::function<void(TForm&)> OnClose;

  // ---- The window ----
  platform::WindowId Window() const { return window_; }
  void SetBounds(int left, int top, int width, int height) override;
  void SetCaption(std::string_view caption) override;
  void SetVisible(bool visible) override;
  void SetEnabled(bool enabled) override;
  std::string ClassName() const override { return className_; }
  TForm* Form() const override { return const_cast<TForm*>(this); }
  // Repaints part of the form (client coordinates).
  void InvalidateArea(const Rect& area) const;
  // The form as it is painted, for screenshots and tests.
  Bitmap Snapshot();

  // ---- Every form of this module ----
  static const std::vector<TForm*>& Forms();
  // Frees every form that frees itself and is still alive (at unload).
  static void ReleaseOrphans();

 private:
  void Paint(const platform::DrawContext& context) override;
  void Pointer(const platform::PointerEvent& event) override;
  bool Key(const platform::KeyEvent& event) override;
  void Activation(bool active) override;
  void CaptureLost() override;
  void CloseRequested(platform::WindowId window) override;
  void Destroyed(platform::WindowId window) override;
  void ListElements(std::vector<platform::ElementInfo>& elements) const override;

  void PaintInto(Bitmap& picture, const Rect& area);
  TControl* ControlAt(TControl& within, int x, int y);
  void CreateWindowNow();

  std::string className_;
  platform::WindowId window_ = 0;
  int modalResult_ = mrNone;
  bool active_ = false;
  bool inModal_ = false;
  WindowState state_ = WindowState::Normal;
  bool stayOnTop_ = false;
  TControl* captured_ = nullptr;  // the control the pointer was pressed on
  TControl* hovered_ = nullptr;
  TControl* focused_ = nullptr;
  Bitmap buffer_;
  bool destroying_ = false;
};

}  // namespace toolkit
