// The bet of a Black Jack game: chips on and off, the top chip taken off,
// the old sum again.
#pragma once

#include "hx/BlackJackClientRecord.h"

namespace hx {

// Adds amount or takes -amount off while betting; the pile, the money shown
// and Deal follow. At the maximum: "You have bet your maximum" (outside a
// replay); over it the chip is cut to the whole-dollar difference.
void AddChipToBet(BlackJackClientRecord* record, double amount);
// ±button 4..8: adding below the maximum, taking above 0; others allowed.
int IsChipAllowed(const BlackJackClientRecord& record, int code);
int CanRepeatLastBet(const BlackJackClientRecord& record);
void RepeatLastBet(BlackJackClientRecord* record);
// The bet as the first hand's pile, the money shown and the Deal button.
void ShowBetMoney(BlackJackClientRecord* record);

}  // namespace hx
