#include "tests/sq/BaccaratSession.h"

#include "sq/BaccaratClient.h"
#include "sq/BaccaratProgram.h"
#include "sq/art/BaccaratSheet.h"
#include "tests/support/QueuedDraws.h"

BaccaratSession::BaccaratSession(std::string root)
    : CMainClientSession(std::move(root), sq::kBaccaratGame, sq::art::kProgram, sq::art::BaccaratSheet()) {
  serverRandom = DrawQueuedOrFirst;
  describe = [] {
    const sq::BaccaratClientRecord* r = sq::BaccaratClientHooks::Current();
    return ", client state " + std::to_string(r != nullptr ? r->state : -1);
  };
}

int BaccaratSession::Run(int hidden) {
  ClearDraws();
  for (const CoupDeal& coup : coups) BaccaratRun::QueueCoup(coup);
  return CMainClientSession::Run(hidden);
}
