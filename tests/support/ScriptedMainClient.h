// A test window standing in for the main client on the headless bus: the
// one scripted main client of the tests.
//
// It answers the connect message (as told) and the alive query, counts hand
// backs, wake-ups and player records, and relays a client end's packet
// (kind 1) to the program as kind 2 and a server end's packet back as kind
// 1, passing on the receiver's answer. A filter sees each packet on the way
// and may rewrite it, drop it, hold it back until ReleaseHeld or send it
// twice.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "framework/link/PlayerRecord.h"
#include "platform/include/plat/types.h"

struct RelayedPacket {
  int channel;        // the link end that sent it: 1 client, 2 server
  std::string text;   // up to its zero byte
  std::size_t length; // bytes handed over, the zero byte included
  plat::LRESULT answer;  // the receiver's
};

// What the filter answers for a packet.
enum RelayAction { kRelayPass, kRelayDrop, kRelayHold, kRelayRepeat };

struct ScriptedMainClient {
  plat::HWND window = nullptr;
  plat::HWND program = nullptr;  // from the connect message
  plat::LRESULT connectAnswer = 1;
  plat::LRESULT aliveAnswer;     // the real main client's answer unless told
  std::function<void()> onConnect;  // runs before the connect is answered
  // Sees (and may rewrite) each packet; answers a RelayAction.
  std::function<int(int channel, std::string& text)> filter;

  int connects = 0;
  int aliveQueries = 0;
  int handBacks = 0;
  int wakeUps = 0;
  int records = 0;
  int dropped = 0;
  CPlayerRecord lastRecord;
  std::vector<RelayedPacket> relayed;  // every packet delivered, in order
  std::vector<RelayedPacket> held;     // held back, not yet delivered

  ScriptedMainClient();
  // The packets the receiver took, in order.
  std::vector<RelayedPacket> Taken() const;
  // Delivers the held packets in order; answers how many.
  int ReleaseHeld();
  // Sends a player record to the program, as at the end of a connect.
  plat::LRESULT SendRecord(const CPlayerRecord& record) const;
};

// Registers the main client's class and creates its window on the running
// backend (after plat::headless::Reset); the client starts afresh.
ScriptedMainClient& StartScriptedMainClient();
// The one started last.
ScriptedMainClient& TheScriptedMainClient();
