#include "host_message.h"

#include "parse.h"

#include <cstdint>
#include <cstdlib>

namespace plugin {

HostMessage SplitMessage(std::string_view message) {
  HostMessage result;
  result.kindText = channel::GetField(message, 1, ':');
  result.rest = channel::GetFieldRest(message, 2, ':');
  const std::string& kind = result.kindText;
  if (kind == "Play") result.kind = MessageKind::Play;
  else if (kind == "PlayG") result.kind = MessageKind::PlayG;
  else if (kind == "PlayW") result.kind = MessageKind::PlayW;
  else if (kind == "Question") result.kind = MessageKind::Question;
  else if (kind == "ActionDelay") result.kind = MessageKind::ActionDelay;
  return result;
}

ActionCode SplitAction(std::int32_t code) {
  // The most negative code has no positive twin; it names no control.
  if (code == INT32_MIN) return {};
  return {std::abs(code), code > 0};
}

}  // namespace plugin
