// The Craps server on a link end of its own: a test feeds client packets
// with OnDataReceived, steps GameServerRun and reads what the transport sent.
#pragma once

#include <string>

#include "framework/game/ServerFrame.h"
#include "framework/link/Comm.h"
#include "dq/CrapsServer.h"
#include "tests/support/CaptureTransport.h"

namespace dq {

// Dice of the next BEGINPLAYs, in order; the random source hands them out.
void QueueDice(int die1, int die2);

class ServerHarness {
 public:
  // sender: where the server's save points go; by default DropSavePoint.
  explicit ServerHarness(double balance = 1000, game::SavePointSender sender = nullptr);
  ~ServerHarness();

  // One frame of the server; answers its result.
  int Frame();
  // Feeds a client packet, then runs frames until the server sends (at most
  // ten); answers the packet sent, "" when none went out.
  std::string Exchange(const std::string& packet);
  // CLIENTINIT and a first BEGINPLAY rolling these dice.
  void OpenSession(int die1, int die2);
  // ROLLDICE with a bet list, SENDRESULT, ENDPLAY and the next BEGINPLAY with
  // these dice; answers the BETDATA packet.
  std::string PlayRoll(const std::string& betList, int nextDie1, int nextDie2);

  CComm comm;
  CCaptureTransport* transport;
  CrapsServerRecord* record;
  int userId = 1;
};

}  // namespace dq
