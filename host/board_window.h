// BoardWindow: the host's game window, with the board image and the paint box over it.
#pragma once

#include <gameplugin.h>
#include <host_controls.h>
#include <window_system.h>

#include <functional>
#include <string>

namespace host {

// ---- The game window ----

// BoardWindow is the host's form ("MainForm") holding the two controls it hands to a
// plug-in's Init3D: an image control ("BoardImage") showing the picture the plug-in paints,
// and a transparent paint box ("BoardPaintBox") of the same size laid over it. Pointer
// events over the paint box and its repaints are passed to the hooks, so the host can call
// the plug-in's pointer exports and Repaint. Destroying the object destroys the windows.
class BoardWindow {
 public:
  struct Hooks {
    std::function<void(const platform::PointerEvent&)> pointer;
    std::function<void()> painted;
  };

  BoardWindow(const std::string& title, int width, int height, Hooks hooks);
  ~BoardWindow();
  BoardWindow(const BoardWindow&) = delete;
  BoardWindow& operator=(const BoardWindow&) = delete;

  platform::WindowId Form() const { return form_; }
  platform::WindowId Image() const { return image_; }
  platform::WindowId PaintBox() const { return paintBox_; }
  GpObject ImageHandle() const { return platform::HandleOf(image_); }
  GpObject PaintBoxHandle() const { return platform::HandleOf(paintBox_); }

 private:
  // The form paints a plain background where the board does not reach.
  class FormPainter : public platform::WindowHandler {
   public:
    void Paint(const platform::DrawContext& context) override;
  };

  FormPainter painter_;
  platform::WindowId form_ = 0;
  platform::WindowId image_ = 0;
  platform::WindowId paintBox_ = 0;
};

}  // namespace host
