#include "bench/support/ScriptedLink.h"

#include <cstdio>
#include <cstring>

namespace sim {

int CSimTransport::SendData(const char* text, std::size_t) {
  last = text;
  ++packets;
  return 1;
}

CScriptedLink::CScriptedLink(const char* name, ServerStep step, void* record)
    : name_(name), step_(step), record_(record), transport_(new CSimTransport) {
  comm_.Init("serverout.log", "serverin.log");
  comm_.SetTransport(transport_);
}

CKeyValueList* CScriptedLink::Exchange(const char* packet) {
  if (!comm_.OnDataReceived(packet, std::strlen(packet) + 1)) {
    std::fprintf(stderr, "%s: the server end refused %s\n", name_, packet);
    return nullptr;
  }
  const long long before = transport_->packets;
  for (int frame = 0; frame < 10 && transport_->packets == before; ++frame) Step();
  if (transport_->packets == before) {
    std::fprintf(stderr, "%s: no answer to %s\n", name_, packet);
    return nullptr;
  }
  answer_.Clear();
  answer_.Decode(transport_->last.c_str());
  const char* result = answer_.GetValue("answer");
  if (result == nullptr || std::strcmp(result, "ok") != 0) {
    std::fprintf(stderr, "%s: %s was answered %s\n", name_, packet, transport_->last.c_str());
    return nullptr;
  }
  return &answer_;
}

}  // namespace sim
