#include "tests/kw/PaiGowSession.h"

#include "kw/PaiGowClient.h"
#include "kw/PaiGowProgram.h"
#include "kw/art/PaiGowSheet.h"

namespace {

PaiGowSession* gSession = nullptr;

int ScriptedDraw() { return gSession != nullptr ? gSession->deal.Draw() : 0; }

}  // namespace

PaiGowSession::PaiGowSession(std::string root)
    : CMainClientSession(std::move(root), kw::kPaiGowGame, "paigow", kw::art::PaiGowSheet()) {
  serverRandom = ScriptedDraw;
  describe = [] {
    const kw::PaiGowClientRecord* r = kw::PaiGowClientHooks::Current();
    return ", client state " + std::to_string(r != nullptr ? r->state : -1);
  };
}

int PaiGowSession::Run(int hidden) {
  gSession = this;
  const std::vector<int> cards = deal.cards;
  deal = ScriptedDeal{};
  deal.cards = cards;
  const int code = CMainClientSession::Run(hidden);
  gSession = nullptr;
  return code;
}
