// The analysis of a five-card hand into its HandInfo. The server's
// showdown and the client's arrangement of the hands run the same steps.
// Values are card values 2..14 (ace 14), suits 0..3.
#pragma once

#include <cstdint>

#include "gz/HandInfo.h"

namespace gz {

// Zeroes every field but the royal-flush flag (FindRoyalFlush always writes it).
void ClearHandInfo(HandInfo& info);
// The hand holds an ace and a king.
void FindAceKing(const std::int32_t* values, HandInfo& info);
// Up to two paired ranks: a full house counts as two pair, four of a kind
// as one pair.
void FindPairs(const std::int32_t* values, HandInfo& info);
// From the paired ranks found by FindPairs.
void FindTripsAndQuads(const std::int32_t* values, HandInfo& info);
void FindFlush(const std::int32_t* suits, HandInfo& info);
// Sorts values ascending in place (aces at the end); the ace-low straight
// has top card 5.
void FindStraight(std::int32_t* values, HandInfo& info);
// From the flags found before.
void FindFullHouse(HandInfo& info);
void FindStraightFlush(HandInfo& info);
void FindRoyalFlush(HandInfo& info);
// 1 when the dealer's hand holds neither ace-king nor any pair or better.
int DealerNotQualified(const HandInfo& dealer);

// The whole analysis of one hand of card ids, ace-king included: values
// (ascending) and suits of the five cards into values and suits.
void AnalyseHand(const std::int32_t* ids, std::int32_t* values, std::int32_t* suits,
                 HandInfo& info);
// The highest CaribbeanCategory an analysed hand holds (kHighCard at least).
int HandCategory(const HandInfo& info);

// Ascending bubble sort of count ints in place; answers count - 1.
int SortValues(int count, std::int32_t* values);

}  // namespace gz
