// The three stakes against the table's limits (5..500 each, 500 together).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "sq/BaccaratRules.h"

namespace sq {
namespace {

BaccaratServerRecord Staked(double player, double banker, double tie) {
  BaccaratServerRecord r{};
  r.minBet = 5;
  r.maxBet = 500;
  r.maxTable = 500;
  r.betPlayer = player;
  r.betBanker = banker;
  r.betTie = tie;
  return r;
}

TEST(CheckBets, StakesWithinTheLimitsBothEndsIncluded) {
  EXPECT_EQ(CheckBets(Staked(0, 0, 0)), 1);
  EXPECT_EQ(CheckBets(Staked(5, 0, 0)), 1);
  EXPECT_EQ(CheckBets(Staked(0, 500, 0)), 1);
  EXPECT_EQ(CheckBets(Staked(200, 200, 100)), 1);
  EXPECT_EQ(CheckBets(Staked(-0.0, 0, 5)), 1);
}

TEST(CheckBets, StakesBeyondTheLimitsAreRefused) {
  EXPECT_EQ(CheckBets(Staked(4.99, 0, 0)), 0);
  EXPECT_EQ(CheckBets(Staked(0, 500.01, 0)), 0);
  EXPECT_EQ(CheckBets(Staked(0, 0, 501)), 0);
  EXPECT_EQ(CheckBets(Staked(200, 200, 100.01)), 0);
}

TEST(CheckBets, NanInfinitiesAndNegativeStakesAreRefusedOnEverySpot) {
  const double inf = std::numeric_limits<double>::infinity();
  for (double bad : {std::nan(""), inf, -inf, -5.0}) {
    EXPECT_EQ(CheckBets(Staked(bad, 0, 0)), 0) << bad;
    EXPECT_EQ(CheckBets(Staked(0, bad, 0)), 0) << bad;
    EXPECT_EQ(CheckBets(Staked(0, 0, bad)), 0) << bad;
  }
}

}  // namespace
}  // namespace sq
