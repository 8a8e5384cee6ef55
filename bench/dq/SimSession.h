// The real Craps server on a scripted link: the simulation plays the client
// side, packet by packet, through the server's own link end.
#pragma once

#include "bench/support/ScriptedLink.h"
#include "dq/BetWire.h"
#include "dq/CrapsServerRecord.h"

namespace dq::sim {

class SimSession {
 public:
  SimSession();
  ~SimSession();
  SimSession(const SimSession&) = delete;
  SimSession& operator=(const SimSession&) = delete;

  // CLIENTINIT; 1 when answered "ok".
  int Open();
  // BEGINPLAY, ROLLDICE with the bets, SENDRESULT, ENDPLAY. 1 with the
  // outcome read from BETDATA; 0 after printing what went wrong.
  int Roll(const float* bets, CrapsRollOutcome* outcome);
  // ENDPLAY with QUITFLAG 1 after a BEGINPLAY, then CLIENTEXIT; 1 when both
  // answered "ok" and the server ended.
  int Quit();

 private:
  CrapsServerRecord* record_;
  ::sim::CScriptedLink link_;
};

}  // namespace dq::sim
