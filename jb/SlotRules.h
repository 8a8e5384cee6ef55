// The Slot machine's reel strip, pay table and bet limits, and the win of a
// spin: logic and data alone, with neither drawing nor platform headers, so
// the server, the client, a test or a simulation link it by itself.
#pragma once

#include <cstddef>
#include <cstdint>

namespace jb {

inline constexpr int kReels = 3;
inline constexpr int kReelStops = 22;
inline constexpr int kBlank = 0;

// The one strip of all three reels: stop i shows symbol kReelStrip[i].
inline constexpr std::int32_t kReelStrip[kReelStops] = {1, 0, 4, 0, 3, 0, 5, 0, 2, 0, 4,
                                                        0, 1, 0, 2, 0, 6, 0, 3, 0, 2, 0};

// A pay table row: the symbol and the pays in coins for 1, 2 and 3 coins.
struct PayRow {
  std::int32_t symbol;
  std::int32_t pays[3];
};
static_assert(sizeof(PayRow) == 16);

inline constexpr int kPayRows = 11;
inline constexpr PayRow kPayTable[kPayRows] = {
    {6, {1000, 2000, 5000}},  // three 6
    {5, {250, 500, 750}},     // three 5
    {4, {50, 100, 150}},      // three 4
    {3, {25, 50, 75}},        // three 3
    {2, {10, 20, 30}},        // three 2
    {1, {10, 20, 30}},        // three 1
    {2, {4, 8, 12}},          // any mix of the symbols of rows 6, 7 and 8
    {3, {4, 8, 12}},
    {4, {4, 8, 12}},
    {1, {4, 8, 12}},  // the symbol of row 9 on exactly two reels
    {1, {2, 4, 6}},   // ... on exactly one reel
};
inline constexpr int kFirstThreeOfAKindRow = 0;
inline constexpr int kLastThreeOfAKindRow = 5;
inline constexpr int kMixRow = 6;
inline constexpr int kLastMixRow = 8;
inline constexpr int kTwoOfSymbolRow = 9;
inline constexpr int kOneOfSymbolRow = 10;
inline constexpr int kNoWinRow = -1;

// Bet limits, both ends included.
inline constexpr double kMinCoins = 1.0;
inline constexpr double kMaxCoins = 3.0;
inline constexpr double kMinCoinValue = 0.25;
inline constexpr double kMaxCoinValue = 5.0;

// The row whose pays a spin with these stops earns, or kNoWinRow. Stops
// are 0..kReelStops-1.
int SlotWinRow(const int stops[kReels]);
// The win in coins of row (kNoWinRow: 0) for a whole number of coins 1..3.
int SlotRowPay(int row, int coins);

// BET "coins,coin value": 1 and both values when the text is exactly two
// numbers with a comma between; else 0.
int ReadSlotBet(const char* text, double* coins, double* coinValue);
// 1 when the coins are whole and within the limits, the coin value is
// within its limits and the stake coins x coin value is within balance.
// Part coins are refused: the pay column is whole coins while the stake
// would be charged in full.
int IsSlotBetValid(double coins, double coinValue, double balance);

// WINLIST "stop1,stop2,stop3,win": the text of a spin.
inline constexpr std::size_t kWinListTextSize = 64;
void FormatSlotWinList(const int stops[kReels], int win, char* text, std::size_t size);
// The client's reading of it: 1 with three stops 0..21 and a win of whole
// coins 0..5000, else 0 (the stops index the reels' frame tables).
int ReadSlotWinList(const char* text, int stops[kReels], double* win);

}  // namespace jb
