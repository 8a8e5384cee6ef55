// A Craps session against the real stand-in main client on the headless
// bus: the main client keeps its balance and the program's saved game in a
// folder that outlives the run, so a run killed in the middle of a round can
// be followed by a run that restores it, as the main client would start it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "dq/CrapsClientRecord.h"
#include "platform/include/plat/headless.h"

class CMainClient;

class CrapsSession {
 public:
  // root: holds "balance.txt" and the staged games/craps folder (made and
  // filled with the artwork when missing).
  explicit CrapsSession(std::string root);

  // Die values 1..6 in the order the server draws them.
  std::vector<int> dice;
  // Answers every box the program shows (installed after the backend's
  // reset); null: each box's default button.
  std::function<int(const plat::headless::MessageBoxRecord&)> boxAnswers;
  // Steps the idle hook works through while the program plays.
  void When(std::function<bool()> condition, std::function<void()> action);
  void Then(std::function<void()> action);

  // Resets the backend, starts the main client and runs the program to its
  // end, hidden when hidden is 1 (as the main client starts it when a saved
  // game waits). Answers the program's exit code; fails the test when the
  // script is not done within a few virtual minutes.
  int Run(int hidden);
  // The main client of the running session (null outside Run).
  static CMainClient* MainClient();
  // The main client's balance when the last Run ended.
  double finalBalance = 0.0;
  int stepsDone = 0;

  // ---- For the steps ----
  static dq::CrapsClientRecord* Record();
  static bool Betting();
  static void ClickBet(int kind);
  static void RightClickBet(int kind);
  static void ClickButton(int button);
  const std::string& Folder() const { return folder_; }
  std::string SavedGame() const { return folder_ + "/db_savef"; }

 private:
  struct Step {
    std::function<bool()> condition;
    std::function<void()> action;
  };
  void Idle();

  std::string root_;
  std::string folder_;
  std::vector<Step> steps_;
};
