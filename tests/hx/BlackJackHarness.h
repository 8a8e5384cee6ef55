// The Black Jack server on a link end of its own, with a fixed deck: a test
// names the cards in dealing order, feeds client packets with
// OnDataReceived, steps GameServerRun and reads what the transport sent.
#pragma once

#include <string>
#include <vector>

#include "framework/link/Comm.h"
#include "hx/BlackJackServer.h"
#include "tests/support/CaptureTransport.h"

namespace hx {

class BlackJackHarness {
 public:
  explicit BlackJackHarness(double balance = 1000);
  ~BlackJackHarness();

  int Frame();
  // Feeds a client packet, then runs frames until the server sends (at most
  // ten); answers the packet sent, "" when none went out.
  std::string Exchange(const std::string& packet);
  // CLIENTINIT, then BEGINPLAY shuffling a deck whose top is cards.
  void Open(const std::string& cards);
  // The next BEGINPLAY (after ENDPLAY) with a deck whose top is cards.
  void NextGame(const std::string& cards);
  // FIRSTDEAL with bet and INSURANCE with "yes"/"no"; answers the
  // FIRSTDEALANSWER.
  std::string Deal(const std::string& bet, const char* insurance = "no");
  // The server's answers and ends: -2 from now on, and nothing more is sent.
  void ExpectEnded();

  CComm comm;
  CCaptureTransport* transport;
  BlackJackServerRecord* record;
  int userId = 1;
};

double Balance();

}  // namespace hx
