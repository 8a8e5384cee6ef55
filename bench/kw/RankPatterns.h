// The 7-card counts worked out by combinatorics, without the code under
// test: every pattern of rank counts with or without the joker, weighted by
// how many hands show it, and split by how many of those hold a flush.
#pragma once

#include "bench/kw/SevenCounts.h"

namespace kw::sim {

// firstCard -1 counts every hand of the 53 cards, else only the hands whose
// lowest id it is.
void CountByRankPatterns(int firstCard, SevenCounts* counts);

}  // namespace kw::sim
