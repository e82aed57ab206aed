// The compositor: what the screen, or one window, looks like, as a picture. Hosts turn the
// picture into a screenshot file; tests read its pixels.
#pragma once

#include "surface.h"
#include "window_system.h"

namespace platform {

// ---- Rendering ----

// The colour of the screen where no window lies.
inline constexpr Colour kDesktopColour{58, 110, 165};

// Paints whatever is pending, then renders the whole screen into `picture` (resized to the
// screen): the desktop, then every showing top-level window from the back to the front.
void RenderScreen(Surface& picture);
// Paints whatever is pending, then renders one window (top-level or child) into `picture`
// (resized to the window) as it looks within its top-level window, whatever covers it on the
// screen. False, with `picture` untouched, for an unknown window.
bool RenderWindow(WindowId window, Surface& picture);

}  // namespace platform
