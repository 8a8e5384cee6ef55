// The bet of a Pai Gow round: chips on and off, the repeat of the last bet.
#pragma once

#include "kw/PaiGowClientRecord.h"

namespace kw {

// Adds amount (a chip) or takes -amount off while betting; the pile, the
// money shown and the Deal button follow. A chip over the maximum is cut to
// it; at the maximum "You have bet your maximum" (outside a replay).
void PlaceBet(PaiGowClientRecord* record, double amount);
// Chip codes 4..8 add and are usable below the maximum; -4..-8 take off and
// are usable above 0; other codes are always usable.
int IsChipUsable(const PaiGowClientRecord& record, int code);
int CanRepeatLastBet(const PaiGowClientRecord& record);
// The last bet again (the minimum when the money does not cover it).
void RepeatLastBet(PaiGowClientRecord* record);
// The pile, the money shown (money minus the bet) and the Deal button.
void ShowBetMoney(PaiGowClientRecord* record);

}  // namespace kw
