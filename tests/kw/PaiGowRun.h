// A whole Pai Gow Poker run on the headless backend (CCardTableRun) with
// the cards the server is to deal.
#pragma once

#include <vector>

#include "kw/PaiGowClientRecord.h"
#include "tests/support/CardTableRun.h"

class PaiGowRun : public CCardTableRun {
 public:
  PaiGowRun();

  // ---- Before Run ----
  // Card ids in the order the server deals them, 14 a round: the player's
  // seven, then the dealer's.
  std::vector<int> cards;
  // Runs the program to its end; answers its exit code.
  int Run();

  // ---- What happened ----
  bool cardsRanOut = false;

  // ---- For the steps ----
  static kw::PaiGowClientRecord* Record();  // null before start and after the end
  static bool InState(int state);
  static void ClickButton(int button);  // at the centre of its area
  static void RightClickButton(int button);
  // The colour the picture shows at a point of the generated sheet.
  static plat::COLORREF PictureColour(int x, int y);
};
