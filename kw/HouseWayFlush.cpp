// The house way when the dealer's cards make a flush, with or without a
// straight beside it.
#include "kw/Cards.h"
#include "kw/HandEval.h"
#include "kw/HouseWay.h"
#include "kw/HouseWayRules.h"
#include "kw/HouseWayTables.h"

namespace kw {
namespace {

bool BreaksFlushForAce(int s2, int pair, int x) {
  for (int i = 0; i < kFlushPairBreakRowCount; ++i) {
    const FlushPairBreakRow& row = kFlushPairBreakRows[i];
    if (row.s2 == s2 && pair >= row.pairMin && pair <= row.pairMax && x < row.xBelow) return true;
  }
  return false;
}

// First position in dealt order neither of value, nor of the flush suit,
// nor the joker; the last such when last.
int OutsidePairAndSuit(const DealerHand& h, int value, bool last) {
  int found = -1;
  for (int i = 0; i < kHandCards; ++i) {
    if (h.value[i] == value || i == h.joker || IsOfFlushSuit(h, i)) continue;
    found = i;
    if (!last) break;
  }
  return found;
}

int FirstOfValueOffSuit(const DealerHand& h, int value) {
  for (int i = 0; i < kHandCards; ++i) {
    if (h.value[i] == value && !IsOfFlushSuit(h, i)) return i;
  }
  return -1;
}

void TakeHighestAndLowest(DealerHand* h) {
  TakeNthHighest(h, 0);
  TakeNthHighest(h, kHandCards - 1);
}

void FlushNoPair(DealerHand* h) {
  const bool joker = h->joker >= 0;
  switch (h->sf.flushCount) {
    case 5: TakeOutsideSuit(h, 2, false); break;
    case 6:
      TakeOutsideSuit(h, 1, false);
      if (joker) TakeJoker(h);
      TakeHighest(h, 1);
      break;
    default:
      TakeHighest(h, 1);
      if (joker) TakeJoker(h);
      TakeHighest(h, 1);
      break;
  }
}

void FlushOnePair(DealerHand* h) {
  const int pair = h->pairs.rankA;
  if (h->joker < 0) {
    const int off = FirstOfValueOffSuit(*h, pair);
    int offCount = 0;
    for (int i = 0; i < kHandCards; ++i) offCount += h->value[i] == pair && !IsOfFlushSuit(*h, i);
    if (h->sf.flushCount >= 6 || offCount == 2) {
      TakeValue(h, pair, 2);
      return;
    }
    const int x = OutsidePairAndSuit(*h, pair, false);
    int s[2] = {-1, -1};
    for (int i = 0, n = 0; i < kHandCards && n < 2; ++i) {
      const int pos = h->byRank[i];
      if (h->value[pos] != pair && pos != x) s[n++] = pos;
    }
    if (x >= 0 && s[1] >= 0 && h->rank[s[0]] == kAce && BreaksFlushForAce(h->rank[s[1]], pair, h->rank[x])) {
      Take(h, s[0]);
      Take(h, s[1]);
    } else {
      Take(h, x);
      Take(h, off);
    }
    return;
  }
  if (OutsideAllSuited(*h, pair)) {
    TakeValue(h, pair, 2);
  } else if (h->sf.flushCount == 7) {
    TakeJoker(h);
    TakeHighest(h, 1);
  } else if (h->sf.flushCount == 6) {
    TakeJoker(h);
    TakeOutsideSuit(h, 1, false);
  } else {
    int t2 = -1;
    const int choice = FlushPairWithJokerChoice(*h, &t2);
    if (choice == kGiveUpForJoker) {
      TakeJoker(h);
      Take(h, t2);
    } else if (choice == kGiveUpForAce) {
      TakeNthHighest(h, 1);
      TakeNthHighest(h, 2);
    } else {
      TakeOutsideSuit(h, 2, false);
    }
  }
}

void FlushTwoPairs(DealerHand* h) {
  const int high = h->pairs.rankA, low = h->pairs.rankB;
  const bool joker = h->joker >= 0;
  const int v0 = h->value[NthHighest(*h, 0)], v1 = h->value[NthHighest(*h, 1)];
  if (OutsideAllSuited(*h, low)) {
    TakeValue(h, low, 2);
  } else if (!joker && high + low < 8 && (v0 < kQueen || (v0 == kQueen && v1 < kJack))) {
    TakeOutsideSuit(h, 2, false);
  } else if (high == kAce && !joker && (low == 2 || low == kKing)) {
    TakeOutsideSuit(h, 2, false);
  } else {
    SplitTwoPairsPlain(h);
  }
}

// ---- Both a straight and a flush ----

struct LowCandidate {
  int a, b;
  int high, low;  // their values, the joker 14
};

LowCandidate CandidateOf(const DealerHand& c) {
  int va = c.value[c.low[0]], vb = c.value[c.low[1]];
  return {c.low[0], c.low[1], va > vb ? va : vb, va > vb ? vb : va};
}

// The 2-card hand that keeps the straight. topSevenRule: with the joker at
// an end of a run of 7, a straight up to 7 plays the second highest card.
LowCandidate KeepStraight(const DealerHand& h, bool topSevenRule) {
  DealerHand c = h;
  const StraightFlushFindings& sf = h.sf;
  const bool jokerAtEnd = h.joker >= 0 && sf.leftOver[1] != kJokerRank;
  if (sf.runLength == 5) {
    TakeRank(&c, sf.leftOver[0]);
    TakeRank(&c, sf.leftOver[1]);
  } else if (sf.runLength == 6) {
    if (jokerAtEnd) TakeJoker(&c);
    TakeRank(&c, sf.leftOver[0]);
    TakeHighest(&c, 1);
  } else if (jokerAtEnd) {
    TakeJoker(&c);
    TakeNthHighest(&c, topSevenRule && sf.runTop == 7 ? 1 : 0);
  } else {
    TakeHighest(&c, 2);
  }
  CompleteLow(&c);
  return CandidateOf(c);
}

// The 2-card hand that keeps the flush.
LowCandidate KeepFlush(const DealerHand& h) {
  DealerHand c = h;
  FlushNoPair(&c);
  CompleteLow(&c);
  return CandidateOf(c);
}

void TakeBetterCandidate(DealerHand* h, bool topSevenRule) {
  const LowCandidate s = KeepStraight(*h, topSevenRule);
  const LowCandidate f = KeepFlush(*h);
  bool flush;
  if (f.high != s.high) {
    flush = f.high > s.high || s.high < kJack;
  } else if (f.low >= s.low) {
    flush = true;
  } else if (s.high != kAce) {
    flush = s.low < 9;
  } else {
    flush = s.low < kJack;
  }
  const LowCandidate& chosen = flush ? f : s;
  Take(h, chosen.a);
  Take(h, chosen.b);
}

// An ace and the joker as the pair, a straight flush with the joker: the
// real ace goes low with the card whose removal keeps a straight or flush.
void BothAcePairWordThree(DealerHand* h) {
  int ace = -1;
  for (int i = 0; i < kHandCards && ace < 0; ++i) {
    if (h->rank[i] == kAce) ace = i;
  }
  int straightCard = -1, flushCard = -1;
  for (int i = 0; i < kHandCards; ++i) {
    const int c = h->byRank[i];
    if (c == ace) continue;
    int five[5], n = 0;
    bool suited = true;
    for (int j = 0; j < kHandCards; ++j) {
      if (j == c || j == ace) continue;
      five[n++] = h->rank[j];
      suited = suited && (j == h->joker || IsOfFlushSuit(*h, j));
    }
    SortDescending(5, five);
    if (straightCard < 0 && IsStraight5(five)) straightCard = c;
    if (flushCard < 0 && suited) flushCard = c;
  }
  int second = straightCard >= 0 ? straightCard : flushCard;
  if (straightCard >= 0 && flushCard >= 0) {
    const int rs = h->rank[straightCard], rf = h->rank[flushCard];
    second = rs > rf && rs >= kJack ? straightCard : flushCard;
  }
  if (second < 0) {
    TakeNthHighest(h, 1);
    TakeNthHighest(h, 2);
    return;
  }
  Take(h, ace);
  Take(h, second);
}

// A pair below aces, a straight flush with the joker.
void BothPairWordThree(DealerHand* h) {
  const StraightFlushFindings& sf = h->sf;
  const int pair = h->pairs.rankA;
  const int offPairCard = FirstOfValueOffSuit(*h, pair);
  if (sf.flushCount == 6 && sf.runLength == 6) {
    Take(h, offPairCard);
    if (sf.leftOver[1] == kJokerRank) {
      TakeJoker(h);
      return;
    }
    // The joker stands at an end of the run: any other suited card of the
    // run may go, the four left and the joker still make a straight flush.
    for (int i = kHandCards - 1; i >= 0; --i) {
      const int pos = h->byRank[i];
      if (pos != h->joker && h->value[pos] != pair) {
        Take(h, pos);
        return;
      }
    }
    return;
  }
  int x;
  if (sf.flushCount == 6) {
    const int* o = h->byRank;
    if (h->rank[o[4]] - h->rank[o[5]] >= 3) {
      x = h->rank[o[0]] == pair ? o[2] : o[0];
    } else {
      x = h->rank[o[5]] == pair ? o[3] : o[5];
    }
  } else {
    x = OutsidePairAndSuit(*h, pair, true);
  }
  const int t1 = HighestExcept(*h, x, 0);
  const int t2 = NextLowerOtherRank(*h, t1, x);
  const int r1 = t1 >= 0 ? h->rank[t1] : 0, r2 = t2 >= 0 ? h->rank[t2] : 0;
  const int rx = x >= 0 ? h->rank[x] : 0;
  const bool jokerLow = (r1 == kKing && (r2 == kQueen || (r2 == kJack && pair != kKing))) ||
                        (r1 == kQueen && rx < kKing) || (r1 == kJack && pair >= 9 && rx < kQueen);
  if (jokerLow) {
    TakeJoker(h);
    Take(h, HighestExcept(*h, -1, pair));
  } else {
    Take(h, x);
    Take(h, offPairCard);
  }
}

void BothOnePair(DealerHand* h) {
  const StraightFlushFindings& sf = h->sf;
  const int pair = h->pairs.rankA;
  if (OutsideFormStraight(*h, pair) || OutsideAllSuited(*h, pair)) {
    TakeValue(h, pair, 2);
    return;
  }
  if (sf.joker == kStraightFlushWithJoker) {
    if (pair == kAce) {
      BothAcePairWordThree(h);
    } else {
      BothPairWordThree(h);
    }
    return;
  }
  int t2 = -1;
  if (h->joker >= 0 && sf.flushCount == 5 && FlushPairWithJokerChoice(*h, &t2) != 0) {
    if (pair != kAce) {
      SplitStraightPairWithJoker(h);
    } else if (sf.runTop == 5 || (sf.runLength == 5 && sf.runTop == kAce)) {
      TakeNthHighest(h, 1);
      TakeNthHighest(h, 2);
    } else if (sf.runLength == 6) {
      TakeRank(h, sf.leftOver[0]);
      TakeJoker(h);
    } else {
      TakeJoker(h);
      TakeNthHighest(h, sf.runTop == 7 ? 1 : 0);
    }
    return;
  }
  TakeBetterCandidate(h, true);
}

void BothTwoPairs(DealerHand* h) {
  const StraightFlushFindings& sf = h->sf;
  const int high = h->pairs.rankA, low = h->pairs.rankB;
  const int sixth = NthHighest(*h, 5);
  const int firstOfSixthRank = FirstOfRank(*h, h->rank[sixth]);
  if (OutsideFormStraight(*h, high)) {
    TakeValue(h, high, 2);
  } else if (OutsideAllSuited(*h, low) || OutsideFormStraight(*h, low)) {
    TakeValue(h, low, 2);
  } else if (high == 6 && (low == 4 || low == 5) && sf.runTop == 6) {
    TakeOutsideSuit(h, 2, true);
  } else if (high == kAce && low == kKing &&
             (sf.joker == kStraightFlushWithoutJoker || sf.flushCount == 6 || h->rank[sixth] == 10 ||
              !IsOfFlushSuit(*h, firstOfSixthRank))) {
    TakeValueOffSuit(h, kKing, 1);
    if (sf.joker == kStraightFlushWithoutJoker) {
      TakeValueOffSuit(h, kAce, 1);
    } else if (sf.flushCount == 6 || h->rank[sixth] != 10) {
      Take(h, firstOfSixthRank);
    } else {
      Take(h, OutsidePairAndSuit(*h, kKing, false));
    }
  } else if (high + low <= 9) {
    TakeOutsideSuit(h, 2, false);
  } else {
    SplitTwoPairsPlain(h);
  }
}

}  // namespace

int FlushPairWithJokerChoice(const DealerHand& h, int* t2) {
  const int pair = h.pairs.rankA;
  if (!HasFlushAce(h)) {
    if (pair == kAce) return 0;
    const int x = OutsidePairAndSuit(h, pair, false);
    int best = -1;
    for (int i = 0; i < kHandCards && best < 0; ++i) {
      const int pos = h.byRank[i];
      if (pos != x && pos != h.joker && h.value[pos] != pair) best = pos;
    }
    if (x < 0 || best < 0 || !BreaksFlushForAce(h.rank[best], pair, h.rank[x])) return 0;
    *t2 = best;
    return kGiveUpForJoker;
  }
  const int second = h.rank[NthHighest(h, 1)];
  if (second == kKing && IsOfFlushSuit(h, FirstOfRank(h, kKing))) return kGiveUpForAce;
  if (second == kQueen && IsOfFlushSuit(h, FirstOfRank(h, kQueen))) {
    const int third = h.rank[NthHighest(h, 2)];
    const int tested = third == 10 || third == kJack ? FirstOfRank(h, third) : 0;
    if (IsOfFlushSuit(h, tested)) return kGiveUpForAce;
  }
  return 0;
}

void SplitFlushOnly(DealerHand* h) {
  const PairStructure& p = h->pairs;
  switch (p.kind) {
    case kNoPair7: FlushNoPair(h); break;
    case kOnePair7: FlushOnePair(h); break;
    case kTwoPairs7: FlushTwoPairs(h); break;
    case kThreePairs7: TakeHighestAndLowest(h); break;
    case kThree7: TakeOutsideSuit(h, 2, false); break;
    case kFullHouse7:
      if (p.rankA == kAce || p.rankA <= 9) {
        TakeValue(h, p.rankB, 2);
      } else {
        TakeValueOffSuit(h, p.rankA, 2);
      }
      break;
    case kFour7: TakeValueOffSuit(h, p.rankA, 2); break;
    default: SplitNoStraightNoFlush(h); break;
  }
}

void SplitStraightAndFlush(DealerHand* h) {
  const PairStructure& p = h->pairs;
  const StraightFlushFindings& sf = h->sf;
  switch (p.kind) {
    case kNoPair7: TakeBetterCandidate(h, false); break;
    case kOnePair7: BothOnePair(h); break;
    case kTwoPairs7: BothTwoPairs(h); break;
    case kThreePairs7: TakeHighestAndLowest(h); break;
    case kThree7:
      if (p.rankA == kAce && sf.runTop == kAce && h->joker >= 0 && sf.flushCount == 5 && sf.runLength == 5) {
        TakeOutsideSuit(h, 2, false);
      } else {
        TakeValueOffSuit(h, p.rankA, 2);
      }
      break;
    case kFullHouse7:
      if (p.rankA == kAce || sf.runTop != kAce) {
        TakeValue(h, p.rankB, 2);
      } else {
        TakeValueOffSuit(h, p.rankA, 2);
      }
      break;
    case kFour7: TakeValueOffSuit(h, p.rankA, 2); break;
    default: SplitNoStraightNoFlush(h); break;
  }
}

}  // namespace kw
