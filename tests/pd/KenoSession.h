// A Keno session against the real stand-in main client
// (MainClientSession.h), the server drawing the numbers the test queued.
#pragma once

#include <string>

#include "tests/support/MainClientSession.h"

class KenoSession : public CMainClientSession {
 public:
  // root: as CMainClientSession's, with the staged games/keno folder.
  explicit KenoSession(std::string root);
};
