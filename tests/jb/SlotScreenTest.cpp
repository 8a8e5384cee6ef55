// What the Slot machine shows, probed pixel by pixel against the picture
// and by the sounds it plays: the reels turning and stopping one by one on
// the server's stops, the coin drop of a payout, the machine value lit.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/shell/Buttons.h"
#include "jb/SlotButtons.h"
#include "jb/SlotClient.h"
#include "jb/SlotFiles.h"
#include "jb/SlotLayout.h"
#include "platform/include/plat/headless.h"
#include "tests/jb/SlotRun.h"

namespace {

using R = SlotRun;
using namespace jb;

bool Waiting() { return R::InState(kWaitSpinRequest); }

Area ReelWindow(int reel) { return {kReelPlaces[reel].x, kReelPlaces[reel].y, kReelWidth, kReelHeight}; }

// Each reel window shows its strip's frame 2 x stop.
bool ReelsShow(const int stops[kReels]) {
  for (int reel = 0; reel < kReels; ++reel) {
    const Area f = ReelFrame(reel, 2 * stops[reel]);
    if (!R::Shows(ReelWindow(reel), f.x, f.y)) return false;
  }
  return true;
}

// The middle column of the three reel windows, top to bottom.
std::vector<plat::COLORREF> Column() {
  std::vector<plat::COLORREF> column;
  for (int reel = 0; reel < kReels; ++reel) {
    for (int y = 0; y < kReelHeight; ++y) {
      column.push_back(R::ScreenPixel(kReelPlaces[reel].x + kReelWidth / 2, kReelPlaces[reel].y + y));
    }
  }
  return column;
}

Area ButtonArea(int button) {
  const ButtonEntry& b = kSlotButtonTable[button];
  return {b.x, b.y, b.width, b.height};
}

// One coin in, bet and spun with the Spin button.
void BetOneAndSpin(R& run) {
  run.When(Waiting, [] {
    if (R::Record()->credits < 1) R::ClickButton(kButtonInsert1 + 1);
  });
  run.When([] { return R::Record()->credits >= 1; }, [] { R::ClickButton(kButtonBetOne); });
  run.When([] { return R::Record()->betCoins == 1; }, [] { R::ClickButton(kButtonSpin); });
}

TEST(SlotScreen, TheReelsTurnAndStopOneByOneOnTheirStops) {
  R run;
  const int stops[kReels] = {16, 8, 2};
  R::StackStops(stops[0], stops[1], stops[2]);
  plat::DWORD turningFrom = 0, firstStopped = 0;
  int framesMoved = 0, firstOnly = 0, shown = 0, loopStarted = 0, stopSounds = 0, lastStopSounds = 0;
  BetOneAndSpin(run);
  run.When([] { return R::Record()->reelSpinning[0] == 1; }, [&] { turningFrom = plat::headless::Now(); });
  // All three windows turn: their middle column changes from one frame to the next.
  std::vector<plat::COLORREF> before;
  run.When(R::AfterFrames(3), [&] { before = Column(); });
  run.When(R::AfterFrames(1), [&] {
    const auto after = Column();
    for (int reel = 0; reel < kReels; ++reel) {
      framesMoved += !std::equal(after.begin() + reel * kReelHeight, after.begin() + (reel + 1) * kReelHeight,
                                 before.begin() + reel * kReelHeight);
    }
  });
  run.When([] { return R::InState(kStopSecondReel); }, [&] {
    firstStopped = plat::headless::Now();
    firstOnly = R::SoundsPlayed(kSoundReelStop) == 1 && R::SoundsPlayed(kSoundLastReelStop) == 0;
  });
  run.When(Waiting, [&] {
    shown = ReelsShow(stops);
    for (const auto& s : plat::headless::Sounds()) {
      if (s.name == kSoundSpin && (s.flags & plat::SND_LOOP)) ++loopStarted;
    }
    stopSounds = R::SoundsPlayed(kSoundReelStop);
    lastStopSounds = R::SoundsPlayed(kSoundLastReelStop);
    R::Quit();
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(framesMoved, 3);
  // Reel 1 turns 55 frames and more before it may stop.
  EXPECT_GE(firstStopped - turningFrom, 55u * 20u);
  EXPECT_EQ(firstOnly, 1);
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(loopStarted, 1);
  EXPECT_EQ(stopSounds, 2);
  EXPECT_EQ(lastStopSounds, 1);
}

// With animations off the lever spins at once and every reel jumps to its
// stop without turning.
TEST(SlotScreen, WithoutAnimationsTheReelsJumpToTheirStops) {
  R run(0);
  const int stops[kReels] = {3, 12, 20};
  R::StackStops(stops[0], stops[1], stops[2]);
  plat::DWORD pulled = 0, done = 0;
  int shown = 0;
  run.When(Waiting, [] { R::ClickButton(kButtonInsert1 + 1); });
  run.When([] { return R::Record()->credits == 5; }, [] { R::ClickButton(kButtonBetOne); });
  run.When([] { return R::Record()->betCoins == 1; }, [&] {
    pulled = plat::headless::Now();
    R::ClickButton(kButtonLever);
  });
  run.When([] { return R::InState(kBuildEndPlay) || R::InState(kSendEndPlay) || R::InState(kWaitEndPlay); }, [&] {
    done = plat::headless::Now();
    shown = ReelsShow(stops);
  });
  run.When(Waiting, [] { R::Quit(); });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(shown, 1);
  // The 10 frames before the request and a few of the exchange: far from
  // the 56 frames reel 1 alone turns with animations.
  EXPECT_LT(done - pulled, 30u * 20u);
}

// Three bells with one coin pay 250 coins: two coin drops; three 7s pay
// 1000: five, the most there are.
TEST(SlotScreen, APayoutDropsCoinsOncePerHundredUpToFiveTimes) {
  R run;
  R::StackStops(6, 6, 6);
  R::StackStops(16, 16, 16);
  int dropsFor250 = -1, dropsFor1000 = -1;
  double credits = -1;
  BetOneAndSpin(run);
  run.When([] { return R::InState(kStopThirdReel); }, [] { plat::headless::ClearSounds(); });
  run.When(Waiting, [&] { dropsFor250 = R::SoundsPlayed(kSoundCash); });
  BetOneAndSpin(run);
  run.When([] { return R::InState(kStopThirdReel); }, [] { plat::headless::ClearSounds(); });
  run.When(Waiting, [&] {
    dropsFor1000 = R::SoundsPlayed(kSoundCash);
    credits = R::Record()->credits;
    R::Quit();
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(dropsFor250, 2);
  EXPECT_EQ(dropsFor1000, 5);
  EXPECT_DOUBLE_EQ(credits, 5.0 - 1 + 250 - 1 + 1000);
}

TEST(SlotScreen, OnlyTheMachineValueInForceIsLit) {
  R run;
  int dollarLit = 0, fiveLit = 0;
  run.When(Waiting, [&] {
    dollarLit = R::Drawn(ButtonArea(kButtonQuarterMachine + 1)) && !R::Drawn(ButtonArea(kButtonQuarterMachine)) &&
                !R::Drawn(ButtonArea(kButtonQuarterMachine + 2));
    R::ClickButton(kButtonQuarterMachine + 2);
  });
  run.When(R::AfterFrames(2), [&] {
    fiveLit = R::Drawn(ButtonArea(kButtonQuarterMachine + 2)) && !R::Drawn(ButtonArea(kButtonQuarterMachine)) &&
              !R::Drawn(ButtonArea(kButtonQuarterMachine + 1));
    R::Quit();
  });
  EXPECT_EQ(run.Run(), 0);
  EXPECT_EQ(dollarLit, 1);
  EXPECT_EQ(fiveLit, 1);
  EXPECT_EQ(gMachineValue, 5.0);
}

}  // namespace
