// An independent poker ranking for the engine's tests, from rank and suit
// counts alone: the category code of the showdown and the ranks that break
// ties within it, most significant first.
#pragma once

#include <array>
#include <cstdint>

namespace gz::test {

struct PokerKey {
  int category = 0;               // 1 high card .. 11 royal flush, as CompareHands
  std::array<int, 5> ranks = {};  // tie-break ranks, 0 padded

  auto operator<=>(const PokerKey&) const = default;
};

PokerKey RankHand(const std::int32_t* ids);
// The dealer qualifies with ace-king or any pair or better.
bool Qualifies(const std::int32_t* ids);

}  // namespace gz::test
