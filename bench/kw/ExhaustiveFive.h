// The 5-card pass: the class EvaluateHand5 gives every hand of the 53
// cards beside the class found by brute force.
#pragma once

#include "bench/kw/BruteFive.h"
#include "bench/kw/CountReport.h"

namespace kw::sim {

// firstCard -1 takes every hand, else only those whose lowest id it is.
void CompareFiveCardClasses(const CFiveCardTable& table, int firstCard, CCountReport* report);

}  // namespace kw::sim
