// The dealer's house way: which two of his seven cards form his 2-card hand.
// Ranks and suits follow Cards.h; positions are 0-based in dealt order.
#pragma once

#include "kw/PaiGowServerRecord.h"

namespace kw {

enum PairKind : int {
  kNoPair7 = 0,
  kOnePair7 = 1,
  kTwoPairs7 = 2,
  kThreePairs7 = 3,
  kThree7 = 4,
  kTwoThrees7 = 5,
  kFullHouse7 = 6,
  kFour7 = 7,
  kFourAndPair7 = 8,
  kFourAndThree7 = 9,
  kThreeAndTwoPairs7 = 10,
  kFiveAces7 = 11,
  kFiveAcesAndPair7 = 12,
};

enum StraightFlushCode : int {
  kNeitherStraightNorFlush = 0,
  kStraightOnly = 1,
  kFlushOnly = 2,
  kStraightAndFlush = 3,
};

// The joker word of StraightFlushFindings:
// 0 no joker, 1 the joker is present. With a straight only, 2 marks a joker
// that fills a gap inside the run (the gap just below the top of a run of 7
// excepted) or a missing card of A-2-3-4-5. With both a straight and a flush,
// 2 marks a straight flush without a joker in the hand, 3 one with the joker.
inline constexpr int kJokerAbsent = 0;
inline constexpr int kJokerPresent = 1;
inline constexpr int kJokerInGap = 2;                 // straight only
inline constexpr int kStraightFlushWithoutJoker = 2;  // both
inline constexpr int kStraightFlushWithJoker = 3;     // both

// The pair structure of seven cards, the joker as an ace. 1 for kinds 1..12.
int ClassifyPairs7(const std::int32_t ranks[kHandCards], PairStructure* pairs);
// What straight and flush the seven cards can make, the joker filling either.
// The run is the longest one, the highest of equal length; a joker that
// fills a gap inside a run of 6 or 7 with a flush too shows as leftOver[1] 1.
void FindStraightFlush7(const std::int32_t ranks[kHandCards], const std::int32_t suits[kHandCards],
                        StraightFlushFindings* findings);
// 1 to split two pairs (the low pair goes to the 2-card hand), 0 to keep both
// in the 5-card hand; singles s1 > s2 count the joker 14.
int HouseWaySplitTwoPair(int highPair, int lowPair, int s1, int s2);

// 10 x a + b, a < b, the positions of the two cards of the 2-card hand of the
// seven cards; also fills pairs and findings.
int HouseWay7(const std::int32_t ranks[kHandCards], const std::int32_t suits[kHandCards],
              PairStructure* pairs, StraightFlushFindings* findings);
// HouseWay7 on the dealer's cards of the record.
int DealerHouseWay(PaiGowServerRecord* record);

}  // namespace kw
