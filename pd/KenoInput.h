// The Keno program's button handler, its keys and the space-bar rebet.
#pragma once

#include "platform/include/plat/types.h"

namespace pd {

// The shell's HandleButtonInput hook: button -1 hit-tests (x, y) for a mouse
// message; a button number is a release of kind message (2 right).
void HandleButtonInput(int x, int y, plat::UINT message, plat::WPARAM keys, int button);
// The player's last bet again, marked through the cells' own presses, when
// the board is free, the pay table closed, a rebet allowed and affordable.
void RebetLastBet();
// Start of a run.
void ResetInput();

}  // namespace pd
