// The house way over a million random deals: always two different positions
// of the seven cards, and straight and flush findings that agree with the
// five-card subsets.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include "kw/HandEval.h"
#include "kw/HouseWay.h"

namespace kw {
namespace {

constexpr std::uint32_t kSeed = 20240516;
constexpr int kDeals = 1000000;

void DealSeven(std::mt19937& rng, std::int32_t ranks[7], std::int32_t suits[7]) {
  int deck[53];
  for (int i = 0; i < 53; ++i) deck[i] = i;
  for (int i = 0; i < 7; ++i) {
    std::uniform_int_distribution<int> pick(i, 52);
    const int j = pick(rng);
    const int t = deck[i];
    deck[i] = deck[j];
    deck[j] = t;
    ranks[i] = deck[i] == 52 ? 1 : deck[i] % 13 + 2;
    suits[i] = deck[i] == 52 ? 4 : deck[i] / 13;
  }
}

// Whether some five of the seven cards make a straight, and a flush.
void SubsetFindings(const std::int32_t ranks[7], const std::int32_t suits[7], bool* straight, bool* flush) {
  *straight = *flush = false;
  for (int skipA = 0; skipA < 7; ++skipA) {
    for (int skipB = skipA + 1; skipB < 7; ++skipB) {
      int r[5], n = 0, suit = -1;
      bool suited = true;
      for (int i = 0; i < 7; ++i) {
        if (i == skipA || i == skipB) continue;
        r[n++] = ranks[i];
        if (suits[i] == 4) continue;
        suited = suited && (suit < 0 || suits[i] == suit);
        suit = suits[i];
      }
      SortDescending(5, r);
      *straight = *straight || IsStraight5(r);
      *flush = *flush || suited;
    }
  }
}

TEST(HouseWayProperty, TwoDifferentPositionsOnEveryDeal) {
  std::printf("seed %u\n", kSeed);
  std::mt19937 rng(kSeed);
  int bad = 0, wrongCode = 0;
  for (int deal = 0; deal < kDeals; ++deal) {
    std::int32_t ranks[7], suits[7];
    DealSeven(rng, ranks, suits);
    PairStructure p;
    StraightFlushFindings f;
    const int value = HouseWay7(ranks, suits, &p, &f);
    const int a = value / 10, b = value % 10;
    if (a < 0 || a > 6 || b < 0 || b > 6 || a >= b) ++bad;
    if (deal % 10 == 0) {
      bool straight, flush;
      SubsetFindings(ranks, suits, &straight, &flush);
      if (f.code != (straight ? 1 : 0) + (flush ? 2 : 0)) ++wrongCode;
    }
  }
  EXPECT_EQ(bad, 0);
  EXPECT_EQ(wrongCode, 0);
}

}  // namespace
}  // namespace kw
