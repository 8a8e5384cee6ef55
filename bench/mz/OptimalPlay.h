// The return of optimal play summed over every deal: one hand of each
// suit pattern, weighted by the deals that are it up to a renaming of the
// suits, plays its best hold at each number of coins.
#pragma once

#include <array>
#include <cstdint>

#include "bench/mz/DrawOdds.h"

namespace mz::bench {

using Wide = __int128;

struct OptimalTotals {
  // Sum over the deals of the best hold's expected pay in coins times
  // kDrawsLcm: the return per coin bet is payNumerator / (C(52,5) x
  // kDrawsLcm x coins).
  Wide payNumerator = 0;
  // The same sum of the draws ending in each code times kDrawsLcm / draws:
  // its frequency is codeNumerator / (C(52,5) x kDrawsLcm).
  std::array<Wide, kHandCodes> codeNumerator{};
};

struct OptimalPlay {
  std::array<OptimalTotals, kMaxCoins> byCoins;  // [coins - 1]
  std::int64_t patterns = 0;                     // hands evaluated
  std::int64_t deals = 0;                        // their weights summed
};

// Plays every suit pattern; aborts with a message when the odds of a hold
// do not add up to its draws.
OptimalPlay PlayOptimally(const CDrawTables& tables);

// The denominator of every frequency of OptimalTotals.
Wide FrequencyDenominator();

}  // namespace mz::bench
