// A whole Caribbean Poker run on the headless backend (CCardTableRun) with
// the cards the server is to deal.
#pragma once

#include <cstddef>
#include <vector>

#include "gz/CaribbeanClientRecord.h"
#include "tests/support/CardTableRun.h"

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

class CaribbeanRun : public CCardTableRun {
 public:
  CaribbeanRun();

  std::vector<int> cards;
  int Run();
  bool cardsRanOut = false;

  static gz::CaribbeanClientRecord* Record();  // null before start and after the end
  static bool InState(int state);
  static void ClickButton(int button);  // at the centre of its area
  static void RightClickButton(int button);
  // The colour the picture shows at a point of the generated sheet.
  static plat::COLORREF PictureColour(int x, int y);
};
