#include "host_folder.h"

#include <unistd.h>

#include <climits>

namespace platform {
namespace {

std::string& ChosenFolder() {
  static std::string folder;
  return folder;
}

std::string WithSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

std::string ProgramFolder() {
  char buffer[PATH_MAX];
  ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (length <= 0) return "./";
  std::string path(buffer, static_cast<std::size_t>(length));
  return path.substr(0, path.rfind('/') + 1);
}

}  // namespace

std::string HostFolder() {
  const std::string& chosen = ChosenFolder();
  return chosen.empty() ? ProgramFolder() : chosen;
}

void SetHostFolder(const std::string& folder) {
  ChosenFolder() = folder.empty() ? std::string() : WithSlash(folder);
}

}  // namespace platform
