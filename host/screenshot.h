// Screenshots of what the host shows, as PNG files.
#pragma once

#include <window_system.h>

#include <string>

namespace host {

// ---- Screenshots ----

// Renders the whole screen (all windows of the process, in z-order) into a PNG file.
// False when there is nothing to render or the file cannot be written.
bool SaveScreenshot(const std::string& path);

// Renders one window (and its children) into a PNG file.
bool SaveWindowShot(platform::WindowId window, const std::string& path);

}  // namespace host
