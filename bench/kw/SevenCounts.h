// What is counted over 7-card hands, both on the code under test and by
// combinatorics over rank patterns.
#pragma once

namespace kw::sim {

inline constexpr int kPairKinds = 13;
inline constexpr int kStraightFlushCodes = 4;

struct SevenCounts {
  long long hands = 0;
  long long kind[kPairKinds] = {};
  long long code[kStraightFlushCodes] = {};
  long long runLength[kStraightFlushCodes][8] = {};   // by code: cards in the run, 5..7
  long long flushCount[kStraightFlushCodes][8] = {};  // by code: cards of the suit, 5..7
};

void AddCounts(const SevenCounts& from, SevenCounts* to);

}  // namespace kw::sim
