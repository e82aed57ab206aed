#include "paths.h"

#include <dirent.h>
#include <sys/stat.h>

#include <memory>
#include <vector>

namespace platform {
namespace {

bool Exists(const std::string& path) {
  struct stat info;
  return ::lstat(path.c_str(), &info) == 0;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// The entry of `folder` whose name equals `name` without regard to case, or "" when none.
std::string FindIgnoringCase(const std::string& folder, std::string_view name) {
  std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.empty() ? "." : folder.c_str()),
                                          ::closedir);
  if (!dir) return {};
  while (dirent* entry = ::readdir(dir.get())) {
    if (SameIgnoringCase(entry->d_name, name)) return entry->d_name;
  }
  return {};
}

std::vector<std::string> Components(std::string_view path) {
  std::vector<std::string> parts;
  std::string current;
  for (char c : path) {
    if (c == '/' || c == '\\') {
      if (!current.empty()) parts.push_back(std::move(current));
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty()) parts.push_back(std::move(current));
  return parts;
}

}  // namespace

std::string NativePath(std::string_view path) {
  if (path.empty()) return {};
  bool absolute = path.front() == '/' || path.front() == '\\';
  std::string result = absolute ? "/" : "";
  bool resolving = true;  // stops at the first component that does not exist
  for (const std::string& part : Components(path)) {
    std::string prefix = result;
    if (!prefix.empty() && prefix.back() != '/') prefix += '/';
    std::string candidate = prefix + part;
    if (resolving && !Exists(candidate) && part != "." && part != "..") {
      std::string found = FindIgnoringCase(prefix.empty() ? "." : prefix, part);
      if (!found.empty()) {
        candidate = prefix + found;
      } else {
        resolving = false;
      }
    }
    result = std::move(candidate);
  }
  if (path.back() == '/' || path.back() == '\\') {
    if (result.empty() || result.back() != '/') result += '/';
  }
  return result;
}

}  // namespace platform
