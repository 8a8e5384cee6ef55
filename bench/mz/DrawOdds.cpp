#include "bench/mz/DrawOdds.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstdlib>

namespace mz::bench {
namespace {

constexpr int kRanks = 13;
// Ace, ten, jack, queen, king (ace as rank 0).
constexpr unsigned kAceHighMask = 1u << 0 | 1u << 9 | 1u << 10 | 1u << 11 | 1u << 12;

// The colex rank of ascending cards among the subsets of their size.
std::int64_t ColexRank(const int* sorted, int k) {
  std::int64_t rank = 0;
  for (int i = 0; i < k; ++i) rank += Choose(sorted[i], i + 1);
  return rank;
}

}  // namespace

std::int64_t Choose(int n, int k) {
  if (k < 0 || n < k) return 0;
  std::int64_t c = 1;
  for (int i = 1; i <= k; ++i) c = c * (n - k + i) / i;
  return c;
}

std::int64_t DrawsFor(int held) { return Choose(kDeckCards - kHandSize, kHandSize - held); }

int HeldCards(int mask) { return std::popcount(static_cast<unsigned>(mask)); }

int ScoreHand(const int cards[kHandSize]) {
  int count[kRanks] = {};
  unsigned ranks = 0;
  bool flush = true;
  for (int i = 0; i < kHandSize; ++i) {
    const int rank = cards[i] % kRanks;
    ++count[rank];
    ranks |= 1u << rank;
    flush = flush && SuitOf(cards[i]) == SuitOf(cards[0]);
  }
  const int distinct = std::popcount(ranks);
  if (distinct == kHandSize) {
    const int low = std::countr_zero(ranks);
    const int high = 31 - std::countl_zero(ranks);
    const bool royalRanks = ranks == kAceHighMask;
    const bool straight = high - low == 4 || royalRanks;
    if (flush && royalRanks) return kRoyalFlush;
    if (flush && straight) return kStraightFlush;
    if (flush) return kFlush;
    if (straight) return kStraight;
    return kNothing;
  }
  int most = 0, pairRank = -1;
  for (int r = 0; r < kRanks; ++r) {
    most = std::max(most, count[r]);
    if (count[r] == 2) pairRank = r;
  }
  if (most == 4) return kFourOfAKind;
  if (most == 3) return distinct == 2 ? kFullHouse : kThreeOfAKind;
  if (distinct == 3) return kTwoPairs;
  // One pair: jacks (rank 10) and up, or aces (rank 0).
  return pairRank >= 10 || pairRank == 0 ? kJacksOrBetter : kNothing;
}

CDrawTables::CDrawTables() {
  for (int k = 0; k < kHandSize; ++k) subsets_[k].assign(Choose(kDeckCards, k), {});
  codes_.assign(Choose(kDeckCards, kHandSize), 0);
  int c[kHandSize];
  for (c[4] = 4; c[4] < kDeckCards; ++c[4])
    for (c[3] = 3; c[3] < c[4]; ++c[3])
      for (c[2] = 2; c[2] < c[3]; ++c[2])
        for (c[1] = 1; c[1] < c[2]; ++c[1])
          for (c[0] = 0; c[0] < c[1]; ++c[0]) {
            const int code = ScoreHand(c);
            codes_[ColexRank(c, kHandSize)] = static_cast<std::uint8_t>(code);
            ++dealt_[code];
            for (int mask = 0; mask < kHolds - 1; ++mask) {
              int sub[kHandSize], k = 0;
              for (int i = 0; i < kHandSize; ++i) {
                if (mask >> i & 1) sub[k++] = c[i];
              }
              ++subsets_[k][ColexRank(sub, k)][code];
            }
          }
}

void CDrawTables::CountHolds(const int hand[kHandSize], HoldCounts* holds) const {
  int order[kHandSize] = {0, 1, 2, 3, 4};
  std::sort(order, order + kHandSize, [&](int a, int b) { return hand[a] < hand[b]; });
  HoldCounts& v = *holds;
  // v[m]: the hands holding the cards of m, whatever else they hold.
  for (int mask = 0; mask < kHolds; ++mask) {
    int sub[kHandSize], k = 0;
    for (int i = 0; i < kHandSize; ++i) {
      if (mask >> order[i] & 1) sub[k++] = hand[order[i]];
    }
    if (k == kHandSize) {
      v[mask].fill(0);
      v[mask][codes_[ColexRank(sub, k)]] = 1;
    } else {
      const auto& counts = subsets_[k][ColexRank(sub, k)];
      for (int code = 0; code < kHandCodes; ++code) v[mask][code] = counts[code];
    }
  }
  // Take away, card by card, the hands that hold a discarded card.
  for (int bit = 0; bit < kHandSize; ++bit) {
    for (int mask = 0; mask < kHolds; ++mask) {
      if (mask >> bit & 1) continue;
      for (int code = 0; code < kHandCodes; ++code) v[mask][code] -= v[mask | 1 << bit][code];
    }
  }
}

void DealHolds(const int hand[kHandSize], HoldCounts* holds) {
  int unseen[kDeckCards - kHandSize], left = 0;
  for (int card = 0; card < kDeckCards; ++card) {
    if (std::find(hand, hand + kHandSize, card) == hand + kHandSize) unseen[left++] = card;
  }
  for (int mask = 0; mask < kHolds; ++mask) {
    CodeCounts& counts = (*holds)[mask];
    counts.fill(0);
    int final[kHandSize], held = 0;
    for (int i = 0; i < kHandSize; ++i) {
      if (mask >> i & 1) final[held++] = hand[i];
    }
    // Every set of 5 - held unseen cards, as ascending indexes into unseen.
    int pick[kHandSize];
    const int need = kHandSize - held;
    for (int i = 0; i < need; ++i) pick[i] = i;
    for (;;) {
      for (int i = 0; i < need; ++i) final[held + i] = unseen[pick[i]];
      ++counts[ScoreHand(final)];
      int i = need - 1;
      while (i >= 0 && pick[i] == left - need + i) --i;
      if (i < 0) break;
      ++pick[i];
      for (int j = i + 1; j < need; ++j) pick[j] = pick[j - 1] + 1;
    }
  }
}

std::int64_t PayCoins(int coins, int code) {
  return static_cast<std::int64_t>(VideoPokerPayTable[coins - 1][code]);
}

std::int64_t HoldValue(const CodeCounts& counts, int held, int coins) {
  std::int64_t pay = 0;
  for (int code = 0; code < kHandCodes; ++code) pay += counts[code] * PayCoins(coins, code);
  return pay * (kDrawsLcm / DrawsFor(held));
}

HoldChoice BestHold(const HoldCounts& holds, int coins) {
  HoldChoice best{0, HoldValue(holds[0], 0, coins)};
  for (int mask = 1; mask < kHolds; ++mask) {
    const std::int64_t value = HoldValue(holds[mask], HeldCards(mask), coins);
    bool better = value > best.value;
    if (value == best.value) {
      const int held = HeldCards(mask), bestHeld = HeldCards(best.mask);
      better = held > bestHeld;
      for (int code = kHandCodes - 1; held == bestHeld && code >= 0; --code) {
        if (holds[mask][code] != holds[best.mask][code]) {
          better = holds[mask][code] > holds[best.mask][code];
          break;
        }
      }
    }
    if (better) best = HoldChoice{mask, value};
  }
  return best;
}

}  // namespace mz::bench
