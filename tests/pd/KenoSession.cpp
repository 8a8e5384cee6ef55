#include "tests/pd/KenoSession.h"

#include "pd/KenoClient.h"
#include "pd/KenoProgram.h"
#include "pd/art/KenoSheet.h"
#include "tests/support/QueuedDraws.h"

KenoSession::KenoSession(std::string root)
    : CMainClientSession(std::move(root), pd::kKenoGame, "keno", pd::art::KenoSheet()) {
  serverRandom = DrawQueued;
  describe = [] {
    const pd::KenoClientRecord* r = pd::KenoClientHooks::Current();
    return ", client state " + std::to_string(r != nullptr ? r->state : -1);
  };
}
