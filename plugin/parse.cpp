#include "parse.h"

#include <charconv>
#include <cmath>

namespace channel {
namespace {

void DropLeading(std::string_view& text, char sep) {
  while (!text.empty() && text.front() == sep) text.remove_prefix(1);
}

std::string_view FieldView(std::string_view text, int n, char sep, bool skipLeading) {
  for (;;) {
    if (skipLeading) DropLeading(text, sep);
    std::size_t at = text.find(sep);
    if (n == 1) return at == std::string_view::npos ? text : text.substr(0, at);
    if (at == std::string_view::npos) return {};
    text.remove_prefix(at + 1);
    --n;  // a field number below 1 keeps walking until the separators run out
  }
}

}  // namespace

std::string GetField(std::string_view text, int n, char sep, bool skipLeading) {
  return std::string(FieldView(text, n, sep, skipLeading));
}

std::string GetFieldRest(std::string_view text, int n, char sep) {
  while (n != 1) {
    std::size_t at = text.find(sep);
    if (at == std::string_view::npos) return {};
    text.remove_prefix(at + 1);
    --n;
  }
  return std::string(text);
}

std::string GetFields(std::string_view text, int n, char sep) {
  std::string result(FieldView(text, 1, sep, false));
  // Walk the text once instead of searching from the start for every field.
  std::string_view rest = text;
  std::size_t at = rest.find(sep);
  rest = at == std::string_view::npos ? std::string_view() : rest.substr(at + 1);
  bool more = at != std::string_view::npos;
  for (int k = 2; k <= n; ++k) {
    result += sep;
    if (!more) continue;
    at = rest.find(sep);
    result.append(rest.substr(0, at));
    more = at != std::string_view::npos;
    rest = more ? rest.substr(at + 1) : std::string_view();
  }
  return result;
}

int CountFields(std::string_view text, char sep) {
  int field = 1;
  int lastNonEmpty = 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == sep) {
      if (i > start) lastNonEmpty = field;
      ++field;
      start = i + 1;
    }
  }
  return lastNonEmpty;
}

std::string UpperAscii(std::string_view text) {
  std::string result(text);
  for (char& c : result)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return result;
}

std::int32_t TextToInt(std::string_view text, std::int32_t fallback) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && text.front() == '-') return fallback;
  }
  if (text.empty()) return fallback;
  std::int32_t value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return fallback;
  return value;
}

std::string GetFieldUpper(std::string_view text, int n, char sep, bool skipLeading) {
  return UpperAscii(FieldView(text, n, sep, skipLeading));
}

std::int32_t GetFieldInt(std::string_view text, int n, char sep, bool skipLeading) {
  return TextToInt(FieldView(text, n, sep, skipLeading), 0);
}

bool GetFieldBool(std::string_view text, int n, char sep, bool skipLeading) {
  std::string upper = UpperAscii(FieldView(text, n, sep, skipLeading));
  return upper == "1" || upper == "T" || upper == "TRUE";
}

double GetFieldFloat(std::string_view text, int n, char sep, bool skipLeading) {
  std::string field(FieldView(text, n, sep, skipLeading));
  for (char& c : field)
    if (c == ',') c = '.';
  std::string_view view = field;
  while (!view.empty() && view.front() == ' ') view.remove_prefix(1);
  while (!view.empty() && view.back() == ' ') view.remove_suffix(1);
  if (!view.empty() && view.front() == '+') view.remove_prefix(1);
  if (view.empty()) return 0;
  double value = 0;
  auto [end, error] = std::from_chars(view.data(), view.data() + view.size(), value);
  if (error != std::errc() || end != view.data() + view.size() || !std::isfinite(value)) return 0;
  return value;
}

std::string ReplaceField(std::string_view text, int n, std::string_view value, char sep) {
  std::string result;
  if (n == 1) {
    result.append(value);
  } else {
    result = GetFields(text, n - 1, sep);
    result += sep;
    result.append(value);
  }
  result += sep;
  result += GetFieldRest(text, n + 1, sep);
  return result;
}

}  // namespace channel
