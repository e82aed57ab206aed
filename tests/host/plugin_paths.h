// Where the tests find the built plug-ins.
#pragma once

#include <cstdlib>
#include <string>

inline std::string PluginPath(const std::string& name) {
  const char* bin = std::getenv("GAMEPLUGINS_BIN");
  return std::string(bin ? bin : ".") + "/lib" + name + ".so";
}
