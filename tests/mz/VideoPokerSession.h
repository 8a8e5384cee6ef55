// A Video Poker session against the real stand-in main client
// (MainClientSession.h), the server dealing the decks the test queued.
#pragma once

#include <string>

#include "tests/support/MainClientSession.h"

class VideoPokerSession : public CMainClientSession {
 public:
  explicit VideoPokerSession(std::string root);
};
