// Unscrambling arbitrary bytes never reads outside the text or the key, and scrambling
// gives back every text without zero bytes.
#include <crypt.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  (void)channel::CryptDecode(bytes);
  std::string plain = bytes.substr(0, bytes.find('\0'));
  if (channel::CryptDecode(channel::CryptEncode(plain)) != plain) std::abort();
  return 0;
}
