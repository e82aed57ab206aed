#include "crypt.h"

#include "random.h"

#include <channel_key.h>

#include <cassert>

namespace channel {
namespace {

constexpr int kKeyLength = static_cast<int>(ChannelKey.size());
constexpr char kPipe = '|';
constexpr char kEscape = 1;

// Key bytes are numbered 1 to 59. A header from a garbled text can name any index, so the
// lookup folds it into range instead of reading past the key.
std::uint8_t KeyAt(int index) {
  int folded = ((index - 1) % kKeyLength + kKeyLength) % kKeyLength;
  return ChannelKey[static_cast<std::size_t>(folded)];
}

int NextIndex(int index) { return index >= kKeyLength ? 1 : index + 1; }

}  // namespace

std::string CryptEncodeWith(std::string_view plain, int startValue) {
  assert(startValue >= 2 && startValue <= 55 && startValue != 31);
  if (plain.empty()) return {};
  std::string out;
  out.reserve(plain.size() * 2 + 1);  // one pass, no growth: an escape doubles a byte at most
  out.push_back(static_cast<char>(startValue + 1));
  int k = startValue;
  for (char c : plain) {
    if (c == kPipe) {
      out.push_back(c);
      continue;
    }
    auto x = static_cast<std::uint8_t>(static_cast<std::uint8_t>(c) ^ KeyAt(k) ^
                                       static_cast<std::uint8_t>(startValue));
    if (x == 0 || x == 1 || x == static_cast<std::uint8_t>(kPipe)) {
      out.push_back(kEscape);
      out.push_back(c);
    } else {
      out.push_back(static_cast<char>(x));
    }
    k = NextIndex(k);
  }
  return out;
}

std::string CryptEncode(std::string_view plain) {
  if (plain.empty()) return {};
  int s = DrawStartValue([](std::uint32_t range) { return plugin::ProcessRandom().Next(range); });
  return CryptEncodeWith(plain, s);
}

std::string CryptDecode(std::string_view scrambled) {
  if (scrambled.size() < 2) return {};
  const int s = static_cast<std::uint8_t>(scrambled[0]) - 1;
  const auto mask = static_cast<std::uint8_t>(s);
  int k = s;
  std::string out;
  out.reserve(scrambled.size());
  for (std::size_t i = 1; i < scrambled.size(); ++i) {
    char b = scrambled[i];
    char plain;
    if (b == kPipe) {
      out.push_back(b);
      continue;
    }
    if (b == kEscape) {
      // The byte after a trailing escape is the text's terminating zero.
      plain = (i + 1 < scrambled.size()) ? scrambled[++i] : '\0';
    } else {
      plain = static_cast<char>(static_cast<std::uint8_t>(b) ^ KeyAt(k) ^ mask);
    }
    if (plain == '\0') break;
    out.push_back(plain);
    k = NextIndex(k);
  }
  return out;
}

}  // namespace channel
