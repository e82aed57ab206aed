#include "relay.h"

#include "game_host.h"

#include <message_queue.h>

#include <algorithm>

namespace host {
namespace {

// The text after the verb's own "verb:" prefix ("Send:Play:" -> "12:Ann:...").
std::string AfterPrefix(const std::string& text, std::size_t fieldsToSkip) {
  std::size_t at = 0;
  for (std::size_t i = 0; i < fieldsToSkip; ++i) {
    at = text.find(':', at);
    if (at == std::string::npos) return {};
    ++at;
  }
  return text.substr(at);
}

}  // namespace

void Relay::Join(GameHost* host, int slot, std::string gameNumber, std::string player) {
  seats_.push_back({host, slot, std::move(gameNumber), std::move(player)});
}

void Relay::Observe(GameHost* host, int slot, std::string gameNumber) {
  seats_.push_back({host, slot, std::move(gameNumber), {}});
}

void Relay::Leave(GameHost* host) {
  std::erase_if(seats_, [&](const Seat& seat) { return seat.host == host; });
  std::erase_if(queue_, [&](const Message& message) { return message.to == host; });
}

void Relay::Queue(const Seat& seat, std::string text) {
  queue_.push_back({seat.host, seat.slot, std::move(text)});
  if (fromLoop_) {
    platform::Post([this, alive = std::weak_ptr<int>(alive_)] {
      if (!alive.expired()) Deliver(1);
    });
  }
}

void Relay::Route(GameHost* from, int slot, const Command& command) {
  const auto& f = command.fields;
  auto isSender = [&](const Seat& seat) { return seat.host == from && seat.slot == slot; };
  if (command.verb == "Send") {
    if (f.size() >= 2 && f[0] == "Play") {
      for (const Seat& seat : seats_)
        if (seat.gameNumber == f[1] && !isSender(seat)) Queue(seat, "Play:" + AfterPrefix(command.text, 2));
      return;
    }
    serverRecord_.push_back(command.text);
    return;
  }
  if (f.size() < 2) return;
  bool toObservers = command.verb == "SendW";
  std::string kind = command.verb == "SendG" ? "PlayG:" : "PlayW:";
  for (const Seat& seat : seats_) {
    if (seat.gameNumber != f[0] || isSender(seat)) continue;
    bool named = !seat.player.empty() && seat.player == f[1];
    bool observer = seat.player.empty();
    if (named || (toObservers && observer)) Queue(seat, kind + AfterPrefix(command.text, 1));
  }
}

int Relay::Deliver(int limit) {
  int delivered = 0;
  while (!queue_.empty() && delivered < limit) {
    Message message = std::move(queue_.front());
    queue_.pop_front();
    message.to->Deliver(message.slot, message.text);
    ++delivered;
  }
  return delivered;
}

}  // namespace host
