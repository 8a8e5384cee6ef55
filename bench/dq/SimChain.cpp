#include "bench/dq/SimChain.h"

#include <cmath>
#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "bench/dq/SimRules.h"

namespace dq::sim {
namespace {

std::string KeyOf(const SimTable& t) {
  return std::string(reinterpret_cast<const char*>(&t), sizeof(t));
}

struct Chain {
  std::vector<SimTable> tables;
  std::map<std::string, int> index;
  std::vector<std::vector<std::pair<int, double>>> next;  // state, probability
  std::vector<double> net;     // expected per roll
  std::vector<double> staked;  // expected per roll

  int StateOf(const SimTable& t) {
    auto [it, added] = index.emplace(KeyOf(t), static_cast<int>(tables.size()));
    if (added) tables.push_back(t);
    return it->second;
  }
};

void Explore(Chain& chain, int kind, float amount) {
  SimTable start{};
  float none[kCrapsBetSlots] = {};
  NextBets(kind, amount, none, none, 0, 1, start.bets);
  chain.StateOf(start);
  for (std::size_t s = 0; s < chain.tables.size(); ++s) {
    std::map<int, double> outcomes;
    SimTally tally;
    for (int die1 = 1; die1 <= 6; ++die1) {
      for (int die2 = 1; die2 <= 6; ++die2) {
        SimTable after = chain.tables[s];
        float results[kCrapsBetSlots];
        SettleOnTable(after, die1, die2, results);
        const float* bets = chain.tables[s].bets;
        CountDecisions(kind, bets, results, &tally);
        float next[kCrapsBetSlots];
        NextBets(kind, amount, bets, results, die1 + die2, after.point == 0 ? 1 : 0, next);
        std::memcpy(after.bets, next, sizeof(next));
        outcomes[chain.StateOf(after)] += 1.0 / 36;
      }
    }
    chain.next.emplace_back(outcomes.begin(), outcomes.end());
    chain.net.push_back(tally.net / 36);
    chain.staked.push_back(tally.staked / 36);
  }
}

// Long-run share of each state: iterates the lazy chain (half a step at a
// time, which keeps the shares and rules out cycling) until it settles.
std::vector<double> Shares(const Chain& chain) {
  std::size_t n = chain.tables.size();
  std::vector<double> share(n, 0.0), step(n);
  share[0] = 1;
  for (int round = 0; round < 1000000; ++round) {
    std::fill(step.begin(), step.end(), 0.0);
    for (std::size_t s = 0; s < n; ++s) {
      for (auto [to, p] : chain.next[s]) step[to] += share[s] * p;
    }
    double change = 0;
    for (std::size_t s = 0; s < n; ++s) {
      double mixed = 0.5 * (share[s] + step[s]);
      change = std::max(change, std::fabs(mixed - share[s]));
      share[s] = mixed;
    }
    if (change < 1e-16) break;
  }
  return share;
}

}  // namespace

double ExactReturn(int kind, float amount) {
  Chain chain;
  Explore(chain, kind, amount);
  std::vector<double> share = Shares(chain);
  double net = 0, staked = 0;
  for (std::size_t s = 0; s < share.size(); ++s) {
    net += share[s] * chain.net[s];
    staked += share[s] * chain.staked[s];
  }
  return staked > 0 ? net / staked : 0;
}

}  // namespace dq::sim
