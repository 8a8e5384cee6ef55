// The Caribbean Poker server on a link end of its own: a test fixes the
// cards of the next BEGINPLAYs, feeds client packets and reads what the
// transport sent.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "gz/CaribbeanServer.h"
#include "tests/support/ServerHarness.h"

namespace gz {

// The player's five, then the dealer's five (the up card first).
using TenCards = std::array<std::int32_t, kDealtCards>;

// The draws that make the next deal give these cards.
void QueueDeal(const TenCards& cards);

class CaribbeanHarness : public CServerHarness {
 public:
  explicit CaribbeanHarness(double balance = 100);
  ~CaribbeanHarness() override;

  int Frame() override;
  // CLIENTINIT, then BEGINPLAY dealing cards.
  void OpenSession(const TenCards& cards);
  // FIRSTDEAL with this ante text; answers FIRSTDEALANSWER.
  std::string Ante(const std::string& ante);

  CaribbeanServerRecord* record;
  int savePoints = 0;
};

}  // namespace gz
