// The plug-in menu file ("Menu.dat") the host loads when a plug-in names it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace host {

// ---- Menu items ----

// One menu item: the name plug-ins address it by ("M26"), the Action code it reports, its
// caption, and whether it is a switch (reported with the sign of its new state).
struct MenuItem {
  std::string name;
  std::int32_t code = 0;
  std::string caption;
  bool toggle = false;
};

// Reads a menu file: one item a line, "<name>;<code>;<caption>[;toggle]"; lines starting
// with "#" and empty lines are skipped, and so are lines that do not read as an item.
std::vector<MenuItem> ParseMenu(std::string_view text);

// Loads and parses a menu file (Windows-style path); nothing when it cannot be read.
std::optional<std::vector<MenuItem>> LoadMenu(std::string_view path);

}  // namespace host
