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
}

}  // namespace
