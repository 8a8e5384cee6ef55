#include "wl/WinList.h"

#include <cstdio>
#include <cstring>

#include "wl/BetList.h"

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

int ReadWinList(const char* text, int* number, int wins[kRouletteSlots], int* anyWin) {
  int read[kRouletteSlots] = {};
  int drawn = 0, won = 0;
  const char* at = text;
  if (!ReadListedNumber(&at, &drawn) || drawn < 0 || drawn >= kRouletteNumbers) return 0;
  for (;;) {
    int slot = 0, win = 0;
    if (!ReadListedNumber(&at, &slot) || !ReadListNumber(&at, &win)) return 0;
    if (slot == 0 || win == 0) break;
    if (!IsBetSlot(slot) || win < 0) return 0;
    read[slot] = win;
    won = 1;
    if (*at != ',') return 0;
    ++at;
  }
  std::memcpy(wins, read, sizeof read);
  *number = drawn;
  *anyWin = won;
  return 1;
}

}  // namespace wl
