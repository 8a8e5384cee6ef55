// The thresholds of the dealer's house way, as data.
#pragma once

namespace kw {

// Two pairs, high pair h over low pair l (3 <= h <= 13), singles s1 > s2:
// the pairs stay together when s1 >= s1Any, or s1 == s1Exact and s2 lies in
// s2Min..s2Max.
struct TwoPairKeepRow {
  int high;
  int lowMin, lowMax;
  int s1Any;
  int s1Exact;
  int s2Min, s2Max;
};
extern const TwoPairKeepRow kTwoPairKeepRows[];
extern const int kTwoPairKeepRowCount;

// Full house of a three (2..13) and a pair (2..8) beside an ace single: the
// full house stays high when the second single is at least this; 99 never.
inline constexpr int kFullHouseNever = 99;
int FullHouseKeepThreshold(int three, int pair);

// One pair with a flush of five (no joker) and an ace single: the flush is
// given up for ace and s2 when the pair lies in pairMin..pairMax and the card
// X outside pair and suit lies below xBelow.
struct FlushPairBreakRow {
  int s2;
  int pairMin, pairMax;
  int xBelow;
};
extern const FlushPairBreakRow kFlushPairBreakRows[];
extern const int kFlushPairBreakRowCount;

}  // namespace kw
