#include "bench/kw/BruteFive.h"

#include "bench/kw/Choose.h"
#include "bench/kw/Parallel.h"

namespace kw::sim {
namespace {

constexpr int kJoker = 52;
constexpr int kAceRank = 14;

int RankOfId(int id) { return id % 13 + 2; }

// Five cards of the 52 (a card may repeat where the joker copies one). The
// suited A-2-3-4-5 is a straight flush here; the caller decides.
BruteClass ClassifyCards(const int ids[5]) {
  int count[15] = {};
  int mask = 0;
  bool suited = true;
  for (int i = 0; i < 5; ++i) {
    const int r = RankOfId(ids[i]);
    ++count[r];
    mask |= 1 << r;
    suited = suited && ids[i] / 13 == ids[0] / 13;
  }
  if (mask & (1 << kAceRank)) mask |= 1 << 1;  // the ace low
  int straightRank = 0;
  for (int top = kAceRank; top >= 5 && straightRank == 0; --top) {
    const int window = 0x1F << (top - 4);
    if ((mask & window) == window) straightRank = top == kAceRank ? 15 : top == 5 ? 14 : top;
  }
  int most = 0, pairs = 0, pairRank = 0;
  for (int r = 2; r <= kAceRank; ++r) {
    if (count[r] > most) most = count[r];
    if (count[r] == 2) {
      ++pairs;
      pairRank = r;
    }
  }
  auto make = [](int c, int s, int p) {
    return BruteClass{static_cast<std::int8_t>(c), static_cast<std::int8_t>(s), static_cast<std::int8_t>(p)};
  };
  if (most == 5) return make(9, 0, 0);
  if (straightRank && suited) return make(8, straightRank, 0);
  if (most == 4) return make(7, 0, 0);
  if (most == 3 && pairs == 1) return make(6, 0, 0);
  if (suited) return make(5, 0, 0);
  if (straightRank) return make(4, straightRank, 0);
  if (most == 3) return make(3, 0, 0);
  if (pairs == 2) return make(2, 0, 0);
  if (pairs == 1) return make(1, 0, pairRank);
  return make(0, 0, 0);
}

bool Better(const BruteClass& a, const BruteClass& b) {
  if (a.handClass != b.handClass) return a.handClass > b.handClass;
  return a.straightRank > b.straightRank;
}

}  // namespace

BruteClass ClassifyByBruteForce(const int ids[5]) {
  int tried[5] = {ids[0], ids[1], ids[2], ids[3], ids[4]};
  if (ids[4] != kJoker) {
    BruteClass c = ClassifyCards(tried);
    // Without the joker the suited A-2-3-4-5 stays a flush.
    if (c.handClass == 8 && c.straightRank == 14) c = {5, 0, 0};
    return c;
  }
  BruteClass best{-1, 0, 0};
  for (int card = 0; card < kJoker; ++card) {
    tried[4] = card;
    const BruteClass c = ClassifyCards(tried);
    const bool kept = RankOfId(card) == kAceRank || c.handClass == 4 || c.handClass == 5 || c.handClass == 8;
    if (kept && Better(c, best)) best = c;
  }
  return best;
}

int FiveCardIndex(const int ids[5]) {
  static constexpr auto kTable = [] {
    struct T { int c[53][6]; } t{};
    for (int n = 0; n < 53; ++n) {
      for (int k = 0; k < 6; ++k) t.c[n][k] = static_cast<int>(Choose(n, k));
    }
    return t;
  }();
  return kTable.c[ids[0]][1] + kTable.c[ids[1]][2] + kTable.c[ids[2]][3] + kTable.c[ids[3]][4] +
         kTable.c[ids[4]][5];
}

void CFiveCardTable::Build(int threads) {
  classes_.assign(kFiveCardHands, BruteClass{});
  // One item per two highest cards; the index of a hand depends only on its
  // ids, so the workers write apart.
  constexpr int kDeck = kJoker + 1;
  ForEachItem(kDeck * kDeck, threads, [this](int item, int) {
    int ids[5];
    ids[4] = item / kDeck;
    ids[3] = item % kDeck;
    if (ids[3] >= ids[4]) return;
    for (ids[2] = 2; ids[2] < ids[3]; ++ids[2])
      for (ids[1] = 1; ids[1] < ids[2]; ++ids[1])
        for (ids[0] = 0; ids[0] < ids[1]; ++ids[0]) classes_[FiveCardIndex(ids)] = ClassifyByBruteForce(ids);
  });
}

}  // namespace kw::sim
