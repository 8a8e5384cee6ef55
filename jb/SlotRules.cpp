#include "jb/SlotRules.h"

#include <cmath>
#include <cstdio>

#include "framework/link/WholeNumbers.h"

namespace jb {

namespace {

int IsMixSymbol(int symbol) {
  for (int row = kMixRow; row <= kLastMixRow; ++row) {
    if (kPayTable[row].symbol == symbol) return 1;
  }
  return 0;
}

}  // namespace

int SlotWinRow(const int stops[kReels]) {
  int symbols[kReels];
  for (int reel = 0; reel < kReels; ++reel) symbols[reel] = kReelStrip[stops[reel]];
  for (int row = kFirstThreeOfAKindRow; row <= kLastThreeOfAKindRow; ++row) {
    const int symbol = kPayTable[row].symbol;
    if (symbols[0] == symbol && symbols[1] == symbol && symbols[2] == symbol) return row;
  }
  if (IsMixSymbol(symbols[0]) && IsMixSymbol(symbols[1]) && IsMixSymbol(symbols[2])) {
    return kMixRow;
  }
  int count = 0;
  for (int symbol : symbols) count += symbol == kPayTable[kTwoOfSymbolRow].symbol;
  if (count == 2) return kTwoOfSymbolRow;
  if (count == 1) return kOneOfSymbolRow;
  return kNoWinRow;
}

int SlotRowPay(int row, int coins) {
  if (row == kNoWinRow) return 0;
  return kPayTable[row].pays[coins - 1];
}

int ReadSlotBet(const char* text, double* coins, double* coinValue) {
  double c = 0, v = 0;
  int used = 0;
  if (std::sscanf(text, "%lf,%lf%n", &c, &v, &used) != 2 || text[used] != '\0') return 0;
  *coins = c;
  *coinValue = v;
  return 1;
}

int IsSlotBetValid(double coins, double coinValue, double balance) {
  // Written so that NaN fails every test.
  return coins >= kMinCoins && coins <= kMaxCoins && coins == std::floor(coins) &&
         coinValue >= kMinCoinValue && coinValue <= kMaxCoinValue &&
         coins * coinValue <= balance;
}

void FormatSlotWinList(const int stops[kReels], int win, char* text, std::size_t size) {
  std::snprintf(text, size, "%i,%i,%i,%lf", stops[0], stops[1], stops[2],
                static_cast<double>(win));
}

int ReadSlotWinList(const char* text, int stops[kReels], double* win) {
  std::int32_t s[kReels] = {};
  double w = 0;
  int used = 0;
  if (!ReadWholeNumberList(&text, 0, s, kReels) || *text != ',') return 0;
  if (std::sscanf(text + 1, "%lf%n", &w, &used) != 1 || text[1 + used] != '\0') return 0;
  for (int stop : s) {
    if (stop < 0 || stop >= kReelStops) return 0;
  }
  // Written so that NaN fails.
  if (!(w >= 0 && w <= kPayTable[0].pays[2] && w == std::floor(w))) return 0;
  for (int reel = 0; reel < kReels; ++reel) stops[reel] = s[reel];
  *win = w;
  return 1;
}

}  // namespace jb
