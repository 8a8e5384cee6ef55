// The house way when the dealer's cards make a straight and no flush.
#include "kw/Cards.h"
#include "kw/HouseWay.h"
#include "kw/HouseWayRules.h"

namespace kw {
namespace {

bool FiveHighestRealConsecutive(const DealerHand& h) {
  for (int i = 1; i < 5; ++i) {
    if (h.rank[h.byRank[i - 1]] - h.rank[h.byRank[i]] != 1) return false;
  }
  return true;
}

void TakeLeftOvers(DealerHand* h) {
  TakeRank(h, h->sf.leftOver[0]);
  TakeRank(h, h->sf.leftOver[1]);
}

void StraightNoPair(DealerHand* h) {
  const StraightFlushFindings& sf = h->sf;
  if (sf.runLength == 5) {
    TakeLeftOvers(h);
  } else if (sf.runLength == 6) {
    TakeRank(h, sf.leftOver[0]);
    if (sf.joker == kJokerPresent) TakeJoker(h);
    TakeHighest(h, 1);
  } else if (sf.joker == kJokerPresent) {
    TakeHighest(h, 1);
    TakeJoker(h);
  } else if (sf.joker == kJokerInGap && FiveHighestRealConsecutive(*h)) {
    TakeJoker(h);
    TakeNthHighest(h, 5);
  } else {
    TakeHighest(h, 2);
  }
}

// The two highest cards outside the pair of rank pair.
void TakeHighestOutsidePair(DealerHand* h, int pair) {
  for (int i = 0; i < kHandCards && h->lowCount < 2; ++i) {
    const int pos = h->byRank[i];
    if (h->value[pos] != pair) Take(h, pos);
  }
}

void StraightAcePairWithJoker(DealerHand* h) {
  const StraightFlushFindings& sf = h->sf;
  if ((sf.runLength == 5 && sf.runTop == kAce) || (sf.runLength == 5 && sf.runTop == 5)) {
    TakeNthHighest(h, 1);
    TakeNthHighest(h, 2);
  } else if (sf.runLength == 5) {
    TakeLeftOvers(h);
  } else if (sf.runLength == 6) {
    TakeRank(h, sf.leftOver[0]);
    if (sf.joker == kJokerPresent) TakeJoker(h);
    TakeHighest(h, 1);
  } else if (sf.joker == kJokerPresent) {
    TakeJoker(h);
    TakeNthHighest(h, sf.runTop == 7 ? 1 : 0);
  } else {
    TakeHighest(h, 2);
  }
}

void StraightOnePair(DealerHand* h) {
  const StraightFlushFindings& sf = h->sf;
  const int pair = h->pairs.rankA;
  if (h->joker < 0) {
    if (sf.runLength == 5 && sf.runTop == kAce && pair >= 10 && pair <= kKing) {
      TakeHighestOutsidePair(h, pair);
    } else if (sf.runLength == 5) {
      TakeLeftOvers(h);
    } else {
      TakeRank(h, sf.leftOver[0]);
      TakeHighest(h, 1);
    }
  } else if (OutsideFormStraight(*h, pair)) {
    TakeValue(h, pair, 2);
  } else if (pair != kAce) {
    SplitStraightPairWithJoker(h);
  } else {
    StraightAcePairWithJoker(h);
  }
}

void StraightTwoPairs(DealerHand* h) {
  const int high = h->pairs.rankA, low = h->pairs.rankB;
  bool ace = h->joker >= 0;
  for (int i = 0; i < kHandCards; ++i) ace = ace || h->rank[i] == kAce;
  if (OutsideFormStraight(*h, high)) {
    TakeValue(h, high, 2);
  } else if (OutsideFormStraight(*h, low)) {
    TakeValue(h, low, 2);
  } else if (high < 5 && low == 2 && !ace) {
    TakeValue(h, high, 1);
    TakeValue(h, low, 1);
  } else {
    SplitTwoPairsPlain(h);
  }
}

}  // namespace

void SplitStraightPairWithJoker(DealerHand* h) {
  const StraightFlushFindings& sf = h->sf;
  const int pair = h->pairs.rankA;
  int l = -1;
  if (sf.runLength == 6) {
    l = NthHighest(*h, 0);
  } else {
    for (int i = 0; i < 2 && l < 0; ++i) {
      if (sf.leftOver[i] != pair && sf.leftOver[i] > kJokerRank) l = FirstOfRank(*h, sf.leftOver[i]);
    }
  }
  const int t1 = HighestExcept(*h, l, 0);
  const int t2 = NextLowerOtherRank(*h, t1, l);
  const int r1 = t1 >= 0 ? h->rank[t1] : 0, r2 = t2 >= 0 ? h->rank[t2] : 0;
  const int rl = l >= 0 ? h->rank[l] : 0;
  const bool jokerLow = (r1 == kKing && r2 == kQueen) || (r1 == kKing && r2 == kJack && pair != kKing) ||
                        (r1 == kQueen && rl < kKing) || (r1 == kJack && rl < kQueen) ||
                        (r1 == 10 && pair >= 9 && rl < kJack);
  if (jokerLow) {
    TakeJoker(h);
    Take(h, HighestExcept(*h, -1, pair));
  } else {
    Take(h, l);
    TakeValue(h, pair, 1);
  }
}

void SplitStraightOnly(DealerHand* h) {
  const PairStructure& p = h->pairs;
  switch (p.kind) {
    case kNoPair7: StraightNoPair(h); break;
    case kOnePair7: StraightOnePair(h); break;
    case kTwoPairs7: StraightTwoPairs(h); break;
    case kThreePairs7:
      TakeHighest(h, 1);
      TakeJoker(h);
      break;
    case kThree7: TakeLeftOvers(h); break;
    case kFullHouse7: TakeValue(h, p.rankA == kAce ? p.rankB : p.rankA, 2); break;
    case kFour7: TakeValue(h, kAce, 2, true); break;
    default: SplitNoStraightNoFlush(h); break;
  }
}

}  // namespace kw
