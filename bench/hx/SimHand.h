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
  int firstRank = 0;
  bool split = false;  // one of two split hands: 21 of two cards is no natural

  void Add(int rank) {
    if (cards == 0) firstRank = rank;
    hard += rank;
    ++cards;
    if (rank == 1) ++aces;
  }
  int Best() const { return aces > 0 && hard + 10 <= 21 ? hard + 10 : hard; }
  bool Soft() const { return aces > 0 && hard + 10 <= 21; }
  bool Bust() const { return hard > 21; }
  bool Natural() const { return !split && cards == 2 && aces == 1 && hard == 11; }
  bool Pair() const { return cards == 2 && hard == 2 * firstRank; }
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

enum Strategy : int { kStand, kDealerLike, kDoubleTens, kBasic };
enum Action : int { kActionStand, kActionHit, kActionDouble, kActionSplit };

// A basic strategy for a dealer without a hole card who stands on soft 17:
// split aces always, eights and nines against 2..9 (nines not against 7),
// twos, threes and sevens against 2..7, sixes against 2..6; double a hard 9
// against 3..6, 10 against 2..9, 11 against 2..10; stand on soft 18 against
// 2..8, on hard 12 against 4..6 and 13..16 against 2..6.
inline Action BasicAction(const SimHand& hand, int up, bool maySplit) {
  const int upTotal = up == 1 ? 11 : up;
  const bool against = upTotal >= 2 && upTotal <= 6;
  if (maySplit && hand.Pair()) {
    switch (hand.firstRank) {
      case 1: return kActionSplit;
      case 8: if (upTotal <= 9) return kActionSplit; break;
      case 9: if (upTotal <= 9 && upTotal != 7) return kActionSplit; break;
      case 2: case 3: case 7: if (upTotal <= 7) return kActionSplit; break;
      case 6: if (against) return kActionSplit; break;
      default: break;
    }
  }
  const int best = hand.Best();
  if (hand.Soft()) {
    if (best >= 19) return kActionStand;
    if (best == 18) return upTotal <= 8 ? kActionStand : kActionHit;
    return kActionHit;
  }
  if (hand.cards == 2 && ((best == 9 && upTotal >= 3 && upTotal <= 6) ||
                          (best == 10 && upTotal <= 9) || (best == 11 && upTotal <= 10))) {
    return kActionDouble;
  }
  if (best >= 17) return kActionStand;
  if (best >= 13) return against ? kActionStand : kActionHit;
  if (best == 12) return upTotal >= 4 && upTotal <= 6 ? kActionStand : kActionHit;
  return kActionHit;
}

// stand: stand on two cards; dealer: hit while the best total is 16 or
// less; double: as dealer, but double a hard 10 or 11 of two cards.
inline Action Decide(Strategy strategy, const SimHand& hand, int up, bool maySplit) {
  if (strategy == kStand) return kActionStand;
  if (strategy == kBasic) return BasicAction(hand, up, maySplit);
  if (strategy == kDoubleTens && hand.cards == 2 && !hand.Soft() &&
      (hand.hard == 10 || hand.hard == 11)) {
    return kActionDouble;
  }
  return hand.Best() <= 16 ? kActionHit : kActionStand;
}

}  // namespace hx::sim
