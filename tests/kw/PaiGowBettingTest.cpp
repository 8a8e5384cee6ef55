// The chip a right click on the Pai Gow bet area takes off.
#include <gtest/gtest.h>

#include "kw/PaiGowBetting.h"

namespace {

TEST(BetAreaRemoval, TakesTheSmallestChipTheBetNeeds) {
  EXPECT_EQ(kw::BetAreaRemoval(130), 5);  // a multiple of 5, not of 25
  EXPECT_EQ(kw::BetAreaRemoval(125), 25);
  EXPECT_EQ(kw::BetAreaRemoval(131), 1);
  EXPECT_EQ(kw::BetAreaRemoval(300), 100);
  EXPECT_EQ(kw::BetAreaRemoval(1000), 500);
  EXPECT_EQ(kw::BetAreaRemoval(7.5), 1);
  // Beyond any integer (a server's odd limits): 2^64 is 116 mod 500.
  const double two64 = 18446744073709551616.0;
  EXPECT_EQ(kw::BetAreaRemoval(two64), 1);
  EXPECT_EQ(kw::BetAreaRemoval(5 * two64), 5);
  EXPECT_EQ(kw::BetAreaRemoval(25 * two64), 100);
  EXPECT_EQ(kw::BetAreaRemoval(-125 * two64), 500);
  const int chip = kw::BetAreaRemoval(-1e308);
  EXPECT_TRUE(chip == 1 || chip == 5 || chip == 25 || chip == 100 || chip == 500) << chip;
}

}  // namespace
