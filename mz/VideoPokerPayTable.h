// The Video Poker hand codes, the pay table by coins bet and the coin
// values of the machine. The server settles with it and the machine's pay
// table panel shows it, so both read this one table.
#pragma once

#include <array>
#include <cmath>

namespace mz {

enum VideoPokerHandCode : int {
  kNothing = 0,
  kJacksOrBetter = 1,
  kTwoPairs = 2,
  kThreeOfAKind = 3,
  kStraight = 4,
  kFlush = 5,
  kFullHouse = 6,
  kFourOfAKind = 7,
  kStraightFlush = 8,
  kRoyalFlush = 9,
  kHandCodes = 10,
};

inline constexpr int kMaxCoins = 5;

using PayRow = std::array<double, kHandCodes>;

// Coins paid per hand code, row n-1 for n coins: n times the one-coin row,
// except the royal flush with five coins.
inline constexpr std::array<PayRow, kMaxCoins> VideoPokerPayTable = {{
    {0, 1, 2, 3, 4, 5, 7, 20, 50, 250},
    {0, 2, 4, 6, 8, 10, 14, 40, 100, 500},
    {0, 3, 6, 9, 12, 15, 21, 60, 150, 750},
    {0, 4, 8, 12, 16, 20, 28, 80, 200, 1000},
    {0, 5, 10, 15, 20, 25, 35, 100, 250, 5000},
}};

// The machine's coin values in dollars.
inline constexpr std::array<double, 3> kCoinValues = {0.25, 1.0, 5.0};

constexpr int IsCoinValue(double value) {
  for (double coin : kCoinValues) {
    if (value == coin) return 1;
  }
  return 0;
}

// The gross win in dollars of a hand played for betAmount at coinValue:
// the row of the whole coins bet (betAmount / coinValue cut to a whole
// number); 0 for a code or coin count the table has no cell for.
inline double VideoPokerWin(double betAmount, double coinValue, int code) {
  const double coins = std::trunc(betAmount / coinValue);
  if (!(coins >= 1 && coins <= kMaxCoins) || code < 0 || code >= kHandCodes) return 0;
  return coinValue * VideoPokerPayTable[static_cast<int>(coins) - 1][code];
}

}  // namespace mz
