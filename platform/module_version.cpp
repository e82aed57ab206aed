#include "module_version.h"

#include "files.h"

#include <dlfcn.h>
#include <elf.h>

#include <cstring>
#include <string_view>

namespace platform {
namespace {

constexpr std::string_view kSectionName = ".note.gameversion";
constexpr std::string_view kNoteName = "GameVer";
constexpr std::uint32_t kNoteType = 1;

// Copies a T out of `file` at `offset`; false when it would read past the end.
template <typename T>
bool ReadAt(std::string_view file, std::uint64_t offset, T& out) {
  if (offset > file.size() || file.size() - offset < sizeof(T)) return false;
  std::memcpy(&out, file.data() + offset, sizeof(T));
  return true;
}

std::optional<ModuleVersion> ParseNote(std::string_view note) {
  std::uint32_t nameSize = 0, descSize = 0, type = 0;
  if (!ReadAt(note, 0, nameSize) || !ReadAt(note, 4, descSize) || !ReadAt(note, 8, type))
    return std::nullopt;
  std::uint64_t nameEnd = 12 + static_cast<std::uint64_t>(nameSize);
  std::uint64_t descStart = (nameEnd + 3) & ~std::uint64_t{3};
  if (type != kNoteType || descSize < 8 || descStart + descSize > note.size()) return std::nullopt;
  std::string_view name = note.substr(12, nameSize);
  if (!name.empty() && name.back() == '\0') name.remove_suffix(1);
  if (name != kNoteName) return std::nullopt;
  ModuleVersion version{};
  std::memcpy(version.data(), note.data() + descStart, sizeof version);
  return version;
}

}  // namespace

std::optional<ModuleVersion> ReadModuleVersion(const std::string& path) {
  std::optional<std::string> content = ReadWholeFile(path);
  if (!content) return std::nullopt;
  std::string_view file = *content;
  Elf64_Ehdr header;
  if (!ReadAt(file, 0, header) || std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 ||
      header.e_ident[EI_CLASS] != ELFCLASS64 || header.e_shentsize != sizeof(Elf64_Shdr))
    return std::nullopt;
  Elf64_Shdr names;
  if (!ReadAt(file, header.e_shoff + std::uint64_t{header.e_shstrndx} * sizeof(Elf64_Shdr), names))
    return std::nullopt;
  for (std::uint64_t i = 0; i < header.e_shnum; ++i) {
    Elf64_Shdr section;
    if (!ReadAt(file, header.e_shoff + i * sizeof(Elf64_Shdr), section)) return std::nullopt;
    std::uint64_t nameAt = names.sh_offset + section.sh_name;
    if (nameAt >= file.size() || names.sh_offset > file.size()) continue;
    std::string_view rest = file.substr(nameAt);
    std::string_view name = rest.substr(0, rest.find('\0'));
    if (name != kSectionName) continue;
    if (section.sh_offset > file.size() || file.size() - section.sh_offset < section.sh_size)
      return std::nullopt;
    return ParseNote(file.substr(section.sh_offset, section.sh_size));
  }
  return std::nullopt;
}

std::string ModulePathOf(const void* address) {
  Dl_info info;
  if (::dladdr(address, &info) == 0 || !info.dli_fname) return {};
  return info.dli_fname;
}

}  // namespace platform
