// EvaluateHand over every five-card hand, counted against the numbers of
// each hand that counting formulas give, and the hands that sit on the
// edges of its tests.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "mz/HandEvaluation.h"
#include "tests/support/StackedDeck.h"

namespace mz {
namespace {

std::int64_t Choose(int n, int k) {
  if (k < 0 || k > n) return 0;
  std::int64_t c = 1;
  for (int i = 1; i <= k; ++i) c = c * (n - k + i) / i;
  return c;
}

VideoPokerServerRecord HandOf(const std::string& cards) {
  VideoPokerServerRecord r{};
  const std::vector<hx::Card> parsed = hx::ParseCards(cards);
  for (int i = 0; i < kHandCards; ++i) r.hand[i] = HandCard{parsed[i].suit, parsed[i].value, 0};
  return r;
}

int Evaluate(const std::string& cards) {
  VideoPokerServerRecord r = HandOf(cards);
  return EvaluateHand(r);
}

TEST(HandEvaluation, EveryHandCountedAsTheFormulasCountIt) {
  std::int64_t counts[kHandCodes] = {};
  VideoPokerServerRecord r{};
  int c[kHandCards];
  for (c[0] = 0; c[0] < 52; ++c[0])
    for (c[1] = c[0] + 1; c[1] < 52; ++c[1])
      for (c[2] = c[1] + 1; c[2] < 52; ++c[2])
        for (c[3] = c[2] + 1; c[3] < 52; ++c[3])
          for (c[4] = c[3] + 1; c[4] < 52; ++c[4]) {
            for (int i = 0; i < kHandCards; ++i) r.hand[i] = HandCard{c[i] % 4, c[i] / 4 + 1, 0};
            ++counts[EvaluateHand(r)];
          }

  // Ten straights by their lowest card (ace low to ten), four suits each.
  const std::int64_t straightFlushes = 10 * 4;
  const std::int64_t royals = 4;
  const std::int64_t quads = 13 * 48;
  const std::int64_t fullHouses = 13 * Choose(4, 3) * 12 * Choose(4, 2);
  const std::int64_t flushes = 4 * Choose(13, 5) - straightFlushes;
  const std::int64_t straights = 10 * 1024 - straightFlushes;
  const std::int64_t trips = 13 * Choose(4, 3) * Choose(12, 2) * 4 * 4;
  const std::int64_t twoPairs = Choose(13, 2) * Choose(4, 2) * Choose(4, 2) * 44;
  // One pair: its rank, two of its suits, three other ranks of any suit.
  const std::int64_t pairOf = Choose(4, 2) * Choose(12, 3) * 4 * 4 * 4;
  const std::int64_t highPairs = 4 * pairOf;  // jacks, queens, kings, aces
  // Five ranks in no straight, suits not all alike.
  const std::int64_t highCards = (Choose(13, 5) - 10) * (1024 - 4);
  const std::int64_t all = Choose(52, 5);
  EXPECT_EQ(straightFlushes + quads + fullHouses + flushes + straights + trips + twoPairs +
                13 * pairOf + highCards,
            all);

  EXPECT_EQ(counts[kRoyalFlush], royals);
  EXPECT_EQ(counts[kStraightFlush], straightFlushes - royals);
  EXPECT_EQ(counts[kFourOfAKind], quads);
  EXPECT_EQ(counts[kFullHouse], fullHouses);
  EXPECT_EQ(counts[kFlush], flushes);
  EXPECT_EQ(counts[kStraight], straights);
  EXPECT_EQ(counts[kThreeOfAKind], trips);
  EXPECT_EQ(counts[kTwoPairs], twoPairs);
  EXPECT_EQ(counts[kJacksOrBetter], highPairs);
  EXPECT_EQ(counts[kNothing], highCards + 9 * pairOf);  // or a pair of 2s..10s
  std::int64_t total = 0;
  for (std::int64_t n : counts) total += n;
  EXPECT_EQ(total, all);
}

TEST(HandEvaluation, TheHandsOnTheEdges) {
  struct Case {
    const char* cards;
    int code;
  };
  const Case cases[] = {
      {"TH JH QH KH AH", kRoyalFlush},
      {"AH KH QH JH TH", kRoyalFlush},
      {"9S TS JS QS KS", kStraightFlush},
      {"AD 2C 3H 4S 5D", kStraight},     // the ace low
      {"AD 2D 3D 4D 5D", kStraightFlush},
      {"TC JD QH KS AC", kStraight},     // the ace high
      {"QD KC AH 2S 3D", kNothing},      // no straight turns the corner
      {"QD KD AD 2D 3D", kFlush},
      {"TD TS 2H 5C 9D", kNothing},
      {"JD JS 2H 5C 9D", kJacksOrBetter},
      {"AD 9C AS 5C 2D", kJacksOrBetter},
      {"KD KS KH 5C 5D", kFullHouse},
      {"5D 5S 5H KC KD", kFullHouse},
      {"5D KS 5H KC 5C", kFullHouse},
      {"7D 7S 7H 7C 2D", kFourOfAKind},
      {"2D KS KH KC KD", kFourOfAKind},
      {"2D 8S 8H 8C KD", kThreeOfAKind},
      {"2D 2S 9H 9C KD", kTwoPairs},
      {"AD AS 2H 2C 3D", kTwoPairs},
      {"2D 3S 4H 5C 7D", kNothing},
  };
  for (const Case& c : cases) EXPECT_EQ(Evaluate(c.cards), c.code) << c.cards;
}

TEST(HandEvaluation, SortedOrderAndItsComparisons) {
  VideoPokerServerRecord r = HandOf("KD 2S KH AC 2D");
  EXPECT_EQ(EvaluateHand(r), kTwoPairs);
  // Ace low, ties in hand order.
  const int order[kHandCards] = {3, 1, 4, 0, 2};
  for (int i = 0; i < kHandCards; ++i) EXPECT_EQ(r.sortScratch[i], order[i]) << i;
  EXPECT_EQ(SameValue(r, 1, 2), 1);
  EXPECT_EQ(SameValue(r, 0, 1), 0);
  EXPECT_EQ(SameSuit(r, 2, 3), 1);  // 2D and KD
  EXPECT_EQ(SameValue(r, 4, 5), 0);
  EXPECT_EQ(SameSuit(r, 5, 5), 0);
  EXPECT_EQ(SameValue(r, -1, 0), 0);
  VideoPokerServerRecord straight = HandOf("5D 3S 4H 2C 6D");
  EvaluateHand(straight);
  EXPECT_EQ(IsStraight(straight), 1);
  VideoPokerServerRecord aceHigh = HandOf("KD AS QH TC JD");
  EvaluateHand(aceHigh);
  EXPECT_EQ(IsStraight(aceHigh), 1);
  VideoPokerServerRecord gap = HandOf("KD AS QH 9C JD");
  EvaluateHand(gap);
  EXPECT_EQ(IsStraight(gap), 0);
}

}  // namespace
}  // namespace mz
