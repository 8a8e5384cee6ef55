// The Pai Gow server on a link end of its own: a test fixes the deal, feeds
// client packets with OnDataReceived, steps GameServerRun and reads what
// the transport sent and the save points the server handed over.
#pragma once

#include <string>
#include <vector>

#include "framework/link/Comm.h"
#include "kw/PaiGowServer.h"
#include "tests/support/CaptureTransport.h"

namespace kw {

// The 14 ids of the next BEGINPLAY, the player's 7 then the dealer's 7: the
// random source hands out the draws that deal exactly these.
void QueueDeal(const int ids[kDealtCards]);

class PaiGowServerHarness {
 public:
  explicit PaiGowServerHarness(double balance = 1000);
  ~PaiGowServerHarness();

  // One frame of the server; answers its result.
  int Frame();
  // Feeds a client packet, then runs frames until the server sends (at most
  // ten); answers the packet sent, "" when none went out.
  std::string Exchange(const std::string& packet);
  // CLIENTINIT and a first BEGINPLAY dealing ids.
  void OpenSession(const int ids[kDealtCards]);
  // Feeds the packet, expects the failure answer, and that the server then
  // ends with -2 for ever and answers nothing more.
  void ExpectEndsWith(const std::string& packet, const std::string& answer);

  CComm comm;
  CCaptureTransport* transport;
  PaiGowServerRecord* record;
  int userId = 1;
  // The record as the server handed it over at each save point.
  std::vector<PaiGowServerRecord> savePoints;
};

}  // namespace kw
