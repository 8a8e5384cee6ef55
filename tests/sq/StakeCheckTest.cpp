// The three stakes against the table's limits (5..500 each, 500 together),
// and the check of a saved record before a restore runs it.
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

BaccaratServerRecord SavedCoup() {
  BaccaratServerRecord r{};
  r.state = 3;
  const std::int32_t cards[kCoupCards] = {51, 0, 17, 30, 44, 8};
  for (int i = 0; i < kCoupCards; ++i) r.cards[i] = cards[i];
  return r;
}

TEST(IsBaccaratServerRecord, StatesAndCardIds) {
  EXPECT_EQ(IsBaccaratServerRecord(BaccaratServerRecord{}), 1);
  EXPECT_EQ(IsBaccaratServerRecord(SavedCoup()), 1);
  BaccaratServerRecord r = SavedCoup();
  r.state = 20;
  EXPECT_EQ(IsBaccaratServerRecord(r), 1);
  r.state = 21;
  EXPECT_EQ(IsBaccaratServerRecord(r), 0);
  r.state = -1;
  EXPECT_EQ(IsBaccaratServerRecord(r), 0);
  for (int slot = 0; slot < kCoupCards; ++slot) {
    for (std::int32_t id : {-1, 52, 99, 101}) {
      r = SavedCoup();
      r.cards[slot] = id;
      EXPECT_EQ(IsBaccaratServerRecord(r), 0) << "slot " << slot << " id " << id;
    }
    r = SavedCoup();
    r.cards[slot] = kNotDrawn;
    const bool thirdCard = slot == kPlayerThird || slot == kBankerThird;
    EXPECT_EQ(IsBaccaratServerRecord(r), thirdCard ? 1 : 0) << "slot " << slot;
  }
}

}  // namespace
}  // namespace sq
