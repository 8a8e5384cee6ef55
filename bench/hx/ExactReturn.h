// The exact figures of a strategy, by enumerating every draw from a fresh
// 52-card deck by rank: the player's two cards, the dealer's up card, the
// player's hits, then the dealer's draws from what is left.
#pragma once

#include "bench/hx/SimHand.h"

namespace hx::sim {

struct ExactFigures {
  double ret = 0;        // net per unit of the round's bet
  double naturals = 0;   // share of rounds dealt a player natural
  double insurance = 0;  // net per unit of insurance stake, ace up
  // Under the strategy, per up rank (1..10), the dealer's final class in the
  // rounds where he drew to 17.
  double dealer[kRanks + 1][kDealerClasses] = {};
};

ExactFigures ExactFor(Strategy strategy);

}  // namespace hx::sim
