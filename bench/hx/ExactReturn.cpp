#include "bench/hx/ExactReturn.h"

#include <array>
#include <cstdint>
#include <unordered_map>

namespace hx::sim {
namespace {

using Classes = std::array<double, kDealerClasses>;

struct Deck {
  int n[kRanks + 1];
  int total;

  void Take(int rank) {
    --n[rank];
    --total;
  }
  void Put(int rank) {
    ++n[rank];
    ++total;
  }
  double Chance(int rank) const { return static_cast<double>(n[rank]) / total; }
  std::uint64_t Key(int up) const {
    std::uint64_t key = static_cast<std::uint64_t>(up);
    for (int r = 1; r <= kRanks; ++r) key = key << 5 | static_cast<std::uint64_t>(n[r]);
    return key;
  }
};

Deck FullDeck() {
  Deck deck{};
  for (int r = 1; r < 10; ++r) deck.n[r] = 4;
  deck.n[10] = 16;
  deck.total = 52;
  return deck;
}

void DealerDraws(SimHand dealer, Deck& deck, double p, Classes& out) {
  if (dealer.Best() >= 17) {
    out[DealerClassOf(dealer)] += p;
    return;
  }
  for (int r = 1; r <= kRanks; ++r) {
    if (deck.n[r] == 0) continue;
    const double q = p * deck.Chance(r);
    SimHand next = dealer;
    next.Add(r);
    deck.Take(r);
    DealerDraws(next, deck, q, out);
    deck.Put(r);
  }
}

class CEnumerator {
 public:
  explicit CEnumerator(Strategy strategy) : strategy_(strategy) {}

  ExactFigures Run() {
    Deck deck = FullDeck();
    double aceUp = 0, drew[kRanks + 1] = {};
    for (int p1 = 1; p1 <= kRanks; ++p1) {
      const double q1 = deck.Chance(p1);
      deck.Take(p1);
      for (int p2 = 1; p2 <= kRanks; ++p2) {
        const double q2 = q1 * deck.Chance(p2);
        deck.Take(p2);
        for (int up = 1; up <= kRanks; ++up) {
          const double q = q2 * deck.Chance(up);
          deck.Take(up);
          SimHand hand;
          hand.Add(p1);
          hand.Add(p2);
          if (hand.Natural()) figures_.naturals += q;
          if (up == 1) aceUp += q;
          up_ = up;
          Play(hand, false, deck, q, drew);
          deck.Put(up);
        }
        deck.Put(p2);
      }
      deck.Put(p1);
    }
    figures_.insurance /= aceUp;
    for (int up = 1; up <= kRanks; ++up) {
      for (double& share : figures_.dealer[up]) share /= drew[up];
    }
    return figures_;
  }

 private:
  // The player's hand in play with probability p; deck holds what is left.
  void Play(const SimHand& hand, bool doubled, Deck& deck, double p, double* drew) {
    const Action action = doubled ? (hand.cards == 3 ? kActionStand : kActionHit)
                          : hand.Bust() ? kActionStand
                                        : Decide(strategy_, hand, up_, false);
    if (action == kActionStand) {
      Settle(hand, doubled, deck, p, drew);
      return;
    }
    for (int r = 1; r <= kRanks; ++r) {
      if (deck.n[r] == 0) continue;
      SimHand next = hand;
      next.Add(r);
      const double q = p * deck.Chance(r);
      deck.Take(r);
      Play(next, doubled || action == kActionDouble, deck, q, drew);
      deck.Put(r);
    }
  }

  // A bust or a natural takes the dealer's card only to settle a bust's
  // halved loss or a natural against an ace or ten up; every other hand
  // sees him draw to 17.
  void Settle(const SimHand& hand, bool doubled, Deck& deck, double p, double* drew) {
    Classes after{};
    if (hand.Bust() || hand.Natural()) {
      for (int r = 1; r <= kRanks; ++r) {
        SimHand dealer;
        dealer.Add(up_);
        dealer.Add(r);
        after[dealer.Natural() ? kDealerNatural : kDealer17] += deck.Chance(r);
      }
    } else {
      after = DealerOutcome(deck);
      drew[up_] += p;
      for (int c = 0; c < kDealerClasses; ++c) figures_.dealer[up_][c] += p * after[c];
    }
    for (int c = 0; c < kDealerClasses; ++c) {
      SimHand dealer = Representative(c);
      figures_.ret += p * after[c] * HandNet(hand, doubled, dealer, up_);
    }
    if (up_ == 1) figures_.insurance += p * (3 * after[kDealerNatural] - 1);
  }

  // A dealer hand of the class: all HandNet reads of him.
  SimHand Representative(int c) const {
    SimHand dealer;
    if (c == kDealerNatural) {
      dealer.Add(1);
      dealer.Add(10);
    } else if (c == kDealerBust) {
      dealer.Add(10);
      dealer.Add(10);
      dealer.Add(10);
    } else {
      dealer.Add(10);
      dealer.Add(5);
      dealer.Add(2 + c);
    }
    return dealer;
  }

  Classes DealerOutcome(Deck& deck) {
    const std::uint64_t key = deck.Key(up_);
    auto found = memo_.find(key);
    if (found != memo_.end()) return found->second;
    Classes out{};
    SimHand dealer;
    dealer.Add(up_);
    DealerDraws(dealer, deck, 1.0, out);
    memo_.emplace(key, out);
    return out;
  }

  Strategy strategy_;
  int up_ = 0;
  ExactFigures figures_;
  std::unordered_map<std::uint64_t, Classes> memo_;
};

}  // namespace

ExactFigures ExactFor(Strategy strategy) { return CEnumerator(strategy).Run(); }

}  // namespace hx::sim
