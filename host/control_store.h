// ControlStore: the host's forms and controls as the plug-ins address them.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace host {

// ---- Control properties ----

// ControlStore holds the value of every property a plug-in has set on a control of a host
// form ("MainForm", "GameB1", "Visible" -> "1"). Form, control and property names, and
// property paths such as "Font.name", are compared without regard to case, because the
// plug-ins spell the same names in several ways ("MainForm", "Mainform").
class ControlStore {
 public:
  void Set(std::string_view form, std::string_view control, std::string_view property,
           std::string_view value);
  std::optional<std::string> Get(std::string_view form, std::string_view control,
                                 std::string_view property) const;
  // The value, or "" when never set.
  std::string Value(std::string_view form, std::string_view control, std::string_view property) const;
  std::size_t Count() const { return values_.size(); }

 private:
  static std::string KeyOf(std::string_view form, std::string_view control, std::string_view property);
  std::map<std::string, std::string> values_;
};

}  // namespace host
