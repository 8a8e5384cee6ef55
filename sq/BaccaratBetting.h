// The stakes of a Baccarat coup: chips on and off the three areas within
// the table limits, the chip selection that follows the money left, the
// rebet of the last coup's stakes and the check that makes Deal available.
#pragma once

#include "sq/BaccaratClientRecord.h"

namespace sq {

// amount > 0 adds a chip to area (BetArea), amount < 0 takes one off;
// 1 when the stakes changed. At a limit "You have bet your maximum" (outside
// a replay); not enough money or closed betting refuse silently.
int AddChipToBet(BaccaratClientRecord* record, double amount, int area);
// 4 for 500 or more, 3 from 100, 2 from 25, 1 from 5, 0 from 1, -1 below.
int ChipIndexForAmount(double dollars);
int AreBetsWithinLimits(const BaccaratClientRecord& record);
int CanRebet(const BaccaratClientRecord& record);
// The last stakes again, pressed out as chip and area presses for the log.
void RebetLastBets(BaccaratClientRecord* record);
// Selects chip 0..4: its amount and the selector.
void SelectChip(BaccaratClientRecord* record, int chip);
// The selection falls to the largest chip money - betsOnTable covers.
void UpdateChipSelector(BaccaratClientRecord* record);
// The money left after the stakes, the chips it covers, Deal and the selector.
void ShowStakesMoney(BaccaratClientRecord* record);
// 1 while a rebet presses its chips out: the area presses only log.
int RebetRunning();

}  // namespace sq
