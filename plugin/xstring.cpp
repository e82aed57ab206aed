#include "xstring.h"

#include <algorithm>

namespace channel {
namespace {

std::size_t ClampWidth(int width) { return static_cast<std::size_t>(std::clamp(width, 0, 255)); }

}  // namespace

std::string TrimRightSpaces(std::string_view text) {
  std::size_t end = text.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string() : std::string(text.substr(0, end + 1));
}

std::string TrimLeftSpaces(std::string_view text) {
  std::size_t start = text.find_first_not_of(' ');
  return start == std::string_view::npos ? std::string() : std::string(text.substr(start));
}

std::string TrimSpaces(std::string_view text) { return TrimRightSpaces(TrimLeftSpaces(text)); }

std::string PadRight(std::string_view text, int width) {
  std::size_t w = ClampWidth(width);
  std::string result(text.substr(0, w));
  result.resize(w, ' ');
  return result;
}

std::string PadLeft(std::string_view text, int width) {
  std::size_t w = ClampWidth(width);
  if (text.size() >= w) return std::string(text.substr(0, w));
  return std::string(w - text.size(), ' ') + std::string(text);
}

}  // namespace channel
