// The file version stamped into a module (a plug-in or a program) at build time.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// ---- Module files ----

// The four numbers of a module's file version: major, minor, patch, build.
using ModuleVersion = std::array<std::uint16_t, 4>;

// Reads the version note (".note.gameversion") from a module file; nothing when the file
// cannot be read, is not a 64-bit ELF file, or carries no such note.
std::optional<ModuleVersion> ReadModuleVersion(const std::string& path);

// The file of the module that contains `address` (a function or variable of it), or "".
std::string ModulePathOf(const void* address);

}  // namespace platform
