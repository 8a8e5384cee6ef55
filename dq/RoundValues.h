// The values a played round can leave in a record. A record read back from
// a file (the server's saved game, the client's snapshot) that holds any
// other comes from a damaged or altered file.
#pragma once

#include <cstdint>

namespace dq {

// Far above any table's limits, and low enough that a float still holds
// its whole dollars.
inline constexpr double kMaxRoundAmount = 1e6;

// 1 when every one of count values is 0 or 1.
int AreRoundFlags(const std::int32_t* values, int count);
// 1 for a point a roll can leave on the table: 0 (none), 4, 5, 6, 8, 9 or
// 10; else 0.
int IsPoint(int value);
// 1 for a die of 0 (before the first roll) or a face.
int IsDieOrNone(std::int32_t value);
// 1 when the record's dice of this roll and the last (0 before the first)
// are dice and its come and don't come points are flags; a record of the
// server or the client.
template <class Record>
int AreRoundDiceAndComePoints(const Record& r) {
  const std::int32_t dice[] = {r.dice[0], r.dice[1], r.previousDice[0], r.previousDice[1]};
  for (std::int32_t die : dice) {
    if (IsDieOrNone(die) == 0) return 0;
  }
  return AreRoundFlags(r.comePoints, 12) && AreRoundFlags(r.dontComePoints, 12) ? 1 : 0;
}
// 1 when all count amounts are finite.
int AreFiniteAmounts(const float* amounts, int count);
// 1 for a finite amount from low to kMaxRoundAmount.
int IsRoundAmount(double value, double low);
// 1 when the kCrapsBetSlots amounts are stakes (0 to kMaxRoundAmount), and
// whole dollars when whole is 1.
int AreRoundStakes(const float* amounts, int whole);
// 1 when the kCrapsBetSlots results are each a payout or a mark.
int AreRoundResults(const float* results);

}  // namespace dq
