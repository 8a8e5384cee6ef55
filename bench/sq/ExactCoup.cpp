#include "bench/sq/ExactCoup.h"

#include "tests/support/BaccaratOracle.h"

namespace sq::sim {

namespace {

constexpr int kPointValues = 10;
constexpr int kSixCards = 6;

struct Enumeration {
  int left[kPointValues] = {16, 4, 4, 4, 4, 4, 4, 4, 4, 4};
  int points[kSixCards] = {};
  double weight[3] = {};  // by winner

  // Deals slot onwards with every value still in the deck, each counted by
  // how many cards of it are left.
  void Deal(int slot, double ways) {
    if (slot == kSixCards) {
      const test::RuleCoup c = test::PlayByRule(points);
      const int winner = c.playerTotal > c.bankerTotal ? 0 : c.bankerTotal > c.playerTotal ? 1 : 2;
      weight[winner] += ways;
      return;
    }
    for (int v = 0; v < kPointValues; ++v) {
      if (left[v] == 0) continue;
      points[slot] = v;
      const double count = left[v]--;
      Deal(slot + 1, ways * count);
      ++left[v];
    }
  }
};

}  // namespace

CoupOdds ExactCoupOdds() {
  Enumeration e;
  e.Deal(0, 1);
  const double all = e.weight[0] + e.weight[1] + e.weight[2];
  return CoupOdds{e.weight[0] / all, e.weight[1] / all, e.weight[2] / all};
}

double UnitNet(int kind, int winner) {
  if (winner == 2) return kind == kBetTie ? 8.0 : 0.0;
  if (kind == kBetPlayer) return winner == 0 ? 1.0 : -1.0;
  if (kind == kBetBanker) return winner == 1 ? 0.95 : -1.0;
  return -1.0;
}

KindReturn ExactReturn(const CoupOdds& odds, int kind) {
  const double p[3] = {odds.player, odds.banker, odds.tie};
  double mean = 0, square = 0;
  for (int w = 0; w < 3; ++w) {
    const double net = UnitNet(kind, w);
    mean += p[w] * net;
    square += p[w] * net * net;
  }
  return KindReturn{mean, square - mean * mean};
}

}  // namespace sq::sim
