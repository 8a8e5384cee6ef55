// Hands of Caribbean Poker played through the real server on a scripted
// link, the player calling always or by the best decision.
#pragma once

#include <cmath>

#include "bench/gz/ExactOdds.h"
#include "gz/CaribbeanServerRecord.h"
#include "bench/support/ScriptedServerLink.h"

namespace gz::sim {

struct SimTally {
  long long hands = 0;
  double sum = 0;        // net per ante
  double squares = 0;
  long long qualified = 0;
  bool balanced = true;  // the account matched after every hand

  double Mean() const { return hands > 0 ? sum / hands : 0; }
  double StandardError() const {
    if (hands < 2) return 0;
    const double variance = (squares - sum * sum / hands) / (hands - 1);
    return std::sqrt(variance / hands);
  }
  double QualifyingRate() const { return hands > 0 ? static_cast<double>(qualified) / hands : 0; }
};

class SimTable {
 public:
  SimTable(const CExactOdds& odds, bool best);
  ~SimTable();
  SimTable(const SimTable&) = delete;
  SimTable& operator=(const SimTable&) = delete;

  // Plays hands hands at this ante with the server drawing from random;
  // stops early after printing what went wrong.
  SimTally Play(long long hands, double ante, int (*random)());

 private:
  // One hand from BEGINPLAY to ENDPLAY; 1 with its net per ante and
  // whether the dealer qualified, checking the money the server reports.
  int PlayHand(double ante, double* expectedBalance, double* net, bool* qualified);

  const CExactOdds& odds_;
  bool best_;
  CaribbeanServerRecord* record_;
  CScriptedServerLink link_;
};

}  // namespace gz::sim
