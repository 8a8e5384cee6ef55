#include "bench/gz/ExactOdds.h"

#include <algorithm>
#include <array>
#include <thread>

#include "gz/HandInfo.h"
#include "gz/Settlement.h"
#include "tests/support/PokerOracle.h"

namespace gz::sim {

namespace {

constexpr int kCards = 52;

struct Binomials {
  long long c[kCards + 1][6] = {};
  constexpr Binomials() {
    for (int n = 0; n <= kCards; ++n) {
      c[n][0] = 1;
      for (int k = 1; k <= 5 && k <= n; ++k) c[n][k] = c[n - 1][k - 1] + (k <= n - 1 ? c[n - 1][k] : 0);
    }
  }
};
constexpr Binomials kChoose;

// Colex rank of count ascending cards among the count-subsets of the deck.
long long SubsetRank(const int* cards, int count) {
  long long rank = 0;
  for (int i = 0; i < count; ++i) rank += kChoose.c[cards[i]][i + 1];
  return rank;
}

long long KeyOf(const test::PokerKey& key) {
  long long code = key.category;
  for (int r : key.ranks) code = code * 15 + r;
  return code;
}

template <typename Visit>
void ForEveryHand(Visit visit) {
  int h[5];
  for (h[4] = 4; h[4] < kCards; ++h[4])
    for (h[3] = 3; h[3] < h[4]; ++h[3])
      for (h[2] = 2; h[2] < h[3]; ++h[2])
        for (h[1] = 1; h[1] < h[2]; ++h[1])
          for (h[0] = 0; h[0] < h[1]; ++h[0]) visit(h);
}

// The subsets of five ascending cards of one size, each ascending.
template <typename Visit>
void ForEverySubset(const int* hand, int size, Visit visit) {
  for (int mask = 0; mask < 32; ++mask) {
    if (__builtin_popcount(mask) != size) continue;
    int subset[5];
    int n = 0;
    for (int i = 0; i < 5; ++i) {
      if (mask & (1 << i)) subset[n++] = hand[i];
    }
    visit(subset);
  }
}

}  // namespace

CExactOdds::CExactOdds() : strength_(kAllHands) {
  // Strengths: the oracle's keys, ranked.
  std::vector<long long> keys(kAllHands);
  ForEveryHand([&](const int* h) {
    const std::int32_t ids[5] = {h[0], h[1], h[2], h[3], h[4]};
    keys[SubsetRank(h, 5)] = KeyOf(test::RankHand(ids));
  });
  std::vector<long long> distinct = keys;
  std::sort(distinct.begin(), distinct.end());
  distinct.erase(std::unique(distinct.begin(), distinct.end()), distinct.end());
  strengths_ = static_cast<int>(distinct.size());
  for (int i = 0; i < kAllHands; ++i) {
    strength_[i] = static_cast<std::uint16_t>(
        std::lower_bound(distinct.begin(), distinct.end(), keys[i]) - distinct.begin());
  }
  // The dealer qualifies from ace-king high on: A, K, 4, 3, 2 of mixed suits.
  const std::int32_t aceKing[5] = {12, 11 + 13, 2, 1, 0};
  qualifying_ = Strength(aceKing);

  const int limits = strengths_ + 1;
  belowNone_.assign(limits, 0);
  belowOne_.assign(static_cast<std::size_t>(kCards) * limits, 0);
  belowTwo_.assign(static_cast<std::size_t>(kChoose.c[kCards][2]) * limits, 0);
  // Histograms first (at limit = strength + 1), summed up below.
  ForEveryHand([&](const int* h) {
    const int s = strength_[SubsetRank(h, 5)];
    ++belowNone_[s + 1];
    ForEverySubset(h, 1, [&](const int* t) { ++belowOne_[t[0] * limits + s + 1]; });
    ForEverySubset(h, 2, [&](const int* t) { ++belowTwo_[SubsetRank(t, 2) * limits + s + 1]; });
  });
  auto accumulate = [limits](std::vector<std::int32_t>& table) {
    for (std::size_t row = 0; row < table.size(); row += limits) {
      for (int x = 1; x < limits; ++x) table[row + x] += table[row + x - 1];
    }
  };
  accumulate(belowNone_);
  accumulate(belowOne_);
  accumulate(belowTwo_);
  // Hands in strength order, so each triple's and quadruple's list fills sorted.
  std::vector<int> firstOfStrength(limits, 0);
  for (int i = 0; i < kAllHands; ++i) ++firstOfStrength[strength_[i] + 1];
  for (int x = 1; x < limits; ++x) firstOfStrength[x] += firstOfStrength[x - 1];
  std::vector<std::array<std::uint8_t, 5>> ordered(kAllHands);
  ForEveryHand([&](const int* h) {
    auto& slot = ordered[firstOfStrength[strength_[SubsetRank(h, 5)]]++];
    for (int i = 0; i < 5; ++i) slot[i] = static_cast<std::uint8_t>(h[i]);
  });
  const int perThree = static_cast<int>(kChoose.c[kCards - 3][2]);
  const int perFour = kCards - 4;
  sortedThree_.assign(kChoose.c[kCards][3] * perThree, 0);
  sortedFour_.assign(kChoose.c[kCards][4] * perFour, 0);
  std::vector<int> fillThree(kChoose.c[kCards][3], 0);
  std::vector<int> fillFour(kChoose.c[kCards][4], 0);
  for (const auto& cards : ordered) {
    const int h[5] = {cards[0], cards[1], cards[2], cards[3], cards[4]};
    const std::uint16_t s = strength_[SubsetRank(h, 5)];
    ForEverySubset(h, 3, [&](const int* t) {
      const long long r = SubsetRank(t, 3);
      sortedThree_[r * perThree + fillThree[r]++] = s;
    });
    ForEverySubset(h, 4, [&](const int* t) {
      const long long r = SubsetRank(t, 4);
      sortedFour_[r * perFour + fillFour[r]++] = s;
    });
  }
}

int CExactOdds::Strength(const std::int32_t* ids) const {
  int h[5] = {ids[0], ids[1], ids[2], ids[3], ids[4]};
  std::sort(h, h + 5);
  return strength_[SubsetRank(h, 5)];
}

int CExactOdds::Category(const std::int32_t* ids) const { return test::RankHand(ids).category; }

long long CExactOdds::CountBelow(const int* subset, int count, int limit) const {
  const int limits = strengths_ + 1;
  switch (count) {
    case 0: return belowNone_[limit];
    case 1: return belowOne_[subset[0] * limits + limit];
    case 2: return belowTwo_[SubsetRank(subset, 2) * limits + limit];
    case 3: {
      const int n = static_cast<int>(kChoose.c[kCards - 3][2]);
      const auto first = sortedThree_.begin() + SubsetRank(subset, 3) * n;
      return std::lower_bound(first, first + n, limit) - first;
    }
    case 4: {
      const int n = kCards - 4;
      const auto first = sortedFour_.begin() + SubsetRank(subset, 4) * n;
      return std::lower_bound(first, first + n, limit) - first;
    }
    case 5: return strength_[SubsetRank(subset, 5)] < limit;
    default: return 0;
  }
}

DealerCounts CExactOdds::CountDealerHands(const std::int32_t* player, int upCard) const {
  int sortedPlayer[5] = {player[0], player[1], player[2], player[3], player[4]};
  std::sort(sortedPlayer, sortedPlayer + 5);
  const int playerStrength = Strength(player);
  const int limits[3] = {qualifying_, playerStrength, playerStrength + 1};
  long long below[3] = {};  // the dealer's hands below each limit
  for (int mask = 0; mask < 32; ++mask) {
    int subset[6];
    int n = 0;
    bool placed = false;
    for (int i = 0; i < 5; ++i) {
      if (!(mask & (1 << i))) continue;
      if (!placed && upCard < sortedPlayer[i]) {
        subset[n++] = upCard;
        placed = true;
      }
      subset[n++] = sortedPlayer[i];
    }
    if (!placed) subset[n++] = upCard;
    const int sign = (__builtin_popcount(mask) & 1) ? -1 : 1;
    for (int i = 0; i < 3; ++i) below[i] += sign * CountBelow(subset, n, limits[i]);
  }
  // Every hand holding the up card and none of the player's other cards.
  const long long all = kChoose.c[kCards - 6][4];
  DealerCounts counts;
  counts.notQualified = below[0];
  if (playerStrength < qualifying_) {
    // Every qualifying dealer beats a hand below ace-king.
    counts.dealerWins = all - below[0];
  } else {
    counts.playerWins = below[1] - below[0];
    counts.ties = below[2] - below[1];
    counts.dealerWins = all - below[2];
  }
  return counts;
}

double CallReturn(int playerCategory, const DealerCounts& counts, double ante) {
  auto net = [ante](int result) {
    const CaribbeanSettlement s = SettleCall(result, ante);
    return (s.credit - s.debit) / ante - 1.0;  // the ante was debited first
  };
  const double total = static_cast<double>(counts.Total());
  return (counts.notQualified * net(kDealerNotQualifiedResult) +
          counts.playerWins * net(playerCategory) + counts.ties * net(kTie) +
          counts.dealerWins * net(-kHighCard)) /
         total;
}

namespace {

// One hand of each suit pattern, with how many hands share it.
struct Pattern {
  std::int32_t ids[5];
  int weight;
};

std::vector<Pattern> SuitPatterns() {
  static constexpr int kPermutations[24][4] = {
      {0, 1, 2, 3}, {0, 1, 3, 2}, {0, 2, 1, 3}, {0, 2, 3, 1}, {0, 3, 1, 2}, {0, 3, 2, 1},
      {1, 0, 2, 3}, {1, 0, 3, 2}, {1, 2, 0, 3}, {1, 2, 3, 0}, {1, 3, 0, 2}, {1, 3, 2, 0},
      {2, 0, 1, 3}, {2, 0, 3, 1}, {2, 1, 0, 3}, {2, 1, 3, 0}, {2, 3, 0, 1}, {2, 3, 1, 0},
      {3, 0, 1, 2}, {3, 0, 2, 1}, {3, 1, 0, 2}, {3, 1, 2, 0}, {3, 2, 0, 1}, {3, 2, 1, 0}};
  std::vector<int> patternOf(kAllHands, -1);
  std::vector<Pattern> patterns;
  ForEveryHand([&](const int* h) {
    long long least = kAllHands;
    int leastCards[5] = {};
    for (const auto& p : kPermutations) {
      int mapped[5];
      for (int i = 0; i < 5; ++i) mapped[i] = p[h[i] / 13] * 13 + h[i] % 13;
      std::sort(mapped, mapped + 5);
      const long long rank = SubsetRank(mapped, 5);
      if (rank < least) {
        least = rank;
        std::copy(mapped, mapped + 5, leastCards);
      }
    }
    int& index = patternOf[least];
    if (index < 0) {
      index = static_cast<int>(patterns.size());
      patterns.push_back({{leastCards[0], leastCards[1], leastCards[2], leastCards[3], leastCards[4]}, 0});
    }
    ++patterns[index].weight;
  });
  return patterns;
}

}  // namespace

std::vector<ExactReturns> ExactReturnsAt(const CExactOdds& odds, const std::vector<double>& antes,
                                         int threads) {
  const std::vector<Pattern> patterns = SuitPatterns();
  const int n = static_cast<int>(antes.size());
  std::vector<std::vector<ExactReturns>> sums(threads, std::vector<ExactReturns>(n));
  std::vector<std::thread> workers;
  for (int t = 0; t < threads; ++t) {
    workers.emplace_back([&, t] {
      for (std::size_t p = t; p < patterns.size(); p += threads) {
        const Pattern& pattern = patterns[p];
        const int category = odds.Category(pattern.ids);
        for (int up = 0; up < kCards; ++up) {
          if (std::find(pattern.ids, pattern.ids + 5, up) != pattern.ids + 5) continue;
          const DealerCounts counts = odds.CountDealerHands(pattern.ids, up);
          for (int a = 0; a < n; ++a) {
            const double call = CallReturn(category, counts, antes[a]);
            sums[t][a].call += pattern.weight * call;
            sums[t][a].best += pattern.weight * std::max(call, kSurrenderReturn);
          }
        }
      }
    });
  }
  for (auto& worker : workers) worker.join();
  std::vector<ExactReturns> returns(n);
  const double deals = static_cast<double>(kAllHands) * (kCards - 5);
  for (int a = 0; a < n; ++a) {
    for (int t = 0; t < threads; ++t) {
      returns[a].call += sums[t][a].call;
      returns[a].best += sums[t][a].best;
    }
    returns[a].call /= deals;
    returns[a].best /= deals;
  }
  return returns;
}

}  // namespace gz::sim
