#include "bench/kw/ExhaustiveFive.h"

#include <cstdio>

#include "bench/kw/Choose.h"
#include "kw/Cards.h"
#include "kw/HandEval.h"

namespace kw::sim {
namespace {

constexpr const char* kClassNames[10] = {
    "high card", "one pair", "two pair", "three of a kind", "straight",
    "flush", "full house", "four of a kind", "straight flush", "five aces",
};

struct FiveTally {
  long long hands = 0;
  long long alike = 0;  // same class, and the same rank1 for a straight
  long long measured[10] = {};
  long long brute[10] = {};
  long long measuredStraight[16] = {};
  long long bruteStraight[16] = {};
};

void Tally(const CFiveCardTable& table, const int ids[5], FiveTally* t) {
  int ranks[5], suits[5];
  for (int i = 0; i < 5; ++i) {
    ranks[i] = CardRank(ids[i]);
    suits[i] = CardSuit(ids[i]);
  }
  HandValue v;
  EvaluateHand5(ranks, suits, &v);
  const BruteClass& b = table.At(ids);
  ++t->hands;
  const int measured = v.handClass >= 0 && v.handClass < 10 ? v.handClass : 0;
  ++t->measured[measured];
  ++t->brute[b.handClass];
  if (v.handClass == kStraight && v.rank1 >= 0 && v.rank1 < 16) ++t->measuredStraight[v.rank1];
  if (b.handClass == kStraight) ++t->bruteStraight[b.straightRank];
  t->alike += v.handClass == b.handClass && (b.handClass != kStraight || v.rank1 == b.straightRank);
}

}  // namespace

void CompareFiveCardClasses(const CFiveCardTable& table, int firstCard, CCountReport* report) {
  FiveTally t;
  const int lo = firstCard < 0 ? 0 : firstCard;
  const int hi = firstCard < 0 ? kDeckWithJoker - 5 : firstCard;
  int ids[5];
  for (ids[0] = lo; ids[0] <= hi; ++ids[0])
    for (ids[1] = ids[0] + 1; ids[1] < kDeckWithJoker; ++ids[1])
      for (ids[2] = ids[1] + 1; ids[2] < kDeckWithJoker; ++ids[2])
        for (ids[3] = ids[2] + 1; ids[3] < kDeckWithJoker; ++ids[3])
          for (ids[4] = ids[3] + 1; ids[4] < kDeckWithJoker; ++ids[4]) Tally(table, ids, &t);
  const long long total =
      firstCard < 0 ? Choose(kDeckWithJoker, 5) : Choose(kDeckWithJoker - 1 - firstCard, 4);
  report->Heading("5-card hands", "EvaluateHand5", "brute force");
  report->Line("hands (independent: binomial)", t.hands, total);
  char label[64];
  for (int c = 0; c < 10; ++c) {
    std::snprintf(label, sizeof label, "class %d %s", c, kClassNames[c]);
    report->Line(label, t.measured[c], t.brute[c]);
  }
  for (int r = 6; r <= kBroadwayRank; ++r) {
    std::snprintf(label, sizeof label, "straight of rank1 %d", r);
    report->Line(label, t.measuredStraight[r], t.bruteStraight[r]);
  }
  report->Line("hands classed alike", t.alike, t.hands);
}

}  // namespace kw::sim
