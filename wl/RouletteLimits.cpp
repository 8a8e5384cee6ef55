#include "wl/RouletteLimits.h"

#include <cstdio>

namespace wl {
namespace {

// The code of one slot's amount against its limits, 0 when kept.
int SlotCode(int slot, double amount, const RouletteLimits& limits) {
  if (IsOutsideSlot(slot)) {
    if (amount < limits.minExtern) return kBelowMinExtern;
    if (amount > limits.maxExtern) return kAboveMaxExtern;
    return kLimitsKept;
  }
  if (amount < limits.minNr) return kBelowMinNr;
  if (amount > limits.maxNr) return kAboveMaxNr;
  return kLimitsKept;
}

int TableCode(double total, const RouletteLimits& limits) {
  if (total < limits.minTable) return kBelowMinTable;
  if (total > limits.maxTable) return kAboveMaxTable;
  return kLimitsKept;
}

}  // namespace

int CheckBetLimits(const int bets[kRouletteSlots], double total, const RouletteLimits& limits,
                   double money) {
  if (total == 0) return kLimitsKept;
  for (int slot = kFirstBetSlot; slot <= kLastBetSlot; ++slot) {
    if (bets[slot] == 0) continue;
    const int code = SlotCode(slot, bets[slot], limits);
    if (code != kLimitsKept) return code;
  }
  const int code = TableCode(total, limits);
  if (code != kLimitsKept) return code;
  return total > money ? kAboveMoney : kLimitsKept;
}

int CheckChipLimits(const int bets[kRouletteSlots], double totalBet, const RouletteLimits& limits,
                    double x, int slot) {
  const double total = totalBet + x;
  if (total == 0) return kLimitsKept;
  const int first = slot == 0 ? kFirstBetSlot : slot;
  const int last = slot == 0 ? kLastBetSlot : slot;
  for (int s = first; s <= last; ++s) {
    if (!IsBetSlot(s)) continue;
    const double amount = bets[s] + x;
    if (amount == 0) continue;
    const int code = SlotCode(s, amount, limits);
    if (code != kLimitsKept) return code;
  }
  return TableCode(total, limits);
}

void LimitText(int code, const RouletteLimits& limits, char* text, std::size_t size) {
  switch (code) {
    case kBelowMinTable:
      std::snprintf(text, size, "The table's minimum is set to $%.0f!", limits.minTable);
      break;
    case kAboveMaxTable:
      std::snprintf(text, size, "The table's maximum is set to $%.0f!", limits.maxTable);
      break;
    case kBelowMinNr:
      std::snprintf(text, size, "The minimum limit on all numbers is set to $%.0f!", limits.minNr);
      break;
    case kAboveMaxNr:
      std::snprintf(text, size, "The maximum limit on a number is set to $%.0f!", limits.maxNr);
      break;
    case kBelowMinExtern:
      std::snprintf(text, size, "The minimum limit on all none numbers is set to $%.0f!",
                    limits.minExtern);
      break;
    case kAboveMaxExtern:
      std::snprintf(text, size, "The maximum limit on all none numbers is set to $%.0f!",
                    limits.maxExtern);
      break;
    case kAboveMoney:
      std::snprintf(text, size, "you don't have enough money to play your bet");
      break;
    default: std::snprintf(text, size, "%s", ""); break;
  }
}

}  // namespace wl
