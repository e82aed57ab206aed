// The host program's folder, under which plug-ins find their pictures, sounds and data.
#pragma once

#include <string>

namespace platform {

// ---- Host folder ----

// The folder set by the host, or the running program's folder when the host set none.
// Always ends with "/".
std::string HostFolder();

// Set by the host before it loads a plug-in. An empty folder restores the default.
void SetHostFolder(const std::string& folder);

}  // namespace platform
