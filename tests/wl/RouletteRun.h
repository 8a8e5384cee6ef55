// A whole Roulette run on the headless backend (CCardTableRun), the server
// drawing the numbers the test queued (tests/support/QueuedDraws.h).
#pragma once

#include <functional>

#include "platform/include/plat/types.h"
#include "tests/support/CardTableRun.h"
#include "wl/RouletteClientRecord.h"

class RouletteRun : public CCardTableRun {
 public:
  RouletteRun();

  static wl::RouletteClientRecord* Record();  // null before start and after the end
  // A condition that holds once frames frames have run since it was first asked.
  static std::function<bool()> AfterFrames(int frames);
  static bool InState(int state);
  // Betting is open: the chips follow the money and Spin is enabled.
  static bool Betting();
  static void ClickButton(int button);  // at the centre of its area
  // Left and right clicks on a bet slot's stack point.
  static void ClickSlot(int slot);
  static void RightClickSlot(int slot);
  static void ClickAt(int x, int y);
  static plat::COLORREF PictureColour(int x, int y);
  // Some pixel of the area differs from the bare picture.
  static bool Drawn(int x, int y, int width, int height);
};
