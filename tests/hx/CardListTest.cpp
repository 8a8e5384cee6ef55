// The card list: a full shuffled deck, adding and taking at the limits, and
// the totals of hands worked out by hand.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <utility>

#include "hx/CardList.h"

namespace hx {
namespace {

int Zero() { return 0; }

unsigned g_seed = 0;
int Seeded() { return rand_r(&g_seed) % 32768; }

CardList Hand(std::initializer_list<int> values) {
  CardList list{};
  for (int value : values) CardListAdd(list, 3, value);
  return list;
}

TEST(ShuffleDeck, AGeneratorOfZerosDealsTheAceOfDiamondsFirst) {
  CardList deck{};
  ShuffleDeck(deck, Zero);
  ASSERT_EQ(deck.count, 52);
  for (int i = 0; i < 52; ++i) {
    EXPECT_EQ(deck.cards[51 - i].suit, i / 13) << i;
    EXPECT_EQ(deck.cards[51 - i].value, i % 13 + 1) << i;
  }
  int suit = -1, value = -1;
  EXPECT_EQ(CardListTake(deck, &suit, &value), 1);
  EXPECT_EQ(suit, 0);
  EXPECT_EQ(value, 1);
}

TEST(ShuffleDeck, EveryCardOnceWhateverTheDraws) {
  g_seed = static_cast<unsigned>(std::rand());
  std::printf("seed %u\n", g_seed);
  for (int round = 0; round < 200; ++round) {
    CardList deck{};
    ShuffleDeck(deck, Seeded);
    ASSERT_EQ(deck.count, 52);
    std::set<std::pair<int, int>> seen;
    for (const Card& card : deck.cards) {
      EXPECT_TRUE(IsValidCard(card.suit, card.value));
      seen.insert({card.suit, card.value});
    }
    EXPECT_EQ(seen.size(), 52u);
  }
}

TEST(CardList, AddAndTakeAtTheLimits) {
  CardList list{};
  int suit = 7, value = 7;
  EXPECT_EQ(CardListTake(list, &suit, &value), 0);
  EXPECT_EQ(list.count, 0);
  for (int i = 0; i < 52; ++i) ASSERT_EQ(CardListAdd(list, i % 4, i % 13 + 1), 1);
  EXPECT_EQ(CardListAdd(list, 0, 1), 0);
  EXPECT_EQ(list.count, 52);
  EXPECT_EQ(CardListTake(list, &suit, &value), 1);
  EXPECT_EQ(suit, 51 % 4);
  EXPECT_EQ(value, 51 % 13 + 1);
  EXPECT_EQ(list.count, 51);
  EXPECT_EQ(list.cards[51].suit, 0);
  EXPECT_EQ(list.cards[51].value, 0);  // the taken entry is zeroed
}

TEST(CardList, ACorruptCardIsTakenAndReported) {
  CardList list{};
  CardListAdd(list, 4, 1);
  CardListAdd(list, 0, 14);
  int suit = 0, value = 0;
  EXPECT_EQ(CardListTake(list, &suit, &value), 0);
  EXPECT_EQ(value, 14);
  EXPECT_EQ(CardListTake(list, &suit, &value), 0);
  EXPECT_EQ(suit, 4);
  EXPECT_EQ(list.count, 0);
}

struct TotalsCase {
  std::initializer_list<int> values;
  int first, second, best;
};

TEST(HandTotals, HandsWorkedByHand) {
  const TotalsCase cases[] = {
      {{1, 13}, 21, 0, 21},     {{1, 6}, 7, 17, 17},       {{1, 6, 10}, 17, 0, 17},
      {{1, 1}, 2, 12, 12},      {{13, 12, 5}, 25, 0, 25},  {{1, 5, 5}, 21, 0, 21},
      {{1, 1, 9}, 21, 0, 21},   {{10, 6}, 16, 0, 16},      {{1, 1, 1, 1}, 4, 14, 14},
      {{1, 9, 1}, 21, 0, 21},   {{11, 1}, 21, 0, 21},      {{2, 3, 1, 4}, 10, 20, 20},
  };
  for (const TotalsCase& c : cases) {
    CardList hand = Hand(c.values);
    int first = -1, second = -1;
    EXPECT_EQ(HandTotals(hand, &first, &second), 1);
    EXPECT_EQ(first, c.first) << hand.count << " cards, first " << hand.cards[0].value;
    EXPECT_EQ(second, c.second) << hand.count << " cards, first " << hand.cards[0].value;
    EXPECT_EQ(BestTotal(hand), c.best);
  }
  CardList empty{};
  int first = -1, second = -1;
  EXPECT_EQ(HandTotals(empty, &first, &second), 0);
  EXPECT_EQ(first, 0);
  EXPECT_EQ(second, 0);
}

TEST(IsNatural, OnlyAnAceAndATenValuedCard) {
  EXPECT_EQ(IsNatural(Hand({1, 13})), 1);
  EXPECT_EQ(IsNatural(Hand({10, 1})), 1);
  EXPECT_EQ(IsNatural(Hand({11, 1})), 1);
  EXPECT_EQ(IsNatural(Hand({1, 5, 5})), 0);
  EXPECT_EQ(IsNatural(Hand({1, 1})), 0);
  EXPECT_EQ(IsNatural(Hand({10, 11})), 0);
  EXPECT_EQ(IsNatural(Hand({1})), 0);
}

}  // namespace
}  // namespace hx
