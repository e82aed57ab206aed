// Windows-style paths, as the plug-ins build them, turned into paths of this system.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// ---- Path translation ----

// Turns every "\" into "/", folds repeated separators, and resolves each component that
// exists on disk without regard to case, so "Backgammon\boardGreen.jpg" finds
// "backgammon/BoardGreen.jpg". Components that do not exist keep the name as written, so a
// new file takes the name its creator gave it.
std::string NativePath(std::string_view path);

}  // namespace platform
