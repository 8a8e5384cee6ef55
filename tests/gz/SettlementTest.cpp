// What each result pays, worked by hand for an ante of 10 (the call bet 20).
#include <gtest/gtest.h>

#include "gz/Settlement.h"
#include "gz/Showdown.h"

namespace gz {
namespace {

struct Paid {
  int result;
  double credit;
  int outcome;
};

TEST(SettleCall, EveryResultAtAnAnteOfTen) {
  const Paid table[] = {
      {kTie, 10, kPush},
      {kHighCard, 40, kPlayerWins},
      {kDealerNotQualifiedResult, 20, kDealerNotQualified},
      {kPairCategory, 40, kPlayerWins},
      {kTwoPairCategory, 60, kPlayerWins},
      {kThreeOfAKindCategory, 80, kPlayerWins},
      {kStraightCategory, 100, kPlayerWins},
      {kFlushCategory, 120, kPlayerWins},
      {kFullHouseCategory, 160, kPlayerWins},
      {kFourOfAKindCategory, 420, kPlayerWins},
      {kStraightFlushCategory, 1020, kPlayerWins},
      {kRoyalFlushCategory, 4020, kPlayerWins},
  };
  for (const Paid& p : table) {
    const CaribbeanSettlement s = SettleCall(p.result, 10);
    EXPECT_EQ(s.credit, p.credit) << p.result;
    EXPECT_EQ(s.debit, 0) << p.result;
    EXPECT_EQ(s.outcome, p.outcome) << p.result;
  }
  for (int result = -kRoyalFlushCategory; result < 0; ++result) {
    const CaribbeanSettlement s = SettleCall(result, 10);
    EXPECT_EQ(s.credit, 0);
    EXPECT_EQ(s.debit, 20);
    EXPECT_EQ(s.outcome, kDealerWins);
  }
}

TEST(SettleCall, TheRoyalCapsOnlyTheCallBetsShare) {
  EXPECT_EQ(SettleCall(kRoyalFlushCategory, 100).credit, 40200);
  EXPECT_EQ(SettleCall(kRoyalFlushCategory, 125).credit, 50250);
  EXPECT_EQ(SettleCall(kRoyalFlushCategory, 126).credit, 50252);
  EXPECT_EQ(SettleCall(kRoyalFlushCategory, 500).credit, 51000);
}

}  // namespace
}  // namespace gz
