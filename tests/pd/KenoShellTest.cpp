// The Keno program where its shell differs from the other programs': the
// start-up errors, a music failure and the status line over the number cells.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "framework/shell/ShellGlobals.h"
#include "pd/KenoButtons.h"
#include "pd/KenoClient.h"
#include "pd/KenoLayout.h"
#include "platform/include/plat/headless.h"
#include "platform/include/plat/window.h"
#include "tests/pd/KenoRun.h"
#include "tests/support/MusicFailure.h"

namespace {

using R = KenoRun;
using plat::headless::MessageBoxes;

bool Picking() { return R::InState(pd::kPicking) && !pd::gKenoFlags.busy; }

void Quit() { plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0); }

void PointAt(int button) {
  const ButtonEntry& b = pd::kKenoButtonTable[button];
  plat::headless::PostMouse(gMainWindow, plat::WM_MOUSEMOVE, gOffsetX + b.x + b.width / 2,
                            gOffsetY + b.y + b.height / 2, 0);
}

// 1 when the status line shows only the picture under it.
int StatusLineEmpty() {
  const pd::Area& a = pd::kStatusArea;
  for (int y = a.y; y < a.y + a.height; ++y) {
    for (int x = a.x; x < a.x + a.width; ++x) {
      if (R::ScreenPixel(x, y) != R::PictureColour(x, y)) return 0;
    }
  }
  return 1;
}

// A hint shown over a stake button is emptied once the pointer has stood
// on the board for 15 frames: the cells do not hold the line as buttons do.
TEST(KenoShell, TheStatusLineTimesOutOverTheNumberCells) {
  KenoRun run;
  int hintShown = -1, emptied = -1;
  run.When(Picking, [] { PointAt(pd::kButtonStake1); });
  run.When(R::AfterFrames(3), [&] {
    hintShown = !StatusLineEmpty();
    PointAt(pd::kButtonCell1 + 39);
  });
  run.When(R::AfterFrames(30), [&] { emptied = StatusLineEmpty(); });
  run.Then(Quit);
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(hintShown, 1);
  EXPECT_EQ(emptied, 1);
}

// Start-up errors are kept and shown once the start has ended, in a box
// titled with the game's name; the picture's names no file.
TEST(KenoShell, AMissingPictureSaysTheBitmapDataFailed) {
  KenoRun run;
  ASSERT_EQ(std::remove("res/Data.dat"), 0);
  EXPECT_EQ(run.Run(), 0);
  ASSERT_EQ(MessageBoxes().size(), 1u);
  EXPECT_EQ(MessageBoxes()[0].text, "Error:\nFailed to load the bitmap data!");
  EXPECT_EQ(MessageBoxes()[0].caption, "Keno");
}

TEST(KenoShell, AMissingHitMapIsNamed) {
  KenoRun run;
  ASSERT_EQ(std::remove("res/btndata.dat"), 0);
  EXPECT_EQ(run.Run(), 0);
  ASSERT_EQ(MessageBoxes().size(), 1u);
  EXPECT_EQ(MessageBoxes()[0].text, "Error:\nFailed to load the \"res\\btndata.dat\" file!");
}

// Music that cannot start is an error kept until the program ends: the
// game goes on and the text shows once after the player has left.
TEST(KenoShell, MusicThatCannotStartIsShownWhenTheProgramEnds) {
  KenoRun run;
  std::remove("../midi/travel.mid");
  WriteCasinoCfgWithMusicOn();
  std::size_t boxesWhilePlaying = 99;
  run.When(Picking, [&] {
    boxesWhilePlaying = MessageBoxes().size();
    Quit();
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(boxesWhilePlaying, 0u);
  ExpectQuitThenKeptError("Keno");
}

}  // namespace
