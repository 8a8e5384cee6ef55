#include "bench/dq/SimPlayer.h"

#include <cmath>
#include <cstring>

namespace dq::sim {
namespace {

int BoxIndex(int number) {
  for (int i = 0; i < 6; ++i) {
    if (kBoxNumbers[i] == number) return i;
  }
  return -1;
}

void PlaceIfEmpty(float* bets, int kind, float amount) {
  if (bets[kind] == 0) bets[kind] = amount;
}

}  // namespace

void KeepStandingBets(const float* lastBets, const float* results, int total, float* bets) {
  std::memset(bets, 0, sizeof(float) * kCrapsBetSlots);
  for (int k = 0; k < kCrapsBetKinds; ++k) {
    if (results[k] == kResultStays) bets[k] = lastBets[k];
  }
  int box = BoxIndex(total);
  if (bets[kComeBet] != 0 && box >= 0) {
    bets[kComePoint4 + box] = bets[kComeBet];
    bets[kComeBet] = 0;
  }
  if (bets[kDontComeBet] != 0 && box >= 0) {
    bets[kDontComePoint4 + box] = bets[kDontComeBet];
    bets[kDontComeBet] = 0;
  }
}

void NextBets(int kind, float amount, const float* lastBets, const float* results, int total,
              int comeOut, float* bets) {
  KeepStandingBets(lastBets, results, total, bets);
  if (kind == kPassline || kind == kPasslineOdds) {
    if (comeOut) PlaceIfEmpty(bets, kPassline, amount);
    if (kind == kPasslineOdds && !comeOut && bets[kPassline] != 0) {
      PlaceIfEmpty(bets, kPasslineOdds, amount);
    }
  } else if (kind == kDontPass || kind == kDontPassOdds) {
    if (comeOut) PlaceIfEmpty(bets, kDontPass, amount);
    if (kind == kDontPassOdds && !comeOut && bets[kDontPass] != 0) {
      PlaceIfEmpty(bets, kDontPassOdds, amount);
    }
  } else if (kind >= kComeBet && kind < kDontComeBet) {
    if (!comeOut) PlaceIfEmpty(bets, kComeBet, amount);
    if (kind >= kComePointOdds4 && bets[kind - 6] != 0) PlaceIfEmpty(bets, kind, amount);
  } else if (kind >= kDontComeBet && kind < kBig6) {
    if (!comeOut) PlaceIfEmpty(bets, kDontComeBet, amount);
    if (kind >= kDontComePointOdds4 && bets[kind - 6] != 0) PlaceIfEmpty(bets, kind, amount);
  } else {
    PlaceIfEmpty(bets, kind, amount);
  }
}

int CountsFor(int studied, int kind) {
  if (studied == kComeBet) return kind == kComeBet || BoxOfRun(kind, kComePoint4) != 0;
  if (studied == kDontComeBet) return kind == kDontComeBet || BoxOfRun(kind, kDontComePoint4) != 0;
  return kind == studied;
}

void SimTally::Add(const SimTally& other) {
  net += other.net;
  staked += other.staked;
  netSquares += other.netSquares;
  netTimesStake += other.netTimesStake;
  stakeSquares += other.stakeSquares;
  decisions += other.decisions;
}

double SimTally::Return() const { return staked > 0 ? net / staked : 0; }

double SimTally::StandardError() const {
  if (staked <= 0) return 0;
  double r = Return();
  double spread = netSquares - 2 * r * netTimesStake + r * r * stakeSquares;
  return std::sqrt(spread > 0 ? spread : 0) / staked;
}

void CountDecisions(int studied, const float* bets, const float* results, SimTally* tally) {
  for (int k = 0; k < kCrapsBetKinds; ++k) {
    if (!CountsFor(studied, k) || results[k] == 0 || results[k] == kResultStays) continue;
    double stake = bets[k];
    double net = 0;
    if (results[k] > 0) net = results[k] - stake;
    if (results[k] == kResultLost) net = -stake;
    tally->net += net;
    tally->staked += stake;
    tally->netSquares += net * net;
    tally->netTimesStake += net * stake;
    tally->stakeSquares += stake * stake;
    ++tally->decisions;
  }
}

}  // namespace dq::sim
