#include "host_controls.h"

#include "window_state.h"

#include <cstdint>

namespace platform {
namespace {

// The image control's handler: owns the picture and shows it at the top-left corner.
class ImageControl final : public WindowHandler {
 public:
  void Paint(const DrawContext& context) override {
    context.Copy(0, 0, picture_, picture_.Bounds());
  }
  void Destroyed(WindowId) override { delete this; }

  Surface& Picture() { return picture_; }

 private:
  Surface picture_;
};

// The paint box's handler: draws nothing (so it is transparent) and passes what happens
// to it on to the host's hooks.
class PaintBox final : public WindowHandler {
 public:
  explicit PaintBox(PaintBoxHooks hooks) : hooks_(std::move(hooks)) {}

  void Paint(const DrawContext& context) override {
    if (hooks_.Painted) hooks_.Painted(context);
  }
  void Pointer(const PointerEvent& event) override {
    if (hooks_.Pointer) hooks_.Pointer(event);
  }
  void Destroyed(WindowId) override { delete this; }

 private:
  PaintBoxHooks hooks_;
};

WindowId CreateControl(const HostControlParams& params, const char* className, WindowHandler* handler) {
  WindowParams window;
  window.Name = params.Name;
  window.Class = className;
  window.Bounds = params.Bounds;
  window.Parent = params.Parent;
  window.Visible = params.Visible;
  window.Handler = handler;
  WindowId id = CreateWindow(window);
  if (id == 0) delete handler;
  return id;
}

ImageControl* ImageOf(WindowId image) {
  detail::WindowRecord* record = detail::Find(image);
  return record ? dynamic_cast<ImageControl*>(record->Handler) : nullptr;
}

}  // namespace

// ---- Handles ----

GpObject HandleOf(WindowId window) {
  return reinterpret_cast<GpObject>(static_cast<std::uintptr_t>(window));
}

WindowId WindowOfHandle(GpObject handle) {
  auto value = reinterpret_cast<std::uintptr_t>(handle);
  if (value > UINT32_MAX) return 0;
  auto window = static_cast<WindowId>(value);
  return WindowExists(window) ? window : 0;
}

// ---- The host's side ----

WindowId CreateImageControl(const HostControlParams& params) {
  return CreateControl(params, "TImage", new ImageControl());
}

WindowId CreatePaintBox(const HostControlParams& params, PaintBoxHooks hooks) {
  return CreateControl(params, "TPaintBox", new PaintBox(std::move(hooks)));
}

// ---- The plug-in's side ----

Surface* ImageSurface(WindowId image) {
  ImageControl* control = ImageOf(image);
  return control ? &control->Picture() : nullptr;
}

bool RefreshImage(WindowId image) {
  if (!ImageOf(image)) return false;
  RefreshWindow(image);
  return true;
}

}  // namespace platform
