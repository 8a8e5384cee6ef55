#include "kw/DealerHand.h"

#include "kw/Cards.h"
#include "kw/HandEval.h"

namespace kw {
namespace {

// Positions sorted by key, highest first, ties in dealt order.
void SortPositions(const int key[kHandCards], int out[kHandCards]) {
  for (int i = 0; i < kHandCards; ++i) out[i] = i;
  for (int i = 1; i < kHandCards; ++i) {
    for (int j = i; j > 0 && key[out[j]] > key[out[j - 1]]; --j) {
      int t = out[j];
      out[j] = out[j - 1];
      out[j - 1] = t;
    }
  }
}

}  // namespace

void InitDealerHand(const std::int32_t ranks[kHandCards], const std::int32_t suits[kHandCards],
                    const PairStructure& pairs, const StraightFlushFindings& sf, DealerHand* h) {
  *h = {};
  h->joker = -1;
  int count[15] = {};
  for (int i = 0; i < kHandCards; ++i) {
    h->rank[i] = ranks[i];
    h->suit[i] = suits[i];
    h->value[i] = RankAsAce(ranks[i]);
    if (ranks[i] == kJokerRank) h->joker = i;
    ++count[h->value[i]];
  }
  SortPositions(h->value, h->byValue);
  SortPositions(h->rank, h->byRank);
  for (int i = 0; i < kHandCards; ++i) {
    const int pos = h->byValue[i];
    if (count[h->value[pos]] == 1) h->single[h->singleCount++] = pos;
  }
  for (int v = 2; v <= kAce; ++v) {
    if (count[v] == 2) {
      h->lowestPair = v;
      break;
    }
  }
  h->pairs = pairs;
  h->sf = sf;
}

bool IsTaken(const DealerHand& h, int pos) {
  for (int i = 0; i < h.lowCount; ++i) {
    if (h.low[i] == pos) return true;
  }
  return false;
}

void Take(DealerHand* h, int pos) {
  if (pos < 0 || h->lowCount >= 2 || IsTaken(*h, pos)) return;
  h->low[h->lowCount++] = pos;
}

void TakeValue(DealerHand* h, int value, int count, bool realOnly) {
  for (int i = 0; i < kHandCards && count > 0; ++i) {
    const bool match = realOnly ? h->rank[i] == value : h->value[i] == value;
    if (match && !IsTaken(*h, i) && h->lowCount < 2) {
      Take(h, i);
      --count;
    }
  }
}

void TakeValueOffSuit(DealerHand* h, int value, int count) {
  for (int pass = 0; pass < 2; ++pass) {
    for (int i = 0; i < kHandCards && count > 0; ++i) {
      if (h->value[i] != value || IsTaken(*h, i) || h->lowCount >= 2) continue;
      // The joker fills the flush, so it goes low only when nothing else will.
      if (pass == 0 && (IsOfFlushSuit(*h, i) || i == h->joker)) continue;
      Take(h, i);
      --count;
    }
  }
}

void TakeRank(DealerHand* h, int rank) {
  for (int i = 0; i < kHandCards; ++i) {
    if (h->rank[i] == rank && !IsTaken(*h, i)) {
      Take(h, i);
      return;
    }
  }
}

void TakeHighest(DealerHand* h, int count) {
  for (int i = 0; i < kHandCards && count > 0; ++i) {
    const int pos = h->byRank[i];
    if (!IsTaken(*h, pos) && h->lowCount < 2) {
      Take(h, pos);
      --count;
    }
  }
}

void TakeNthHighest(DealerHand* h, int n) { Take(h, h->byRank[n]); }

void TakeOutsideSuit(DealerHand* h, int count, bool jokerIsOutside) {
  for (int i = 0; i < kHandCards && count > 0; ++i) {
    if (IsOfFlushSuit(*h, i) || IsTaken(*h, i)) continue;
    if (i == h->joker && !jokerIsOutside) continue;
    if (h->lowCount >= 2) return;
    Take(h, i);
    --count;
  }
}

void TakeJoker(DealerHand* h) { Take(h, h->joker); }

void CompleteLow(DealerHand* h) {
  TakeJoker(h);
  for (int i = kHandCards - 1; i >= 0 && h->lowCount < 2; --i) Take(h, h->byValue[i]);
}

namespace {

int FiveLeftClass(const DealerHand& h, int lowA, int lowB) {
  int ranks[5], suits[5], n = 0;
  for (int i = 0; i < kHandCards; ++i) {
    if (i == lowA || i == lowB) continue;
    ranks[n] = h.rank[i];
    suits[n] = h.suit[i];
    ++n;
  }
  HandValue v;
  EvaluateHand5(ranks, suits, &v);
  return v.handClass;
}

}  // namespace

void KeepStraightOrFlushHigh(DealerHand* h, int value) {
  if (h->lowCount == 2 && FiveLeftClass(*h, h->low[0], h->low[1]) >= kStraight) return;
  int three[3], n = 0;
  for (int i = 0; i < kHandCards && n < 3; ++i) {
    if (h->value[i] == value) three[n++] = i;
  }
  if (n < 3) return;
  int best = -1, bestClass = kStraight - 1;
  for (int stay = 0; stay < 3; ++stay) {
    const int c = FiveLeftClass(*h, three[(stay + 1) % 3], three[(stay + 2) % 3]);
    if (c > bestClass) {
      bestClass = c;
      best = stay;
    }
  }
  if (best < 0) return;
  h->low[0] = three[(best + 1) % 3];
  h->low[1] = three[(best + 2) % 3];
  h->lowCount = 2;
}

int NthHighest(const DealerHand& h, int n) { return h.byRank[n]; }

int FirstOfRank(const DealerHand& h, int rank) {
  for (int i = 0; i < kHandCards; ++i) {
    if (h.rank[i] == rank) return i;
  }
  return -1;
}

int HighestExcept(const DealerHand& h, int excluded, int skipRank) {
  for (int i = 0; i < kHandCards; ++i) {
    const int pos = h.byRank[i];
    if (pos == excluded || pos == h.joker || h.rank[pos] == skipRank) continue;
    return pos;
  }
  return -1;
}

int NextLowerOtherRank(const DealerHand& h, int pos, int excluded) {
  if (pos < 0) return -1;
  for (int i = 0; i < kHandCards; ++i) {
    const int p = h.byRank[i];
    if (p == excluded || p == h.joker || h.rank[p] >= h.rank[pos]) continue;
    return p;
  }
  return -1;
}

bool OutsideFormStraight(const DealerHand& h, int value) {
  int s[kHandCards];
  int n = 0;
  for (int i = 0; i < kHandCards; ++i) {
    if (h.value[i] != value) s[n++] = h.rank[i];
  }
  if (n != 5) return false;
  SortDescending(5, s);
  return IsStraight5(s);
}

bool OutsideAllSuited(const DealerHand& h, int value) {
  for (int i = 0; i < kHandCards; ++i) {
    if (h.value[i] != value && i != h.joker && !IsOfFlushSuit(h, i)) return false;
  }
  return true;
}

bool IsOfFlushSuit(const DealerHand& h, int pos) {
  return h.sf.flushCount >= 5 && h.suit[pos] == h.sf.flushSuit;
}

bool HasFlushAce(const DealerHand& h) {
  for (int i = 0; i < kHandCards; ++i) {
    if (h.rank[i] == kAce && IsOfFlushSuit(h, i)) return true;
  }
  return false;
}

}  // namespace kw
