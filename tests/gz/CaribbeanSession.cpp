#include "tests/gz/CaribbeanSession.h"

#include "gz/CaribbeanClient.h"
#include "gz/CaribbeanProgram.h"
#include "gz/art/CaribbeanSheet.h"

namespace {

CaribbeanSession* gSession = nullptr;

int ScriptedDraw() { return gSession != nullptr ? gSession->deal.Draw() : 0; }

}  // namespace

CaribbeanSession::CaribbeanSession(std::string root)
    : CMainClientSession(std::move(root), gz::kCaribbeanGame, "caribbean", gz::art::CaribbeanSheet()) {
  serverRandom = ScriptedDraw;
  describe = [] {
    const gz::CaribbeanClientRecord* r = gz::CaribbeanClientHooks::Current();
    return ", client state " + std::to_string(r != nullptr ? r->state : -1);
  };
}

int CaribbeanSession::Run(int hidden) {
  gSession = this;
  const std::vector<int> cards = deal.cards;
  deal = CaribbeanDeal{};
  deal.cards = cards;
  const int code = CMainClientSession::Run(hidden);
  gSession = nullptr;
  return code;
}
