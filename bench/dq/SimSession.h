// The real Craps server on a scripted link: the simulation plays the client
// side, packet by packet, through the server's own link end.
#pragma once

#include <string>

#include "dq/BetWire.h"
#include "framework/link/Comm.h"
#include "dq/CrapsServerRecord.h"

namespace dq::sim {

class CSimTransport : public CTransport {
 public:
  int SendData(const char* text, std::size_t length) override;
  int HandBack() override { return 1; }
  void Poll() override {}
  int IsIdle() override { return 1; }
  void OnEvent(int) override {}

  std::string last;
  long long packets = 0;
};

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
  // Feeds a client packet and steps the server until it answers; the
  // answer's tags, or null after printing the packet that got none.
  CKeyValueList* Exchange(const char* packet);
  int ExchangeOk(const char* packet);

  CComm comm_;
  CSimTransport* transport_;
  CrapsServerRecord* record_;
  CKeyValueList answer_;
};

}  // namespace dq::sim
