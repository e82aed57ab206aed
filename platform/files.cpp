#include "files.h"

#include "paths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace platform {
namespace {

// Writes all bytes, retrying short writes and interrupted calls.
bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

std::string ParentOf(const std::string& path) {
  std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return {};
  return path.substr(0, slash == 0 ? 1 : slash);
}

}  // namespace

bool FileExists(std::string_view path) {
  struct stat info;
  std::string native = NativePath(path);
  return !native.empty() && ::stat(native.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::optional<std::string> ReadWholeFile(std::string_view path) {
  std::string native = NativePath(path);
  if (native.empty()) return std::nullopt;
  int fd = ::open(native.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::string content;
  char buffer[65536];
  for (;;) {
    ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      ::close(fd);
      return std::nullopt;
    }
    if (got == 0) break;
    content.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(fd);
  return content;
}

bool CreateFolders(std::string_view path) {
  std::string native = NativePath(path);
  if (native.empty()) return false;
  for (std::size_t i = 1; i <= native.size(); ++i) {
    if (i == native.size() || native[i] == '/') {
      std::string prefix = native.substr(0, i);
      if (::mkdir(prefix.c_str(), 0777) != 0 && errno != EEXIST) return false;
    }
  }
  struct stat info;
  return ::stat(native.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool WriteWholeFile(std::string_view path, std::string_view bytes) {
  std::string native = NativePath(path);
  if (native.empty() || native.back() == '/') return false;
  std::string parent = ParentOf(native);
  if (!parent.empty() && !CreateFolders(parent)) return false;
  std::string temporary = native + ".tmp-XXXXXX";
  int fd = ::mkstemp(temporary.data());
  if (fd < 0) return false;
  bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (ok) ::chmod(temporary.c_str(), 0644);
  if (!ok || ::rename(temporary.c_str(), native.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return false;
  }
  return true;
}

bool AppendToFile(std::string_view path, std::string_view bytes) {
  std::string native = NativePath(path);
  if (native.empty() || native.back() == '/') return false;
  std::string parent = ParentOf(native);
  if (!parent.empty() && !CreateFolders(parent)) return false;
  int fd = ::open(native.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, bytes);
  return (::close(fd) == 0) && ok;
}

bool CopyFileOver(std::string_view from, std::string_view to) {
  std::optional<std::string> content = ReadWholeFile(from);
  return content && WriteWholeFile(to, *content);
}

bool DeleteFileAt(std::string_view path) {
  std::string native = NativePath(path);
  if (native.empty()) return false;
  return ::unlink(native.c_str()) == 0 || errno == ENOENT;
}

}  // namespace platform
