// The hands as the Caribbean Poker client lays them out at the showdown:
// ordered by rank from the ace down, with the cards that make the hand's
// category moved to the front.
#pragma once

#include <cstdint>

#include "gz/HandInfo.h"

namespace gz {

// The name codes of an arranged hand: a CaribbeanCategory (kHighCard and
// up), or one of these.
inline constexpr int kNameNotSet = 0;
inline constexpr int kNameNotQualified = kDealerNotQualifiedResult;
inline constexpr int kNameAceKing = 12;

// The five ids ordered by rank from the ace down; cards of one rank keep
// their order in ids.
void SortCardsByRank(const std::int32_t ids[kHandCards], std::int32_t out[kHandCards]);

struct ArrangedHands {
  std::int32_t player[kHandCards];  // in: ordered by rank; out: arranged
  std::int32_t dealer[kHandCards];
  std::int32_t playerName;
  std::int32_t dealerName;
  HandInfo playerInfo;
  HandInfo dealerInfo;
  std::int32_t dealerNotQualified;
};

// Analyses both hands (already ordered by rank) and arranges each by its
// category; a dealer who does not qualify keeps the rank order.
void EvaluateHandName(ArrangedHands& hands);

}  // namespace gz
