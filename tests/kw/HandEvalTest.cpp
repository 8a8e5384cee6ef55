// The 5-card classes with the joker, as the table rules name them.
#include <gtest/gtest.h>

#include "kw/Cards.h"
#include "kw/HandEval.h"
#include "tests/kw/CardText.h"

namespace kw {
namespace {

HandValue Eval(const std::string& text) {
  std::int32_t ranks[5], suits[5];
  kw_test::RanksSuits(kw_test::Ids(text), ranks, suits);
  int r[5], s[5];
  for (int i = 0; i < 5; ++i) {
    r[i] = ranks[i];
    s[i] = suits[i];
  }
  HandValue v{-1, -1, -1};
  EvaluateHand5(r, s, &v);
  return v;
}

void ExpectValue(const std::string& text, int handClass, int rank1, int rank2 = 0) {
  const HandValue v = Eval(text);
  EXPECT_EQ(v.handClass, handClass) << text;
  EXPECT_EQ(v.rank1, rank1) << text;
  EXPECT_EQ(v.rank2, rank2) << text;
}

TEST(CardIds, RankAndSuitFollowTheId) {
  EXPECT_EQ(CardRank(51), 14);
  EXPECT_EQ(CardSuit(51), 3);
  EXPECT_EQ(CardRank(0), 2);
  EXPECT_EQ(CardSuit(0), 0);
  EXPECT_EQ(CardRank(52), 1);
  EXPECT_EQ(CardSuit(52), 4);
  for (int id = 0; id <= 52; ++id) EXPECT_EQ(CardId(CardRank(id), CardSuit(id)), id);
}

TEST(HandClasses, JokerCountsAsAnAceForPairs) {
  ExpectValue("As Ah Ad Ac Xj", kFiveAces, 0);
  ExpectValue("As Xj Ad Ac Kh", kFourOfAKind, 14);
  ExpectValue("Ks Kh Kd Kc Xj", kFourOfAKind, 13);
  ExpectValue("Xj Ks Kh 7d 7c", kTwoPair, 13, 7);
  ExpectValue("7s 7h 7d Xj As", kFullHouse, 7, 14);
  ExpectValue("Xj Ah 9d 5c 2s", kOnePair, 14);
  ExpectValue("Xj Kh 9d 5c 2s", kHighCard, 0);
  ExpectValue("9s 9h 9d 4c 2s", kThreeOfAKind, 9);
  ExpectValue("9s 4h 9d 4c 9c", kFullHouse, 9, 4);
}

TEST(HandClasses, JokerFillsStraightsAndFlushes) {
  ExpectValue("9s 8h 7d 6c Xj", kStraight, 10);
  ExpectValue("9s 8s 7s 6s Xj", kStraightFlush, 9);
  ExpectValue("As Kh Qd Jc Xj", kStraight, 15);
  ExpectValue("5s 4h 3d 2c Xj", kStraight, 14);
  ExpectValue("As 5h 3d 2c Xj", kStraight, 14);
  ExpectValue("Xj 9h 7h 4h 2h", kFlush, 0);
  ExpectValue("9s Xj 7d 6c 5h", kStraight, 9);
  ExpectValue("As Kh Qd Jc Ts", kStraight, 15);
  ExpectValue("As 2h 3d 4c 5s", kStraight, 14);
  ExpectValue("6s 2h 3d 4c 5s", kStraight, 6);
}

TEST(HandClasses, SuitedWheelIsAFlushWithoutTheJokerAndAStraightFlushWithIt) {
  ExpectValue("2s 3s 4s 5s As", kFlush, 0);
  // The joker standing for any card but the ace.
  ExpectValue("As 2s 3s 4s Xj", kStraightFlush, 14);
  ExpectValue("As 5s 3s 2s Xj", kStraightFlush, 14);
  ExpectValue("Xj 5s 4s 3s 2s", kStraightFlush, 14);
  ExpectValue("As Ks Qs Js Ts", kStraightFlush, 15);
}

TEST(HandClasses, StraightTestSeesFiveSortedRanks) {
  const int broadway[5] = {14, 13, 12, 11, 10}, wheel[5] = {14, 5, 4, 3, 2};
  const int gap[5] = {9, 8, 6, 5, 1}, jokerWheel[5] = {14, 4, 3, 2, 1};
  const int pair[5] = {9, 8, 8, 6, 1}, wide[5] = {10, 8, 7, 5, 1};
  EXPECT_TRUE(IsStraight5(broadway));
  EXPECT_TRUE(IsStraight5(wheel));
  EXPECT_TRUE(IsStraight5(gap));
  EXPECT_TRUE(IsStraight5(jokerWheel));
  EXPECT_FALSE(IsStraight5(pair));
  EXPECT_FALSE(IsStraight5(wide));
}

TEST(SortDescending, PutsTheLargestFirst) {
  int v[6] = {3, -1, 14, 1, 14, 7};
  SortDescending(6, v);
  const int want[6] = {14, 14, 7, 3, 1, -1};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(v[i], want[i]);
  EXPECT_EQ(PairValue(9, 9), 9);
  EXPECT_EQ(PairValue(9, 8), 0);
}

}  // namespace
}  // namespace kw
