#include "bench/dq/SimSession.h"

#include <cstdio>
#include <cstring>

#include "dq/CrapsServer.h"

namespace dq::sim {

int CSimTransport::SendData(const char* text, std::size_t) {
  last = text;
  ++packets;
  return 1;
}

SimSession::SimSession() : transport_(new CSimTransport), record_(CrapsServerShell::New(kCrapsGameCode)) {
  comm_.Init("serverout.log", "serverin.log");
  comm_.SetTransport(transport_);
}

SimSession::~SimSession() { CrapsServerShell::Free(record_); }

CKeyValueList* SimSession::Exchange(const char* packet) {
  if (!comm_.OnDataReceived(packet, std::strlen(packet) + 1)) {
    std::fprintf(stderr, "craps_sim: the server end refused %s\n", packet);
    return nullptr;
  }
  long long before = transport_->packets;
  for (int frame = 0; frame < 10 && transport_->packets == before; ++frame) {
    GameServerRun(*record_, comm_, 1);
  }
  if (transport_->packets == before) {
    std::fprintf(stderr, "craps_sim: no answer to %s\n", packet);
    return nullptr;
  }
  answer_.Clear();
  answer_.Decode(transport_->last.c_str());
  const char* result = answer_.GetValue("answer");
  if (result == nullptr || std::strcmp(result, "ok") != 0) {
    std::fprintf(stderr, "craps_sim: %s was answered %s\n", packet, transport_->last.c_str());
    return nullptr;
  }
  return &answer_;
}

int SimSession::ExchangeOk(const char* packet) { return Exchange(packet) != nullptr; }

int SimSession::Open() { return ExchangeOk("command=CLIENTINIT"); }

int SimSession::Roll(const float* bets, CrapsRollOutcome* outcome) {
  char packet[64 + kBetListTextSize] = "command=ROLLDICE&BET=";
  std::size_t head = std::strlen(packet);
  if (EncodeBetList(bets, {}, packet + head, sizeof(packet) - head) < 0) return 0;
  if (!ExchangeOk("command=BEGINPLAY") || !ExchangeOk(packet)) return 0;
  CKeyValueList* data = Exchange("command=SENDRESULT&RESULT=");
  if (data == nullptr) return 0;
  const char* results = data->GetValue("RESULT");
  if (results == nullptr || ParseResultList(results, outcome) != kResultListOk) {
    std::fprintf(stderr, "craps_sim: unreadable results %s\n", transport_->last.c_str());
    return 0;
  }
  return ExchangeOk("command=ENDPLAY");
}

int SimSession::Quit() {
  if (!ExchangeOk("command=BEGINPLAY") || !ExchangeOk("command=ENDPLAY&QUITFLAG=1") ||
      !ExchangeOk("command=CLIENTEXIT")) {
    return 0;
  }
  return GameServerRun(*record_, comm_, 1) == -1;
}

}  // namespace dq::sim
