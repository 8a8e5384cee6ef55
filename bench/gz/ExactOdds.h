// The exact odds of Caribbean Poker without the server: every hand's
// strength by the independent oracle, and for a player's five cards and the
// dealer's up card how many of the dealer's possible hands the player
// beats, ties, loses to or sees fail to qualify. Counts over hands disjoint
// from the player's come by inclusion-exclusion over the cards both hands
// would share.
#pragma once

#include <cstdint>
#include <vector>

namespace gz::sim {

inline constexpr int kAllHands = 2598960;

struct DealerCounts {
  long long notQualified = 0;
  long long playerWins = 0;
  long long ties = 0;
  long long dealerWins = 0;
  long long Total() const { return notQualified + playerWins + ties + dealerWins; }
};

class CExactOdds {
 public:
  // Builds the tables (a few seconds, about 130 MB).
  CExactOdds();

  // Strength 0.. of five distinct ids in any order (higher beats lower).
  int Strength(const std::int32_t* ids) const;
  // The oracle's category (1 high card .. 11 royal flush) of five ids.
  int Category(const std::int32_t* ids) const;
  // The dealer qualifies from this strength on.
  int QualifyingStrength() const { return qualifying_; }
  // How many of all hands qualify.
  long long QualifyingHands() const { return kAllHands - belowNone_[qualifying_]; }
  // The dealer's hands holding upCard and none of the player's five.
  DealerCounts CountDealerHands(const std::int32_t* player, int upCard) const;

 private:
  // Hands holding the sorted cards of subset (count of them) with strength
  // below limit.
  long long CountBelow(const int* subset, int count, int limit) const;

  int strengths_ = 0;
  int qualifying_ = 0;
  std::vector<std::uint16_t> strength_;      // by hand rank
  std::vector<std::int32_t> belowNone_;      // [limit]
  std::vector<std::int32_t> belowOne_;       // [card][limit]
  std::vector<std::int32_t> belowTwo_;       // [pair rank][limit]
  std::vector<std::uint16_t> sortedThree_;   // 1176 ascending strengths per triple
  std::vector<std::uint16_t> sortedFour_;    // 48 per quadruple
};

// Net per unit of ante of calling with the player's category against the
// counts, at this ante (the royal's cap depends on it).
double CallReturn(int playerCategory, const DealerCounts& counts, double ante);
// The surrender loses the ante.
inline constexpr double kSurrenderReturn = -1.0;

struct ExactReturns {
  double call = 0;  // always calling
  double best = 0;  // calling when the call's expectation is at least -1
};

// Over every player hand (suit patterns counted once, weighted) and every up
// card, on threads threads; one entry per ante.
std::vector<ExactReturns> ExactReturnsAt(const CExactOdds& odds, const std::vector<double>& antes,
                                         int threads);

}  // namespace gz::sim
