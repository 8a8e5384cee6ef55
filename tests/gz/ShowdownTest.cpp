// The showdown of a called hand: the edge cases by hand, random deals and
// pairs of hands within each category against the independent oracle.
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <random>
#include <vector>

#include "gz/Showdown.h"
#include "kw/Cards.h"
#include "tests/support/PokerOracle.h"

namespace gz {
namespace {

using Hand = std::array<std::int32_t, kHandCards>;

struct Card {
  int rank;
  int suit;
};

Hand MakeHand(std::initializer_list<Card> cards) {
  Hand hand{};
  int i = 0;
  for (Card c : cards) hand[i++] = kw::CardId(c.rank, c.suit);
  return hand;
}

int Showdown(const Hand& player, const Hand& dealer, CaribbeanServerRecord* out = nullptr) {
  CaribbeanServerRecord r{};
  for (int i = 0; i < kHandCards; ++i) {
    r.cards[i] = player[i];
    r.cards[kHandCards + i] = dealer[i];
  }
  const int result = CompareHands(r);
  EXPECT_EQ(r.comparison, result);
  if (out != nullptr) *out = r;
  return result;
}

int Expected(const Hand& player, const Hand& dealer) {
  if (!test::Qualifies(dealer.data())) return kDealerNotQualifiedResult;
  const test::PokerKey p = test::RankHand(player.data());
  const test::PokerKey d = test::RankHand(dealer.data());
  if (p > d) return p.category;
  if (p < d) return -d.category;
  return kTie;
}

constexpr int A = 14, K = 13, Q = 12, J = 11;

TEST(ShowdownEdge, ADealerWithoutPairOrAceKingDoesNotQualify) {
  CaribbeanServerRecord r;
  const Hand royal = MakeHand({{10, 0}, {J, 0}, {Q, 0}, {K, 0}, {A, 0}});
  EXPECT_EQ(Showdown(royal, MakeHand({{A, 1}, {Q, 2}, {9, 1}, {5, 3}, {3, 1}}), &r),
            kDealerNotQualifiedResult);
  EXPECT_EQ(r.dealerNotQualified, 1);
  const Hand low = MakeHand({{2, 0}, {4, 1}, {7, 2}, {8, 3}, {J, 1}});
  EXPECT_EQ(Showdown(low, MakeHand({{A, 1}, {K, 2}, {8, 1}, {6, 3}, {2, 1}}), &r), -kHighCard);
  EXPECT_EQ(r.dealerNotQualified, 0);
  EXPECT_EQ(r.dealer.aceKing, 1);
  EXPECT_EQ(r.player.aceKing, 0);  // looked for in the dealer's hand only
}

TEST(ShowdownEdge, StraightsAndStraightFlushes) {
  const Hand wheel = MakeHand({{A, 0}, {2, 1}, {3, 2}, {4, 3}, {5, 0}});
  const Hand sixHigh = MakeHand({{2, 2}, {3, 3}, {4, 0}, {5, 1}, {6, 2}});
  EXPECT_EQ(Showdown(wheel, sixHigh), -kStraightCategory);
  EXPECT_EQ(Showdown(sixHigh, wheel), kStraightCategory);
  const Hand royal = MakeHand({{10, 1}, {J, 1}, {Q, 1}, {K, 1}, {A, 1}});
  const Hand nineToKing = MakeHand({{9, 2}, {10, 2}, {J, 2}, {Q, 2}, {K, 2}});
  EXPECT_EQ(Showdown(royal, MakeHand({{2, 0}, {2, 3}, {5, 0}, {7, 0}, {9, 0}})),
            kRoyalFlushCategory);
  EXPECT_EQ(Showdown(nineToKing, MakeHand({{2, 0}, {2, 3}, {5, 0}, {7, 0}, {9, 0}})),
            kStraightFlushCategory);
  EXPECT_EQ(Showdown(royal, MakeHand({{10, 3}, {J, 3}, {Q, 3}, {K, 3}, {A, 3}})), kTie);
  EXPECT_EQ(Showdown(nineToKing, MakeHand({{9, 3}, {10, 3}, {J, 3}, {Q, 3}, {K, 3}})), kTie);
}

TEST(ShowdownEdge, FlushesByTheirValuesNotTheirSuit) {
  const Hand spades = MakeHand({{2, 3}, {5, 3}, {8, 3}, {J, 3}, {K, 3}});
  const Hand clubs = MakeHand({{3, 0}, {5, 0}, {8, 0}, {J, 0}, {K, 0}});
  EXPECT_EQ(Showdown(spades, clubs), -kFlushCategory);
  EXPECT_EQ(Showdown(clubs, spades), kFlushCategory);
}

TEST(ShowdownEdge, EqualPairsByTheKickersFromTheTop) {
  const Hand k74 = MakeHand({{9, 0}, {9, 1}, {K, 2}, {7, 3}, {4, 0}});
  const Hand k65 = MakeHand({{9, 2}, {9, 3}, {K, 0}, {6, 1}, {5, 2}});
  CaribbeanServerRecord r;
  EXPECT_EQ(Showdown(k74, k65, &r), kPairCategory);
  EXPECT_EQ(r.kicker, kFirstHigher);
  EXPECT_EQ(Showdown(k65, k74, &r), -kPairCategory);
  EXPECT_EQ(r.kicker, kSecondHigher);
}

TEST(ShowdownEdge, TheSameFiveValuesPush) {
  CaribbeanServerRecord r;
  EXPECT_EQ(Showdown(MakeHand({{A, 0}, {K, 1}, {9, 2}, {5, 3}, {3, 0}}),
                     MakeHand({{A, 1}, {K, 2}, {9, 3}, {5, 0}, {3, 1}}), &r),
            kTie);
  EXPECT_EQ(r.kicker, kKickersEqual);
}

TEST(ShowdownEdge, CategoriesOutrankEachOther) {
  const Hand fullHouse = MakeHand({{4, 0}, {4, 1}, {4, 2}, {9, 0}, {9, 1}});
  const Hand quads = MakeHand({{2, 0}, {2, 1}, {2, 2}, {2, 3}, {3, 0}});
  const Hand trips = MakeHand({{3, 1}, {3, 2}, {3, 3}, {7, 0}, {8, 1}});
  const Hand twoPair = MakeHand({{A, 0}, {A, 1}, {K, 0}, {K, 1}, {Q, 0}});
  EXPECT_EQ(Showdown(fullHouse, twoPair), kFullHouseCategory);
  EXPECT_EQ(Showdown(quads, fullHouse), kFourOfAKindCategory);
  EXPECT_EQ(Showdown(fullHouse, quads), -kFourOfAKindCategory);
  EXPECT_EQ(Showdown(trips, twoPair), kThreeOfAKindCategory);
  EXPECT_EQ(Showdown(twoPair, trips), -kThreeOfAKindCategory);
}

TEST(CompareKickers, FromTheHighestEntryDown) {
  const std::int32_t a[] = {2, 3, 4, 5, 14};
  const std::int32_t b[] = {3, 4, 5, 6, 13};
  const std::int32_t c[] = {2, 3, 4, 6, 14};
  EXPECT_EQ(CompareKickers(a, b), kFirstHigher);
  EXPECT_EQ(CompareKickers(b, a), kSecondHigher);
  EXPECT_EQ(CompareKickers(a, c), kSecondHigher);
  EXPECT_EQ(CompareKickers(a, a), kKickersEqual);
}

TEST(ShowdownOracle, RandomDeals) {
  const unsigned seed = std::random_device{}();
  std::printf("ShowdownOracle seed %u\n", seed);
  std::mt19937 random(seed);
  std::vector<std::int32_t> deck(52);
  int wrong = 0;
  for (int deal = 0; deal < 200000 && wrong < 5; ++deal) {
    for (int i = 0; i < 52; ++i) deck[i] = i;
    std::shuffle(deck.begin(), deck.end(), random);
    Hand player, dealer;
    std::copy(deck.begin(), deck.begin() + 5, player.begin());
    std::copy(deck.begin() + 5, deck.begin() + 10, dealer.begin());
    const int expected = Expected(player, dealer);
    const int got = Showdown(player, dealer);
    if (got != expected) {
      ++wrong;
      ADD_FAILURE() << "seed " << seed << " deal " << deal << ": got " << got << ", expected "
                    << expected;
    }
  }
}

// Hands of each category, every one for the rare ones, a sample of the rest.
std::vector<std::vector<Hand>> HandsByCategory() {
  std::vector<std::vector<Hand>> byCategory(kRoyalFlushCategory + 1);
  Hand h;
  long long index = 0;
  for (h[0] = 0; h[0] < 52; ++h[0])
    for (h[1] = h[0] + 1; h[1] < 52; ++h[1])
      for (h[2] = h[1] + 1; h[2] < 52; ++h[2])
        for (h[3] = h[2] + 1; h[3] < 52; ++h[3])
          for (h[4] = h[3] + 1; h[4] < 52; ++h[4]) {
            const int category = test::RankHand(h.data()).category;
            ++index;
            if (category >= kTwoPairCategory || index % 97 == 0) byCategory[category].push_back(h);
          }
  return byCategory;
}

bool Disjoint(const Hand& a, const Hand& b) {
  for (auto x : a)
    for (auto y : b)
      if (x == y) return false;
  return true;
}

TEST(ShowdownOracle, PairsWithinEachCategory) {
  const unsigned seed = std::random_device{}();
  std::printf("ShowdownOracle within categories seed %u\n", seed);
  std::mt19937 random(seed);
  const auto byCategory = HandsByCategory();
  for (int category = kHighCard; category <= kRoyalFlushCategory; ++category) {
    const auto& hands = byCategory[category];
    if (hands.empty()) continue;
    std::uniform_int_distribution<std::size_t> pick(0, hands.size() - 1);
    int wrong = 0;
    for (int pair = 0; pair < 20000 && wrong < 3; ++pair) {
      const Hand& player = hands[pick(random)];
      const Hand& dealer = hands[pick(random)];
      if (!Disjoint(player, dealer)) continue;
      const int expected = Expected(player, dealer);
      const int got = Showdown(player, dealer);
      if (got != expected) {
        ++wrong;
        ADD_FAILURE() << "seed " << seed << " category " << category << ": got " << got
                      << ", expected " << expected;
      }
    }
  }
}

}  // namespace
}  // namespace gz
