// The house rules of one roll, written out here from the payout table on
// their own, so that the exact return does not come from the settlement it
// checks: a wrong payout in the server shows as a gap between the columns.
// No group works on a come-out roll: the simulated player never turns one on.
#pragma once

#include <cstdint>

#include "dq/BetModel.h"

namespace dq::sim {

// What decides a roll: the point and the come points (both indexed by
// number), and the bets. No padding, so its bytes can key a map.
struct SimTable {
  std::int32_t point;  // 0: the next roll is a come-out roll
  std::int32_t comePoints[13];
  std::int32_t dontComePoints[13];
  float bets[kCrapsBetSlots];
};
static_assert(sizeof(SimTable) == 4 * (1 + 13 + 13 + kCrapsBetSlots));

// Writes the result of every kind (the whole payout with the stake, or
// kResultStays / kResultLost / kResultReturned; 0 without a stake) for the
// dice, then moves the point and the come points. The bets are left as
// they were.
void SettleOnTable(SimTable& table, int die1, int die2, float* results);

}  // namespace dq::sim
