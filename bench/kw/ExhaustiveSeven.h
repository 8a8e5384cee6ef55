// The 7-card pass: ClassifyPairs7, FindStraightFlush7 and DealerHouseWay on
// every hand of seven of the 53 cards, spread over threads.
#pragma once

#include "bench/kw/BruteFive.h"
#include "bench/kw/SevenCounts.h"

namespace kw::sim {

struct HouseWayCounts {
  long long invalid = 0;                                       // not two different positions 0..6
  long long refused[kStraightFlushCodes][kPairKinds] = {};     // by IsValidSplit
  long long ownRefused[kStraightFlushCodes][kPairKinds] = {};  // by the brute-force classes
};

struct SevenTally {
  SevenCounts counts;
  HouseWayCounts houseWay;
};

// firstCard -1 takes every hand, else only those whose lowest id it is.
void TallySevenCardHands(const CFiveCardTable& table, int firstCard, int threads, SevenTally* tally);

}  // namespace kw::sim
