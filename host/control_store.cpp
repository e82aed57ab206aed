#include "control_store.h"

namespace host {

std::string ControlStore::KeyOf(std::string_view form, std::string_view control,
                                std::string_view property) {
  std::string key;
  key.reserve(form.size() + control.size() + property.size() + 2);
  for (std::string_view part : {form, control, property}) {
    if (!key.empty()) key += '\n';  // no name holds a line break, so keys stay distinct
    for (char c : part) key += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  }
  return key;
}

void ControlStore::Set(std::string_view form, std::string_view control, std::string_view property,
                       std::string_view value) {
  values_[KeyOf(form, control, property)] = std::string(value);
}

std::optional<std::string> ControlStore::Get(std::string_view form, std::string_view control,
                                             std::string_view property) const {
  auto found = values_.find(KeyOf(form, control, property));
  if (found == values_.end()) return std::nullopt;
  return found->second;
}

std::string ControlStore::Value(std::string_view form, std::string_view control,
                                std::string_view property) const {
  return Get(form, control, property).value_or("");
}

}  // namespace host
