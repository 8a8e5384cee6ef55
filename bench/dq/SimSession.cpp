#include "bench/dq/SimSession.h"

#include <cstdio>
#include <cstring>

#include "dq/CrapsServer.h"

namespace dq::sim {

SimSession::SimSession()
    : record_(CrapsServerShell::New(kCrapsGameCode)),
      link_("craps_sim", CrapsServerShell::RunHook<GameServerRun>, record_) {}

SimSession::~SimSession() { CrapsServerShell::Free(record_); }

int SimSession::Open() { return link_.ExchangeOk("command=CLIENTINIT"); }

int SimSession::Roll(const float* bets, CrapsRollOutcome* outcome) {
  char packet[64 + kBetListTextSize] = "command=ROLLDICE&BET=";
  std::size_t head = std::strlen(packet);
  if (EncodeBetList(bets, {}, packet + head, sizeof(packet) - head) < 0) return 0;
  if (!link_.ExchangeOk("command=BEGINPLAY") || !link_.ExchangeOk(packet)) return 0;
  CKeyValueList* data = link_.Exchange("command=SENDRESULT&RESULT=");
  if (data == nullptr) return 0;
  const char* results = data->GetValue("RESULT");
  if (results == nullptr || ParseResultList(results, outcome) != kResultListOk) {
    std::fprintf(stderr, "craps_sim: unreadable results %s\n", link_.LastSent().c_str());
    return 0;
  }
  return link_.ExchangeOk("command=ENDPLAY");
}

int SimSession::Quit() {
  if (!link_.ExchangeOk("command=BEGINPLAY") || !link_.ExchangeOk("command=ENDPLAY&QUITFLAG=1") ||
      !link_.ExchangeOk("command=CLIENTEXIT")) {
    return 0;
  }
  return link_.Step() == -1;
}

}  // namespace dq::sim
