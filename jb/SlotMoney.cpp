#include "jb/SlotMoney.h"

#include <cmath>

namespace jb {

int IsMachineValue(double value) { return MachineValueIndex(value) >= 0; }

int MachineValueIndex(double value) {
  for (int k = 0; k < kMachineValueCount; ++k) {
    if (value == kMachineValues[k]) return k;
  }
  return -1;
}

int InsertMoney(SlotClientRecord& r, int dollars, double value) {
  if (dollars <= 0 || r.money < dollars) return 0;
  r.credits += dollars / value;
  r.money -= dollars;
  return 1;
}

int CashOutMoney(SlotClientRecord& r, double value) {
  const int coins = static_cast<int>(r.credits);
  r.money += (r.betCoins + r.credits) * value;
  r.credits = 0;
  r.betCoins = 0;
  return coins;
}

int BetOneCoin(SlotClientRecord& r) {
  if (r.credits < 1 || r.betCoins >= kMaxBetCoins) return 0;
  r.betCoins += 1;
  r.credits -= 1;
  return 1;
}

int BetThreeCoins(SlotClientRecord& r) {
  if (r.credits < kMaxBetCoins) return 0;
  r.credits = r.credits + r.betCoins - kMaxBetCoins;
  r.betCoins = kMaxBetCoins;
  return 1;
}

void ChangeMachineValue(SlotClientRecord& r, double oldValue, double newValue) {
  // Counted in cents, so 1.4 credits of $5 are 7 whole dollars and not 6.99.
  const long long cents = std::llround((r.credits + r.betCoins) * oldValue * 100.0);
  const long long dollars = cents / 100;
  r.money += static_cast<double>(cents) / 100.0;
  r.credits = 0;
  r.betCoins = 0;
  r.money -= static_cast<double>(dollars);
  r.credits = static_cast<double>(dollars) / newValue;
}

}  // namespace jb
