#include "command_reader.h"

namespace host {

int FixedFieldCount(std::string_view verb) {
  if (verb == "RTTI") return 3;  // form, control, property, then the value
  if (verb == "Display" || verb == "Event" || verb == "Message") return 0;
  if (verb == "Question") return 2;  // slot, number, then the text
  return -1;
}

namespace {

Command ReadCommand(std::string_view text) {
  Command command;
  command.text = std::string(text);
  std::size_t colon = text.find(':');
  command.verb = std::string(text.substr(0, colon));
  if (colon == std::string_view::npos) return command;
  std::string_view rest = text.substr(colon + 1);
  int fixed = FixedFieldCount(command.verb);
  for (;;) {
    bool last = fixed == 0;
    std::size_t at = last ? std::string_view::npos : rest.find(':');
    command.fields.emplace_back(rest.substr(0, at));
    if (at == std::string_view::npos) break;
    rest = rest.substr(at + 1);
    if (fixed > 0) --fixed;
  }
  return command;
}

}  // namespace

std::vector<Command> SplitCommands(std::string_view commandList) {
  std::vector<Command> commands;
  while (!commandList.empty()) {
    std::size_t bar = commandList.find('|');
    commands.push_back(ReadCommand(commandList.substr(0, bar)));
    if (bar == std::string_view::npos) break;
    commandList.remove_prefix(bar + 1);
  }
  return commands;
}

}  // namespace host
