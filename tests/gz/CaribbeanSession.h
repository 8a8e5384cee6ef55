// A Caribbean Poker session against the real stand-in main client
// (MainClientSession.h) with the cards the server is to deal.
#pragma once

#include <string>

#include "tests/gz/CaribbeanRun.h"
#include "tests/support/MainClientSession.h"

class CaribbeanSession : public CMainClientSession {
 public:
  // root: as CMainClientSession's, with the staged games/caribbean folder.
  explicit CaribbeanSession(std::string root);

  CaribbeanDeal deal;
  // Runs the program dealing deal's cards from the first.
  int Run(int hidden);
};
