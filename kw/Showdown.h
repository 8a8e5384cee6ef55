// The player's split check and the showdown of both sides' hands, on the
// server record. Positions are 0-based (0..6) in dealt order; a side's
// 5-card hand is its seven cards less the two of its 2-card hand.
#pragma once

#include "kw/PaiGowServerRecord.h"

namespace kw {

enum ShowdownResult : int {
  kPlayerWins = 0,  // both hands
  kDealerWins = 1,  // neither hand
  kPush = 2,        // exactly one hand
};

// Fills the four rank and suit arrays from the 14 dealt ids.
void DecodeCards(const std::int32_t ids[kDealtCards], PaiGowServerRecord* record);

// 1 when the player's 2-card hand at positions first and second (different,
// 0..6) does not beat his 5-card hand. Equal hands are legal.
int IsValidSplit(int first, int second, PaiGowServerRecord* record);
// 1 when the player's 5-card hand beats the dealer's; ties go to the dealer.
int CompareHighHands(int dealerA, int dealerB, int playerA, int playerB,
                     PaiGowServerRecord* record);
// 1 when the player's 2-card hand beats the dealer's; ties go to the dealer.
int CompareLowHands(int dealerA, int dealerB, int playerA, int playerB,
                    const PaiGowServerRecord& record);
// Stores won-high and won-low and answers the ShowdownResult.
int Showdown(int dealerA, int dealerB, int playerA, int playerB, PaiGowServerRecord* record);

}  // namespace kw
