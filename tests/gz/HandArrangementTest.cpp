// The hands as the client lays them out at the showdown: by rank from the
// ace down, the cards of the hand's category first.
#include <gtest/gtest.h>

#include <initializer_list>

#include "gz/HandArrangement.h"
#include "kw/Cards.h"

namespace {

using kw::CardId;

struct Hand {
  int ranks[5];
  int suits[5];
};

gz::ArrangedHands Arrange(const Hand& player, const Hand& dealer) {
  gz::ArrangedHands hands{};
  std::int32_t p[5], d[5];
  for (int i = 0; i < 5; ++i) {
    p[i] = CardId(player.ranks[i], player.suits[i]);
    d[i] = CardId(dealer.ranks[i], dealer.suits[i]);
  }
  gz::SortCardsByRank(p, hands.player);
  gz::SortCardsByRank(d, hands.dealer);
  gz::EvaluateHandName(hands);
  return hands;
}

void ExpectRanks(const std::int32_t ids[5], std::initializer_list<int> ranks) {
  int i = 0;
  for (int rank : ranks) EXPECT_EQ(kw::CardRank(ids[i++]), rank) << "card " << i - 1;
}

// A dealer who qualifies with ace-king.
constexpr Hand kAceKing = {{14, 13, 8, 6, 2}, {0, 1, 2, 3, 0}};

}  // namespace

TEST(SortCardsByRank, OrdersFromTheAceDownKeepingTheOrderWithinARank) {
  const std::int32_t ids[5] = {CardId(3, 0), CardId(14, 2), CardId(3, 3), CardId(9, 1), CardId(14, 0)};
  std::int32_t out[5];
  gz::SortCardsByRank(ids, out);
  const std::int32_t want[5] = {CardId(14, 2), CardId(14, 0), CardId(9, 1), CardId(3, 0), CardId(3, 3)};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(out[i], want[i]);
}

TEST(EvaluateHandName, AceLowStraightShowsTheAceLast) {
  const gz::ArrangedHands h = Arrange({{14, 2, 3, 4, 5}, {0, 1, 2, 3, 0}}, kAceKing);
  EXPECT_EQ(h.playerName, gz::kStraightCategory);
  ExpectRanks(h.player, {5, 4, 3, 2, 14});
}

TEST(EvaluateHandName, SteelWheelShowsTheAceLastToo) {
  const gz::ArrangedHands h = Arrange({{14, 2, 3, 4, 5}, {1, 1, 1, 1, 1}}, kAceKing);
  EXPECT_EQ(h.playerName, gz::kStraightFlushCategory);
  ExpectRanks(h.player, {5, 4, 3, 2, 14});
}

TEST(EvaluateHandName, FullHouseShowsTheThreeThenThePair) {
  const gz::ArrangedHands h = Arrange({{9, 9, 4, 4, 4}, {0, 1, 0, 1, 2}}, kAceKing);
  EXPECT_EQ(h.playerName, gz::kFullHouseCategory);
  ExpectRanks(h.player, {4, 4, 4, 9, 9});
}

TEST(EvaluateHandName, TwoPairShowsTheHigherPairTheLowerThenTheFifth) {
  const gz::ArrangedHands h = Arrange({{13, 12, 7, 13, 7}, {0, 1, 2, 3, 0}}, kAceKing);
  EXPECT_EQ(h.playerName, gz::kTwoPairCategory);
  ExpectRanks(h.player, {13, 13, 7, 7, 12});
}

TEST(EvaluateHandName, PairShowsThePairThenTheOthersByRank) {
  const gz::ArrangedHands h = Arrange({{3, 14, 11, 3, 8}, {0, 1, 2, 3, 0}}, kAceKing);
  EXPECT_EQ(h.playerName, gz::kPairCategory);
  ExpectRanks(h.player, {3, 3, 14, 11, 8});
}

TEST(EvaluateHandName, FourAndThreeOfAKindComeFirst) {
  const gz::ArrangedHands four = Arrange({{6, 14, 6, 6, 6}, {0, 1, 1, 2, 3}}, kAceKing);
  EXPECT_EQ(four.playerName, gz::kFourOfAKindCategory);
  ExpectRanks(four.player, {6, 6, 6, 6, 14});
  const gz::ArrangedHands three = Arrange({{6, 14, 6, 2, 6}, {0, 1, 1, 2, 3}}, kAceKing);
  EXPECT_EQ(three.playerName, gz::kThreeOfAKindCategory);
  ExpectRanks(three.player, {6, 6, 6, 14, 2});
}

TEST(EvaluateHandName, RoyalFlushAndFlushKeepTheRankOrder) {
  const gz::ArrangedHands royal = Arrange({{10, 14, 12, 11, 13}, {3, 3, 3, 3, 3}}, kAceKing);
  EXPECT_EQ(royal.playerName, gz::kRoyalFlushCategory);
  ExpectRanks(royal.player, {14, 13, 12, 11, 10});
  const gz::ArrangedHands flush = Arrange({{2, 14, 9, 11, 5}, {1, 1, 1, 1, 1}}, kAceKing);
  EXPECT_EQ(flush.playerName, gz::kFlushCategory);
  ExpectRanks(flush.player, {14, 11, 9, 5, 2});
}

TEST(EvaluateHandName, DealerNamesAceKingOrNotQualified) {
  const gz::ArrangedHands ak = Arrange({{3, 3, 5, 8, 9}, {0, 1, 2, 3, 0}}, kAceKing);
  EXPECT_EQ(ak.dealerName, gz::kNameAceKing);
  EXPECT_EQ(ak.dealerNotQualified, 0);
  ExpectRanks(ak.dealer, {14, 13, 8, 6, 2});
  // A, Q, 9, 5, 3: no pair, no king; kept in rank order.
  const gz::ArrangedHands dnq = Arrange({{3, 3, 5, 8, 9}, {0, 1, 2, 3, 0}}, {{5, 14, 3, 12, 9}, {0, 1, 2, 3, 0}});
  EXPECT_EQ(dnq.dealerName, gz::kNameNotQualified);
  EXPECT_EQ(dnq.dealerNotQualified, 1);
  ExpectRanks(dnq.dealer, {14, 12, 9, 5, 3});
  // The player's ace-king is only a high card.
  const gz::ArrangedHands high = Arrange({{14, 13, 5, 8, 9}, {0, 1, 2, 3, 0}}, kAceKing);
  EXPECT_EQ(high.playerName, gz::kHighCard);
  ExpectRanks(high.player, {14, 13, 9, 8, 5});
}

TEST(EvaluateHandName, LooksForAceKingInTheDealersHandOnly) {
  const gz::ArrangedHands h = Arrange({{14, 13, 9, 6, 3}, {0, 1, 2, 3, 0}}, kAceKing);
  EXPECT_EQ(h.playerInfo.aceKing, 0);
  EXPECT_EQ(h.dealerInfo.aceKing, 1);
  EXPECT_EQ(h.playerName, gz::kHighCard);
  EXPECT_EQ(h.dealerName, gz::kNameAceKing);
}
