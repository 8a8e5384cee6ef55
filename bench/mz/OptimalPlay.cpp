#include "bench/mz/OptimalPlay.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace mz::bench {
namespace {

constexpr int kSuits = 4;
constexpr int kSuitOrders = 24;
constexpr std::uint64_t kSuitBits = (1u << 13) - 1;

// The deal as four 13-bit rank sets, suit s at bits 13s..13s+12.
std::uint64_t DealKey(const int cards[kHandSize]) {
  std::uint64_t key = 0;
  for (int i = 0; i < kHandSize; ++i) key |= std::uint64_t{1} << cards[i];
  return key;
}

// The deals that are this one up to the suits' names, when it is the
// least of them by its key; 0 when another names its pattern.
int PatternWeight(std::uint64_t key) {
  int order[kSuits] = {0, 1, 2, 3};
  int same = 0;
  do {
    std::uint64_t renamed = 0;
    for (int s = 0; s < kSuits; ++s) renamed |= (key >> (13 * s) & kSuitBits) << (13 * order[s]);
    if (renamed < key) return 0;
    same += renamed == key;
  } while (std::next_permutation(order, order + kSuits));
  return kSuitOrders / same;
}

void CheckHolds(const HoldCounts& holds, const int cards[kHandSize]) {
  for (int mask = 0; mask < kHolds; ++mask) {
    std::int64_t sum = 0;
    for (std::int64_t n : holds[mask]) sum += n;
    if (sum != DrawsFor(HeldCards(mask))) {
      std::fprintf(stderr, "mz_optimal: hold %d of %d %d %d %d %d counts %lld draws\n", mask,
                   cards[0], cards[1], cards[2], cards[3], cards[4], static_cast<long long>(sum));
      std::abort();
    }
  }
}

}  // namespace

Wide FrequencyDenominator() { return Wide{Choose(kDeckCards, kHandSize)} * kDrawsLcm; }

OptimalPlay PlayOptimally(const CDrawTables& tables) {
  OptimalPlay play;
  HoldCounts holds;
  int c[kHandSize];
  for (c[0] = 0; c[0] < kDeckCards; ++c[0])
    for (c[1] = c[0] + 1; c[1] < kDeckCards; ++c[1])
      for (c[2] = c[1] + 1; c[2] < kDeckCards; ++c[2])
        for (c[3] = c[2] + 1; c[3] < kDeckCards; ++c[3])
          for (c[4] = c[3] + 1; c[4] < kDeckCards; ++c[4]) {
            const int weight = PatternWeight(DealKey(c));
            if (weight == 0) continue;
            ++play.patterns;
            play.deals += weight;
            tables.CountHolds(c, &holds);
            CheckHolds(holds, c);
            for (int coins = 1; coins <= kMaxCoins; ++coins) {
              const HoldChoice best = BestHold(holds, coins);
              OptimalTotals& t = play.byCoins[coins - 1];
              t.payNumerator += Wide{best.value} * weight;
              const std::int64_t scale = kDrawsLcm / DrawsFor(HeldCards(best.mask));
              for (int code = 0; code < kHandCodes; ++code) {
                t.codeNumerator[code] += Wide{holds[best.mask][code]} * scale * weight;
              }
            }
          }
  return play;
}

}  // namespace mz::bench
