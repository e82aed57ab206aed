#include "settings_store.h"

#include "parse.h"

#include <registry.h>

namespace plugin {

std::string ReadSetting(std::string_view key, std::string_view name, std::string_view fallback) {
  std::optional<std::string> value = platform::RegistryRead(key, name);
  return value && !value->empty() ? *value : std::string(fallback);
}

int ReadNumberSetting(std::string_view key, std::string_view name, int fallback) {
  return channel::TextToInt(ReadSetting(key, name, std::to_string(fallback)), fallback);
}

void WriteSetting(std::string_view key, std::string_view name, std::string_view text) {
  platform::RegistryWrite(key, name, text);
}

bool OnUnlessZero(std::string_view text) { return text != "0"; }

}  // namespace plugin
