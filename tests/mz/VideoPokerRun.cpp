#include "tests/mz/VideoPokerRun.h"

#include "framework/shell/Buttons.h"
#include "framework/shell/ShellGlobals.h"
#include "mz/VideoPokerButtons.h"
#include "mz/VideoPokerClient.h"
#include "mz/VideoPokerProgram.h"
#include "mz/art/VideoPokerSheet.h"
#include "platform/include/plat/headless.h"
#include "platform/include/plat/window.h"
#include "tests/support/QueuedDraws.h"

VideoPokerRun::VideoPokerRun()
    : CCardTableRun(mz::kVideoPokerGame, mz::art::VideoPokerSheet(), mz::art::kProgram, DrawQueued) {
  ClearDraws();
}

mz::VideoPokerClientRecord* VideoPokerRun::Record() { return mz::VideoPokerClientHooks::Current(); }

bool VideoPokerRun::InState(int state) { return Record() != nullptr && Record()->state == state; }

void VideoPokerRun::ClickButton(int button) { Click(mz::kVideoPokerButtonTable[button]); }

bool VideoPokerRun::Choosing() { return InState(mz::kChoose) && IsButtonEnabled(mz::kButtonCoinFive); }

bool VideoPokerRun::Holding() { return InState(mz::kHolding); }

void VideoPokerRun::Quit() { plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0); }

plat::COLORREF VideoPokerRun::PictureColour(int x, int y) {
  return SheetColour(mz::art::VideoPokerSheet(), x, y);
}
