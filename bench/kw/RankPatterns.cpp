#include "bench/kw/RankPatterns.h"

#include "bench/kw/Choose.h"

namespace kw::sim {
namespace {

constexpr int kSuits = 4;
constexpr int kLowRank = 2;
constexpr int kAceRank = 14;
constexpr int kJokerId = 52;

// Which cards a hand may hold and which it must hold.
struct Deck {
  bool avail[15][kSuits];
  bool forced[15][kSuits];
  int freeCount[15];    // available and not forced, by rank
  int forcedCount[15];  // by rank
  bool jokerAvail;
  bool jokerForced;
};

Deck SliceDeck(int firstCard) {
  Deck d{};
  for (int id = 0; id < kJokerId; ++id) {
    const int r = id % 13 + kLowRank, s = id / 13;
    d.avail[r][s] = id >= firstCard;
    d.forced[r][s] = id == firstCard;
    d.forcedCount[r] += d.forced[r][s];
    d.freeCount[r] += d.avail[r][s] && !d.forced[r][s];
  }
  d.jokerAvail = true;
  d.jokerForced = firstCard == kJokerId;
  return d;
}

// The pair kind from how many ranks appear five, four, three and two times
// (the joker already counted among the aces).
int KindOfCounts(const int count[15]) {
  int n[6] = {};
  for (int r = kLowRank; r <= kAceRank; ++r) ++n[count[r]];
  if (n[5]) return n[2] ? 12 : 11;
  if (n[4]) return n[3] ? 9 : n[2] ? 8 : 7;
  if (n[3] == 2) return 5;
  if (n[3]) return n[2] == 2 ? 10 : n[2] ? 6 : 4;
  return n[2];  // 0, 1, 2 or 3 pairs are kinds 0..3
}

// The most consecutive ranks (the ace high or low) the cards cover with the
// joker standing for one missing rank; 0 below five.
int LongestRun(const int count[15], int joker) {
  bool present[15] = {};
  for (int r = kLowRank; r <= kAceRank; ++r) present[r] = count[r] > 0;
  present[1] = present[kAceRank];
  for (int length = 7; length >= 5; --length) {
    for (int lo = 1; lo + length - 1 <= kAceRank; ++lo) {
      int missing = 0;
      for (int r = lo; r < lo + length; ++r) missing += !present[r];
      if (missing <= joker) return length;
    }
  }
  return 0;
}

// How many ways the rank counts come with k cards of suit s, for every k.
void SuitDistribution(const Deck& d, const int count[15], int s, long long ways[8]) {
  for (int k = 0; k < 8; ++k) ways[k] = k == 0;
  for (int r = kLowRank; r <= kAceRank; ++r) {
    const int free = d.freeCount[r], need = count[r] - d.forcedCount[r];
    long long with = 0, without = 0;
    if (d.forced[r][s]) {
      with = Choose(free, need);
    } else if (d.avail[r][s]) {
      with = Choose(free - 1, need - 1);
      without = Choose(free - 1, need);
    } else {
      without = Choose(free, need);
    }
    for (int k = 7; k >= 0; --k) ways[k] = ways[k] * without + (k > 0 ? ways[k - 1] * with : 0);
  }
}

void TallyPattern(const Deck& d, const int count[15], int joker, SevenCounts* out) {
  long long weight = 1;
  for (int r = kLowRank; r <= kAceRank; ++r) weight *= Choose(d.freeCount[r], count[r] - d.forcedCount[r]);
  if (weight == 0) return;
  int values[15];
  for (int r = 0; r < 15; ++r) values[r] = count[r];
  values[kAceRank] += joker;
  // Seven cards hold at most one suit of five (six real cards and the
  // joker at most one of four), so the suits' flush counts simply add.
  long long flushBy[8] = {};
  for (int s = 0; s < kSuits; ++s) {
    long long ways[8];
    SuitDistribution(d, count, s, ways);
    for (int k = 5 - joker; k + joker <= 7; ++k) flushBy[k + joker] += ways[k];
  }
  const long long flush = flushBy[5] + flushBy[6] + flushBy[7];
  const int run = LongestRun(count, joker);
  const int plain = run ? 1 : 0;  // code 1 or 0; a flush adds 2
  out->hands += weight;
  out->kind[KindOfCounts(values)] += weight;
  out->code[plain] += weight - flush;
  out->code[plain + 2] += flush;
  if (run) {
    out->runLength[plain][run] += weight - flush;
    out->runLength[plain + 2][run] += flush;
  }
  for (int n = 5; n <= 7; ++n) out->flushCount[plain + 2][n] += flushBy[n];
}

void EveryPattern(const Deck& d, int rank, int left, int joker, int count[15], SevenCounts* out) {
  if (rank > kAceRank) {
    if (left == 0) TallyPattern(d, count, joker, out);
    return;
  }
  const int most = d.freeCount[rank] + d.forcedCount[rank];
  for (int c = d.forcedCount[rank]; c <= most && c <= left; ++c) {
    count[rank] = c;
    EveryPattern(d, rank + 1, left - c, joker, count, out);
  }
  count[rank] = 0;
}

}  // namespace

void CountByRankPatterns(int firstCard, SevenCounts* counts) {
  *counts = {};
  const Deck d = SliceDeck(firstCard);
  for (int joker = 0; joker <= 1; ++joker) {
    if ((joker && !d.jokerAvail) || (!joker && d.jokerForced)) continue;
    int count[15] = {};
    EveryPattern(d, kLowRank, 7 - joker, joker, count, counts);
  }
}

}  // namespace kw::sim
