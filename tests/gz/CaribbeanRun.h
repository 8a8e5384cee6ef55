// A whole Caribbean Poker run on the headless backend: a temporary staged
// tree with the generated artwork, a scripted main client relaying every
// packet, the cards the server is to deal, and a script of steps that the
// idle hook works through while the program plays.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "gz/CaribbeanClientRecord.h"
#include "platform/include/plat/types.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/ScriptedMainClient.h"
#include "tests/support/TempFolder.h"

// The cards the server is to deal, ten a hand (the player's five, the up
// card, the dealer's other four), turned into the draws that deal them.
struct CaribbeanDeal {
  std::vector<int> cards;
  bool ranOut = false;  // the server drew past the list, or a card twice in a hand
  int Draw();

 private:
  std::size_t next_ = 0;
  std::vector<int> left_;
};

class CaribbeanRun {
 public:
  CaribbeanRun();
  ~CaribbeanRun();

  // ---- Before Run ----
  double startMoney = 1000.0;
  std::vector<int> cards;
  void When(std::function<bool()> condition, std::function<void()> action);
  void Then(std::function<void()> action);
  int Run();

  // ---- What happened ----
  std::vector<RelayedPacket> packets;  // those the receiver took
  int handBacks = 0;
  bool cardsRanOut = false;
  const std::string& Root() const { return folder_.Path(); }

  // ---- For the steps ----
  static gz::CaribbeanClientRecord* Record();  // null before start and after the end
  static bool InState(int state);
  static void ClickButton(int button);  // at the centre of its area
  static void RightClickButton(int button);
  static plat::COLORREF ScreenPixel(int x, int y);
  // The colour the picture shows at a point of the generated sheet.
  static plat::COLORREF PictureColour(int x, int y);

 private:
  TempFolder folder_;
  CProgramRun program_;
};
