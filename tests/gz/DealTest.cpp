// The deal of distinct ids from the ordered deck.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "gz/Deal.h"

namespace gz {
namespace {

int Zero() { return 0; }
int Last() { return 32767; }

std::mt19937* g_random = nullptr;
int Random() { return static_cast<int>((*g_random)() % 32768); }

TEST(DealCards, ASourceOfZerosDealsTheDeckInOrder) {
  std::int32_t cards[10];
  DealCards(cards, 10, Zero);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(cards[i], i);
}

TEST(DealCards, EachDrawIndexesTheCardsLeft) {
  // 32767 mod 52 = 7, mod 51 = 25, mod 50 = 17: ids 7, then 26 (7 gone
  // shifts it), then 18 (only 7 lies below it).
  std::int32_t cards[3];
  DealCards(cards, 3, Last);
  EXPECT_EQ(cards[0], 7);
  EXPECT_EQ(cards[1], 26);
  EXPECT_EQ(cards[2], 18);
}

TEST(DealCards, TheWholeDeckIsAPermutationAndFewerCardsStayDistinct) {
  const unsigned seed = std::random_device{}();
  std::printf("DealCards seed %u\n", seed);
  std::mt19937 random(seed);
  g_random = &random;
  for (int count : {6, 10, 52}) {
    for (int round = 0; round < 1000; ++round) {
      std::int32_t cards[52];
      std::fill(cards, cards + 52, -1);
      DealCards(cards, count, Random);
      std::vector<std::int32_t> dealt(cards, cards + count);
      std::sort(dealt.begin(), dealt.end());
      ASSERT_TRUE(std::adjacent_find(dealt.begin(), dealt.end()) == dealt.end()) << seed;
      ASSERT_GE(dealt.front(), 0);
      ASSERT_LE(dealt.back(), 51);
      if (count < 52) {
        ASSERT_EQ(cards[count], -1);
      }
    }
  }
  g_random = nullptr;
}

}  // namespace
}  // namespace gz
