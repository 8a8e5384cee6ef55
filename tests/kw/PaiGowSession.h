// A Pai Gow Poker session against the real stand-in main client
// (MainClientSession.h) with the cards the server is to deal.
#pragma once

#include <string>

#include "tests/kw/ScriptedDeal.h"
#include "tests/support/MainClientSession.h"

class PaiGowSession : public CMainClientSession {
 public:
  // root: as CMainClientSession's, with the staged games/paigow folder.
  explicit PaiGowSession(std::string root);

  ScriptedDeal deal;
  // Runs the program dealing deal's cards from the first.
  int Run(int hidden);
};
