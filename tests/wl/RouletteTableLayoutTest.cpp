// The table's geometry as the hit map and the chip stacks use it: each
// slot's stack stands in its own bet area, every slot can be hit, stacks
// are drawn back to front, and the ball comes to rest at the mark.
#include <gtest/gtest.h>

#include <set>

#include "wl/RouletteTableLayout.h"

namespace wl {
namespace {

// The hit map holds the slot of the even screen point at half resolution.
int MapSlot(int x, int y) { return SlotAtPoint(x & ~1, y & ~1); }

TEST(RouletteTableLayout, EveryStackStandsInItsOwnBetArea) {
  for (int slot = kFirstBetSlot; slot <= kLastBetSlot; ++slot) {
    const Point p = SlotPosition(slot);
    EXPECT_EQ(MapSlot(p.x, p.y), slot) << slot;
  }
}

TEST(RouletteTableLayout, TheMapHoldsEveryBetSlotAndNothingElse) {
  std::set<int> seen;
  for (int y = 0; y < 480; y += 2) {
    for (int x = 0; x < 640; x += 2) {
      const int slot = SlotAtPoint(x, y);
      if (slot != 0) seen.insert(slot);
    }
  }
  EXPECT_EQ(seen.size(), static_cast<std::size_t>(kBetSlotCount));
  EXPECT_EQ(*seen.begin(), kFirstBetSlot);
  EXPECT_EQ(*seen.rbegin(), kLastBetSlot);
}

// A split or corner band spans at least two map pixels across its line.
TEST(RouletteTableLayout, LineBetsAreAtLeastTwoMapPixelsWide) {
  const int split = kFirstBetSlot + 6;   // 1 and 4
  const int corner = kFirstBetSlot + 7;  // 1, 2, 4, 5
  const Point s = SlotPosition(split), c = SlotPosition(corner);
  int splitWidth = 0, cornerWidth = 0, cornerHeight = 0;
  for (int x = s.x - 10; x <= s.x + 10; x += 2) splitWidth += MapSlot(x, s.y) == split;
  for (int x = c.x - 10; x <= c.x + 10; x += 2) cornerWidth += MapSlot(x, c.y) == corner;
  for (int y = c.y - 10; y <= c.y + 10; y += 2) cornerHeight += MapSlot(c.x, y) == corner;
  EXPECT_GE(splitWidth, 2);
  EXPECT_GE(cornerWidth, 2);
  EXPECT_GE(cornerHeight, 2);
}

TEST(RouletteTableLayout, StacksAreDrawnBackToFront) {
  std::set<int> listed;
  int previousY = -1;
  int i = 0;
  for (; kChipDrawOrder[i] != 0; ++i) {
    const int slot = kChipDrawOrder[i];
    listed.insert(slot);
    EXPECT_GE(SlotPosition(slot).y, previousY) << slot;
    previousY = SlotPosition(slot).y;
  }
  EXPECT_EQ(i, kBetSlotCount);
  EXPECT_EQ(listed.size(), static_cast<std::size_t>(kBetSlotCount));
}

TEST(RouletteTableLayout, TheMarkerStandsOnTheNumbersStraight) {
  for (int number = 0; number < kRouletteNumbers; ++number) {
    const SlotBet bet = SlotBetOf(MarkerSlot(number));
    EXPECT_EQ(bet.numbers, std::uint64_t{1} << number) << number;
  }
}

TEST(RouletteTableLayout, EveryNumberHasGlyphsAndTheZerosStandInTheMiddle) {
  for (int number = 0; number < kRouletteNumbers; ++number) {
    int glyphs = 0;
    for (const Point& g : kLastNumberGlyphs[number]) glyphs += g.x != 0 || g.y != 0;
    EXPECT_EQ(glyphs, number == 0 || number == kDoubleZero ? 1 : number >= 10 && number != kDoubleZero ? 2 : 1)
        << number;
  }
  EXPECT_NE(kLastNumberGlyphs[0][2].y, 0);
  EXPECT_NE(kLastNumberGlyphs[kDoubleZero][2].y, 0);
}

// The last point of the run lies in the pocket at the top of the wheel.
TEST(RouletteTableLayout, TheBallComesToRestAtTheMark) {
  const Point rest = SmallBallPoint(0);
  EXPECT_EQ(rest.x + kSmallBall / 2, kWheelCentre.x);
  EXPECT_EQ(rest.y + kSmallBall / 2, kWheelCentre.y - kPocketRadiusY);
  const Point close = CloseUpBallPoint(0);
  EXPECT_EQ(close.x + kCloseUpBall / 2, kInfoArea.width / 2);
  // Early in the run the ball is on the track, outside the pockets.
  const Point early = SmallBallPoint(kBallSteps);
  const double dx = (early.x + kSmallBall / 2 - kWheelCentre.x) / static_cast<double>(kTrackRadiusX);
  const double dy = (early.y + kSmallBall / 2 - kWheelCentre.y) / static_cast<double>(kTrackRadiusY);
  EXPECT_NEAR(dx * dx + dy * dy, 1.0, 0.05);
}

}  // namespace
}  // namespace wl
