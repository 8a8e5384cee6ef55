// Coups of Baccarat played through the real server on a scripted link, each
// checked card by card against the dealer's rules and cent by cent against
// the account.
#pragma once

#include <cmath>

#include "bench/sq/ExactCoup.h"
#include "bench/support/ScriptedServerLink.h"
#include "sq/BaccaratServerRecord.h"

namespace sq::sim {

struct SimTally {
  long long coups = 0;
  long long wins[3] = {};            // by winner: Player, Banker, tie
  double net[kBetKinds] = {};        // per unit staked on each kind
  bool sound = true;                 // every coup and the account checked out

  double Frequency(int winner) const { return coups > 0 ? double(wins[winner]) / coups : 0; }
  double Mean(int kind) const { return coups > 0 ? net[kind] / coups : 0; }
};

class SimTable {
 public:
  SimTable();
  ~SimTable();
  SimTable(const SimTable&) = delete;
  SimTable& operator=(const SimTable&) = delete;

  // Plays coups coups with these stakes (Player, Banker, Tie; 0 for a kind
  // not played) with the server drawing from random; stops early after
  // printing what went wrong.
  SimTally Play(long long coups, const double stakes[kBetKinds], int (*random)());

 private:
  // One coup from BEGINPLAY to ENDPLAY; 1 with its winner when the server's
  // cards, outcome and money agree with the rules and the account.
  int PlayCoup(const double stakes[kBetKinds], double* expectedBalance, int* winner);

  BaccaratServerRecord* record_;
  CScriptedServerLink link_;
};

}  // namespace sq::sim
