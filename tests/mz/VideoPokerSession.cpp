#include "tests/mz/VideoPokerSession.h"

#include "mz/VideoPokerClient.h"
#include "mz/VideoPokerProgram.h"
#include "mz/art/VideoPokerSheet.h"
#include "tests/support/QueuedDraws.h"

VideoPokerSession::VideoPokerSession(std::string root)
    : CMainClientSession(std::move(root), mz::kVideoPokerGame, "videopoker", mz::art::VideoPokerSheet()) {
  serverRandom = DrawQueued;
  describe = [] {
    const mz::VideoPokerClientRecord* r = mz::VideoPokerClientHooks::Current();
    return ", client state " + std::to_string(r != nullptr ? r->state : -1);
  };
}
