// What a host reads from plug-ins and files: command lists, menu files, wave files.
#include <command_reader.h>
#include <menu_file.h>
#include <wave_file.h>

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  (void)host::SplitCommands(bytes);
  (void)host::ParseMenu(bytes);
  (void)platform::ParseWave(bytes);
  return 0;
}
