// The chips of a stack, worked by hand: the largest first, a hair under
// each value still taking its chip, a half dollar for a remainder below $1.
#include <gtest/gtest.h>

#include <vector>

#include "gz/ChipStacks.h"

namespace {

constexpr int kHalf = 5;

std::vector<int> Chips(double amount) {
  int chips[128];
  const int n = gz::StackChips(amount, gz::kHalfDollarRest, chips, 128);
  return std::vector<int>(chips, chips + n);
}

}  // namespace

TEST(ChipStacks, ChipsFromTheLargestDown) {
  EXPECT_EQ(Chips(30.5), (std::vector<int>{2, 1, kHalf}));
  EXPECT_EQ(Chips(631.0), (std::vector<int>{4, 3, 2, 1, 0}));
  EXPECT_EQ(Chips(0.5), (std::vector<int>{kHalf}));
  EXPECT_TRUE(Chips(0.0).empty());
  EXPECT_TRUE(Chips(0.00005).empty());
  EXPECT_TRUE(Chips(0.3).empty());
}

TEST(ChipStacks, ASumLeftAHairShortStillTakesItsChip) {
  EXPECT_EQ(Chips(24.99995), (std::vector<int>{2}));
  EXPECT_EQ(Chips(0.1 + 0.2 + 0.7), (std::vector<int>{0}));
}

// The banner's limit: 999 needs 16 chips (500, 4 x 100, 3 x 25, 4 x 5,
// 4 x 1), 998 fifteen.
TEST(ChipStacks, CountsTheChipsOfAStack) {
  EXPECT_EQ(gz::CountChips(999.0), 16);
  EXPECT_EQ(gz::CountChips(998.0), 15);
  EXPECT_EQ(gz::CountChips(50000.0), 100);
}

TEST(ChipStacks, RoomBoundsTheChipsWritten) {
  int chips[3];
  EXPECT_EQ(gz::StackChips(999.0, gz::kHalfDollarRest, chips, 3), 3);
  EXPECT_EQ(chips[0], 4);
  EXPECT_EQ(chips[2], 3);
}

// Baccarat's fraction chip takes any cents left below $1 (a 0.95 Banker
// win of 14.25), but not the residue a sum of doubles leaves.
TEST(ChipStacks, AnyCentsTakeTheFractionChipWhereAnyCentsCount) {
  int chips[16];
  ASSERT_EQ(gz::StackChips(14.25, gz::kAnyCentsRest, chips, 16), 7);
  EXPECT_EQ(std::vector<int>(chips, chips + 7), (std::vector<int>{1, 1, 0, 0, 0, 0, kHalf}));
  EXPECT_EQ(gz::StackChips(0.1 + 0.2 + 0.7, gz::kAnyCentsRest, chips, 16), 1);
}
