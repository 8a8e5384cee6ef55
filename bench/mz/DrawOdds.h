// The exact odds of every hold of a Video Poker hand, counted without
// dealing a single draw: each hand code is counted once over the five-card
// hands that contain each subset of up to four cards, and the draws of a
// hold are what contains the held cards and none of the discarded ones
// (inclusion-exclusion over the discards). The hands are scored by an
// evaluator of this file's own, from rank and suit counts.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "mz/VideoPokerPayTable.h"

namespace mz::bench {

inline constexpr int kDeckCards = 52;
inline constexpr int kHandSize = 5;
inline constexpr int kHolds = 1 << kHandSize;  // bit i set: card i held

// A card as an index 0..51: suit * 13 + value - 1 (ace 0).
constexpr int CardIndex(int suit, int value) { return suit * 13 + value - 1; }
constexpr int SuitOf(int card) { return card / 13; }
constexpr int ValueOf(int card) { return card % 13 + 1; }

// The VideoPokerHandCode of five distinct cards.
int ScoreHand(const int cards[kHandSize]);

std::int64_t Choose(int n, int k);
// The draws of a hold of held cards: C(47, 5 - held).
std::int64_t DrawsFor(int held);
// A multiple of every DrawsFor: expected pays over it are whole numbers.
inline constexpr std::int64_t kDrawsLcm = 3LL * 5 * 11 * 23 * 43 * 47;

using CodeCounts = std::array<std::int64_t, kHandCodes>;
// For each hold, how many of its draws end in each hand code.
using HoldCounts = std::array<CodeCounts, kHolds>;

class CDrawTables {
 public:
  // Scores all 2,598,960 hands and counts them under their subsets.
  CDrawTables();
  // The odds of every hold of hand (five distinct cards, in hand order).
  void CountHolds(const int hand[kHandSize], HoldCounts* holds) const;
  // How many of the 2,598,960 hands score each code.
  const CodeCounts& DealtCounts() const { return dealt_; }

 private:
  // Counts of the hands holding each subset of size k, by colex rank.
  std::vector<std::array<std::int32_t, kHandCodes>> subsets_[kHandSize];
  std::vector<std::uint8_t> codes_;  // of each hand, by colex rank
  CodeCounts dealt_{};
};

// The odds of every hold by dealing each of its draws (2,598,960 hands
// scored): slow, the check of CDrawTables::CountHolds.
void DealHolds(const int hand[kHandSize], HoldCounts* holds);

// A hold chosen at a number of coins and its expected pay in coins times
// kDrawsLcm.
struct HoldChoice {
  int mask;
  std::int64_t value;
};

// Whole coins paid for code with coins bet.
std::int64_t PayCoins(int coins, int code);
// Expected pay of a hold in coins times kDrawsLcm.
std::int64_t HoldValue(const CodeCounts& counts, int held, int coins);
// The hold of the highest expected pay; among equals the one keeping the
// most cards, then the one ending more often in the higher codes (so every
// hand of one suit pattern plays alike).
HoldChoice BestHold(const HoldCounts& holds, int coins);

int HeldCards(int mask);

}  // namespace mz::bench
