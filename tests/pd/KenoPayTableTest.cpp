// The pay table against the printed $1 rows and the rule for the larger
// stakes, and the return of every bet against the hypergeometric odds of 20
// numbers drawn of 80.
#include <gtest/gtest.h>

#include <cstdint>

#include "pd/KenoPayTable.h"

namespace pd {
namespace {

// The $1 returns by count (10 down to 3), all matched first.
constexpr std::int32_t kPrinted[8][6] = {
    {100000, 5000, 1000, 200, 20, 5}, {90000, 5000, 500, 50, 5, 0},
    {80000, 1500, 100, 10, 0, 0},     {12500, 250, 25, 5, 0, 0},
    {2000, 50, 10, 2, 0, 0},          {400, 20, 5, 0, 0, 0},
    {100, 5, 2, 0, 0, 0},             {50, 2, 0, 0, 0, 0},
};

double Choose(int n, int k) {
  if (k < 0 || k > n) return 0;
  double c = 1;
  for (int i = 1; i <= k; ++i) c = c * (n - k + i) / i;
  return c;
}

// P(k of n picks among the 20 drawn of 80).
double Hypergeometric(int n, int k) {
  return Choose(20, k) * Choose(60, n - k) / Choose(80, n);
}

TEST(KenoPayTable, DollarRowsAreThePrintedOnes) {
  for (int count = 3; count <= 10; ++count) {
    for (int column = 0; column < kKenoColumns; ++column) {
      EXPECT_EQ(KenoPayTable[0][10 - count][column], kPrinted[10 - count][column])
          << count << " numbers, column " << column;
    }
  }
  for (int count = 1; count <= 2; ++count) {
    for (int column = 0; column < kKenoColumns; ++column) {
      EXPECT_EQ(KenoPayTable[0][10 - count][column], 0);
    }
  }
}

TEST(KenoPayTable, LargerStakesPayTheirMultipleUpToTheTopPrize) {
  const std::int32_t nine5[] = {100000, 25000, 2500, 250, 25, 0};
  const std::int32_t seven10[] = {100000, 2500, 250, 50, 0, 0};
  for (int column = 0; column < kKenoColumns; ++column) {
    EXPECT_EQ(KenoPayTable[1][1][column], nine5[column]);
    EXPECT_EQ(KenoPayTable[2][3][column], seven10[column]);
  }
  for (int row = 0; row < kKenoRows; ++row) {
    for (int column = 0; column < kKenoColumns; ++column) {
      const std::int32_t one = KenoPayTable[0][row][column];
      EXPECT_EQ(KenoPayTable[1][row][column], one * 5 < 100000 ? one * 5 : 100000);
      EXPECT_EQ(KenoPayTable[2][row][column], one * 10 < 100000 ? one * 10 : 100000);
    }
  }
}

TEST(KenoPayTable, NoEntryEqualsItsStake) {
  for (int s = 0; s < kKenoStakes; ++s) {
    for (const auto& row : KenoPayTable[s]) {
      for (std::int32_t entry : row) EXPECT_NE(entry, kKenoStakeDollars[s]);
    }
  }
}

TEST(KenoPayTable, PoorDrawsOfManyNumbersReturnNothing) {
  for (int stake : {1, 5, 10}) {
    for (int matches = 0; matches <= 4; ++matches) EXPECT_EQ(KenoReturn(stake, 10, matches), 0);
    EXPECT_EQ(KenoReturn(stake, 10, 5), 5 * stake);
    for (int matches = 0; matches <= 3; ++matches) EXPECT_EQ(KenoReturn(stake, 9, matches), 0);
    EXPECT_EQ(KenoReturn(stake, 6, 0), 0);
  }
  EXPECT_EQ(KenoReturn(2, 3, 3), 0);
  EXPECT_EQ(KenoReturn(1, 3, 4), 0);
}

// Return per dollar staked and chance of any return, from the odds and the
// table, against the same sums done apart in exact arithmetic.
TEST(KenoPayTable, ReturnOfEveryBetFollowsTheOdds) {
  struct Expected {
    int stake, count;
    double perDollar, winChance;
  };
  const Expected expected[] = {
      {1, 3, 0.971275559883, 0.152629016553},  {1, 4, 0.947849618736, 0.258946749453},
      {1, 5, 0.919491900505, 0.096672315027},  {1, 6, 0.957770078023, 0.161582088797},
      {1, 7, 0.964968575728, 0.061585950826},  {1, 8, 1.008032819373, 0.020834100078},
      {1, 9, 0.972971694837, 0.038946033744},  {1, 10, 0.986198738676, 0.064659877597},
      {5, 8, 0.747293179407, 0.020834100078},  {5, 9, 0.922272320400, 0.038946033744},
      {5, 10, 0.977221787065, 0.064659877597}, {10, 7, 0.903962185608, 0.061585950826},
      {10, 8, 0.703836572746, 0.020834100078}, {10, 9, 0.915029552623, 0.038946033744},
      {10, 10, 0.976099668114, 0.064659877597}, {10, 3, 0.971275559883, 0.152629016553},
  };
  for (const Expected& e : expected) {
    double returned = 0, chance = 0, total = 0;
    for (int k = 0; k <= e.count; ++k) {
      const double p = Hypergeometric(e.count, k);
      total += p;
      returned += p * KenoReturn(e.stake, e.count, k);
      if (KenoReturn(e.stake, e.count, k) != 0) chance += p;
    }
    EXPECT_NEAR(total, 1.0, 1e-12);
    EXPECT_NEAR(returned / e.stake, e.perDollar, 1e-11) << "$" << e.stake << " on " << e.count;
    EXPECT_NEAR(chance, e.winChance, 1e-11) << "$" << e.stake << " on " << e.count;
  }
}

}  // namespace
}  // namespace pd
