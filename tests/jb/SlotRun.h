// A whole Slot run on the headless backend (CCardTableRun), the server's
// reel stops taken from the test's queue.
#pragma once

#include <functional>
#include <string>

#include "jb/SlotClientRecord.h"
#include "jb/SlotLayout.h"
#include "platform/include/plat/types.h"
#include "tests/support/CardTableRun.h"

class SlotRun : public CCardTableRun {
 public:
  // animations: the show-animations word of Casino.cfg.
  explicit SlotRun(int animations = 1);

  static jb::SlotClientRecord* Record();  // null before start and after the end
  static bool InState(int state);
  // A condition that holds once frames frames have run since it was first asked.
  static std::function<bool()> AfterFrames(int frames);
  static void ClickButton(int button);  // at the centre of its area
  static void PressKey(plat::WPARAM key);
  static void Quit();
  // The next spin stops at these stops.
  static void StackStops(int reel1, int reel2, int reel3);
  // Some pixel of the screen area differs from the bare picture.
  static bool Drawn(const jb::Area& area);
  // The screen area shows the picture's area at (sourceX, sourceY).
  static bool Shows(const jb::Area& area, int sourceX, int sourceY);
  // Wave sounds of this name played since the log was last cleared.
  static int SoundsPlayed(const std::string& name);
  static double Account();
};
