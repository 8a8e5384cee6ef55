// Mouse presses and key presses on the Caribbean Poker table: the ante,
// requests to the client machine and the dialogs.
#pragma once

#include "platform/include/plat/types.h"

namespace gz {

// button -1: the button under (x, y) for a mouse message; else a press of
// that button (message 2: right release, any other: left release).
void HandleButtonInput(int x, int y, plat::UINT message, plat::WPARAM keys, int button);
void ResetInput();
// "Start a new game" while it is on, for a hit on Surrender's place (it is
// drawn there); any other button as it is.
int ButtonInPlace(int button);

}  // namespace gz
