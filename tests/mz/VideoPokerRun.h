// A whole Video Poker run on the headless backend: a temporary staged tree
// with the generated artwork, a scripted main client relaying every packet,
// the decks the server is to deal, and a script of steps the idle hook
// works through while the program plays.
#pragma once

#include <functional>
#include <string>

#include "mz/VideoPokerClientRecord.h"
#include "platform/include/plat/types.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/ScriptedMainClient.h"
#include "tests/support/TempFolder.h"

class VideoPokerRun {
 public:
  // Resets the backend, stages games/videopoker with the sheet and writes
  // "Casino.cfg" with the animations switch as given.
  explicit VideoPokerRun(int animations = 0);
  ~VideoPokerRun();

  double startMoney = 1000.0;
  void When(std::function<bool()> condition, std::function<void()> action);
  void Then(std::function<void()> action);
  int Run();

  std::vector<RelayedPacket> packets;
  const std::string& Root() const { return folder_.Path(); }

  static mz::VideoPokerClientRecord* Record();
  static std::function<bool()> AfterFrames(int frames);
  static bool InState(int state);
  static void ClickButton(int button);
  static plat::COLORREF ScreenPixel(int x, int y);
  static plat::COLORREF PictureColour(int x, int y);

 private:
  TempFolder folder_;
  CProgramRun program_;
};
