// A Craps session against the real stand-in main client (MainClientSession.h)
// with the dice the server is to roll and the steps' handles on the table.
#pragma once

#include <string>
#include <vector>

#include "dq/CrapsClientRecord.h"
#include "tests/support/MainClientSession.h"

class CrapsSession : public CMainClientSession {
 public:
  // root: as CMainClientSession's, with the staged games/craps folder.
  explicit CrapsSession(std::string root);

  // Die values 1..6 in the order the server draws them.
  std::vector<int> dice;
  // Runs the program with the dice from the first (CMainClientSession::Run).
  int Run(int hidden);

  // ---- For the steps ----
  static dq::CrapsClientRecord* Record();
  static bool Betting();
  static void ClickBet(int kind);
  static void RightClickBet(int kind);
  static void ClickButton(int button);
};
