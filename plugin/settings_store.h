// Reading and writing one setting under the options key.
#pragma once

#include <string>
#include <string_view>

namespace plugin {

// ---- Settings ----

// The string value `name` under `key`, or `fallback` when the value is missing or empty.
// Never creates the key.
std::string ReadSetting(std::string_view key, std::string_view name, std::string_view fallback);

// A whole number stored as text; `fallback` when missing, empty or not a number.
int ReadNumberSetting(std::string_view key, std::string_view name, int fallback);

// Writes the string value, creating the key when needed. A store that cannot be saved is
// left as it was; settings are not worth failing a call for.
void WriteSetting(std::string_view key, std::string_view name, std::string_view text);

// A switch stored as text: on unless the text is "0" ("no" and "" read as on).
bool OnUnlessZero(std::string_view text);

}  // namespace plugin
