// The ante of a Caribbean Poker hand: chips on and off, the rebet of the
// last ante, and the one-third rule (the money must cover three antes).
#pragma once

#include "gz/CaribbeanClientRecord.h"

namespace gz {

// amount > 0 adds a chip, amount < 0 takes one off (ante phase only); the
// stack, the money shown and Deal follow. At the maximum "You have bet your
// maximum"; a chip that breaks the one-third rule "Ante must be 1/3 of
// total money!" (boxes outside a replay).
void AddChipToAnte(CaribbeanClientRecord* record, double amount);
// Buttons 4..8 (adding) are usable below the maximum, -4..-8 (taking off)
// above 0; any other value always.
int IsChipButtonEnabled(const CaribbeanClientRecord& record, int button);
int CanRebet(const CaribbeanClientRecord& record);
// The rebet ante again, cut to a third of the money.
void RebetLastAnte(CaribbeanClientRecord* record);
// The ante stack, the money shown (money - ante) and Deal.
void ShowAnteMoney(CaribbeanClientRecord* record);

}  // namespace gz
