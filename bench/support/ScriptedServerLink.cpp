#include "bench/support/ScriptedServerLink.h"

#include <cstdio>
#include <cstring>

#include "framework/game/ServerFrame.h"

CScriptedServerLink::CScriptedServerLink(const char* name, ServerStep step, void* record)
    : name_(name), step_(step), record_(record), transport_(new CCaptureTransport) {
  comm_.Init("serverout.log", "serverin.log");
  comm_.SetTransport(transport_);
  game::SetSavePointSender(DropSavePoint);
}

CScriptedServerLink::~CScriptedServerLink() { game::SetSavePointSender(nullptr); }

CKeyValueList* CScriptedServerLink::Exchange(const char* packet, const char* alsoWanted) {
  if (!comm_.OnDataReceived(packet, std::strlen(packet) + 1)) {
    std::fprintf(stderr, "%s: the server end refused %s\n", name_, packet);
    return nullptr;
  }
  // Only the answer to this packet is kept: a long run holds no history.
  transport_->sent.clear();
  for (int frame = 0; frame < 10 && transport_->sent.empty(); ++frame) Step();
  if (transport_->sent.empty()) {
    std::fprintf(stderr, "%s: no answer to %s\n", name_, packet);
    return nullptr;
  }
  answer_.Clear();
  answer_.Decode(transport_->LastText().c_str());
  const char* result = answer_.GetValue("answer");
  const bool wanted = result != nullptr && (std::strcmp(result, "ok") == 0 ||
                                            (alsoWanted != nullptr && std::strcmp(result, alsoWanted) == 0));
  if (!wanted) {
    std::fprintf(stderr, "%s: %s was answered %s\n", name_, packet, transport_->LastText().c_str());
    return nullptr;
  }
  return &answer_;
}

int CScriptedServerLink::ExchangeOk(const char* packet) { return Exchange(packet) != nullptr; }

int CScriptedServerLink::Step() { return step_(record_, comm_, 1); }
