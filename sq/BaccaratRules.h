// The coup of Baccarat (punto banco): the deal, the third-card rules, the
// outcome and its payouts, and the check of the three stakes. Logic alone.
#pragma once

#include "gz/Deal.h"
#include "sq/BaccaratServerRecord.h"

namespace sq {

// Gross returns on a stake that was already debited: even money, 0.95 to 1
// after the Banker's commission, 8 to 1.
inline constexpr double kPlayerPayout = 2.0;
inline constexpr double kBankerPayout = 1.95;
inline constexpr double kTiePayout = 9.0;

// Deals the six cards of the next coup from a fresh deck into the slots in
// their order, and turns each into its rank (ComputeCardRanks).
void DealCards(BaccaratServerRecord& record, gz::DealRandom random);
// Point slot i = the rank of card i, 2..14 (ace 14).
void ComputeCardRanks(const std::int32_t* cards, BaccaratServerRecord& record);
// The point value of a rank 2..14: tens and faces 0, the ace 1.
int PointValue(int rank);

// Plays the dealt coup: point values, totals, the third cards not drawn
// marked kNotDrawn, winner, result and win, by the stakes in the record.
void PlayCoup(BaccaratServerRecord& record);
// What the played coup returns to the account: the win, and on a tie won
// by a Tie stake the Player and Banker stakes as well.
double CoupCredit(const BaccaratServerRecord& record);

// 1 when every non-zero stake lies within minBet..maxBet and the three add
// up to no more than maxTable; nan and infinities never do.
int CheckBets(const BaccaratServerRecord& record);
// The three stakes together.
double StakeSum(const BaccaratServerRecord& record);

}  // namespace sq
