// The table's and the wheel's routines on the screen of a running program,
// checked by pixel probes against the bare picture and by counts.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "artwork/Generator.h"
#include "framework/shell/ShellGlobals.h"
#include "platform/include/plat/headless.h"
#include "platform/include/plat/window.h"
#include "tests/support/QueuedDraws.h"
#include "tests/wl/RouletteRun.h"
#include "wl/RouletteButtons.h"
#include "wl/RouletteClient.h"
#include "wl/RouletteTable.h"
#include "wl/RouletteWheel.h"
#include "wl/art/RouletteSheet.h"

namespace {

using R = RouletteRun;
using namespace wl;

void Quit() { plat::PostMessage(gMainWindow, plat::WM_CLOSE, 0, 0); }

// The screen to the window, as the frame's end would.
void Present() { gScreen.Flush(gDeviceContext, gOffsetX, gOffsetY, CScreen::kFlushWhole); }

// A row of the width of a chip around x.
bool RowDrawn(int x, int y) { return R::Drawn(x - kChipWidth / 2, y, kChipWidth + 1, 1); }

int WaveCount(const char* name) {
  int n = 0;
  for (const auto& s : plat::headless::Sounds()) n += s.name == name ? 1 : 0;
  return n;
}

// $637: $500, $100, $25, two $5 and two $1 chips, the top one 18 pixels
// above the bottom one.
TEST(RouletteTable, StackOf637IsSevenChips) {
  R run;
  int chips = 0;
  bool bottom = false, belowBottom = true, top = false, aboveTop = true;
  run.When(R::Betting, [&] {
    chips = ChipCount(637);
    const int x = 320, y = 380;  // bare felt
    DrawChipStack(637, x, y);
    Present();
    bottom = RowDrawn(x, y + kChipHeight / 2 - 1);
    belowBottom = RowDrawn(x, y + kChipHeight / 2);
    top = RowDrawn(x, y - kChipHeight / 2 - 18);
    aboveTop = RowDrawn(x, y - kChipHeight / 2 - 19);
    Quit();
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(chips, 7);
  EXPECT_TRUE(bottom);
  EXPECT_FALSE(belowBottom);
  EXPECT_TRUE(top);
  EXPECT_FALSE(aboveTop);
}

// Ten bets of which three win: seven frames clear the losers, the next
// call answers 1; the winners' stacks stay.
TEST(RouletteTable, TenBetsThreeWinsCollectedInSevenFrames) {
  R run;
  int frames = 0, done = 0, left = 0, winnersShown = 0, losersShown = 0;
  run.When(R::Betting, [&] {
    int bets[kRouletteSlots] = {};
    int wins[kRouletteSlots] = {};
    const int slots[10] = {32, 40, 56, 77, 101, 130, 170, 174, 178, 182};
    for (int s : slots) bets[s] = 5;
    for (int s : {40, 130, 178}) wins[s] = 10;
    DrawAllChips(bets);
    while (!(done = CollectLostChips(bets, wins, 12)) && frames < 20) ++frames;
    Present();
    for (int s : slots) left += bets[s] != 0;
    for (int s : slots) {
      const Point p = SlotPosition(s);
      const bool shown = RowDrawn(p.x, p.y);
      (wins[s] ? winnersShown : losersShown) += shown ? 1 : 0;
    }
    Quit();
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(frames, 7);
  EXPECT_EQ(done, 1);
  EXPECT_EQ(left, 3);
  EXPECT_EQ(winnersShown, 3);
  EXPECT_EQ(losersShown, 0);
}

// Wins of 35 and 17 raise the money by 52 in one call and leave the pile
// of $52 (two $25, two $1 chips) in the pay area.
TEST(RouletteTable, WinsOf35And17Pay52AtOnce) {
  R run;
  double money = 100;
  bool pileTop = false, abovePile = true;
  run.When(R::Betting, [&] {
    int wins[kRouletteSlots] = {};
    wins[kFirstBetSlot] = 35;
    wins[kFirstBetSlot + 1] = 17;
    PayWinners(wins, &money);
    Present();
    pileTop = RowDrawn(kPayPile.x, kPayPile.y - kChipHeight / 2 - 3 * kChipStep);
    abovePile = RowDrawn(kPayPile.x, kPayPile.y - kChipHeight / 2 - 3 * kChipStep - 1);
    Quit();
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_DOUBLE_EQ(money, 152);
  EXPECT_TRUE(pileTop);
  EXPECT_FALSE(abovePile);
}

// A win of the largest int is a pile far taller than the 32 jitter
// entries and the pay area: it is drawn up to the area's top and no further.
TEST(RouletteTable, TheLargestWinsPileStaysInThePayArea) {
  R run;
  double money = 0;
  bool areaTop = false, aboveArea = true;
  run.When(R::Betting, [&] {
    int wins[kRouletteSlots] = {};
    wins[kFirstBetSlot] = INT_MAX;
    PayWinners(wins, &money);
    Present();
    areaTop = RowDrawn(kPayPile.x, kPayPileArea.y);
    aboveArea = R::Drawn(kPayPileArea.x, kPayPileArea.y - 1, kPayPileArea.width, 1);
    Quit();
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_DOUBLE_EQ(money, INT_MAX);
  EXPECT_TRUE(areaTop);
  EXPECT_FALSE(aboveArea);
}

// The first spin's number stands alone at the top of the column.
TEST(RouletteTable, FirstNumberStandsAloneAtTheTop) {
  R run;
  int first = -1, second = -1;
  bool topRow = false, rest = true;
  run.When(R::Betting, [&] {
    PushLastNumber(23);
    Present();
    first = LastNumber(0);
    second = LastNumber(1);
    const Area& a = kLastNumbersArea;
    topRow = R::Drawn(a.x, LastNumberRowY(0), a.width, kGlyphHeight);
    rest = R::Drawn(a.x, LastNumberRowY(1), a.width, a.y + a.height - LastNumberRowY(1));
    Quit();
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(first, 23);
  EXPECT_EQ(second, kNoNumber);
  EXPECT_TRUE(topRow);
  EXPECT_FALSE(rest);
}

// From frame 0 the wheel stops for 00 at frame 19 (two calls a frame) and
// at once for 0, whose pocket is at the mark; a ball run lasts 286 frames
// and leaves the wheel one frame on.
TEST(RouletteTable, WheelStopsAtThePocketAndTheBallRuns286Frames) {
  R run;
  int callsFor00 = 0, index = -1, callsFor0 = 0, ballFrames = 0, after = -1;
  run.When(R::Betting, [&] {
    ResetWheel();
    callsFor0 = 1;
    if (!WheelSpinStep(0)) callsFor0 = 2;
    while (!WheelSpinStep(kDoubleZero) && callsFor00 < 200) ++callsFor00;
    index = WheelIndex();
    while (ballFrames < 1000) {
      ++ballFrames;
      if (BallRunStep()) break;
    }
    after = WheelIndex();
    Quit();
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(callsFor0, 1);
  EXPECT_EQ(index, 19);
  EXPECT_EQ(callsFor00, 38);
  EXPECT_EQ(ballFrames, 286);
  EXPECT_EQ(after, 20);
}

// With animations off the result goes straight to the column and the
// marker: the wheel keeps its frame and no ball sound plays.
TEST(RouletteTable, AnimationsOffGoStraightToTheMarker) {
  R run;
  QueueDraw(7);
  int index = -1, markerFrames = -1, bounces = -1;
  run.When(R::Betting, [&] {
    gCasinoCfg.showAnimations = 0;
    index = WheelIndex();
    R::ClickButton(kButtonSpin);
  });
  run.When([] { return R::InState(kShowMarker); }, [&] {
    markerFrames = WheelIndex();
    bounces = WaveCount("../wav/wl_bounc.wav");
    Quit();
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(markerFrames, index);
  EXPECT_EQ(bounces, 0);
  EXPECT_EQ(LastNumber(0), 7);
}

// The sheet's hit map holds, at each map pixel, the slot of its screen
// point and the buttons' numbers over their areas.
TEST(RouletteTable, HitMapAgreesWithTheTable) {
  artwork::IndexedImage map;
  artwork::RenderHitMap(art::RouletteSheet(), map);
  int wrong = 0;
  for (int my = 0; my < map.height; ++my) {
    for (int mx = 0; mx < map.width; ++mx) {
      const int slot = SlotAtPoint(2 * mx, 2 * my);
      if (slot != 0 && map.At(mx, my) != slot) ++wrong;
    }
  }
  EXPECT_EQ(wrong, 0);
  const ButtonEntry& spin = kRouletteButtonTable[kButtonSpin];
  EXPECT_EQ(map.At((spin.x + spin.width / 2) / 2, (spin.y + spin.height / 2) / 2), kButtonSpin);
}

}  // namespace
