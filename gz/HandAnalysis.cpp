#include "gz/HandAnalysis.h"

#include <cstring>

#include "kw/Cards.h"

namespace gz {

namespace {

int CountRank(const std::int32_t* values, int rank) {
  int count = 0;
  for (int i = 0; i < kHandCards; ++i) count += values[i] == rank;
  return count;
}

// 1 with the top card when the ascending values run in steps of one.
int RunsUp(const std::int32_t* values, std::int32_t* top) {
  for (int i = 1; i < kHandCards; ++i) {
    if (values[i] != values[0] + i) return 0;
  }
  *top = values[0] + kHandCards - 1;
  return 1;
}

void ReplaceValue(std::int32_t* values, int from, int to) {
  for (int i = 0; i < kHandCards; ++i) {
    if (values[i] == from) values[i] = to;
  }
}

}  // namespace

void ClearHandInfo(HandInfo& info) {
  std::memset(&info, 0, offsetof(HandInfo, royalFlush));
}

void FindAceKing(const std::int32_t* values, HandInfo& info) {
  info.aceKing = CountRank(values, kw::kAce) > 0 && CountRank(values, kw::kKing) > 0;
}

void FindPairs(const std::int32_t* values, HandInfo& info) {
  int first = 0;
  int second = 0;
  for (int i = 0; i < kHandCards - 1 && second == 0; ++i) {
    for (int j = i + 1; j < kHandCards; ++j) {
      if (values[i] != values[j]) continue;
      if (first != 0 && values[i] != first) {
        second = values[i];
        break;
      }
      first = values[i];
    }
  }
  const int high = first > second ? first : second;
  const int low = first > second ? second : first;
  const int two = first != 0 && second != 0;
  info.twoPair = two;
  info.highPairRank = two ? high : 0;
  info.lowPairRank = two ? low : 0;
  info.pair = high != 0;
  info.pairRank = high;
}

void FindTripsAndQuads(const std::int32_t* values, HandInfo& info) {
  const int count = info.pairRank != 0 ? CountRank(values, info.pairRank) : 0;
  if (count == 3) {
    info.threeOfAKind = 1;
    info.threeOfAKindRank = info.pairRank;
  } else if (count == 4) {
    info.fourOfAKind = 1;
    info.fourOfAKindRank = info.pairRank;
  }
  if (info.twoPair) {
    const int other = info.highPairRank != info.pairRank ? info.highPairRank : info.lowPairRank;
    if (CountRank(values, other) == 3) {
      info.threeOfAKind = 1;
      info.threeOfAKindRank = other;
    }
  }
}

void FindFlush(const std::int32_t* suits, HandInfo& info) {
  int same = 1;
  for (int i = 1; i < kHandCards; ++i) same &= suits[i] == suits[0];
  info.flush = same;
  info.flushSuit = same ? suits[0] : 0;
}

void FindStraight(std::int32_t* values, HandInfo& info) {
  info.straight = 0;
  SortValues(kHandCards, values);
  if (RunsUp(values, &info.straightTop)) info.straight = 1;
  // The ace also plays low, below the two.
  ReplaceValue(values, kw::kAce, 1);
  SortValues(kHandCards, values);
  if (RunsUp(values, &info.straightTop)) info.straight = 1;
  ReplaceValue(values, 1, kw::kAce);
  SortValues(kHandCards, values);
}

void FindFullHouse(HandInfo& info) {
  info.fullHouse = info.twoPair && info.threeOfAKind;
  if (!info.fullHouse) return;
  info.fullHouseThreeRank = info.threeOfAKindRank;
  info.fullHousePairRank =
      info.highPairRank != info.threeOfAKindRank ? info.highPairRank : info.lowPairRank;
}

void FindStraightFlush(HandInfo& info) {
  info.straightFlush = info.straight && info.flush;
  if (!info.straightFlush) return;
  info.straightFlushTop = info.straightTop;
  info.straightFlushSuit = info.flushSuit;
}

void FindRoyalFlush(HandInfo& info) {
  info.royalFlush = info.flush && info.straightTop == kw::kAce;
}

int DealerNotQualified(const HandInfo& d) {
  return !(d.aceKing || d.pair || d.twoPair || d.threeOfAKind || d.straight || d.flush ||
           d.fullHouse || d.fourOfAKind || d.straightFlush || d.royalFlush);
}

void AnalyseHand(const std::int32_t* ids, std::int32_t* values, std::int32_t* suits,
                 HandInfo& info) {
  for (int i = 0; i < kHandCards; ++i) {
    values[i] = kw::CardRank(ids[i]);
    suits[i] = kw::CardSuit(ids[i]);
  }
  ClearHandInfo(info);
  FindAceKing(values, info);
  FindPairs(values, info);
  FindTripsAndQuads(values, info);
  FindFlush(suits, info);
  FindStraight(values, info);
  FindFullHouse(info);
  FindStraightFlush(info);
  FindRoyalFlush(info);
}

int HandCategory(const HandInfo& h) {
  if (h.royalFlush) return kRoyalFlushCategory;
  if (h.straightFlush) return kStraightFlushCategory;
  if (h.fourOfAKind) return kFourOfAKindCategory;
  if (h.fullHouse) return kFullHouseCategory;
  if (h.flush) return kFlushCategory;
  if (h.straight) return kStraightCategory;
  if (h.threeOfAKind) return kThreeOfAKindCategory;
  if (h.twoPair) return kTwoPairCategory;
  if (h.pair) return kPairCategory;
  return kHighCard;
}

int SortValues(int count, std::int32_t* values) {
  for (int pass = 1; pass < count; ++pass) {
    for (int i = 0; i < count - pass; ++i) {
      if (values[i + 1] < values[i]) {
        const std::int32_t swap = values[i];
        values[i] = values[i + 1];
        values[i + 1] = swap;
      }
    }
  }
  return count - 1;
}

}  // namespace gz
