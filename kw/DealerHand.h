// The working view of the dealer's seven cards while the house way picks
// his 2-card hand: the cards, their orders, and the positions taken so far.
#pragma once

#include "kw/PaiGowServerRecord.h"

namespace kw {

struct DealerHand {
  int rank[kHandCards];     // the joker 1
  int suit[kHandCards];     // the joker 4
  int value[kHandCards];    // the joker 14
  int joker;                // its position, -1 without
  int byValue[kHandCards];  // positions, highest value first, ties in dealt order
  int byRank[kHandCards];   // positions, highest rank first, the joker last
  int single[kHandCards];   // positions outside every pair or three, by value
  int singleCount;
  int lowestPair;           // the lowest pair's rank, 0 without
  PairStructure pairs;
  StraightFlushFindings sf;
  int low[2];               // the positions taken for the 2-card hand
  int lowCount;
};

void InitDealerHand(const std::int32_t ranks[kHandCards], const std::int32_t suits[kHandCards],
                    const PairStructure& pairs, const StraightFlushFindings& sf, DealerHand* h);

bool IsTaken(const DealerHand& h, int pos);
// Takes pos for the 2-card hand unless it is -1, taken already or the hand
// is full.
void Take(DealerHand* h, int pos);
// Up to count cards of value, first in dealt order; value 14 takes the joker
// too unless realOnly.
void TakeValue(DealerHand* h, int value, int count, bool realOnly = false);
// As TakeValue, those outside the flush suit first; the joker counts as
// of the suit, since it fills the flush.
void TakeValueOffSuit(DealerHand* h, int value, int count);
// One card of exactly this rank (1 the joker), first in dealt order.
void TakeRank(DealerHand* h, int rank);
// The highest count cards left, the joker last.
void TakeHighest(DealerHand* h, int count);
// The n-th highest card (0-based, the joker last) when it is free.
void TakeNthHighest(DealerHand* h, int n);
// The first count cards in dealt order outside the flush suit; the joker
// counts as outside only when jokerIsOutside.
void TakeOutsideSuit(DealerHand* h, int count, bool jokerIsOutside);
// The joker when present and free.
void TakeJoker(DealerHand* h);
// Completes the 2-card hand with the joker, else the lowest cards left.
void CompleteLow(DealerHand* h);
// After a rule took two of the three cards of value low: when the five left
// make no straight or flush, takes instead the two of the three whose five
// left rank highest (a joker in a gap of the run must stay high).
void KeepStraightOrFlushHigh(DealerHand* h, int value);

// Position of the n-th highest card, the joker last.
int NthHighest(const DealerHand& h, int n);
// First position in dealt order of exactly this rank, -1 without.
int FirstOfRank(const DealerHand& h, int rank);
// The highest position (the joker last) that is neither excluded nor of
// rank skipRank (0: none) nor the joker; -1 without.
int HighestExcept(const DealerHand& h, int excluded, int skipRank);
// The next card below pos in rank order, of another rank, neither excluded
// nor the joker; -1 without.
int NextLowerOtherRank(const DealerHand& h, int pos, int excluded);

// 1 when the five cards other than those of value (14: the joker too) form
// a straight.
bool OutsideFormStraight(const DealerHand& h, int value);
// 1 when every card other than those of value is of the flush suit or the
// joker.
bool OutsideAllSuited(const DealerHand& h, int value);
bool IsOfFlushSuit(const DealerHand& h, int pos);
// 1 when a real ace of the flush suit is among the cards.
bool HasFlushAce(const DealerHand& h);

}  // namespace kw
