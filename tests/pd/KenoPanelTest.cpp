// The pay-table panel for every count of numbers (its rows read back by
// pixel probes of the text colour), its closing, and the marquee: the
// welcome text shown, the result texts after a loss and after a win.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/shell/Buttons.h"
#include "framework/shell/ShellGlobals.h"
#include "pd/KenoButtons.h"
#include "pd/KenoClient.h"
#include "pd/KenoLayout.h"
#include "platform/include/plat/window.h"
#include "tests/pd/KenoRun.h"

namespace {

using R = KenoRun;

bool Picking() { return R::InState(pd::kPicking) && !pd::gKenoFlags.busy; }
void Quit() { plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0); }

// 1 when some pixel of the area shows the text colour.
int HasText(int x, int y, int width, int height) {
  const plat::COLORREF ink = R::PictureColour(pd::kTextColourPixel.x, pd::kTextColourPixel.y);
  for (int j = 0; j < height; ++j) {
    for (int i = 0; i < width; ++i) {
      if (R::ScreenPixel(x + i, y + j) == ink) return 1;
    }
  }
  return 0;
}

constexpr int kRowY[6] = {145, 160, 175, 190, 205, 220};
constexpr int kColumnX[4] = {105, 180, 250, 320};

struct PanelSeen {
  int rows[6][4];
  int note;  // "You need to choose..."
  int heading;
};

// The matched counts each count shows, worked from the printed table.
constexpr int kRowsByCount[11] = {0, 0, 0, 2, 3, 3, 4, 4, 4, 5, 6};

TEST(KenoPaytable, EachCountShowsItsRowsAndTheThreeColumns) {
  KenoRun run;
  PanelSeen seen[11] = {};
  int restored = 1;
  run.When(Picking, [] {
    R::ClickNumber(1);
    R::ClickNumber(2);
  });
  for (int count = 2; count <= 10; ++count) {
    run.When([count] { return R::Record()->count == count; }, [] { R::ClickButton(pd::kButtonPaytable); });
    run.When(R::AfterFrames(2), [&seen, count] {
      PanelSeen& s = seen[count];
      for (int r = 0; r < 6; ++r) {
        for (int c = 0; c < 4; ++c) s.rows[r][c] = HasText(kColumnX[c], kRowY[r], 12, 7);
      }
      s.note = HasText(105, 175, 200, 7) && !HasText(105, kRowY[0], 12, 7);
      s.heading = HasText(190, 117, 80, 7);
      R::ClickButton(pd::kButtonStatusBar);
    });
    run.When(R::AfterFrames(2), [&restored, count] {
      // The board's cell 71 lies under the panel; closed, it shows the table again.
      const pd::Point cell = pd::CellPlace(71);
      if (R::ScreenPixel(cell.x + 3, cell.y + 3) != R::PictureColour(cell.x + 3, cell.y + 3)) restored = 0;
      if (count < 10) R::ClickNumber(count + 1);
    });
  }
  run.Then(Quit);
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(restored, 1);
  EXPECT_EQ(seen[2].note, 1);
  EXPECT_EQ(seen[2].heading, 0);
  for (int count = 3; count <= 10; ++count) {
    EXPECT_EQ(seen[count].heading, 1) << count;
    for (int r = 0; r < 6; ++r) {
      for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(seen[count].rows[r][c], r < kRowsByCount[count] ? 1 : 0)
            << count << " numbers, row " << r << ", column " << c;
      }
    }
  }
}

// The welcome text scrolls into the marquee's canvas in the dot colour.
TEST(KenoMarquee, WelcomeTextScrollsIntoView) {
  KenoRun run;
  int lit = 0;
  std::string text;
  run.When(Picking, [] {});
  run.When(R::AfterFrames(40), [&] {
    text = pd::gMarqueeText;
    const plat::COLORREF on = R::PictureColour(pd::kMarqueeOnDot.x, pd::kMarqueeOnDot.y);
    for (int y = 0; y < pd::kMarqueeArea.height; ++y) {
      for (int x = 0; x < pd::kMarqueeArea.width; ++x) {
        if (R::ScreenPixel(pd::kMarqueeArea.x + x, pd::kMarqueeArea.y + y) == on) ++lit;
      }
    }
    Quit();
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(text, "WELCOME TO ZENTRIX KENO#| ");
  EXPECT_GT(lit, 10);
}

// After a loss of 2 matched on 5 and after a win of 3 on 3 at $1 (return 50).
TEST(KenoMarquee, ResultTextsAfterALossAndAWin) {
  KenoRun run;
  const std::vector<int> five = {4, 14, 24, 34, 44};
  const std::vector<int> three = {7, 17, 27};
  R::QueueNumbers(DrawHitting(five, 2));
  R::QueueNumbers(DrawHitting(three, 3));
  std::string afterLoss, afterWin;
  auto play = [&run](const std::vector<int>& picks, int stakeButton, std::string* text) {
    run.When(Picking, [picks, stakeButton] {
      R::ClickButton(stakeButton);
      for (int n : picks) R::ClickNumber(n);
    });
    run.When([] { return IsButtonEnabled(pd::kButtonShoot) == 1; }, [] { R::ClickButton(pd::kButtonShoot); });
    run.When([] { return R::InState(pd::kWaitNextGame) && IsButtonEnabled(pd::kButtonNewGame); }, [text] {
      *text = pd::gMarqueeText;
      R::ClickButton(pd::kButtonNewGame);
    });
  };
  play(five, pd::kButtonStake5, &afterLoss);
  play(three, pd::kButtonStake1, &afterWin);
  run.When(Picking, Quit);
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(afterLoss, "STARS MATCHED: 2 OUT OF TOTAL 5#| ");
  // The pause marker is blanked while the pass shows it.
  EXPECT_EQ(afterWin.substr(0, 48), "STARS MATCHED: 3 OUT OF TOTAL 3   TOTAL WIN:  $5");
  EXPECT_EQ(afterWin.substr(48, 2), "0 ");
}

}  // namespace
