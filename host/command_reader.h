// Reading a CommandList the way a host does.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace host {

// ---- Commands ----

// One command of a CommandList: the whole text (without the closing "|"), the verb, and
// the ":"-separated fields after it. Verbs whose last field runs to the "|" (RTTI,
// Display, Event, Message, Question) keep any ":" inside that field.
struct Command {
  std::string text;
  std::string verb;
  std::vector<std::string> fields;
};

// Splits a plain CommandList into its commands, in order. A trailing text without "|" is
// kept as a last command, so nothing a plug-in wrote goes unseen.
std::vector<Command> SplitCommands(std::string_view commandList);

// How many fields a verb has before its free last field, which runs to the "|" and may
// hold ":"; -1 when every field ends at a ":".
int FixedFieldCount(std::string_view verb);

}  // namespace host
