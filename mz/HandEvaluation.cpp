#include "mz/HandEvaluation.h"

namespace mz {
namespace {

constexpr int kJack = 11;
constexpr int kTen = 10;

const HandCard* SortedCard(const VideoPokerServerRecord& r, int i) {
  if (i < 0 || i >= kHandCards) return nullptr;
  const int at = r.sortScratch[i];
  return at >= 0 && at < kHandCards ? &r.hand[at] : nullptr;
}

// 0 (no card's value) for a slot that names no card.
int SortedValue(const VideoPokerServerRecord& r, int i) {
  const HandCard* card = SortedCard(r, i);
  return card != nullptr ? card->value : 0;
}

void SortByValue(VideoPokerServerRecord& r) {
  for (int i = 0; i < kHandCards; ++i) r.sortScratch[i] = i;
  for (int pass = 0; pass < kHandCards - 1; ++pass) {
    for (int i = 0; i < kHandCards - 1 - pass; ++i) {
      if (r.hand[r.sortScratch[i]].value > r.hand[r.sortScratch[i + 1]].value) {
        const int swap = r.sortScratch[i];
        r.sortScratch[i] = r.sortScratch[i + 1];
        r.sortScratch[i + 1] = swap;
      }
    }
  }
}

int ThreeFrom(const VideoPokerServerRecord& r, int i) {
  return SameValue(r, i, i + 1) && SameValue(r, i + 1, i + 2);
}

}  // namespace

int SameValue(const VideoPokerServerRecord& r, int i, int j) {
  const HandCard* a = SortedCard(r, i);
  const HandCard* b = SortedCard(r, j);
  return a != nullptr && b != nullptr && a->value == b->value;
}

int SameSuit(const VideoPokerServerRecord& r, int i, int j) {
  const HandCard* a = SortedCard(r, i);
  const HandCard* b = SortedCard(r, j);
  return a != nullptr && b != nullptr && a->suit == b->suit;
}

int IsStraight(const VideoPokerServerRecord& r) {
  int steps = 1;
  for (int i = 1; i < kHandCards; ++i) {
    if (SortedValue(r, i) != SortedValue(r, i - 1) + 1) steps = 0;
  }
  const int aceHigh = SortedValue(r, 0) == hx::kAceValue && SortedValue(r, 1) == kTen &&
                      SortedValue(r, 2) == kTen + 1 && SortedValue(r, 3) == kTen + 2 &&
                      SortedValue(r, 4) == kTen + 3;
  return steps || aceHigh;
}

int EvaluateHand(VideoPokerServerRecord& r) {
  SortByValue(r);
  if ((SameValue(r, 0, 1) && ThreeFrom(r, 1)) || (ThreeFrom(r, 1) && SameValue(r, 3, 4))) {
    return kFourOfAKind;
  }
  int flush = 1;
  for (int i = 1; i < kHandCards; ++i) flush = flush && SameSuit(r, i - 1, i);
  if (flush) {
    if (!IsStraight(r)) return kFlush;
    const int royal = SortedValue(r, 0) == hx::kAceValue && SortedValue(r, 1) == kTen;
    return royal ? kRoyalFlush : kStraightFlush;
  }
  if (IsStraight(r)) return kStraight;
  if (ThreeFrom(r, 0) || ThreeFrom(r, 1) || ThreeFrom(r, 2)) {
    const int pairBelow = SameValue(r, 0, 1) && !SameValue(r, 1, 2);
    const int pairAbove = SameValue(r, 3, 4) && !SameValue(r, 2, 3);
    return pairBelow || pairAbove ? kFullHouse : kThreeOfAKind;
  }
  int pairs = 0, paired = 0;
  for (int i = 1; i < kHandCards; ++i) {
    if (SameValue(r, i - 1, i)) {
      ++pairs;
      paired = SortedValue(r, i);
    }
  }
  if (pairs == 2) return kTwoPairs;
  if (pairs == 1 && (paired >= kJack || paired == hx::kAceValue)) return kJacksOrBetter;
  return kNothing;
}

}  // namespace mz
