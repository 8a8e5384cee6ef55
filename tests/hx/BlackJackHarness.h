// The Black Jack server on a link end of its own, with a fixed deck: a test
// names the cards in dealing order, feeds client packets with
// OnDataReceived, steps GameServerRun and reads what the transport sent.
#pragma once

#include <string>
#include <vector>

#include "hx/BlackJackServer.h"
#include "tests/support/ServerHarness.h"

namespace hx {

class BlackJackHarness : public CServerHarness {
 public:
  explicit BlackJackHarness(double balance = 1000);
  ~BlackJackHarness() override;

  int Frame() override;
  // CLIENTINIT, then BEGINPLAY shuffling a deck whose top is cards.
  void Open(const std::string& cards);
  // The next BEGINPLAY (after ENDPLAY) with a deck whose top is cards.
  void NextGame(const std::string& cards);
  // FIRSTDEAL with bet and INSURANCE with "yes"/"no"; answers the
  // FIRSTDEALANSWER.
  std::string Deal(const std::string& bet, const char* insurance = "no");

  BlackJackServerRecord* record;
};

}  // namespace hx
