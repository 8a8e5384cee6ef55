// Every 5-card hand of the 53 cards, classified by the rules and by brute
// force: the joker tried as every card, kept only as an ace or where it
// completes a straight or a flush.
#include <gtest/gtest.h>

#include <cstdio>

#include "kw/HandEval.h"

namespace kw {
namespace {

struct Brute {
  int handClass;
  int straightRank;  // 15 broadway, 14 wheel, else the top; 0 no straight
};

int RankOf(int id) { return id % 13 + 2; }
int SuitOf(int id) { return id / 13; }

// A hand of five real cards; a suited A-2-3-4-5 made without the joker is a
// flush.
Brute ClassifyReal(const int ids[5], bool realWheelIsFlush) {
  int count[15] = {};
  bool flush = true;
  int low = 15, high = 0;
  for (int i = 0; i < 5; ++i) {
    const int r = RankOf(ids[i]);
    ++count[r];
    flush = flush && SuitOf(ids[i]) == SuitOf(ids[0]);
    low = r < low ? r : low;
    high = r > high ? r : high;
  }
  int most = 0, pairs = 0;
  for (int r = 2; r <= 14; ++r) {
    most = count[r] > most ? count[r] : most;
    pairs += count[r] == 2;
  }
  const bool distinct = most == 1;
  const bool wheel = distinct && count[14] && count[2] && count[3] && count[4] && count[5];
  const bool straight = distinct && (high - low == 4 || wheel);
  const int straightRank = !straight ? 0 : wheel ? 14 : high == 14 ? 15 : high;
  if (most == 5) return {9, 0};
  if (straight && flush) return wheel && realWheelIsFlush ? Brute{5, 0} : Brute{8, 0};
  if (most == 4) return {7, 0};
  if (most == 3 && pairs == 1) return {6, 0};
  if (flush) return {5, 0};
  if (straight) return {4, straightRank};
  if (most == 3) return {3, 0};
  if (pairs == 2) return {2, 0};
  if (pairs == 1) return {1, 0};
  return {0, 0};
}

Brute ClassifyBrute(const int ids[5]) {
  int joker = -1;
  for (int i = 0; i < 5; ++i) {
    if (ids[i] == 52) joker = i;
  }
  if (joker < 0) return ClassifyReal(ids, true);
  Brute best{-1, 0};
  int tried[5];
  for (int i = 0; i < 5; ++i) tried[i] = ids[i];
  for (int card = 0; card < 52; ++card) {
    tried[joker] = card;
    const Brute b = ClassifyReal(tried, false);
    const bool allowed = RankOf(card) == 14 || b.handClass == 4 || b.handClass == 5 || b.handClass == 8;
    if (!allowed) continue;
    if (b.handClass > best.handClass || (b.handClass == best.handClass && b.straightRank > best.straightRank)) {
      best = b;
    }
  }
  return best;
}

TEST(HandCounts, EveryFiveCardHandAgreesWithBruteForce) {
  long long byRules[10] = {}, realHands[10] = {}, total = 0, disagreements = 0;
  int ids[5];
  for (ids[0] = 0; ids[0] < 53; ++ids[0])
    for (ids[1] = ids[0] + 1; ids[1] < 53; ++ids[1])
      for (ids[2] = ids[1] + 1; ids[2] < 53; ++ids[2])
        for (ids[3] = ids[2] + 1; ids[3] < 53; ++ids[3])
          for (ids[4] = ids[3] + 1; ids[4] < 53; ++ids[4]) {
            int ranks[5], suits[5];
            for (int i = 0; i < 5; ++i) {
              ranks[i] = ids[i] == 52 ? 1 : RankOf(ids[i]);
              suits[i] = ids[i] == 52 ? 4 : SuitOf(ids[i]);
            }
            HandValue v;
            EvaluateHand5(ranks, suits, &v);
            const Brute b = ClassifyBrute(ids);
            const bool agree = v.handClass == b.handClass && (b.handClass != 4 || v.rank1 == b.straightRank);
            if (!agree && disagreements++ < 5) {
              ADD_FAILURE() << ids[0] << "," << ids[1] << "," << ids[2] << "," << ids[3] << "," << ids[4]
                            << " rules " << v.handClass << "/" << v.rank1 << " brute " << b.handClass << "/"
                            << b.straightRank;
            }
            ++byRules[v.handClass];
            if (ids[4] != 52) ++realHands[v.handClass];
            ++total;
          }
  EXPECT_EQ(disagreements, 0);
  EXPECT_EQ(total, 2869685);
  EXPECT_EQ(byRules[kFiveAces], 1);
  // The 52-card counts every poker table gives, with the four suited wheels
  // moved from straight flush to flush.
  const long long standard[10] = {1302540, 1098240, 123552, 54912, 10200, 5108 + 4, 3744, 624, 40 - 4, 0};
  for (int c = 0; c < 10; ++c) EXPECT_EQ(realHands[c], standard[c]) << "class " << c;
  for (int c = 0; c < 10; ++c) std::printf("class %d: %lld\n", c, byRules[c]);
}

}  // namespace
}  // namespace kw
