// A Baccarat session against the real stand-in main client
// (MainClientSession.h), the coups' cards queued for the server.
#pragma once

#include <string>
#include <vector>

#include "tests/sq/BaccaratRun.h"
#include "tests/support/MainClientSession.h"

class BaccaratSession : public CMainClientSession {
 public:
  // root: as CMainClientSession's, with the staged games/baccarat folder.
  explicit BaccaratSession(std::string root);

  std::vector<CoupDeal> coups;
  // Runs the program dealing coups from the first.
  int Run(int hidden);
};
