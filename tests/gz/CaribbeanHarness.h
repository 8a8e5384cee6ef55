// The Caribbean Poker server on a link end of its own: a test fixes the
// cards of the next BEGINPLAYs, feeds client packets and reads what the
// transport sent.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "framework/link/Comm.h"
#include "gz/CaribbeanServer.h"
#include "tests/support/CaptureTransport.h"

namespace gz {

// The player's five, then the dealer's five (the up card first).
using TenCards = std::array<std::int32_t, kDealtCards>;

// The draws that make the next deal give these cards.
void QueueDeal(const TenCards& cards);

class CaribbeanHarness {
 public:
  explicit CaribbeanHarness(double balance = 100);
  ~CaribbeanHarness();
  CaribbeanHarness(const CaribbeanHarness&) = delete;
  CaribbeanHarness& operator=(const CaribbeanHarness&) = delete;

  // One frame of the server; answers its result.
  int Frame();
  // Feeds a client packet, then runs frames until the server sends (at most
  // ten); answers the packet sent, "" when none went out.
  std::string Exchange(const std::string& packet);
  // CLIENTINIT, then BEGINPLAY dealing cards.
  void OpenSession(const TenCards& cards);
  // FIRSTDEAL with this ante text; answers FIRSTDEALANSWER.
  std::string Ante(const std::string& ante);

  CComm comm;
  CCaptureTransport* transport;
  CaribbeanServerRecord* record;
  int userId = 1;
  int savePoints = 0;
};

double Balance();

}  // namespace gz
