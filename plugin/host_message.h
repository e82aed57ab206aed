// Splitting what the host delivers: messages into kind and rest, action codes into control
// and state.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace plugin {

// ---- Messages ----

// The kinds of message GameProcess receives. Unknown covers everything else, which the
// plug-ins ignore with an empty reply.
enum class MessageKind { Play, PlayG, PlayW, Question, ActionDelay, Unknown };

// HostMessage is one GameProcess message: its kind (the first ":"-field) and the rest.
struct HostMessage {
  MessageKind kind = MessageKind::Unknown;
  std::string kindText;
  std::string rest;
};

HostMessage SplitMessage(std::string_view message);

// ---- Action codes ----

// ActionCode is one Action call: the control its absolute value names, and for a toggle
// the new state its sign gives (positive: selected).
struct ActionCode {
  std::int32_t control = 0;
  bool selected = false;
};

ActionCode SplitAction(std::int32_t code);

}  // namespace plugin
