// The Banker's table against the rule a dealer states, cell by cell, and
// its stored order (the row of total 9 first).
#include <gtest/gtest.h>

#include "sq/BankerDrawTable.h"
#include "tests/support/BaccaratOracle.h"

namespace sq {
namespace {

TEST(BankerDrawTable, EveryCellOfTheTotalsZeroToSevenFollowsTheRule) {
  for (int total = 0; total <= 7; ++total) {
    EXPECT_EQ(BankerDraws(total, kPlayerStoodColumn), test::BankerDrawsByRule(total, -1))
        << "Banker " << total << ", Player stood";
    for (int third = 0; third <= 9; ++third) {
      EXPECT_EQ(BankerDraws(total, third + 1), test::BankerDrawsByRule(total, third))
          << "Banker " << total << ", Player's third card " << third;
    }
  }
}

TEST(BankerDrawTable, NaturalRowsNeverDrawAndTheRowOfNineComesFirst) {
  for (int column = 0; column < kDrawTableColumns; ++column) {
    EXPECT_EQ(BankerDrawTable[0][column], 0);
    EXPECT_EQ(BankerDrawTable[1][column], 0);
    EXPECT_EQ(BankerDrawTable[9][column], 1);  // total 0 always draws
  }
  // Total 3 stands only on a Player's 8: row 6 of the stored table.
  EXPECT_EQ(BankerDrawTable[6][9], 0);
  EXPECT_EQ(BankerDrawTable[6][10], 1);
}

}  // namespace
}  // namespace sq
