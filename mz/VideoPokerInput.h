// Mouse presses and releases over the machine's buttons.
#pragma once

#include "platform/include/plat/types.h"

namespace mz {

// button -1: the button under (x, y); else a release of that button
// (kind 2 a right one).
void HandleButtonInput(int x, int y, plat::UINT message, plat::WPARAM keys, int button);
void ResetInput();

}  // namespace mz
