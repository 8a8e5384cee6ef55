#include "kw/DisplayOrder.h"

#include <algorithm>

#include "kw/Cards.h"
#include "kw/HandEval.h"

namespace kw {
namespace {

// The ids from the highest rank down, keeping hand order between equals.
void SortByRankDown(std::int32_t* ids, int count) {
  std::stable_sort(ids, ids + count, [](int a, int b) { return CardRank(a) > CardRank(b); });
}

// Ranks of real cards from the top down, the joker put where it fits.
void OrderStraight(std::int32_t ids[5]) {
  std::int32_t real[5];
  int count = 0;
  int hasJoker = 0;
  for (int i = 0; i < 5; ++i) {
    if (ids[i] == kJokerId) {
      hasJoker = 1;
    } else {
      real[count++] = ids[i];
    }
  }
  SortByRankDown(real, count);
  const int wheel = CardRank(real[0]) == kAce && CardRank(real[1]) <= 5;
  std::int32_t out[5];
  int n = 0;
  if (!hasJoker) {
    if (wheel) {
      for (int i = 1; i < 5; ++i) out[n++] = real[i];
      out[n++] = real[0];
    } else {
      std::copy(real, real + 5, out);
    }
  } else if (wheel) {
    // The wheel's ranks 5, 4, 3, 2 with the joker in the missing one.
    int k = 1;
    for (int rank = 5; rank >= 2; --rank) {
      out[n++] = k < 4 && CardRank(real[k]) == rank ? real[k++] : kJokerId;
    }
    out[n++] = real[0];
  } else {
    const int top = CardRank(real[0]);
    if (top - CardRank(real[3]) == 3) {
      // Four in a row: the joker tops them, unless nothing can stand above
      // (A-K-Q-J) or it is the wheel's ace (5-4-3-2).
      if (top == kAce || top == 5) {
        std::copy(real, real + 4, out);
        out[4] = kJokerId;
      } else {
        out[0] = kJokerId;
        std::copy(real, real + 4, out + 1);
      }
    } else {
      for (int i = 0; i < 4; ++i) {
        if (i > 0 && CardRank(real[i - 1]) - CardRank(real[i]) == 2) out[n++] = kJokerId;
        out[n++] = real[i];
      }
    }
  }
  std::copy(out, out + 5, ids);
}

}  // namespace

void OrderHandForDisplay(std::int32_t ids[5]) {
  int ranks[5];
  int suits[5];
  for (int i = 0; i < 5; ++i) {
    ranks[i] = CardRank(ids[i]);
    suits[i] = CardSuit(ids[i]);
  }
  HandValue value{};
  EvaluateHand5(ranks, suits, &value);
  if (value.handClass == kStraight || value.handClass == kStraightFlush) return OrderStraight(ids);
  // A flush, a high-card hand and five aces lead with no rank.
  const int rank1 = value.handClass == kFlush || value.handClass == kHighCard || value.handClass == kFiveAces
                        ? 0
                        : value.rank1;
  const int rank2 = rank1 == 0 ? 0 : value.rank2;
  std::int32_t out[5];
  int taken[5] = {};
  int n = 0;
  auto take = [&](auto wanted) {
    for (int i = 0; i < 5; ++i) {
      if (!taken[i] && wanted(ids[i])) {
        taken[i] = 1;
        out[n++] = ids[i];
      }
    }
  };
  take([&](int id) { return id == kJokerId ? rank1 == kAce : CardRank(id) == rank1; });
  if (rank2 > 0) take([&](int id) { return id != kJokerId && CardRank(id) == rank2; });
  take([](int id) { return id == kJokerId; });
  const int rest = n;
  take([](int) { return true; });
  SortByRankDown(out + rest, 5 - rest);
  std::copy(out, out + 5, ids);
}

void OrderLowHandForDisplay(std::int32_t ids[2]) {
  const int swap = ids[1] == kJokerId || (ids[0] != kJokerId && ids[1] % kRanksPerSuit > ids[0] % kRanksPerSuit);
  if (swap) std::swap(ids[0], ids[1]);
}

}  // namespace kw
