// The simulated player: which bets it keeps and adds for one bet kind, and
// how the decisions of that kind are counted. The measured run and the
// exact chain both use it, so they play the same game.
#pragma once

#include "dq/BetModel.h"

namespace dq::sim {

// The stakes of a roll that stay on the table for the next one, a Come or
// Don't Come Bet moved onto the number rolled.
void KeepStandingBets(const float* lastBets, const float* results, int total, float* bets);

// The next roll's bets after a roll whose results and dice total are given:
// stakes that stay are kept (a Come or Don't Come Bet moves onto the number
// rolled), then the kind under study is added where the table allows it.
// lastBets and results may be all zero for the first roll.
void NextBets(int kind, float amount, const float* lastBets, const float* results, int total,
              int comeOut, float* bets);

// 1 when a decision of this kind counts towards the kind under study: the
// kind itself, and for Come (Don't Come) Bets the points they travel to.
int CountsFor(int studied, int kind);

// The decisions of a roll for the kind under study.
struct SimTally {
  double net = 0;        // won less lost
  double staked = 0;     // stakes decided (won, lost or returned)
  double netSquares = 0;
  double netTimesStake = 0;
  double stakeSquares = 0;
  long long decisions = 0;

  void Add(const SimTally& other);
  // Net per dollar decided.
  double Return() const;
  // Standard error of Return, treating decisions as independent.
  double StandardError() const;
};

// Adds the decisions among results to the tally (stakes are the bets the
// player sent for the roll).
void CountDecisions(int studied, const float* bets, const float* results, SimTally* tally);

}  // namespace dq::sim
