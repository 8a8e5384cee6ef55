// When the Banker draws a third card: the one table of the rule.
#pragma once

#include <cstdint>

namespace sq {

inline constexpr int kDrawTableRows = 10;
inline constexpr int kDrawTableColumns = 11;
// Column 0: the Player stood; column k + 1: the Player drew a third card of
// point value k.
inline constexpr int kPlayerStoodColumn = 0;

// Row 0 is the Banker's two-card total 9, row 9 its total 0; 1 draws, 0
// stands. Totals 8 and 9 are naturals and never consulted.
inline constexpr std::int32_t BankerDrawTable[kDrawTableRows][kDrawTableColumns] = {
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 9
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 8
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},  // 7
    {0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0},  // 6
    {1, 0, 0, 0, 0, 1, 1, 1, 1, 0, 0},  // 5
    {1, 0, 0, 1, 1, 1, 1, 1, 1, 0, 0},  // 4
    {1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 1},  // 3
    {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1},  // 2
    {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1},  // 1
    {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1},  // 0
};

// 1 when the Banker with this two-card total draws against the column.
constexpr int BankerDraws(int bankerTotal, int column) {
  return BankerDrawTable[kDrawTableRows - 1 - bankerTotal][column];
}

}  // namespace sq
