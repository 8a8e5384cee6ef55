// A whole Craps run on the headless backend: a temporary staged tree with
// the generated artwork, a scripted main client that relays every packet
// between the program's two link ends (a test may change a packet on the
// way), the dice the server is to draw, and a script of steps that the idle
// hook works through while the program plays.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "dq/CrapsClientRecord.h"
#include "platform/include/plat/types.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/ScriptedMainClient.h"
#include "tests/support/TempFolder.h"

class CrapsRun {
 public:
  // Resets the backend, makes and enters the folder, writes the picture and
  // hit map (no wave files: sounds are logged by name) and starts the main
  // client.
  CrapsRun();
  ~CrapsRun();

  // ---- Before Run ----
  double startMoney = 1000.0;  // the player record the main client sends at connect
  std::vector<int> dice;       // die values 1..6 in the order the server draws them
  // Sees (and may rewrite) every packet before it is passed on.
  std::function<void(int channel, std::string& text)> tamper;
  // Adds a step: once condition holds (checked whenever the program idles),
  // action runs; steps run one after the other.
  void When(std::function<bool()> condition, std::function<void()> action);
  // A step that runs as soon as the one before it has.
  void Then(std::function<void()> action);

  // Runs the program to its end; answers its exit code. Fails the test when
  // the script does not reach its end within a few virtual minutes.
  int Run();

  // ---- What happened ----
  std::vector<RelayedPacket> packets;  // those the receiver took
  int handBacks = 0;
  bool diceRanOut = false;
  const std::string& Root() const { return folder_.Path(); }

  // ---- For the steps ----
  static dq::CrapsClientRecord* Record();  // null before start and after the end
  static bool Betting();                   // waiting for bets, betting open
  static void ClickScreen(int x, int y);   // a left click at a screen point
  static void RightClickScreen(int x, int y);
  static void ClickButton(int button);     // at the centre of a drawn button
  static void ClickBet(int kind);          // at the kind's bet spot
  static void RightClickBet(int kind);
  static plat::COLORREF ScreenPixel(int x, int y);

 private:
  TempFolder folder_;
  CProgramRun program_;
};

// The colour a palette entry of the generated artwork shows.
plat::COLORREF ArtworkColour(int index);
