// The field operations on arbitrary texts, separators and field numbers.
#include <parse.h>
#include <xstring.h>

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  char sep = static_cast<char>(data[0]);
  int n = static_cast<std::int8_t>(data[1]);
  bool skip = data[2] & 1;
  std::string text(reinterpret_cast<const char*>(data + 3), size - 3);
  (void)channel::GetField(text, n, sep, skip);
  (void)channel::GetFieldRest(text, n, sep);
  (void)channel::GetFields(text, n, sep);
  (void)channel::CountFields(text, sep);
  (void)channel::GetFieldInt(text, n, sep, skip);
  (void)channel::GetFieldFloat(text, n, sep, skip);
  (void)channel::GetFieldBool(text, n, sep, skip);
  (void)channel::ReplaceField(text, n < 64 ? n : 64, "x", sep);
  (void)channel::PadLeft(text, n);
  (void)channel::TrimSpaces(text);
  return 0;
}
