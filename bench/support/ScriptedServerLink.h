// A game server on a scripted link: a simulation plays the client side,
// packet by packet, through the server's own link end on a capture
// transport, and reads each answer.
#pragma once

#include <string>

#include "framework/link/Comm.h"
#include "framework/link/KeyValueList.h"
#include "tests/support/CaptureTransport.h"

class CScriptedServerLink {
 public:
  // The game's server step over its record, as the shell's RunHook gives it.
  using ServerStep = int (*)(void* record, CComm& comm, int userId);

  // name prefixes what goes wrong on stderr; record stays the caller's.
  CScriptedServerLink(const char* name, ServerStep step, void* record);
  ~CScriptedServerLink();
  CScriptedServerLink(const CScriptedServerLink&) = delete;
  CScriptedServerLink& operator=(const CScriptedServerLink&) = delete;

  // Feeds a client packet and steps the server until it answers; the
  // answer's tags when answered "ok" (or alsoWanted when given), else null
  // after printing the packet.
  CKeyValueList* Exchange(const char* packet, const char* alsoWanted = nullptr);
  int ExchangeOk(const char* packet);
  // One more frame of the server; its result.
  int Step();
  // The last answer decoded, and the last packet the server sent as text.
  const CKeyValueList& Answer() const { return answer_; }
  std::string LastText() const { return transport_->LastText(); }

 private:
  const char* name_;
  ServerStep step_;
  void* record_;
  CComm comm_;
  CCaptureTransport* transport_;
  CKeyValueList answer_;
};
