// Five-card hands classed by brute force, apart from the rules' code: real
// cards by counting ranks and suits, the joker by trying it as every card
// and keeping it only as an ace or where it completes a straight or flush.
// The class of every hand of the 53 cards is kept in one table.
#pragma once

#include <cstdint>
#include <vector>

namespace kw::sim {

struct BruteClass {
  std::int8_t handClass;     // 0 high card .. 9 five aces
  std::int8_t straightRank;  // class 4: 15 A-K-Q-J-10, 14 A-2-3-4-5, else the top
  std::int8_t pairRank;      // class 1: the pair, the joker as an ace
};

// ids ascending, 0..52.
BruteClass ClassifyByBruteForce(const int ids[5]);

// Position of five ids (ascending) among all 2,869,685 hands.
int FiveCardIndex(const int ids[5]);
inline constexpr int kFiveCardHands = 2869685;

class CFiveCardTable {
 public:
  // Classes every hand on threads workers.
  void Build(int threads);
  const BruteClass& At(const int ids[5]) const { return classes_[FiveCardIndex(ids)]; }

 private:
  std::vector<BruteClass> classes_;
};

}  // namespace kw::sim
