// The Craps server on a link end of its own: a test feeds client packets
// with OnDataReceived, steps GameServerRun and reads what the transport sent.
#pragma once

#include <string>

#include "framework/game/ServerFrame.h"
#include "dq/CrapsServer.h"
#include "tests/support/ServerHarness.h"

namespace dq {

// Dice of the next BEGINPLAYs, in order; the random source hands them out.
void QueueDice(int die1, int die2);

class ServerHarness : public CServerHarness {
 public:
  // sender: where the server's save points go; by default DropSavePoint.
  explicit ServerHarness(double balance = 1000, game::SavePointSender sender = nullptr);
  ~ServerHarness() override;

  int Frame() override;
  // CLIENTINIT and a first BEGINPLAY rolling these dice.
  void OpenSession(int die1, int die2);
  // ROLLDICE with a bet list, SENDRESULT, ENDPLAY and the next BEGINPLAY with
  // these dice; answers the BETDATA packet.
  std::string PlayRoll(const std::string& betList, int nextDie1, int nextDie2);

  CrapsServerRecord* record;
};

}  // namespace dq
