#include "compositor.h"

#include "window_state.h"

namespace platform {

void RenderScreen(Surface& picture) {
  detail::PaintAllPending();
  ScreenMetrics screen = Screen();
  picture.Resize(screen.Width, screen.Height);
  picture.Fill(picture.Bounds(), kDesktopColour);
  for (WindowId id : detail::State().TopLevels) {  // back to front
    const detail::WindowRecord* top = detail::Find(id);
    if (!top || !top->Visible) continue;
    picture.Copy(top->Bounds.Left, top->Bounds.Top, top->Backing, top->Backing.Bounds());
  }
}

bool RenderWindow(WindowId window, Surface& picture) {
  if (!WindowExists(window)) return false;
  detail::PaintAllPending();
  const detail::WindowRecord* top = detail::Find(TopLevelOf(window));
  if (!top) return false;  // painting destroyed it
  Rect screen = ScreenRect(window);
  Rect inTop = screen.Offset(-top->Bounds.Left, -top->Bounds.Top);
  picture.Resize(inTop.Width(), inTop.Height());
  picture.Fill(picture.Bounds(), kWindowColour);
  picture.Copy(0, 0, top->Backing, inTop);
  return true;
}

}  // namespace platform
