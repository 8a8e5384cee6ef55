#include "wl/WinList.h"

#include <cstdio>

namespace wl {

void WriteWinList(int number, const int bets[kRouletteSlots], char text[kWinListTextSize],
                  double* returned) {
  int at = std::snprintf(text, kWinListTextSize, "%i,", number);
  double sum = 0;
  for (const int slot : kWinningSlots[number]) {
    if (slot == 0) break;
    if (bets[slot] == 0) continue;
    const long long win = static_cast<long long>(bets[slot]) * kSlotPayout[slot];
    at += std::snprintf(text + at, kWinListTextSize - at, "%i,%lld,", slot, win);
    sum += static_cast<double>(win + bets[slot]);
  }
  std::snprintf(text + at, kWinListTextSize - at, "0,0");
  *returned = sum;
}

}  // namespace wl
