// The Keno pay table: whole dollars returned for a bet, the stake included,
// by stake, count of numbers picked and matches. The server settles with it
// and the pay-table panel shows it, so both read this one table.
#pragma once

#include <array>
#include <cstdint>

namespace pd {

inline constexpr int kKenoStakes = 3;      // $1, $5, $10
inline constexpr int kKenoRows = 10;       // 10 - count: 10 numbers first
inline constexpr int kKenoColumns = 6;     // count - matches: all matched first
inline constexpr int kKenoMaxPicks = 10;
inline constexpr int kKenoMinPicks = 3;
inline constexpr std::int32_t kKenoTopPrize = 100000;
inline constexpr std::int32_t kKenoStakeDollars[kKenoStakes] = {1, 5, 10};

using KenoRow = std::array<std::int32_t, kKenoColumns>;
using KenoStakeTable = std::array<KenoRow, kKenoRows>;
using KenoTable = std::array<KenoStakeTable, kKenoStakes>;

// The $1 returns; the rows for 2 and 1 numbers pay nothing.
inline constexpr KenoStakeTable kKenoDollarTable = {{
    {100000, 5000, 1000, 200, 20, 5},  // 10 numbers
    {90000, 5000, 500, 50, 5, 0},      // 9
    {80000, 1500, 100, 10, 0, 0},      // 8
    {12500, 250, 25, 5, 0, 0},         // 7
    {2000, 50, 10, 2, 0, 0},           // 6
    {400, 20, 5, 0, 0, 0},             // 5
    {100, 5, 2, 0, 0, 0},              // 4
    {50, 2, 0, 0, 0, 0},               // 3
    {0, 0, 0, 0, 0, 0},                // 2
    {0, 0, 0, 0, 0, 0},                // 1
}};

// The larger stakes pay their multiple of the $1 return up to the top prize.
constexpr KenoTable MakeKenoPayTable() {
  KenoTable table{};
  for (int s = 0; s < kKenoStakes; ++s) {
    for (int row = 0; row < kKenoRows; ++row) {
      for (int column = 0; column < kKenoColumns; ++column) {
        const std::int32_t scaled = kKenoDollarTable[row][column] * kKenoStakeDollars[s];
        table[s][row][column] = scaled < kKenoTopPrize ? scaled : kKenoTopPrize;
      }
    }
  }
  return table;
}

// Indexed [stake index][10 - count][count - matches].
inline constexpr KenoTable KenoPayTable = MakeKenoPayTable();

// 0, 1 or 2 for a stake of 1, 5 or 10 dollars; -1 for any other.
constexpr int KenoStakeIndex(int stake) {
  for (int s = 0; s < kKenoStakes; ++s) {
    if (kKenoStakeDollars[s] == stake) return s;
  }
  return -1;
}

// The dollars returned for stake on count numbers with matches of them hit;
// 0 for a miss the table has no column for, and for a bet it cannot hold.
constexpr std::int32_t KenoReturn(int stake, int count, int matches) {
  const int s = KenoStakeIndex(stake);
  const int column = count - matches;
  if (s < 0 || count < 1 || count > kKenoMaxPicks || column < 0 || column >= kKenoColumns) return 0;
  return KenoPayTable[s][kKenoMaxPicks - count][column];
}

}  // namespace pd
