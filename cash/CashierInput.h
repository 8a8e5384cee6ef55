// The cashier's mouse and keys over its button table.
#pragma once

#include "platform/include/plat/types.h"

namespace cash {

// The shell's button hook: button -1 a mouse message at (x, y); a button
// number a release of that button (keys, as if clicked).
void HandleButtonInput(int x, int y, plat::UINT message, plat::WPARAM keys, int button);
void ResetInput();

}  // namespace cash
