// A game server on a scripted link: a simulation plays the client side,
// packet by packet, through the server's own link end, and reads each
// answer's tags.
#pragma once

#include <string>

#include "framework/link/Comm.h"
#include "framework/link/KeyValueList.h"

namespace sim {

class CSimTransport : public CTransport {
 public:
  int SendData(const char* text, std::size_t length) override;
  int HandBack() override { return 1; }
  void Poll() override {}
  int IsIdle() override { return 1; }
  void OnEvent(int) override {}

  std::string last;
  long long packets = 0;
};

// One frame of the game's server step over its record (the shell's RunHook).
using ServerStep = int (*)(void* record, CComm& comm, int userId);

class CScriptedLink {
 public:
  // name prefixes every message printed; step runs record for user 1.
  CScriptedLink(const char* name, ServerStep step, void* record);
  CScriptedLink(const CScriptedLink&) = delete;
  CScriptedLink& operator=(const CScriptedLink&) = delete;

  // Feeds a client packet and steps the server until it answers; the
  // answer's tags when it says "ok", else null after printing what went wrong.
  CKeyValueList* Exchange(const char* packet);
  int ExchangeOk(const char* packet) { return Exchange(packet) != nullptr; }
  // One more frame of the server; its result.
  int Step() { return step_(record_, comm_, 1); }
  // The text of the last packet the server sent.
  const std::string& LastSent() const { return transport_->last; }

 private:
  const char* name_;
  ServerStep step_;
  void* record_;
  CComm comm_;
  CSimTransport* transport_;
  CKeyValueList answer_;
};

}  // namespace sim
