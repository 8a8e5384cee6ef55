// The pointer's cursor, by standard id, for both backends.
#pragma once

#include "platform/include/plat/window.h"

namespace plat::common {

// The IDC_* of the cursor set last; 0 when it is hidden.
int CurrentCursor();
// Starts again from that standard cursor (0: hidden) without showing it.
void ResetCursor(int standardCursor);

}  // namespace plat::common
