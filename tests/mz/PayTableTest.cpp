// Every cell of the pay table and the wins of hands worked by hand.
#include <gtest/gtest.h>

#include <cmath>

#include "mz/VideoPokerPayTable.h"

namespace mz {
namespace {

// Coins paid for one coin, by hand code: nothing, jacks or better, two
// pairs, three of a kind, straight, flush, full house, four of a kind,
// straight flush, royal flush.
constexpr double kOneCoin[kHandCodes] = {0, 1, 2, 3, 4, 5, 7, 20, 50, 250};

TEST(PayTable, EachRowPaysItsCoinsTimesOneCoinButTheFiveCoinRoyal) {
  for (int coins = 1; coins <= kMaxCoins; ++coins) {
    for (int code = 0; code < kHandCodes; ++code) {
      const double expected = coins == 5 && code == kRoyalFlush ? 5000 : coins * kOneCoin[code];
      EXPECT_EQ(VideoPokerPayTable[coins - 1][code], expected) << coins << " coins, code " << code;
    }
  }
}

TEST(PayTable, WinsInDollars) {
  EXPECT_EQ(VideoPokerWin(5.0, 1.0, kRoyalFlush), 5000.0);
  EXPECT_EQ(VideoPokerWin(4.0, 1.0, kRoyalFlush), 1000.0);
  EXPECT_EQ(VideoPokerWin(0.75, 0.25, kNothing), 0.0);
  EXPECT_EQ(VideoPokerWin(0.25, 0.25, kJacksOrBetter), 0.25);
  EXPECT_EQ(VideoPokerWin(10.0, 5.0, kFullHouse), 70.0);
  EXPECT_EQ(VideoPokerWin(25.0, 5.0, kRoyalFlush), 25000.0);
  EXPECT_EQ(VideoPokerWin(1.25, 0.25, kFourOfAKind), 25.0);
  // No row for no coin or a sixth, no column past the royal.
  EXPECT_EQ(VideoPokerWin(0.0, 1.0, kRoyalFlush), 0.0);
  EXPECT_EQ(VideoPokerWin(6.0, 1.0, kFlush), 0.0);
  EXPECT_EQ(VideoPokerWin(1.0, 1.0, kHandCodes), 0.0);
}

TEST(PayTable, TheMachineTakesQuartersDollarsAndFives) {
  EXPECT_EQ(IsCoinValue(0.25), 1);
  EXPECT_EQ(IsCoinValue(1.0), 1);
  EXPECT_EQ(IsCoinValue(5.0), 1);
  EXPECT_EQ(IsCoinValue(0.5), 0);
  EXPECT_EQ(IsCoinValue(0.0), 0);
  EXPECT_EQ(IsCoinValue(std::nan("")), 0);
}

}  // namespace
}  // namespace mz
