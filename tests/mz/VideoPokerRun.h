// A whole Video Poker run on the headless backend (CCardTableRun), the
// server dealing the decks the test queued (tests/support/StackedDeck.h).
#pragma once


#include "mz/VideoPokerClientRecord.h"
#include "platform/include/plat/types.h"
#include "tests/support/CardTableRun.h"

class VideoPokerRun : public CCardTableRun {
 public:
  VideoPokerRun();

  static mz::VideoPokerClientRecord* Record();  // null before start and after the end
  static bool InState(int state);
  static void ClickButton(int button);  // at the centre of its area
  static plat::COLORREF PictureColour(int x, int y);
  // The machine waits for money and bets once its meters have enabled the coins.
  static bool Choosing();
  static bool Holding();
  static void Quit();  // closes the window as the player would
};
