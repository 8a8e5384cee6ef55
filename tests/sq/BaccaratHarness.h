// The Baccarat server on a link end of its own: a test fixes the cards of
// the next BEGINPLAYs, feeds client packets and reads what the transport
// sent and the records handed over at the save points.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "sq/BaccaratServer.h"
#include "tests/support/ServerHarness.h"

namespace sq {

// P1, P2, B1, B2, P3, B3.
using SixCards = std::array<std::int32_t, kCoupCards>;

// The draws that make the next deal give these cards.
void QueueDeal(const SixCards& cards);

class BaccaratHarness : public CServerHarness {
 public:
  explicit BaccaratHarness(double balance = 1000);
  ~BaccaratHarness() override;

  int Frame() override;
  // CLIENTINIT, then BEGINPLAY dealing cards.
  void OpenSession(const SixCards& cards);
  // DEAL with this BETS text; answers DEALANSWER.
  std::string Deal(const std::string& bets);

  BaccaratServerRecord* record;
  std::vector<BaccaratServerRecord> savePoints;
};

}  // namespace sq
