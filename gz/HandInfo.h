// The analysis of one five-card poker hand, as the server and the client
// both keep it in their records: 21 ints, flags 0 or 1, ranks 2..14 (0 when
// not set).
#pragma once

#include <cstddef>
#include <cstdint>

namespace gz {

inline constexpr int kHandCards = 5;

struct HandInfo {
  std::int32_t aceKing;             // an ace and a king (looked for in the dealer's hand only)
  std::int32_t pair;
  std::int32_t pairRank;            // the higher of the paired ranks
  std::int32_t twoPair;
  std::int32_t highPairRank;
  std::int32_t lowPairRank;
  std::int32_t threeOfAKind;
  std::int32_t threeOfAKindRank;
  std::int32_t straight;
  std::int32_t straightTop;         // 5 for the ace-low straight
  std::int32_t flush;
  std::int32_t flushSuit;
  std::int32_t fullHouse;
  std::int32_t fullHousePairRank;
  std::int32_t fullHouseThreeRank;
  std::int32_t fourOfAKind;
  std::int32_t fourOfAKindRank;
  std::int32_t straightFlush;
  std::int32_t straightFlushTop;
  std::int32_t straightFlushSuit;
  std::int32_t royalFlush;
};

static_assert(sizeof(HandInfo) == 21 * sizeof(std::int32_t));
static_assert(offsetof(HandInfo, royalFlush) == 20 * sizeof(std::int32_t));

}  // namespace gz
