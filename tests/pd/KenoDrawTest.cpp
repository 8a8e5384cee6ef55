// The draw on the screen: with the animations on and off it ends on the same
// board, each ball's mark takes at least ten frames with them off, nothing
// of the flying balls is left behind, and the bowl switched off leaves the
// picture's bowl area.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "framework/shell/Buttons.h"
#include "framework/shell/ShellGlobals.h"
#include "pd/KenoButtons.h"
#include "pd/KenoClient.h"
#include "pd/KenoLayout.h"
#include "platform/include/plat/headless.h"
#include "platform/include/plat/window.h"
#include "tests/pd/KenoRun.h"

namespace {

using R = KenoRun;

bool Picking() { return R::InState(pd::kPicking) && !pd::gKenoFlags.busy; }
void Quit() { plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0); }

const std::vector<int> kPicks = {2, 33, 47, 58, 80};

std::vector<plat::COLORREF> Area(const pd::Area& a) {
  std::vector<plat::COLORREF> pixels;
  for (int y = a.y; y < a.y + a.height; ++y) {
    for (int x = a.x; x < a.x + a.width; ++x) pixels.push_back(R::ScreenPixel(x, y));
  }
  return pixels;
}

int DiffersFromPicture(const pd::Area& a) {
  int n = 0;
  for (int y = a.y; y < a.y + a.height; ++y) {
    for (int x = a.x; x < a.x + a.width; ++x) n += R::ScreenPixel(x, y) != R::PictureColour(x, y) ? 1 : 0;
  }
  return n;
}

// Where the ball rolls and flies from, right of the board and below the bowl.
constexpr pd::Area kRollArea = {410, 185, 225, 205};

struct DrawSeen {
  std::vector<plat::COLORREF> board;
  int leftOver = -1;
  std::vector<int> framesPerBall;
};

DrawSeen PlayOneDraw(int animations) {
  KenoRun run(animations);
  R::QueueNumbers(DrawHitting(kPicks, 3));
  DrawSeen seen;
  auto lastBall = std::make_shared<int>(-1);
  auto since = std::make_shared<plat::DWORD>(0);
  run.When(Picking, [] {
    for (int n : kPicks) R::ClickNumber(n);
  });
  run.When([] { return IsButtonEnabled(pd::kButtonShoot) == 1; }, [] { R::ClickButton(pd::kButtonShoot); });
  run.When(
      [&seen, lastBall, since] {
        if (R::InState(pd::kDrawing) && pd::gKenoBall != *lastBall) {
          const plat::DWORD now = plat::headless::Now();
          if (*lastBall >= 0) seen.framesPerBall.push_back(static_cast<int>((now - *since) / 20));
          *lastBall = pd::gKenoBall;
          *since = now;
        }
        if (R::InState(pd::kDrawEnded) || R::InState(pd::kResultPause)) {
          if (*lastBall == 19) {
            seen.framesPerBall.push_back(static_cast<int>((plat::headless::Now() - *since) / 20));
            *lastBall = 20;
          }
        }
        return R::InState(pd::kWaitNextGame) && IsButtonEnabled(pd::kButtonNewGame);
      },
      [] {});
  run.When(R::AfterFrames(2), [&seen] {
    seen.board = Area(pd::kBoardArea);
    seen.leftOver = DiffersFromPicture(kRollArea);
    Quit();
  });
  EXPECT_EQ(run.Run(), 0);
  return seen;
}

TEST(KenoDraw, AnimationsOnAndOffEndOnOneBoard) {
  const DrawSeen on = PlayOneDraw(1);
  const DrawSeen off = PlayOneDraw(0);
  ASSERT_FALSE(on.board.empty());
  EXPECT_TRUE(on.board == off.board);
  EXPECT_EQ(on.leftOver, 0) << "pixels of the flying balls left behind";
  EXPECT_EQ(off.leftOver, 0);
}

TEST(KenoDraw, EachBallTakesTenFramesOrMoreWithAnimationsOff) {
  const DrawSeen off = PlayOneDraw(0);
  ASSERT_EQ(off.framesPerBall.size(), 20u);
  for (std::size_t i = 0; i < off.framesPerBall.size(); ++i) EXPECT_GE(off.framesPerBall[i], 10) << "ball " << i;
}

// Turning the bowl switch off puts the picture's bowl back and it stays.
TEST(KenoDraw, BowlSwitchedOffRestoresTheBowlArea) {
  KenoRun run;
  int turned = 0, restored = -1, stays = -1;
  plat::headless::SetDialogHandler([](int, plat::HWND dialog) {
    plat::headless::ClickControl(dialog, 1016);
    plat::headless::ClickControl(dialog, plat::IDOK);
  });
  run.When(Picking, [] {});
  run.When(R::AfterFrames(7), [&] {
    turned = DiffersFromPicture(pd::kBowlArea);
    R::ClickButton(pd::kButtonOptions);
  });
  run.When([] { return plat::headless::Dialogs().size() == 1; }, [] {});
  run.When(R::AfterFrames(1), [&] { restored = DiffersFromPicture(pd::kBowlArea); });
  run.When(R::AfterFrames(10), [&] {
    stays = DiffersFromPicture(pd::kBowlArea);
    Quit();
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_GT(turned, 0);
  EXPECT_EQ(restored, 0);
  EXPECT_EQ(stays, 0);
}

}  // namespace
