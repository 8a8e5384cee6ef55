// What the player hears in one game: the chip of each mark, the button of
// Shoot, then for every one of the 20 balls its roll out of the bowl before
// its landing, and the win sound once the draw has ended; the space-bar
// rebet marks without a sound.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/shell/Buttons.h"
#include "framework/shell/ShellGlobals.h"
#include "pd/KenoButtons.h"
#include "pd/KenoClient.h"
#include "platform/include/plat/headless.h"
#include "platform/include/plat/window.h"
#include "tests/pd/KenoRun.h"

namespace {

using R = KenoRun;
using plat::headless::SoundRecord;

bool Picking() { return R::InState(pd::kPicking) && !pd::gKenoFlags.busy; }
void Quit() { plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0); }

std::vector<std::string> Waves() {
  std::vector<std::string> names;
  for (const SoundRecord& s : plat::headless::Sounds()) {
    if (s.kind == SoundRecord::WAVE) names.push_back(s.name);
  }
  return names;
}

TEST(KenoSounds, MarksShootTwentyBallsThenTheWin) {
  KenoRun run(1);
  const std::vector<int> picks = {5, 15, 25};
  R::QueueNumbers(DrawHitting(picks, 3));
  std::vector<std::string> heard;
  run.When(Picking, [&] {
    plat::headless::ClearSounds();
    for (int n : picks) R::ClickNumber(n);
  });
  run.When([] { return IsButtonEnabled(pd::kButtonShoot) == 1; }, [] { R::ClickButton(pd::kButtonShoot); });
  run.When([] { return R::InState(pd::kWaitNextGame) && IsButtonEnabled(pd::kButtonQuit); }, [&] {
    heard = Waves();
    Quit();
  });
  EXPECT_EQ(run.Run(), 0);
  std::vector<std::string> expected(3, "../wav/c_chip.wav");
  expected.push_back("../wav/c_button.wav");
  for (int ball = 0; ball < 20; ++ball) {
    expected.push_back("../wav/pd_urok.wav");
    expected.push_back("../wav/pd_squ.wav");
  }
  expected.push_back("../wav/c_plyw.wav");
  EXPECT_EQ(heard, expected);
}

// The space bar marks the last numbers again without a chip sound for each.
TEST(KenoSounds, TheRebetMarksInSilence) {
  KenoRun run;
  const std::vector<int> picks = {11, 22, 33, 44};
  R::QueueNumbers(DrawHitting(picks, 0));
  std::vector<std::string> heard;
  int marked = 0;
  run.When(Picking, [&] {
    for (int n : picks) R::ClickNumber(n);
  });
  run.When([] { return IsButtonEnabled(pd::kButtonShoot) == 1; }, [] { R::ClickButton(pd::kButtonShoot); });
  run.When([] { return R::InState(pd::kWaitNextGame) && IsButtonEnabled(pd::kButtonNewGame); },
           [] { R::ClickButton(pd::kButtonNewGame); });
  run.When(Picking, [] {
    plat::headless::ClearSounds();
    plat::headless::PostKey(gMainWindow, plat::VK_SPACE, plat::TRUE, plat::FALSE);
  });
  run.Then([&] {
    heard = Waves();
    marked = R::Record()->count;
    Quit();
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(marked, 4);
  EXPECT_EQ(heard, std::vector<std::string>{});
}

}  // namespace
