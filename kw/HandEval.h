// The 5-card Pai Gow hand rules. Ranks and suits follow Cards.h (the joker
// rank 1, suit 4). Each classifier clears the value first and writes the
// class it finds, so a caller copies it out before the next evaluation.
#pragma once

#include "kw/PaiGowServerRecord.h"

namespace kw {

enum HandClass : int {
  kHighCard = 0,
  kOnePair = 1,
  kTwoPair = 2,
  kThreeOfAKind = 3,
  kStraight = 4,
  kFlush = 5,
  kFullHouse = 6,
  kFourOfAKind = 7,
  kStraightFlush = 8,
  kFiveAces = 9,
};

// Straight ranks of rank1: A-K-Q-J-10 ranks 15, A-2-3-4-5 ranks 14, every
// other straight by its top card.
inline constexpr int kBroadwayRank = 15;
inline constexpr int kWheelRank = 14;

// Sorts from the largest down.
void SortDescending(int count, int* values);
// a when a equals b, else 0.
constexpr int PairValue(int a, int b) { return a == b ? a : 0; }

// The pair classes (0, 1, 2, 3, 6, 7, 9), the joker as an ace. 1 when one
// of 1 or more was found.
int ClassifyPairs5(const int ranks[5], HandValue* value);
// Straight, flush and straight flush (4, 5, 8), the joker filling either.
// 1 when one was found.
int ClassifyStraightFlush5(const int ranks[5], const int suits[5], HandValue* value);
// The hand's class: straight and flush first, else the pair classes.
void EvaluateHand5(const int ranks[5], const int suits[5], HandValue* value);
// 1 when five ranks sorted from the largest down (the joker 1, last) form a
// straight by the rules of ClassifyStraightFlush5.
int IsStraight5(const int sorted[5]);

}  // namespace kw
