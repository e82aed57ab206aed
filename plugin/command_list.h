// CommandList: the one builder through which every command for the host is written.
#pragma once

#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>

namespace plugin {

// ---- Building commands ----

// CommandList gathers commands for the host in the order they are to be carried out: each
// a verb with ":"-separated fields and a closing "|". Fields are texts or whole numbers;
// booleans are written "0" and "1". There is no escaping: a field must not hold "|" (the
// host reads the last field of RTTI, Display, Event, Message and Question up to the "|",
// so that one may hold ":" and CR LF).
class CommandList {
 public:
  template <typename... Fields>
  CommandList& Add(std::string_view verb, const Fields&... fields) {
    text_.append(verb);
    (AppendField(fields), ...);
    text_ += '|';
    return *this;
  }

  // Appends another list's commands after this one's.
  CommandList& Append(const CommandList& other) {
    text_ += other.text_;
    return *this;
  }

  bool Empty() const { return text_.empty(); }
  const std::string& Text() const { return text_; }
  void Clear() { text_.clear(); }

  // Hands the gathered text over and starts empty again (for immediate delivery).
  std::string Take() {
    std::string taken;
    taken.swap(text_);
    return taken;
  }

 private:
  void AppendField(std::string_view field) {
    text_ += ':';
    text_.append(field);
  }
  void AppendField(const char* field) { AppendField(std::string_view(field)); }
  void AppendField(const std::string& field) { AppendField(std::string_view(field)); }
  void AppendField(bool flag) { AppendField(std::string_view(flag ? "1" : "0")); }
  template <std::integral Number>
    requires(!std::same_as<Number, bool> && !std::same_as<Number, char>)
  void AppendField(Number number) {
    AppendField(std::string_view(std::to_string(number)));
  }

  std::string text_;
};

// "1" or "0".
inline std::string_view BoolText(bool flag) { return flag ? "1" : "0"; }

}  // namespace plugin
