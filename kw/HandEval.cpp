#include "kw/HandEval.h"

#include "kw/Cards.h"

namespace kw {

void SortDescending(int count, int* values) {
  for (int swapped = 1; swapped;) {
    swapped = 0;
    for (int i = 0; i + 1 < count; ++i) {
      if (values[i] < values[i + 1]) {
        int t = values[i];
        values[i] = values[i + 1];
        values[i + 1] = t;
        swapped = 1;
      }
    }
  }
}

int ClassifyPairs5(const int ranks[5], HandValue* value) {
  *value = {};
  int s[5];
  for (int i = 0; i < 5; ++i) s[i] = RankAsAce(ranks[i]);
  SortDescending(5, s);
  const bool e01 = s[0] == s[1], e12 = s[1] == s[2], e23 = s[2] == s[3], e34 = s[3] == s[4];
  if (e01 && e12 && e23 && e34) {
    value->handClass = kFiveAces;
  } else if ((e01 && e12 && e23) || (e12 && e23 && e34)) {
    *value = {kFourOfAKind, s[1], 0};
  } else if (e01 && e12 && e34) {
    *value = {kFullHouse, s[0], s[3]};
  } else if (e01 && e23 && e34) {
    *value = {kFullHouse, s[2], s[0]};
  } else if ((e01 && e12) || (e12 && e23) || (e23 && e34)) {
    *value = {kThreeOfAKind, s[2], 0};
  } else if (e01 && e23) {
    *value = {kTwoPair, s[0], s[2]};
  } else if (e01 && e34) {
    *value = {kTwoPair, s[0], s[3]};
  } else if (e12 && e34) {
    *value = {kTwoPair, s[1], s[3]};
  } else if (e01 || e12) {
    *value = {kOnePair, s[1], 0};
  } else if (e23 || e34) {
    *value = {kOnePair, s[3], 0};
  }
  return value->handClass != kHighCard;
}

namespace {

// An ace and three different ranks of 2 to 5 beside the joker (sorted, the
// joker last) make A-2-3-4-5.
bool IsJokerWheel(const int s[5]) {
  if (s[4] != kJokerRank) return false;
  const int count = (s[0] == 5 || s[1] == 5) + (s[1] == 4 || s[2] == 4) + (s[2] == 3 || s[3] == 3) +
                    (s[3] == 2) + (s[0] == kAce);
  return count > 3;
}

bool IsRealWheel(const int s[5]) {
  return s[0] == kAce && s[1] == 5 && s[2] == 4 && s[3] == 3 && s[4] == 2;
}

}  // namespace

int IsStraight5(const int s[5]) {
  if (s[4] != kJokerRank) {
    bool run = true;
    for (int i = 1; i < 5; ++i) run = run && s[0] - s[i] == i;
    return run || IsRealWheel(s);
  }
  const bool distinct = s[0] != s[1] && s[1] != s[2] && s[2] != s[3];
  return (distinct && s[0] - s[3] <= 4) || IsJokerWheel(s);
}

int ClassifyStraightFlush5(const int ranks[5], const int suits[5], HandValue* value) {
  *value = {};
  bool flush = true;
  if (suits[0] == kJokerSuit) {
    for (int i = 2; i < 5; ++i) flush = flush && suits[i] == suits[1];
  } else {
    for (int i = 1; i < 5; ++i) flush = flush && (suits[i] == suits[0] || suits[i] == kJokerSuit);
  }
  int s[5];
  for (int i = 0; i < 5; ++i) s[i] = ranks[i];
  SortDescending(5, s);
  const bool joker = s[4] == kJokerRank;
  bool straight = false;
  bool jokerLeftOver = false;
  if (!joker) {
    straight = true;
    for (int i = 1; i < 5; ++i) straight = straight && s[0] - s[i] == i;
  } else if (s[0] != s[1] && s[1] != s[2] && s[2] != s[3] && s[0] - s[3] <= 4) {
    straight = true;
    jokerLeftOver = s[0] - s[3] == 3;
  }
  if (flush && straight) {
    *value = {kStraightFlush, s[0], 0};
  } else if (flush && IsJokerWheel(s)) {
    // The joker stands for a missing card of A-2-3-4-5 of the suit.
    *value = {kStraightFlush, 5, 0};
  } else if (flush) {
    value->handClass = kFlush;
  } else if (straight) {
    const bool raise = jokerLeftOver && s[0] != kAce && s[0] != 5;
    *value = {kStraight, s[0] + (raise ? 1 : 0), 0};
  } else if (IsRealWheel(s) || IsJokerWheel(s)) {
    *value = {kStraight, 5, 0};
  }
  if (value->rank1 == kAce) value->rank1 = kBroadwayRank;
  if (value->rank1 == 5) value->rank1 = kWheelRank;
  return value->handClass != kHighCard;
}

void EvaluateHand5(const int ranks[5], const int suits[5], HandValue* value) {
  if (!ClassifyStraightFlush5(ranks, suits, value)) ClassifyPairs5(ranks, value);
}

}  // namespace kw
