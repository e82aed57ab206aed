#include "menu_file.h"

#include <files.h>
#include <parse.h>

namespace host {

std::vector<MenuItem> ParseMenu(std::string_view text) {
  std::vector<MenuItem> items;
  while (!text.empty()) {
    std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    MenuItem item;
    item.name = channel::GetField(line, 1, ';');
    std::string code = channel::GetField(line, 2, ';');
    item.code = channel::TextToInt(code, 0);
    item.caption = channel::GetField(line, 3, ';');
    item.toggle = channel::GetField(line, 4, ';') == "toggle";
    if (item.name.empty() || item.code <= 0) continue;
    items.push_back(std::move(item));
  }
  return items;
}

std::optional<std::vector<MenuItem>> LoadMenu(std::string_view path) {
  std::optional<std::string> text = platform::ReadWholeFile(path);
  if (!text) return std::nullopt;
  return ParseMenu(*text);
}

}  // namespace host
