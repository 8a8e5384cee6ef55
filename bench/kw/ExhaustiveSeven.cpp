#include "bench/kw/ExhaustiveSeven.h"

#include <vector>

#include "bench/kw/Parallel.h"
#include "kw/Cards.h"
#include "kw/HouseWay.h"
#include "kw/Showdown.h"

namespace kw::sim {
namespace {

bool InRange(int v, int size) { return v >= 0 && v < size; }

// Whether the 2-card hand at positions a and b does not beat the other five,
// from the brute-force class of the five and the cards' own ranks.
bool SplitIsLegal(const CFiveCardTable& table, const int ids[7], int a, int b) {
  int five[5], n = 0, h0 = 0, h1 = 0;
  for (int i = 0; i < 7; ++i) {
    if (i == a || i == b) continue;
    five[n++] = ids[i];
    const int v = RankAsAce(CardRank(ids[i]));
    if (v > h0) {
      h1 = h0;
      h0 = v;
    } else if (v > h1) {
      h1 = v;
    }
  }
  const BruteClass& high = table.At(five);
  const int lowA = RankAsAce(CardRank(ids[a])), lowB = RankAsAce(CardRank(ids[b]));
  if (lowA == lowB) return high.handClass >= 2 || (high.handClass == 1 && high.pairRank >= lowA);
  if (high.handClass >= 1) return true;
  const int top = lowA > lowB ? lowA : lowB, next = lowA > lowB ? lowB : lowA;
  return top < h0 || (top == h0 && next <= h1);
}

void TallyHand(const CFiveCardTable& table, const int ids[7], PaiGowServerRecord* record, SevenTally* t) {
  for (int i = 0; i < 7; ++i) {
    record->dealerRanks[i] = record->playerRanks[i] = CardRank(ids[i]);
    record->dealerSuits[i] = record->playerSuits[i] = CardSuit(ids[i]);
  }
  // DealerHouseWay leaves what ClassifyPairs7 and FindStraightFlush7 found
  // in the record.
  const int positions = DealerHouseWay(record);
  const int kind = record->pairs.kind, code = record->straightFlush.code;
  const StraightFlushFindings& sf = record->straightFlush;
  SevenCounts& c = t->counts;
  ++c.hands;
  if (InRange(kind, kPairKinds)) ++c.kind[kind];
  if (!InRange(code, kStraightFlushCodes)) return;
  ++c.code[code];
  if ((code & kStraightOnly) && InRange(sf.runLength, 8)) ++c.runLength[code][sf.runLength];
  if ((code & kFlushOnly) && InRange(sf.flushCount, 8)) ++c.flushCount[code][sf.flushCount];
  const int a = positions / 10, b = positions % 10;
  if (positions < 1 || a >= b || b >= kHandCards) {
    ++t->houseWay.invalid;
    return;
  }
  if (!InRange(kind, kPairKinds)) return;
  t->houseWay.refused[code][kind] += !IsValidSplit(a, b, record);
  t->houseWay.ownRefused[code][kind] += !SplitIsLegal(table, ids, a, b);
}

void AddTally(const SevenTally& from, SevenTally* to) {
  AddCounts(from.counts, &to->counts);
  to->houseWay.invalid += from.houseWay.invalid;
  for (int c = 0; c < kStraightFlushCodes; ++c) {
    for (int k = 0; k < kPairKinds; ++k) {
      to->houseWay.refused[c][k] += from.houseWay.refused[c][k];
      to->houseWay.ownRefused[c][k] += from.houseWay.ownRefused[c][k];
    }
  }
}

}  // namespace

void TallySevenCardHands(const CFiveCardTable& table, int firstCard, int threads, SevenTally* tally) {
  // One item per two lowest cards keeps the items small enough to share out.
  struct Item {
    int first, second;
  };
  std::vector<Item> items;
  const int lo = firstCard < 0 ? 0 : firstCard;
  const int hi = firstCard < 0 ? kDeckWithJoker - 7 : firstCard;
  for (int first = lo; first <= hi; ++first) {
    for (int second = first + 1; second <= kDeckWithJoker - 6; ++second) items.push_back({first, second});
  }
  struct alignas(64) Slot {
    SevenTally tally;
    PaiGowServerRecord record;
  };
  std::vector<Slot> slots(threads);
  ForEachItem(static_cast<int>(items.size()), threads, [&](int item, int worker) {
    Slot& slot = slots[worker];
    int ids[7];
    ids[0] = items[item].first;
    ids[1] = items[item].second;
    for (ids[2] = ids[1] + 1; ids[2] < kDeckWithJoker; ++ids[2])
      for (ids[3] = ids[2] + 1; ids[3] < kDeckWithJoker; ++ids[3])
        for (ids[4] = ids[3] + 1; ids[4] < kDeckWithJoker; ++ids[4])
          for (ids[5] = ids[4] + 1; ids[5] < kDeckWithJoker; ++ids[5])
            for (ids[6] = ids[5] + 1; ids[6] < kDeckWithJoker; ++ids[6])
              TallyHand(table, ids, &slot.record, &slot.tally);
  });
  *tally = {};
  for (const Slot& slot : slots) AddTally(slot.tally, tally);
}

}  // namespace kw::sim
