// The BETLIST of a SPIN packet is outside input: whatever its text, the
// reader stays inside it, and a list it takes holds only bets on bet slots
// of 1 dollar or more whose sum is the total, which can be checked and
// listed against every number.
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "wl/BetList.h"
#include "wl/RouletteLimits.h"
#include "wl/WinList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<char> text(data, data + size);
  text.push_back('\0');
  int bets[wl::kRouletteSlots] = {};
  double total = 0;
  if (!wl::ReadBetList(text.data(), bets, &total)) return 0;
  double sum = 0;
  for (int slot = 0; slot < wl::kRouletteSlots; ++slot) {
    if (bets[slot] < 0 || (bets[slot] != 0 && !wl::IsBetSlot(slot))) std::abort();
    sum += bets[slot];
  }
  if (sum != total) std::abort();
  const wl::RouletteLimits limits{5, 500, 1, 100, 5, 500};
  const int code = wl::CheckBetLimits(bets, total, limits, 1000);
  if (code < wl::kLimitsKept || code > wl::kAboveMoney) std::abort();
  if (code == wl::kLimitsKept && total > 500) std::abort();
  char winList[wl::kWinListTextSize];
  for (int number = 0; number < wl::kRouletteNumbers; ++number) {
    double returned = -1;
    wl::WriteWinList(number, bets, winList, &returned);
    if (returned < 0 || returned > 36.0 * total) std::abort();
  }
  return 0;
}
