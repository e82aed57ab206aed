// gamehost: the reference host on the command line.
//
//   gamehost info PLUGIN...   what each plug-in says when it starts: its version and its
//                             start-up commands, one per line
#include "command_reader.h"
#include "plugin_instance.h"

#include <files.h>
#include <host_folder.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

// The registry base path a game site hands its plug-ins; its third field names the site.
constexpr const char* kBasePath = "Software\\GameHost\\Reference";

int Usage() {
  std::fprintf(stderr,
               "usage: gamehost info PLUGIN...\n"
               "  info   print each plug-in's version and start-up commands\n"
               "environment: GAMEHOST_FOLDER names the host installation (default: the\n"
               "  \"host\" folder beside this program, drawn by the build)\n");
  return 2;
}

int Info(int count, char** paths) {
  int status = 0;
  for (int i = 0; i < count; ++i) {
    std::string error;
    auto plugin = host::PluginInstance::Load(paths[i], &error);
    if (!plugin) {
      std::fprintf(stderr, "gamehost: %s\n", error.c_str());
      status = 1;
      continue;
    }
    std::string reply = plugin->InitDLL(kBasePath);
    auto commands = host::SplitCommands(reply);
    std::string version = !commands.empty() && commands[0].verb == "Ver" && !commands[0].fields.empty()
                              ? commands[0].fields[0]
                              : std::string();
    std::printf("%s\n", paths[i]);
    std::printf("  version: %s\n", version.empty() ? "(none)" : version.c_str());
    std::printf("  start-up commands (%zu):\n", commands.size());
    for (const host::Command& command : commands) std::printf("    %s|\n", command.text.c_str());
    plugin->Clear3D();
  }
  return status;
}

// The host installation: GAMEHOST_FOLDER when set, else the "host" folder the build draws
// beside this program, else this program's own folder.
void ChooseHostFolder() {
  if (const char* folder = std::getenv("GAMEHOST_FOLDER"); folder && *folder) {
    platform::SetHostFolder(folder);
    return;
  }
  std::string beside = platform::HostFolder() + "host/";
  if (platform::FileExists(beside + "backgammon/Menu.dat")) platform::SetHostFolder(beside);
}

}  // namespace

int main(int argc, char** argv) {
  ChooseHostFolder();
  if (argc >= 3 && std::strcmp(argv[1], "info") == 0) return Info(argc - 2, argv + 2);
  return Usage();
}
