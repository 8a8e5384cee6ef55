// The Slot machine's money model: dollars outside the machine, credits in
// it counted in coins of the machine value, and the coins bet on the coming
// spin. Logic alone, with neither drawing nor platform headers.
#pragma once

#include "jb/SlotClientRecord.h"

namespace jb {

inline constexpr int kMachineValueCount = 3;
inline constexpr double kMachineValues[kMachineValueCount] = {0.25, 1.0, 5.0};
inline constexpr int kInsertDollarCount = 5;
inline constexpr int kInsertDollars[kInsertDollarCount] = {1, 5, 25, 100, 500};
inline constexpr double kMaxBetCoins = 3.0;

// 1 for one of the machine values, else 0.
int IsMachineValue(double value);
// The value's index in kMachineValues, or -1.
int MachineValueIndex(double value);

// dollars from the money into credits at value; 0 when the money is short.
int InsertMoney(SlotClientRecord& record, int dollars, double value);
// The credits and the bet back into the money; answers the whole credits
// that were in the machine (the coins the tray shows).
int CashOutMoney(SlotClientRecord& record, double value);
// One coin from the credits onto the bet; 0 without a credit or at 3 coins.
int BetOneCoin(SlotClientRecord& record);
// The bet made 3 coins from the credits and the bet; 0 below 3 credits.
int BetThreeCoins(SlotClientRecord& record);
// The machine's credits and bet changed from oldValue to newValue: the whole
// dollars go back into credits at the new value, the cents stay in the money.
void ChangeMachineValue(SlotClientRecord& record, double oldValue, double newValue);

}  // namespace jb
