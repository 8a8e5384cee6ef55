// The simulation's own Black Jack arithmetic, kept apart from the server's
// so that a fault there shows as a mismatch: hands by rank (1 ace, 10 any
// ten-valued card), the dealer's outcome classes, the net of a settled hand
// and the player's strategies.
#pragma once

namespace hx::sim {

inline constexpr int kRanks = 10;

inline int RankOf(int value) { return value >= 10 ? 10 : value; }

struct SimHand {
  int hard = 0;  // aces counted 1
  int cards = 0;
  int aces = 0;

  void Add(int rank) {
    hard += rank;
    ++cards;
    if (rank == 1) ++aces;
  }
  int Best() const { return aces > 0 && hard + 10 <= 21 ? hard + 10 : hard; }
  bool Soft() const { return aces > 0 && hard + 10 <= 21; }
  bool Bust() const { return hard > 21; }
  bool Natural() const { return cards == 2 && aces == 1 && hard == 11; }
};

// Where the dealer ended: 17..21 as 0..4, then a natural, then a bust.
enum DealerClass : int { kDealer17 = 0, kDealerNatural = 5, kDealerBust = 6, kDealerClasses = 7 };

inline int DealerClassOf(const SimHand& dealer) {
  if (dealer.Natural()) return kDealerNatural;
  if (dealer.Bust()) return kDealerBust;
  return dealer.Best() - 17;
}

// The net of one finished hand in units of the round's bet. A doubled hand
// that loses to a natural made on a ten up loses only the bet before the
// double; a natural pays 3 to 2 and pushes only a dealer natural.
inline double HandNet(const SimHand& player, bool doubled, const SimHand& dealer, int upRank) {
  const double stake = doubled ? 2 : 1;
  const double loss = doubled && upRank == 10 && dealer.Natural() ? 1 : stake;
  if (player.Bust()) return -loss;
  if (player.Natural()) return dealer.Natural() ? 0 : 1.5;
  if (dealer.Natural()) return -loss;
  if (dealer.Bust() || player.Best() > dealer.Best()) return stake;
  return player.Best() == dealer.Best() ? 0 : -stake;
}

enum Strategy : int { kStand, kDealerLike, kDoubleTens };
enum Action : int { kActionStand, kActionHit, kActionDouble };

// stand: stand on two cards; dealer: hit while the best total is 16 or
// less; double: as dealer, but double a hard 10 or 11 of two cards.
inline Action Decide(Strategy strategy, const SimHand& hand) {
  if (strategy == kStand) return kActionStand;
  if (strategy == kDoubleTens && hand.cards == 2 && !hand.Soft() &&
      (hand.hard == 10 || hand.hard == 11)) {
    return kActionDouble;
  }
  return hand.Best() <= 16 ? kActionHit : kActionStand;
}

}  // namespace hx::sim
