// Crypt: the scrambling of every CommandList and host argument that crosses the boundary.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace channel {

// ---- Scrambling ----

// Scrambles a plain text with a start value drawn from the plug-in's process-wide
// generator. The empty text stays empty.
std::string CryptEncode(std::string_view plain);

// Scrambles with a given start value s (2 to 55, never 31); for tests and for hosts that
// bring their own generator.
std::string CryptEncodeWith(std::string_view plain, int startValue);

// Unscrambles; a text shorter than 2 bytes gives the empty text, and the result ends at
// the first zero byte produced.
std::string CryptDecode(std::string_view scrambled);

// ---- Start values ----

// Draws a start value from a generator step function returning 0..range-1.
template <typename Draw>
int DrawStartValue(Draw&& draw) {
  int r = 0;
  do {
    r = static_cast<int>(draw(54u));
  } while (r == 29);  // 29 would give the header byte of a space
  return r + 2;
}

}  // namespace channel
