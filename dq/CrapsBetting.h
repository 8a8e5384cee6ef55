// Chips on the client's table: placing and taking them off with the sounds,
// boxes and redrawing that go with it, and the chip selection.
#pragma once

#include "dq/CrapsClientRecord.h"

namespace dq {

// 1 while the client waits for bets; cleared when a roll or quit is taken.
extern int gBettingOpen;

// Adds (amount > 0) or takes off (amount < 0) whole dollars on kind under
// the table rules. A refusal plays its sound and shows its "BET ERROR" box
// (no box during a saved-game replay); the table, money, total bet and chip
// selection are redrawn as the change requires. Answers 1 when done or when
// there was nothing to take off, 0 when refused.
int PlaceBet(CrapsClientRecord* record, int amount, int kind);
// Steps the selected chip down to one the available money (balance less
// the table total) reaches, sets the chip value and moves the highlight.
void SelectChip(CrapsClientRecord* record);
// Start of a run: no highlight drawn, betting closed.
void ResetBetting();

}  // namespace dq
