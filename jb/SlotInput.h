// Mouse presses and releases over the Slot machine's buttons, and its keys.
#pragma once

#include "platform/include/plat/types.h"

namespace jb {

// button -1: the button under (x, y); else a release of that button.
void HandleButtonInput(int x, int y, plat::UINT message, plat::WPARAM keys, int button);
// WM_KEYDOWN: Enter spins, Esc closes, Space bets 3 coins, O the options.
void HandleKeyDown(plat::WPARAM key);
void ResetInput();

}  // namespace jb
