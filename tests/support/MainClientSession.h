// A program's session against the real stand-in main client on the headless
// bus: the main client keeps its balance and the program's saved game in a
// folder that outlives the run, so a run killed in the middle of a round can
// be followed by a run that restores it, as the main client would start it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "artwork/Sheet.h"
#include "framework/game/ServerFrame.h"
#include "framework/shell/GameDefinition.h"
#include "platform/include/plat/headless.h"
#include "tests/support/ProgramRun.h"

class CMainClient;

class CMainClientSession {
 public:
  // root: holds the main client's account store and the staged
  // games/<program> folder (made and filled with the sheet when missing).
  CMainClientSession(std::string root, const GameDefinition& game, std::string program, const artwork::Sheet& sheet);

  // Answers every box the program shows (installed after the backend's
  // reset); null: each box's default button.
  std::function<int(const plat::headless::MessageBoxRecord&)> boxAnswers;
  // 1: the main client plays online (CMainClient::GoOnline) from the start.
  int online = 0;
  // The server's random numbers while the program plays; null: its stream.
  game::RandomSource serverRandom = nullptr;
  // Said about the program when the script is not done in time.
  std::function<std::string()> describe;
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

  const std::string& Folder() const { return folder_; }
  std::string SavedGame() const { return folder_ + "/db_savef"; }

 private:
  std::string root_;
  std::string program_name_;
  std::string folder_;
  CProgramRun program_;
};
