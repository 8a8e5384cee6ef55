#include "kw/HouseWay.h"

#include "kw/Cards.h"
#include "kw/HouseWayRules.h"
#include "kw/HouseWayTables.h"

namespace kw {

int ClassifyPairs7(const std::int32_t ranks[kHandCards], PairStructure* pairs) {
  *pairs = {};
  int count[15] = {};
  for (int i = 0; i < kHandCards; ++i) ++count[RankAsAce(ranks[i])];
  int five = 0, four = 0, three[2] = {}, pair[3] = {};
  int threes = 0, pairCount = 0;
  for (int v = kAce; v >= 2; --v) {
    if (count[v] == 5) five = v;
    if (count[v] == 4) four = v;
    if (count[v] == 3) three[threes++] = v;
    if (count[v] == 2) pair[pairCount++] = v;
  }
  if (five) {
    *pairs = pairCount ? PairStructure{kFiveAcesAndPair7, pair[0], 0} : PairStructure{kFiveAces7, kAce, 0};
  } else if (four && threes) {
    *pairs = {kFourAndThree7, four, three[0]};
  } else if (four && pairCount) {
    *pairs = {kFourAndPair7, four, pair[0]};
  } else if (four) {
    *pairs = {kFour7, four, 0};
  } else if (threes == 2) {
    *pairs = {kTwoThrees7, three[0], three[1]};
  } else if (threes && pairCount == 2) {
    *pairs = {kThreeAndTwoPairs7, three[0], pair[0]};
  } else if (threes && pairCount) {
    *pairs = {kFullHouse7, three[0], pair[0]};
  } else if (threes) {
    *pairs = {kThree7, three[0], 0};
  } else if (pairCount == 3) {
    *pairs = {kThreePairs7, pair[0], pair[1]};
  } else if (pairCount == 2) {
    *pairs = {kTwoPairs7, pair[0], pair[1]};
  } else if (pairCount == 1) {
    *pairs = {kOnePair7, pair[0], 0};
  }
  return pairs->kind != kNoPair7;
}

namespace {

struct Run {
  int length;
  int top;
  int missing;  // the rank the joker stands for inside the run, 0 none
};

// The longest run of ranks present (the highest of equal length), the
// joker standing for at most one missing rank. present[1] is the ace low.
bool BestRun(const bool present[15], bool joker, Run* run) {
  for (int length = 7; length >= 5; --length) {
    for (int top = kAce; top - length + 1 >= 1; --top) {
      int missing = 0, gaps = 0;
      for (int r = top - length + 1; r <= top; ++r) {
        if (!present[r]) {
          missing = r;
          ++gaps;
        }
      }
      if (gaps == 0 || (gaps == 1 && joker)) {
        *run = {length, top, missing};
        return true;
      }
    }
  }
  return false;
}

void MarkPresent(int rank, bool present[15]) {
  present[rank] = true;
  if (rank == kAce) present[1] = true;
}

}  // namespace

void FindStraightFlush7(const std::int32_t ranks[kHandCards], const std::int32_t suits[kHandCards],
                        StraightFlushFindings* f) {
  *f = {};
  bool joker = false;
  int suitCount[4] = {};
  bool present[15] = {};
  for (int i = 0; i < kHandCards; ++i) {
    if (ranks[i] == kJokerRank) {
      joker = true;
      continue;
    }
    ++suitCount[suits[i]];
    MarkPresent(ranks[i], present);
  }
  int best = 0;
  for (int s = 1; s < 4; ++s) {
    if (suitCount[s] > suitCount[best]) best = s;
  }
  const bool flush = suitCount[best] + joker >= 5;
  Run run{};
  const bool straight = BestRun(present, joker, &run);
  f->code = (straight ? kStraightOnly : 0) + (flush ? kFlushOnly : 0);
  f->joker = joker ? kJokerPresent : kJokerAbsent;
  if (flush) {
    f->flushSuit = best;
    f->flushCount = suitCount[best] + joker;
  }
  if (!straight) return;
  f->runLength = run.length;
  f->runTop = run.top;
  const int runLow = run.top - run.length + 1;
  bool used[15] = {};
  int left[kHandCards], leftCount = 0;
  for (int i = 0; i < kHandCards; ++i) {
    const int r = ranks[i];
    if (r == kJokerRank) {
      if (!run.missing) left[leftCount++] = r;
      continue;
    }
    const bool inRun = (r >= runLow && r <= run.top) || (r == kAce && runLow == 1);
    if (inRun && !used[r]) {
      used[r] = true;
    } else {
      left[leftCount++] = r;
    }
  }
  for (int i = 0; i < leftCount && i < 2; ++i) {
    for (int j = i + 1; j < leftCount; ++j) {
      if (left[j] > left[i]) {
        int t = left[i];
        left[i] = left[j];
        left[j] = t;
      }
    }
    f->leftOver[i] = left[i];
  }
  const bool gapInside = run.missing > runLow && run.missing < run.top;
  if (f->code == kStraightOnly && joker) {
    const bool wheelCard = runLow == 1 && run.missing != 0 && run.missing <= 5;
    const bool belowTopOfSeven = run.length == 7 && run.missing == run.top - 1;
    if ((gapInside || wheelCard) && !belowTopOfSeven) f->joker = kJokerInGap;
  }
  if (f->code == kStraightAndFlush) {
    bool suited[15] = {};
    for (int i = 0; i < kHandCards; ++i) {
      if (ranks[i] != kJokerRank && suits[i] == best) MarkPresent(ranks[i], suited);
    }
    Run suitedRun{};
    if (BestRun(suited, joker, &suitedRun)) {
      f->joker = joker ? kStraightFlushWithJoker : kStraightFlushWithoutJoker;
    }
    if (joker && gapInside && run.length >= 6) f->leftOver[1] = kJokerRank;
  }
}

int HouseWaySplitTwoPair(int highPair, int lowPair, int s1, int s2) {
  if (highPair == kAce || highPair < 3) return 1;
  for (int i = 0; i < kTwoPairKeepRowCount; ++i) {
    const TwoPairKeepRow& row = kTwoPairKeepRows[i];
    if (row.high != highPair || lowPair < row.lowMin || lowPair > row.lowMax) continue;
    const bool keep = s1 >= row.s1Any || (s1 == row.s1Exact && s2 >= row.s2Min && s2 <= row.s2Max);
    return keep ? 0 : 1;
  }
  return 1;
}

int HouseWay7(const std::int32_t ranks[kHandCards], const std::int32_t suits[kHandCards],
              PairStructure* pairs, StraightFlushFindings* findings) {
  ClassifyPairs7(ranks, pairs);
  FindStraightFlush7(ranks, suits, findings);
  DealerHand h;
  InitDealerHand(ranks, suits, *pairs, *findings, &h);
  switch (findings->code) {
    case kStraightOnly: SplitStraightOnly(&h); break;
    case kFlushOnly: SplitFlushOnly(&h); break;
    case kStraightAndFlush: SplitStraightAndFlush(&h); break;
    default: SplitNoStraightNoFlush(&h); break;
  }
  CompleteLow(&h);
  const int a = h.low[0] < h.low[1] ? h.low[0] : h.low[1];
  const int b = h.low[0] < h.low[1] ? h.low[1] : h.low[0];
  return 10 * a + b;
}

int DealerHouseWay(PaiGowServerRecord* record) {
  return HouseWay7(record->dealerRanks, record->dealerSuits, &record->pairs, &record->straightFlush);
}

}  // namespace kw
