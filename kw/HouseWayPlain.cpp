// The house way when the dealer's cards make neither a straight nor a flush.
#include "kw/Cards.h"
#include "kw/HouseWay.h"
#include "kw/HouseWayRules.h"
#include "kw/HouseWayTables.h"

namespace kw {
namespace {

int SingleValue(const DealerHand& h, int n) {
  return n < h.singleCount ? h.value[h.single[n]] : 0;
}

void TakeSingles(DealerHand* h, int count) {
  for (int i = 0; i < count && i < h->singleCount; ++i) Take(h, h->single[i]);
}

void SplitNoPair(DealerHand* h) {
  const int* o = h->byValue;
  const int v0 = h->value[o[0]], v1 = h->value[o[1]], v2 = h->value[o[2]], v3 = h->value[o[3]];
  const bool skipThird = v0 == kAce && (v1 == kKing || v1 == kQueen) &&
                         (v2 == 9 || v2 == 8 || (v2 == 10 && v3 <= 8));
  Take(h, o[1]);
  Take(h, skipThird ? o[3] : o[2]);
}

void SplitThree(DealerHand* h) {
  const int three = h->pairs.rankA;
  const int s1 = SingleValue(*h, 0), s2 = SingleValue(*h, 1);
  if (three == kAce) {
    TakeValue(h, kAce, 1);
    TakeSingles(h, 1);
  } else if (three == kKing && (s1 < kJack || (s1 == kJack && s2 < 10))) {
    TakeValue(h, kKing, 1);
    TakeSingles(h, 1);
  } else {
    TakeSingles(h, 2);
  }
}

void SplitFullHouse(DealerHand* h) {
  const int three = h->pairs.rankA, pair = h->pairs.rankB;
  const int s1 = SingleValue(*h, 0), s2 = SingleValue(*h, 1);
  if (s1 == kAce && three != kAce && s2 >= FullHouseKeepThreshold(three, pair)) {
    TakeSingles(h, 2);
  } else {
    TakeValue(h, pair, 2);
  }
}

bool SplitsFour(int four, int s1, int s2) {
  switch (four) {
    case kAce: return true;
    case kKing: return !(s1 == kAce && s2 >= kQueen);
    case kQueen: return !(s1 == kAce && s2 >= 10);
    case kJack: return !(s1 == kAce && s2 >= 3);
    case 10: return !((s1 == kKing && s2 == kQueen) || s1 == kAce);
    case 9: return !((s1 == kKing && s2 >= 3) || s1 == kAce);
    case 8: return !((s1 == kQueen && s2 == kJack) || s1 >= kKing);
    case 7: return !((s1 == kQueen && s2 >= 3) || s1 >= kKing);
    default: return false;
  }
}

void SplitFour(DealerHand* h) {
  const int four = h->pairs.rankA;
  if (SplitsFour(four, SingleValue(*h, 0), SingleValue(*h, 1))) {
    TakeValue(h, four, 2);
  } else {
    TakeSingles(h, 2);
  }
}

void SplitFourAndPair(DealerHand* h) {
  const int four = h->pairs.rankA, pair = h->pairs.rankB;
  const bool splitFour = (four == kAce && pair < 6) || ((four == kKing || four == kQueen) && pair < 5) ||
                         (four == kJack && pair < 4);
  TakeValue(h, splitFour ? four : pair, 2);
}

void SplitThreeAndTwoPairs(DealerHand* h) {
  const bool acesOverTreysAndDeuces = h->pairs.rankA == kAce && h->pairs.rankB == 3 && h->lowestPair == 2;
  TakeValue(h, acesOverTreysAndDeuces ? kAce : h->pairs.rankB, 2);
}

}  // namespace

void SplitTwoPairsPlain(DealerHand* h) {
  if (HouseWaySplitTwoPair(h->pairs.rankA, h->pairs.rankB, SingleValue(*h, 0), SingleValue(*h, 1))) {
    TakeValue(h, h->pairs.rankB, 2);
  } else {
    TakeSingles(h, 2);
  }
}

void SplitNoStraightNoFlush(DealerHand* h) {
  const PairStructure& p = h->pairs;
  switch (p.kind) {
    case kNoPair7: SplitNoPair(h); break;
    case kOnePair7: TakeSingles(h, 2); break;
    case kTwoPairs7: SplitTwoPairsPlain(h); break;
    case kThreePairs7: TakeValue(h, p.rankA, 2); break;
    case kThree7: SplitThree(h); break;
    case kTwoThrees7: TakeValue(h, p.rankA, 2); break;
    case kFullHouse7: SplitFullHouse(h); break;
    case kFour7: SplitFour(h); break;
    case kFourAndPair7: SplitFourAndPair(h); break;
    case kFourAndThree7: TakeValue(h, p.rankB + 1 >= p.rankA ? p.rankB : p.rankA, 2); break;
    case kThreeAndTwoPairs7: SplitThreeAndTwoPairs(h); break;
    case kFiveAces7: TakeValue(h, kAce, 2, true); break;
    case kFiveAcesAndPair7: TakeValue(h, p.rankA, 2); break;
  }
}

}  // namespace kw
