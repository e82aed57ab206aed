// The host's two drawing controls that Init3D hands to a plug-in: an image control showing a
// picture the plug-in paints, and a transparent paint box laid over it for transient
// drawing (a dragged piece, a sliding checker, a move-help mark).
//
// Both are child windows of the host's form. Across the plug-in boundary they travel as
// GpObject handles (abi/gameplugin.h): the window id itself, cast to a pointer, so a null
// handle is "no control" and a handle of a destroyed control is simply unknown.
#pragma once

#include "surface.h"
#include "window_system.h"

#include <gameplugin.h>

#include <functional>
#include <string>

namespace platform {

// ---- Handles ----

GpObject HandleOf(WindowId window);
// The window a handle names; 0 for a null handle or one whose window no longer exists.
WindowId WindowOfHandle(GpObject handle);

// ---- The host's side ----

// HostControlParams holds where the host puts one of its controls: its name (what the
// element tree reports), its parent window (the host's form) and its rectangle there.
struct HostControlParams {
  std::string Name;
  WindowId Parent = 0;
  Rect Bounds;
  bool Visible = true;
};

// An image control (class "TImage"): shows its picture, an empty surface at first, with the
// picture's top-left corner at the control's; where the picture does not reach, what lies
// beneath shows. The window system owns the picture and frees it with the control.
WindowId CreateImageControl(const HostControlParams& params);

// PaintBoxHooks holds what the host hears of its paint box: after the box is painted (the
// host may let a plug-in draw its transient things again there) and the pointer events over
// it (the host passes them on to the plug-in's pointer exports). Both are optional.
struct PaintBoxHooks {
  std::function<void(const DrawContext&)> Painted;
  std::function<void(const PointerEvent&)> Pointer;
};

// A paint box (class "TPaintBox"): a transparent window; it paints nothing of its own, so
// the image beneath shows through wherever it is painted.
WindowId CreatePaintBox(const HostControlParams& params, PaintBoxHooks hooks = {});

// ---- The plug-in's side ----

// The picture of an image control, nullptr for any other window. The plug-in owns its size
// (Resize) and its pixels; the control's own size is Bounds(image). After changing it, call
// RefreshImage so that the control shows it (and the paint box over it is cleared of
// transient drawing, as the whole area is painted again).
Surface* ImageSurface(WindowId image);
// Paints the image control again at once; false for a window that is not an image control.
bool RefreshImage(WindowId image);
// Transient drawing on the paint box draws straight onto the window: DirectDraw(paintBox)
// (window_system.h). RefreshWindow(paintBox) erases it, letting the image show through.

}  // namespace platform
