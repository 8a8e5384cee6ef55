// A game server on a link end of its own in a test: the test queues the
// draws of the server's random source, feeds client packets, steps the
// machine and reads what the transport sent. Each game's harness derives,
// makes its record and steps its own machine in Frame.
#pragma once

#include <cstdint>
#include <string>

#include "framework/link/Comm.h"
#include "tests/support/CaptureTransport.h"

class CServerHarness {
 public:
  // The account starts at balance; the server draws only what is queued.
  explicit CServerHarness(double balance);
  virtual ~CServerHarness();
  CServerHarness(const CServerHarness&) = delete;
  CServerHarness& operator=(const CServerHarness&) = delete;

  // One frame of the game's server; answers its result.
  virtual int Frame() = 0;
  // Feeds a client packet, then runs frames until the server sends (at most
  // ten); answers the packet sent, "" when none went out.
  std::string Exchange(const std::string& packet);
  // Feeds a packet whose command is answered "ok" under the command's own
  // name + "ANSWER" (CLIENTINIT, BEGINPLAY), and expects that answer.
  void ExpectAnsweredOk(const std::string& packet);
  // Feeds the packet, expects the failure answer, and that the server then
  // ends (ExpectEnded).
  void ExpectEndsWith(const std::string& packet, const std::string& answer);
  // The server has ended: -2 for ever, and it answers nothing more.
  void ExpectEnded();

  CComm comm;
  CCaptureTransport* transport;
  int userId = 1;
};

// Queues the draws that make a deal of distinct ids from the ordered deck
// 0..51 (each card the entry at draw mod cards left) give these ids.
void QueueDealOfIds(const std::int32_t* ids, int count);

// The local account's balance.
double AccountBalance();
