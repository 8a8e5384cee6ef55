#include "bench/dq/SimChain.h"

#include <cmath>
#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "dq/Settlement.h"

namespace dq::sim {
namespace {

// What decides the next roll: the point, the come-out flag, the come points
// and the bets. Everything else of the record is the same in every state.
struct Table {
  std::int32_t point;
  std::int32_t comeOut;
  std::int32_t comePoints[12];
  std::int32_t dontComePoints[12];
  float bets[kCrapsBetSlots];
};

std::string KeyOf(const Table& t) {
  return std::string(reinterpret_cast<const char*>(&t), sizeof(t));
}

CrapsServerRecord RecordOf(const Table& t, int die1, int die2) {
  CrapsServerRecord r{};
  r.point = t.point;
  r.comeOut = t.comeOut;
  std::memcpy(r.comePoints, t.comePoints, sizeof(r.comePoints));
  std::memcpy(r.dontComePoints, t.dontComePoints, sizeof(r.dontComePoints));
  std::memcpy(r.bets, t.bets, sizeof(r.bets));
  r.dice[0] = die1;
  r.dice[1] = die2;
  return r;
}

struct Chain {
  std::vector<Table> tables;
  std::map<std::string, int> index;
  std::vector<std::vector<std::pair<int, double>>> next;  // state, probability
  std::vector<double> net;     // expected per roll
  std::vector<double> staked;  // expected per roll

  int StateOf(const Table& t) {
    auto [it, added] = index.emplace(KeyOf(t), static_cast<int>(tables.size()));
    if (added) tables.push_back(t);
    return it->second;
  }
};

void Explore(Chain& chain, int kind, float amount) {
  Table start{};
  start.comeOut = 1;
  float none[kCrapsBetSlots] = {};
  NextBets(kind, amount, none, none, 0, 1, start.bets);
  chain.StateOf(start);
  for (std::size_t s = 0; s < chain.tables.size(); ++s) {
    std::map<int, double> outcomes;
    SimTally tally;
    for (int die1 = 1; die1 <= 6; ++die1) {
      for (int die2 = 1; die2 <= 6; ++die2) {
        CrapsServerRecord r = RecordOf(chain.tables[s], die1, die2);
        SettleRoll(r);
        CountDecisions(kind, r.previousBets, r.results, &tally);
        Table after{};
        after.point = r.point;
        after.comeOut = r.comeOut;
        std::memcpy(after.comePoints, r.comePoints, sizeof(after.comePoints));
        std::memcpy(after.dontComePoints, r.dontComePoints, sizeof(after.dontComePoints));
        NextBets(kind, amount, r.previousBets, r.results, die1 + die2, r.comeOut, after.bets);
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
