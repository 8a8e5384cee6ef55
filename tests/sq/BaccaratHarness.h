// The Baccarat server on a link end of its own: a test fixes the cards of
// the next BEGINPLAYs, feeds client packets and reads what the transport
// sent and the records handed over at the save points.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "framework/link/Comm.h"
#include "sq/BaccaratServer.h"
#include "tests/support/CaptureTransport.h"

namespace sq {

// P1, P2, B1, B2, P3, B3.
using SixCards = std::array<std::int32_t, kCoupCards>;

// The draws that make the next deal give these cards.
void QueueDeal(const SixCards& cards);

class BaccaratHarness {
 public:
  explicit BaccaratHarness(double balance = 1000);
  ~BaccaratHarness();
  BaccaratHarness(const BaccaratHarness&) = delete;
  BaccaratHarness& operator=(const BaccaratHarness&) = delete;

  // One frame of the server; answers its result.
  int Frame();
  // Feeds a client packet, then runs frames until the server sends (at most
  // ten); answers the packet sent, "" when none went out.
  std::string Exchange(const std::string& packet);
  // CLIENTINIT, then BEGINPLAY dealing cards.
  void OpenSession(const SixCards& cards);
  // DEAL with this BETS text; answers DEALANSWER.
  std::string Deal(const std::string& bets);
  // Feeds the packet, expects the failure answer, and that the server then
  // ends with -2 for ever and answers nothing more.
  void ExpectEndsWith(const std::string& packet, const std::string& answer);

  CComm comm;
  CCaptureTransport* transport;
  BaccaratServerRecord* record;
  int userId = 1;
  std::vector<BaccaratServerRecord> savePoints;
};

// The local account's balance.
double Balance();

}  // namespace sq
