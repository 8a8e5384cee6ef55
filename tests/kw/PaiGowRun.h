// A whole Pai Gow Poker run on the headless backend: a temporary staged tree
// with the generated artwork, a scripted main client relaying every packet,
// the cards the server is to deal, and a script of steps that the idle hook
// works through while the program plays.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "kw/PaiGowClientRecord.h"
#include "platform/include/plat/types.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/ScriptedMainClient.h"
#include "tests/support/TempFolder.h"

class PaiGowRun {
 public:
  // Resets the backend, makes and enters the folder, writes the picture and
  // hit map (no wave files: sounds are logged by name) and starts the main
  // client.
  PaiGowRun();
  ~PaiGowRun();

  // ---- Before Run ----
  double startMoney = 1000.0;
  // Card ids in the order the server deals them, 14 a round: the player's
  // seven, then the dealer's.
  std::vector<int> cards;
  void When(std::function<bool()> condition, std::function<void()> action);
  void Then(std::function<void()> action);
  // Runs the program to its end; answers its exit code.
  int Run();

  // ---- What happened ----
  std::vector<RelayedPacket> packets;  // those the receiver took
  int handBacks = 0;
  bool cardsRanOut = false;
  const std::string& Root() const { return folder_.Path(); }

  // ---- For the steps ----
  static kw::PaiGowClientRecord* Record();  // null before start and after the end
  static bool InState(int state);
  static void ClickButton(int button);       // at the centre of its area
  static void RightClickButton(int button);
  static plat::COLORREF ScreenPixel(int x, int y);
  // The colour the picture shows at a point of the generated sheet.
  static plat::COLORREF PictureColour(int x, int y);

 private:
  TempFolder folder_;
  CProgramRun program_;
};
