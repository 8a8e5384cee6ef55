// The analysis of one five-card poker hand, as the server and the client
// both keep it in their records: 21 ints, flags 0 or 1, ranks 2..14 (0 when
// not set).
#pragma once

#include <cstddef>
#include <cstdint>

namespace gz {

inline constexpr int kHandCards = 5;

// The categories of a showdown, as CompareHands signs them: 2 never names
// one (it is the dealer-not-qualified result).
enum CaribbeanCategory : int {
  kTie = 0,
  kHighCard = 1,
  kDealerNotQualifiedResult = 2,
  kPairCategory = 3,
  kTwoPairCategory = 4,
  kThreeOfAKindCategory = 5,
  kStraightCategory = 6,
  kFlushCategory = 7,
  kFullHouseCategory = 8,
  kFourOfAKindCategory = 9,
  kStraightFlushCategory = 10,
  kRoyalFlushCategory = 11,
};

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
