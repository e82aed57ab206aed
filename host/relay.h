// Relay: the game server's part between the hosts of one process.
#pragma once

#include "command_reader.h"

#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace host {

class GameHost;

// ---- Routing messages between hosts ----

// Relay stands in for the game server: hosts join a game number as a player (by name) or
// as an observer, and the relay forwards what their plug-ins send, as the server would.
// "Send:Play" reaches the other seats of that game as a "Play" message; "SendG" reaches
// the named player as "PlayG"; "SendW" reaches the named player and the observers as
// "PlayW". Everything else a plug-in sends to the server (Win, AddHistory, Time,
// ErrorGame, ServerOk) is kept as the server's record. Messages wait in a queue until
// Deliver() runs, as they would on a network, so no plug-in is re-entered by its own send.
class Relay {
 public:
  struct Seat {
    GameHost* host = nullptr;
    int slot = 0;
    std::string gameNumber;
    std::string player;  // empty for an observer
  };
  struct Message {
    GameHost* to = nullptr;
    int slot = 0;
    std::string text;
  };

  void Join(GameHost* host, int slot, std::string gameNumber, std::string player);
  void Observe(GameHost* host, int slot, std::string gameNumber);
  void Leave(GameHost* host);

  // Takes one Send, SendG or SendW command written by the plug-in of `from` in `slot`.
  void Route(GameHost* from, int slot, const Command& command);

  // Delivers queued messages (and those they cause) until the queue is empty or `limit`
  // messages went out; returns how many were delivered.
  int Deliver(int limit = 100000);

  // Hands each queued message to the process's message loop as it arrives, as a network
  // connection would, so messages keep arriving while a plug-in's dialog runs a nested loop.
  void DeliverFromMessageLoop(bool on) { fromLoop_ = on; }

  const std::vector<std::string>& ServerRecord() const { return serverRecord_; }
  const std::deque<Message>& Pending() const { return queue_; }

 private:
  void Queue(const Seat& seat, std::string text);
  std::vector<Seat> seats_;
  std::deque<Message> queue_;
  std::vector<std::string> serverRecord_;
  bool fromLoop_ = false;
  // Tasks posted to the message loop hold a weak reference, so a relay destroyed before the
  // loop runs them is never touched.
  std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

}  // namespace host
