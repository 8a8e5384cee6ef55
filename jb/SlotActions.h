// What the Slot machine's buttons and keys do to the money and the screen.
#pragma once

#include "jb/SlotClientRecord.h"

namespace jb {

// Insert $1, $5, $25, $100 or $500 (k = 0..4).
void InsertCoins(SlotClientRecord* record, int k);
void CashOut(SlotClientRecord* record);
void BetOne(SlotClientRecord* record);
// Bet 3 coins; spin 1 also asks for the spin (the button), 0 not (Space).
void BetThree(SlotClientRecord* record, int spin);
// To the machine value kMachineValues[k], unless a spin is pending.
void ChangeMachine(SlotClientRecord* record, int k);
void PullLever(SlotClientRecord* record);
// Spin and Enter: the spin request, which waits for a bet.
void RequestSpin(SlotClientRecord* record);
// Cash out, Bet one coin and Bet 3 coins as the credits and the bet allow.
void EnableBetting(const SlotClientRecord* record);
// Money, credit, bet and paid readouts.
void DrawReadouts(const SlotClientRecord* record);

}  // namespace jb
