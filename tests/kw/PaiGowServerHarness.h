// The Pai Gow server on a link end of its own: a test fixes the deal, feeds
// client packets with OnDataReceived, steps GameServerRun and reads what
// the transport sent and the save points the server handed over.
#pragma once

#include <string>
#include <vector>

#include "kw/PaiGowServer.h"
#include "tests/support/ServerHarness.h"

namespace kw {

// The 14 ids of the next BEGINPLAY, the player's 7 then the dealer's 7: the
// random source hands out the draws that deal exactly these.
void QueueDeal(const int ids[kDealtCards]);

class PaiGowServerHarness : public CServerHarness {
 public:
  explicit PaiGowServerHarness(double balance = 1000);
  ~PaiGowServerHarness() override;

  int Frame() override;
  // CLIENTINIT and a first BEGINPLAY dealing ids.
  void OpenSession(const int ids[kDealtCards]);

  PaiGowServerRecord* record;
  // The record as the server handed it over at each save point.
  std::vector<PaiGowServerRecord> savePoints;
};

}  // namespace kw
